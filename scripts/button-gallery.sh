#!/usr/bin/env bash
# Draws the button gallery at 96 and 144 pixels per inch under Wine and saves it
# as docs/button-gallery-96.png and docs/button-gallery-144.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LAUNCHER_BUILD_DIR:-$root/build}
exe=$build/win-i686/tests/button_gallery.exe
cmake --build "$build/win-i686" --target button_gallery >/dev/null
out=$(mktemp -d)
for dpi in 96 144; do
    "$root/scripts/wine-env.sh" run i686 "$exe" "Z:$out/gallery-$dpi.bmp" "$dpi" >/dev/null
    convert "$out/gallery-$dpi.bmp" -alpha off "$root/docs/button-gallery-$dpi.png"
    echo "docs/button-gallery-$dpi.png"
done
rm -rf "$out"
