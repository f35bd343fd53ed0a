#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the help pictures in src/help/pictures again from the program's own windows: builds and
# runs tallyra_help_pictures offscreen, then has ImageMagick write the GIF and JPEG files. Then
# the handbook's pictures in src/help/handbook/pictures, once for each language of its pages,
# as PNG files of 256 colours shrunk by optipng.
set -euo pipefail

for tool in convert optipng; do
  if ! command -v "$tool" >/dev/null; then
    echo "make-help-pictures: needs $tool (Debian packages imagemagick and optipng)" >&2
    exit 1
  fi
done

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target tallyra_help_pictures

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One pixel per pixel, whatever the desktop this runs on is scaled to.
export QT_QPA_PLATFORM=offscreen
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
build/dev/bin/tallyra_help_pictures "$work"

pictures=src/help/pictures
for png in "$work"/*.png; do
  name=$(basename "$png" .png)
  case "$name" in
    *.jpg) convert "$png" -quality 92 "$pictures/$name" ;;
    *) convert "$png" +dither -colors 256 "$pictures/$name" ;;
  esac
done
cp "$work"/*.map "$pictures/"
identify "$pictures"/*.gif "$pictures"/*.jpg

for folder in src/help/handbook/*/; do
  language=$(basename "$folder")
  [ "$language" = pictures ] && continue
  mkdir -p "$work/handbook/$language"
  LC_ALL= LC_MESSAGES= LANG=C.UTF-8 LANGUAGE=$language \
    build/dev/bin/tallyra_help_pictures --handbook "$language" "$work/handbook/$language"
  pictures=src/help/handbook/pictures/$language
  mkdir -p "$pictures"
  rm -f "$pictures"/*.png
  for png in "$work/handbook/$language"/*.png; do
    convert "$png" +dither -colors 256 "PNG8:$pictures/$(basename "$png")"
  done
  optipng -quiet -o5 "$pictures"/*.png
  identify "$pictures"/*.png
done
