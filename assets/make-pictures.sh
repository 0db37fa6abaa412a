#!/bin/bash
# shellcheck source-path=SCRIPTDIR
# Draws every picture of the program and its icon into this folder, plus a contact sheet to
# judge them by. The pictures are committed; run this again only to change them.
#
# Needs ImageMagick 6 (convert, montage), python3 and the WenQuanYi Zen Hei font
# (Debian: imagemagick python3 fonts-wqy-zenhei). Everything is drawn from primitives, nothing
# random, so a re-run gives the same pictures.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
font=${VANTREL_FONT:-/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc}
if [[ ! -r $font ]]; then
    echo "make-pictures.sh: font $font not found (apt-get install fonts-wqy-zenhei)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Pictures that must come out byte-identical on a re-run: no dates, no comments, no profiles.
# Baseline (not progressive) JPEG, as the picture boxes expect.
jpegout=(-strip -interlace none -sampling-factor 2x2 -quality 90)

# shellcheck source=draw/shapes.sh
source "$here/draw/shapes.sh"
# shellcheck source=draw/banner.sh
source "$here/draw/banner.sh"
# shellcheck source=draw/title.sh
source "$here/draw/title.sh"
# shellcheck source=draw/house.sh
source "$here/draw/house.sh"
# shellcheck source=draw/photo.sh
source "$here/draw/photo.sh"
# shellcheck source=draw/icon.sh
source "$here/draw/icon.sh"

drawbanner "$here/banner.gif"
drawtitle "$here/title.jpg"
drawhouse "$here/house.jpg"
drawphoto "$here/photo.jpg"
drawicon "$here/icon.ico"

# Each picture with its name underneath; montage's own labels go missing on all but the last row.
tiles=()
sheet=("banner.gif[0]" 'banner.gif, frames 1 and 3' "banner.gif[1]" 'banner.gif, frames 2 and 4'
    title.jpg title.jpg house.jpg house.jpg photo.jpg photo.jpg icon.ico icon.ico)
for ((i = 0; i < ${#sheet[@]}; i += 2)); do
    tiles+=("$work/tile-$i.png")
    size=$(identify -format '%w x %h' "$here/${sheet[i]}")
    convert "$here/${sheet[i]}" -background '#d8d8d8' -flatten -font "$font" -pointsize 14 \
        -gravity center label:"${sheet[i + 1]}, $size" -append "$work/tile-$i.png"
done
montage "${tiles[@]}" -tile 2x -geometry '+12+12' -background '#d8d8d8' \
    +set date:create +set date:modify -define png:exclude-chunks=date,time -quality 95 \
    "$here/contact-sheet.png"
