#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# logoff.sh TALLYRA.exe
# Starts Tallyra on a register under wine's own desktop (Xvfb), ends the session as a logoff
# does, and checks that the program ended in order: its lock let go, the register unchanged.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

# Inside the virtual display (logoff.sh --session PROGRAM WORK): the session itself.
if [ "${1-}" = --session ]; then
  program=$2 work=$3
  export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export HOME=$work/home
  mkdir -p "$HOME"
  wineboot -i </dev/null >/dev/null 2>&1
  cd "$work/folder"
  wine "$program" </dev/null >/dev/null 2>&1 &
  started=$!
  for _ in $(seq 300); do [ -e default.dat.lock ] && break; sleep 0.1; done
  [ -e default.dat.lock ] || fail "Tallyra never took the lock"
  sleep 1
  # What Windows sends every program at a logoff: may the session end, then it ends.
  wineboot --end-session </dev/null >/dev/null 2>&1 || true
  for _ in $(seq 200); do kill -0 "$started" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$started" 2>/dev/null || fail "Tallyra still runs after the logoff"
  wineserver -k 2>/dev/null || true
  exit 0
fi

program=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/folder"
{ printf '0\r\n'; for _ in $(seq 1000); do printf '0,0,0,"","",0,0\r\n'; done; } >"$work/folder/default.dat"
cp "$work/folder/default.dat" "$work/before.dat"

xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --session "$program" "$work" || fail "the session"
[ ! -e "$work/folder/default.dat.lock" ] || fail "the lock was left behind"
cmp -s "$work/folder/default.dat" "$work/before.dat" || fail "the register changed"
echo "PASS: ended in order at the logoff; the lock let go"
