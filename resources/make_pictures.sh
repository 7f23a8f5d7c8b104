#!/bin/sh
# Draws the splash picture (254 x 254 progressive JPEG) and the program
# icon (32 x 32, 256 colours) with ImageMagick. Run from this folder.
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
