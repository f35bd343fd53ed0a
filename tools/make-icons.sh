#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG sizes of the program icon from dist/icons/tallyra.svg. The PNGs are kept in
# the repository so that building needs no SVG renderer; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"

if ! command -v rsvg-convert >/dev/null; then
  echo "make-icons: needs rsvg-convert (Debian package librsvg2-bin)" >&2
  exit 1
fi
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" tallyra.svg --output "tallyra-$size.png"
done
# The Windows icon (the .exe's, the installer's and the Start menu's) holds the same sizes.
if command -v convert >/dev/null; then
  convert tallyra-16.png tallyra-24.png tallyra-32.png tallyra-48.png tallyra-64.png \
    tallyra-128.png tallyra-256.png tallyra.ico
else
  echo "make-icons: tallyra.ico not made: needs convert (Debian package imagemagick)" >&2
fi
