#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# installer.sh BUILD VERSION STATEMENT.ofx
# Makes the installer from BUILD, installs it silently into a new wine prefix, starts the
# installed program, and uninstalls it: the register in Documents must stay.
set -euo pipefail
build=$1 version=$2 statement=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

export WINEPREFIX=$build/wine-installer WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine links the user's Documents to the home folder: a home of the test's own.
export HOME=$build/wine-installer-home
rm -rf "$WINEPREFIX" "$HOME"
mkdir -p "$HOME"
wineboot -i </dev/null >/dev/null 2>&1 || true
wineserver -p 60 </dev/null >/dev/null 2>&1 || true

cd "$build"
rm -f "Tallyra-$version-win64.exe"
cpack -G NSIS --config CPackConfig.cmake >cpack.log 2>&1 || { tail -20 cpack.log; fail "cpack"; }
[ -f "Tallyra-$version-win64.exe" ] || fail "no Tallyra-$version-win64.exe"

wine "Tallyra-$version-win64.exe" /S </dev/null >/dev/null 2>&1
wineserver -w
drive=$WINEPREFIX/drive_c
program="$drive/Program Files/Tallyra/bin/tallyra.exe"
[ -f "$program" ] || fail "installed nothing at Program Files/Tallyra/bin/tallyra.exe"
[ -f "$drive/Program Files/Tallyra/libexec/tallyra/share/libofx/dtd/ofx160.dtd" ] ||
  fail "the OFX reader's DTDs are not installed"
shortcut=$(find "$drive" -path "*Start Menu/Programs/Tallyra/Tallyra.lnk" | head -1)
[ -n "$shortcut" ] || fail "no Start menu entry"
# The shortcut starts the program in the user's Documents.
# (Its texts are UTF-16: without the zero bytes the ASCII ones read plainly.)
tr -d '\0' <"$shortcut" | grep -aq 'C:\\users\\[^\\]*\\Documents' ||
  fail "the Start menu entry does not start in Documents"

answer=$(cd "$drive" && wine "C:\\Program Files\\Tallyra\\bin\\tallyra.exe" --version </dev/null 2>/dev/null | tr -d '\r')
[ "$answer" = "tallyra $version" ] || fail "--version answered '$answer'"

# The installed OFX reader finds its library's DTDs: an import that changes nothing.
documents=$(find "$drive/users" -mindepth 2 -maxdepth 2 -name Documents ! -path '*/Public/*' | head -1)
[ -d "$documents" ] || fail "wine made no Documents folder"
cp "$statement" "$documents/statement.ofx"
imported=$(cd "$documents" && wine "C:\\Program Files\\Tallyra\\bin\\tallyra.exe" --import statement.ofx --dry-run \
  </dev/null 2>&1 | tr -d '\r') || fail "the import failed: $imported"
grep -Eq "^[1-9][0-9]* new, " <<<"$imported" || fail "the import found nothing new: $imported"
[ ! -e "$documents/default.dat" ] || fail "a dry run wrote default.dat"

printf '0\r\n' >"$documents/default.dat"
mkdir -p "$documents/Tallyra Backups" && printf '0\r\n' >"$documents/Tallyra Backups/before.bak"
wine "$drive/Program Files/Tallyra/Uninstall.exe" /S </dev/null >/dev/null 2>&1
wineserver -w
sleep 2
wineserver -w
[ ! -e "$program" ] || fail "the uninstaller left tallyra.exe"
[ -z "$(find "$drive" -path "*Start Menu/Programs/Tallyra/Tallyra.lnk")" ] || fail "the uninstaller left the Start menu entry"
[ -f "$documents/default.dat" ] || fail "the uninstaller removed default.dat"
[ -f "$documents/Tallyra Backups/before.bak" ] || fail "the uninstaller removed a backup"
wineserver -k || true
rm -rf "$WINEPREFIX" "$HOME"
echo "PASS: installed, answered '$answer', imported, uninstalled; default.dat and the backups kept"
