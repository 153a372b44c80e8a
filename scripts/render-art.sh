#!/usr/bin/env bash
# Renders the artwork sources in res/art/ (SVG) to the PNG files the window program embeds (res/icons/).
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
