#!/usr/bin/env bash
# Renders the artwork sources in res/art/ (SVG) to the PNG files the window program embeds (res/icons/)
# and to the program icon in the sizes of the desktop's icon theme (res/icons/hicolor/, installed).
# Needs ImageMagick; the logo's lettering is drawn with the DejaVu Sans faces.
set -euo pipefail
cd "$(dirname "$0")/../res"
mkdir -p icons
for name in new open save read write help exit app; do
    convert -background none "art/$name.svg" "icons/$name.png"
done
for name in preview preview-first preview-previous preview-goto preview-next preview-last preview-close \
    preview-print preview-pattern; do
    convert -background none "art/$name.svg" "icons/$name.png"
done
convert -background none art/logo.svg \
    -font DejaVu-Sans-Bold -pointsize 17 -fill white -annotate +35+24 'VPXE+' \
    -font DejaVu-Sans -pointsize 11 -fill '#cfe0f5' -annotate +104+23 'MX6+' \
    icons/logo.png
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "icons/hicolor/${size}x${size}"
    convert -background none -density $((96 * size / 64)) art/app.svg -resize "${size}x${size}" -strip -depth 8 \
        "icons/hicolor/${size}x${size}/vpxds.png"
done
