#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that Tallyra needs to build, test and run, when missing.
# (cups holds cups-driverd, without which the printing test's queue cannot be made; the queue
# is the PDF printer of printer-driver-cups-pdf, as on a desktop. qt6-tools-dev and
# qt6-l10n-tools make the translations; qt6-translations-l10n holds Qt's own.)
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libbenchmark-dev
  clang-14 libclang-rt-14-dev
  libcups2-dev
  libofx-dev
  poppler-utils cups cups-daemon cups-client cups-filters printer-driver-cups-pdf
  dpkg-dev desktop-file-utils lintian appstream groff-base
)

# --list prints the packages, one a line, and installs nothing.
if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
