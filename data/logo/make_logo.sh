#!/usr/bin/env bash
# Draws "VKX-Logo 15mm mit Schatten.png" (the report header logo, 177 x 177 pixels =
# 15 mm at 300 dpi) from logo.mvg with ImageMagick. The PNG is committed; run this
# after changing logo.mvg. Opaque white ground: the report writer drops transparency.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 166x166 xc:none -draw "$(grep -v '^#' logo.mvg)" \
  \( +clone -background '#000000' -shadow 45x4+4+4 \) +swap \
  -background none -layers merge +repage \
  -background white -gravity northwest -extent 177x177 -flatten -alpha off \
  -depth 8 -units PixelsPerInch -density 300 -define png:exclude-chunks=date,time,text,zTXt,bKGD \
  "PNG24:../VKX-Logo 15mm mit Schatten.png"
