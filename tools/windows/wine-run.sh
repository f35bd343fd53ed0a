#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under wine: CTest's emulator for the Windows build's tests.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The wine prefix is TALLYRA_WINEPREFIX (default: build/wine in the clone), made on first use.
# The exit status is the program's own (its low byte: a missing DLL shows as 53).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${TALLYRA_WINEPREFIX:-$here/../../build/wine}
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# Wine makes the Windows user's Documents a link to the home folder: a home of its own keeps
# what the programs write there out of the real one.
export HOME=$WINEPREFIX.home
mkdir -p "$HOME"
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  mkdir -p "$WINEPREFIX"
  # Wine's own helpers must not hold the caller's output open, or CTest waits for them.
  wineboot -i </dev/null >/dev/null 2>&1 || true
fi
# Wine's own services start with the first program of a session and live on; started here,
# they do not hold the caller's output open, which CTest would wait for.
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
wine wineboot </dev/null >/dev/null 2>&1 || true
# Without a console window Qt writes its messages where nobody reads them.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
# Wine would offer this machine's print queues as Windows printers: the tests see none.
export CUPS_SERVER=${TALLYRA_WINE_CUPS_SERVER:-/nonexistent/cups.sock}
# The offscreen platform draws text with FreeType and needs a font folder.
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/dejavu}
# Wine hands no variable named QT_* to a Windows program, but WINEQT_X arrives as QT_X.
for variable in $(compgen -e); do
  case $variable in QT_*) export "WINE$variable=${!variable}" ;; esac
done
exec wine "$@"
