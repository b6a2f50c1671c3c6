#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the native tier and both
# Windows builds, then runs the native, wine and end-to-end tiers with one ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LAUNCHER_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j2 "$@"
