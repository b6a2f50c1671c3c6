#!/usr/bin/env bash
# The Wine environment the tests and the sample run use: a private prefix, the
# ja_JP.UTF-8 locale (ANSI code page 932, as on the exam PCs) and a private Xvfb display.
#
#   wine-env.sh setup              make the prefix and start the display (idempotent)
#   wine-env.sh run i686|x86_64 EXE [ARGS...]   run a Windows program in it
#   wine-env.sh stop               end the wineserver and the display
#
# LAUNCHER_WINE_HOME (default: build/wine) holds the prefix and the display's state.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
home=${LAUNCHER_WINE_HOME:-$here/../build/wine}
mkdir -p "$home"
home=$(cd "$home" && pwd)

export WINEPREFIX=$home/prefix
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
export WINESERVER

display_alive() {
    [ -f "$home/xvfb.pid" ] && kill -0 "$(cat "$home/xvfb.pid")" 2>/dev/null
}

start_display() {
    display_alive && return 0
    # Xvfb tells the display number it picked on the descriptor we give it.
    rm -f "$home/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -nolisten unix >/dev/null 2>"$home/xvfb.log" 3>"$home/xvfb.display" &
    echo $! >"$home/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$home/xvfb.display" ] && break
        sleep 0.05
    done
    [ -s "$home/xvfb.display" ] || { echo "Xvfb did not start" >&2; cat "$home/xvfb.log" >&2; exit 1; }
}

use_display() {
    if [ -n "${LAUNCHER_USE_DISPLAY:-}" ]; then
        export DISPLAY=$LAUNCHER_USE_DISPLAY
    else
        export DISPLAY=:$(head -n1 "$home/xvfb.display")
    fi
}

make_prefix() {
    [ -f "$WINEPREFIX/.launcher-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    local reg=("$WINE64" reg add)
    # Without a window manager, hiding a managed window costs seconds.
    "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    # Windows' own button colours, so painted pixels compare with Windows.
    "${reg[@]}" 'HKCU\Control Panel\Colors' /v ButtonFace /d '240 240 240' /f >/dev/null
    "${reg[@]}" 'HKCU\Control Panel\Colors' /v ButtonShadow /d '160 160 160' /f >/dev/null
    "${reg[@]}" 'HKCU\Control Panel\Colors' /v ButtonHilight /d '255 255 255' /f >/dev/null
    # The layout's font names resolve to the Japanese font Debian ships.
    local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for f in 'メイリオ' 'Meiryo' 'ＭＳ ゴシック' 'MS Gothic' 'ＭＳ Ｐゴシック' 'MS UI Gothic'; do
        "${reg[@]}" "$subst" /v "$f" /d 'Noto Sans CJK JP' /f >/dev/null
    done
    "${reg[@]}" 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
        /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null
    if compgen -G '/usr/share/wine/fonts/*.ttf' >/dev/null; then
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    "$WINESERVER" -w
    touch "$WINEPREFIX/.launcher-ready"
}

setup() {
    # Serialise: ctest may start several wine tests at once.
    exec 9>"$home/setup.lock"
    flock 9
    make_prefix
    start_display
    use_display
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true   # keep the server running between programs
    # Start Wine's helper processes (services, the desktop) now, with no standard
    # handles of ours: started later by a program, they would inherit its output
    # pipe and keep whoever reads it waiting after the program has ended.
    "$WINE64" rundll32 user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null || true
    flock -u 9
}

case "${1:-}" in
    setup)
        setup
        ;;
    run)
        arch=${2:?arch}; exe=${3:?exe}; shift 3
        setup
        case "$arch" in
            i686) loader=$WINE32 ;;
            x86_64) loader=$WINE64 ;;
            *) echo "unknown arch $arch" >&2; exit 2 ;;
        esac
        echo "[wine $arch] $(basename "$exe") $*"
        # Wine's helper processes (the desktop, services) inherit the standard
        # handles of the program that started them; a pipe they kept open would
        # keep ctest waiting. So the program writes to a file we show afterwards.
        log=$(mktemp "$home/run.XXXXXX")
        status=0
        "$loader" "$exe" "$@" >"$log" 2>&1 </dev/null || status=$?
        cat "$log"
        rm -f "$log"
        exit $status
        ;;
    env)
        # For a shell: eval "$(wine-env.sh env)"
        setup
        echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG='$WINEDEBUG' LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 DISPLAY='$DISPLAY' WINESERVER='$WINESERVER'"
        ;;
    stop)
        "$WINESERVER" -k 2>/dev/null || true
        if display_alive; then kill "$(cat "$home/xvfb.pid")" 2>/dev/null || true; fi
        rm -f "$home/xvfb.pid" "$home/xvfb.display"
        ;;
    *)
        echo "usage: wine-env.sh setup|run ARCH EXE [ARGS]|env|stop" >&2; exit 2 ;;
esac
