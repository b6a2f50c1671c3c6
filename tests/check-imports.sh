#!/usr/bin/env bash
# The launcher must run from a bare folder on an exam PC: it may import only DLLs
# that ship with Windows.
set -euo pipefail
arch=$1 exe=$2
objdump=$arch-w64-mingw32-objdump
allowed='^(kernel32|user32|gdi32|gdiplus|imm32|comctl32|advapi32|shell32|ole32|oleaut32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+|uxtheme|winmm|version|shlwapi)\.dll$'
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no imports read from $exe"; exit 1; }
bad=$(grep -Ev "$allowed" <<<"$dlls" || true)
echo "[$arch] imports:" $dlls
if [ -n "$bad" ]; then
    echo "not a Windows system DLL:" $bad
    exit 1
fi
