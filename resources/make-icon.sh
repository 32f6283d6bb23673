#!/usr/bin/env bash
# Draws the application icon (an amber umbrella on an indigo tile) with ImageMagick and writes
# Umbrix.ico with 16, 32, 48 and 256 pixel images. The picture is drawn once at 1024 pixels
# and scaled down, which gives every size clean, anti-aliased edges.
# Usage: resources/make-icon.sh [output.ico]
set -euo pipefail
out=${1:-"$(dirname "$0")/Umbrix.ico"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tile: a rounded square with a top-to-bottom gradient.
convert -size 1024x1024 gradient:'#5C6BC0'-'#1A237E' "$work/gradient.png"
convert -size 1024x1024 xc:none -fill white -draw 'roundrectangle 16,16 1007,1007 200,200' "$work/tile-mask.png"
convert "$work/gradient.png" "$work/tile-mask.png" -alpha off -compose CopyOpacity -composite "$work/tile.png"

# The umbrella: a canopy with three scallops along its rim, a tip, a shaft and a hooked handle.
# Shapes are filled rather than stroked: ImageMagick 6 closes stroked arcs with a chord.
convert -size 1024x1024 xc:none \
  -fill '#FFC107' -stroke none \
  -draw "path 'M 132,540 A 380,380 0 0 1 892,540 A 126.67,126.67 0 0 0 638.67,540 A 126.67,126.67 0 0 0 385.33,540 A 126.67,126.67 0 0 0 132,540 Z'" \
  -draw 'circle 512,150 512,120' \
  -fill white \
  -draw 'rectangle 484,560 540,800' \
  -draw "path 'M 540,800 A 133,133 0 0 1 274,800 L 330,800 A 77,77 0 0 0 484,800 Z'" \
  -draw 'circle 302,800 302,772' \
  "$work/umbrella.png"

convert "$work/tile.png" "$work/umbrella.png" -compose Over -composite "$work/icon-1024.png"

sizes=(256 48 32 16)
frames=()
for size in "${sizes[@]}"; do
  convert "$work/icon-1024.png" -filter Lanczos -resize "${size}x${size}" -depth 8 -strip "$work/icon-$size.png"
  frames+=("$work/icon-$size.png")
done
convert "${frames[@]}" -strip "$out"
echo "wrote $out"
