#!/bin/sh
# Draws the splash picture (254 x 254 progressive JPEG), the program's
# window icon (32 x 32, 256 colours) and the same icon for the desktop
# (48 to 256 px PNG and SVG, into ../dist/icons) with ImageMagick.
# Run from this folder.
set -e

convert -size 254x254 gradient:'#2a5d9f-#bcd8f0' \
  -fill '#4f7f3a' -draw 'rectangle 0,200 254,254' \
  -stroke '#303030' -strokewidth 3 -draw 'line 70,200 70,40' \
  -strokewidth 2 -draw 'line 70,60 40,200' -draw 'line 70,60 100,200' \
  -draw 'line 56,120 84,120' -draw 'line 50,160 90,160' \
  -fill none -stroke '#f0f0f0' -strokewidth 2 \
  -draw 'arc 50,20 90,60 200,340' -draw 'arc 38,8 102,72 210,330' -draw 'arc 26,-4 114,84 220,320' \
  -stroke '#202020' -strokewidth 1 -fill '#d9d9d9' -draw 'roundrectangle 130,150 230,200 6,6' \
  -fill '#2fbf4f' -draw 'circle 145,165 149,165' -fill '#e0a020' -draw 'circle 160,165 164,165' \
  -fill '#404040' -draw 'rectangle 175,160 220,170' \
  -stroke '#303030' -strokewidth 2 -draw 'line 215,150 215,110' -fill none -draw 'line 70,45 130,175' \
  -stroke none -fill '#ffffff' -pointsize 22 -draw "text 128,40 'PELNOR'" \
  -pointsize 16 -draw "text 140,62 'Rudi'" \
  -fill '#102030' -pointsize 11 -draw "text 132,192 'APRS station'" \
  -interlace Plane -quality 90 splash.jpg

convert -size 32x32 xc:'#2a5d9f' \
  -stroke '#f0f0f0' -strokewidth 2 -draw 'line 16,30 16,8' -draw 'line 16,10 8,30' -draw 'line 16,10 24,30' \
  -fill none -draw 'arc 8,0 24,16 200,340' \
  -colors 256 PNG8:icon.png

# The desktop icon: the window icon's mast, its signal arc a band between
# radius 7 and 9 around (16,8), on the 32 x 32 grid scaled to each size.
point() {
  awk -v r="$1" -v a="$2" 'BEGIN { pi = atan2(0, -1); printf "%.3f,%.3f", 16 + r * cos(a * pi / 180), 8 + r * sin(a * pi / 180) }'
}
arc_band=""
for angle in $(seq 200 4 340); do arc_band="$arc_band $(point 9 "$angle")"; done
for angle in $(seq 340 -4 200); do arc_band="$arc_band $(point 7 "$angle")"; done

mkdir -p ../dist/icons
for size in 48 64 128 256; do
  scale=$(awk -v size="$size" 'BEGIN { print size / 32 }')
  convert -size "${size}x${size}" xc:'#2a5d9f' \
    -stroke '#f0f0f0' -strokewidth 2 \
    -draw "affine $scale,0,0,$scale,0,0 line 16,30 16,8 line 16,10 8,30 line 16,10 24,30" \
    -stroke none -fill '#f0f0f0' -draw "affine $scale,0,0,$scale,0,0 polygon$arc_band" \
    -colors 256 -define png:exclude-chunks=date,time "PNG8:../dist/icons/$size.png"
done

cat > ../dist/icons/scalable.svg <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect width="32" height="32" fill="#2a5d9f"/>
  <path d="M16 30V8M16 10L8 30M16 10L24 30" stroke="#f0f0f0" stroke-width="2" fill="none"/>
  <path d="M$(point 9 200) A9 9 0 0 1 $(point 9 340) L$(point 7 340) A7 7 0 0 0 $(point 7 200) Z" fill="#f0f0f0"/>
</svg>
SVG
