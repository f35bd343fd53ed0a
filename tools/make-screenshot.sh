#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes dist/screenshots/main-window.png again: the program itself on a virtual X display,
# over a few weeks of a household account, its main window grabbed with ImageMagick and made
# smaller with optipng. Needs xvfb, xdotool, imagemagick and optipng.
#   make-screenshot.sh            the Linux program of the dev build
#   make-screenshot.sh --windows  windows-main-window.png: the Windows build under wine
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
picture="$root/dist/screenshots/main-window.png"
program=("$root/build/dev/bin/tallyra")
if [ "${1-}" = --windows ]; then
  picture="$root/dist/screenshots/windows-main-window.png"
  program=("$root/tools/windows/wine-run.sh" "$root/build/windows/bin/tallyra.exe")
fi

# Inside the virtual display: start the program in the folder given, grab its window, end it.
if [ "${1-}" = --grab ]; then
  cd "$2"
  picture=$3
  shift 3
  "$@" &
  started=$!
  window=$(xdotool search --sync --onlyvisible --name '^Tallyra v')
  sleep 3 # the first frame is painted after the window maps
  import -window "$window" "$picture"
  # Under wine, Alt+F4 closes the window as Windows would; a Linux program is ended by SIGTERM.
  xdotool key --window "$window" alt+F4 2>/dev/null || true
  sleep 2
  kill "$started" 2>/dev/null || true
  wait "$started" || true
  exit 0
fi

for tool in xvfb-run xdotool import optipng; do
  if ! command -v "$tool" >/dev/null; then
    echo "make-screenshot: needs $tool (Debian packages xvfb xdotool imagemagick optipng)" >&2
    exit 1
  fi
done

cd "$root"
if [ "${1-}" = --windows ]; then
  cmake --build --preset windows --target tallyra
else
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target tallyra
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entries=(
  '2026,11,2,"DEP","PAYCHECK",0,182450'
  '2026,11,3,"1041","RIVERSIDE APARTMENTS",95000,0'
  '2026,11,5,"1042","CITY WATER COMPANY",3150,0'
  '2026,11,9,"ATM","CASH",6000,0'
  '2026,11,12,"1043","GREEN VALLEY GROCERY",8734,0'
  '2026,11,16,"DEP","PAYCHECK",0,182450'
  '2026,11,18,"1044","NORTHERN ELECTRIC",7412,0'
  '2026,11,20,"1045","VOID",0,0'
  '2026,11,23,"1046","DR. ELLEN MARSH",4500,0'
  '2026,11,27,"1047","COUNTY INSURANCE",12600,0'
  '2026,12,1,"1048","RIVERSIDE APARTMENTS",95000,0'
  '2026,12,4,"DEP","PAYCHECK",0,182450'
)
{
  printf '%d\r\n' "${#entries[@]}"
  printf '%s\r\n' "${entries[@]}"
  for ((i = ${#entries[@]}; i < 1000; i++)); do printf '0,0,0,"","",0,0\r\n'; done
} >"$work/default.dat"

env -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$([ "${1-}" = --windows ] && echo windows || echo xcb)" \
  xvfb-run -a -s '-screen 0 1280x800x24' "$0" --grab "$work" "$picture" "${program[@]}"
optipng -quiet -o7 -strip all "$picture"
identify "$picture"
