#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, enables wine32 and the
# ja_JP.UTF-8 locale. Idempotent: quick when everything is already there.
set -euo pipefail

PKGS=(cmake make g++ googletest
      g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools binutils-mingw-w64
      wine wine64 xvfb xauth xdotool imagemagick fonts-noto-cjk fonts-wine locales python3 clang-format git)
PKGS32=(wine32:i386)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

missing=()
for p in "${PKGS[@]}" "${PKGS32[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The exam PCs run with code page 932; Wine takes it from the locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
