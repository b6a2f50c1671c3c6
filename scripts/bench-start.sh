#!/usr/bin/env bash
# Measures, in one run, the launcher's own share of a start under Wine: from Enter
# to the exam-start batch being written and started, and from the exam window
# appearing to the launcher's process ending; next to the sample exam program's own
# start-up (started directly, time to its window). Not a test: it prints figures.
#
#   bench-start.sh [--x86_64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LAUNCHER_BUILD_DIR:-$root/build}
arch=i686
[ "${1:-}" = --x86_64 ] && arch=x86_64

"$root/scripts/setup.sh" >/dev/null
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

win_bin=$build/win-$arch
parent=$(mktemp -d /tmp/bench-start.XXXXXX)
trap 'rm -rf "$parent"' EXIT
python3 "$root/scripts/layout_package.py" --launcher "$win_bin/launcher.exe" \
    --exam-program "$win_bin/examples/sample_exam.exe" --extra "$win_bin/examples" "$parent" >/dev/null

export LAUNCHER_WINE_HOME=$build/wine
eval "$("$root/scripts/wine-env.sh" env)"
loader=/usr/lib/wine/wine
[ "$arch" = x86_64 ] && loader=/usr/lib/wine/wine64

echo "$arch build, $(nproc) cores; times from the driver's QueryPerformanceCounter"
"$loader" "$win_bin/tests/driver.exe" bench-start "Z:${parent//\//\\}\\launcher\\" 12345 007 \
    "Z:${parent//\//\\}\\tools\\sample_exam.exe"
# Let the clean-up batch finish before the folder goes.
for _ in $(seq 300); do
    [ -e "$parent/launcher" ] || [ -e "$parent/Corvanta.BAT" ] || break
    sleep 0.1
done
