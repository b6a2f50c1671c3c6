#!/usr/bin/env bash
# Start-up time of the launcher next to a bare Win32 window program built alongside:
# from process start to a shown window that answers messages, median of several
# warm runs each, under the tests' Wine environment. A measurement, not a test.
#
#   bench-startup.sh [--x86_64] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LAUNCHER_BUILD_DIR:-$root/build}
arch=i686 runs=9
while [ $# -gt 0 ]; do
    case "$1" in
        --x86_64) arch=x86_64 ;;
        [0-9]*) runs=$1 ;;
        *) echo "usage: bench-startup.sh [--x86_64] [RUNS]" >&2; exit 2 ;;
    esac
    shift
done

"$root/scripts/setup.sh" >/dev/null
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

win_bin=$build/win-$arch
parent=$(mktemp -d /tmp/bench-pc.XXXXXX)
trap 'rm -rf "$parent"' EXIT
python3 "$root/scripts/layout_package.py" --launcher "$win_bin/launcher.exe" \
    --exam-program "$win_bin/examples/sample_exam.exe" "$parent" >/dev/null
cp "$win_bin/tests/bare_window.exe" "$parent/bare_window.exe"

export LAUNCHER_WINE_HOME=$build/wine
eval "$("$root/scripts/wine-env.sh" env)"
loader=/usr/lib/wine/wine
[ "$arch" = x86_64 ] && loader=/usr/lib/wine/wine64
timer=$win_bin/tests/time_window.exe
to_win() { echo "Z:${1//\//\\}"; }

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
measure() {  # TITLE EXE: one warm-up start, then RUNS timed ones
    "$loader" "$timer" "$1" 1 "$(to_win "$2")" >/dev/null
    "$loader" "$timer" "$1" "$runs" "$(to_win "$2")" | tr -d '\r' | median
}

launcher_ms=$(measure frmJPZZ0010 "$parent/launcher/launcher.exe")
bare_ms=$(measure BareWindow "$parent/bare_window.exe")
echo "start-up to a shown, answering window ($arch build, median of $runs runs under Wine):"
printf '  launcher     %8.1f ms\n' "$launcher_ms"
printf '  bare window  %8.1f ms\n' "$bare_ms"
awk -v a="$launcher_ms" -v b="$bare_ms" 'BEGIN { printf "  ratio        %8.2f\n", a / b }'
