#!/usr/bin/env bash
# Draws the sample package's pictures (run once; the results are committed).
set -euo pipefail
out=$(dirname "$0")/sample_package/exam/system/Image
mkdir -p "$out"
# Close button: a grey rounded square with a white cross, white surroundings.
convert -size 60x48 xc:white -fill '#6b7b8c' -draw 'roundrectangle 8,2 51,45 8,8' \
    -stroke white -strokewidth 5 -draw 'line 20,14 39,33' -draw 'line 39,14 20,33' "$out/CloseBtn.png"
# Logo: a blue band with a white diamond mark, as a 24-bit BMP.
convert -size 320x72 xc:white -fill '#2f5598' -draw 'rectangle 0,10 319,61' \
    -fill white -draw 'polygon 24,36 40,18 56,36 40,54' -fill '#ff6600' -draw 'rectangle 70,30 300,42' \
    -type TrueColor BMP3:"$out/velmark_logo.bmp"
convert -size 32x32 xc:none -fill '#2f5598' -draw 'roundrectangle 2,6 29,27 4,4' "$out/TopIcon.ico"
convert -size 32x32 xc:none -fill '#f0c040' -draw 'rectangle 2,8 29,27' -fill '#d0a020' -draw 'rectangle 2,5 14,9' "$out/ZFolderIcon.ico"
