#!/usr/bin/env bash
# Draws the welcome page's images (ImageMagick); the PNGs are kept in the repository beside it.
set -euo pipefail
cd "$(dirname "$0")"
# The logo: a closed blind over a window, in the program's blue.
convert -size 128x128 xc:none -fill '#1464BE' -draw 'roundrectangle 4,4 123,123 18,18' \
  -fill white -draw 'rectangle 24,28 103,36' -draw 'rectangle 24,46 103,54' \
  -draw 'rectangle 24,64 103,72' -draw 'rectangle 24,82 103,90' -draw 'rectangle 24,100 103,104' \
  -strip logo.png
# The two default keys, as key caps.
keycaps() {  # output, label of the second key
  convert -size 300x64 xc:none -font DejaVu-Sans -pointsize 22 \
    -fill '#F4F4F4' -stroke '#6A6A6A' -strokewidth 2 -draw 'roundrectangle 2,6 110,58 8,8' \
    -draw "roundrectangle 150,6 297,58 8,8" -stroke none -fill '#202020' \
    -annotate +28+40 'Ctrl' -annotate +122+40 '+' -annotate +164+40 "$2" -strip "$1"
}
keycaps hide-keys.png 'Space'
keycaps restore-keys.png 'Backspace'
