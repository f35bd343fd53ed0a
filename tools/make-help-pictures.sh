#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the help pictures in src/help/pictures again from the program's own windows: builds and
# runs tallyra_help_pictures offscreen, then has ImageMagick write the GIF and JPEG files.
set -euo pipefail

if ! command -v convert >/dev/null; then
  echo "make-help-pictures: needs ImageMagick's convert (Debian package imagemagick)" >&2
  exit 1
fi

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target tallyra_help_pictures

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen build/dev/bin/tallyra_help_pictures "$work"

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
