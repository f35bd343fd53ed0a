#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A print server of our own in FOLDER, so that printing tests never reach the system's CUPS or
# a real printer: its configuration, spool and logs stay in FOLDER, and it listens only on
# FOLDER/cups.sock (point CUPS_SERVER there). Its one queue, TallyraTest, is the default: the
# PDF printer of package printer-driver-cups-pdf, whose jobs go through CUPS's filters
# (pdftopdf, pdftops) and its backend's Ghostscript as on a desktop, and land in FOLDER/out.
# The backend runs only as root and reads its settings from /etc/cups only, so the queue's
# settings file there is named after FOLDER and removed on stop.
#
#   private-cupsd.sh start FOLDER          exits 77 when there is no cupsd to start
#   private-cupsd.sh queue FOLDER [PAPER]  makes the queue again: accepting jobs, the default,
#                                          on PAPER (a PPD page size, A4 unless given)
#   private-cupsd.sh stop FOLDER
set -eu

action=$1
folder=$(cd "$2" && pwd)
export CUPS_SERVER="$folder/cups.sock"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
instance=tallyra-$(basename "$folder")
settings=/etc/cups/cups-pdf-$instance.conf

# Poppler's renderer keeps the text of the pages readable in the PDF that comes out; the
# default one turns it into pictures of letters. lpadmin's note that drivers are deprecated is
# no failure.
queue() {
  rm -f "$folder"/out/*
  out=$(lpadmin -p TallyraTest -E -v "cups-pdf:/$instance" -P "$ppd" \
    -o "PageSize=${1:-A4}" -o pdftops-renderer-default=pdftocairo 2>&1) &&
    lpadmin -d TallyraTest || {
    echo "$out" >&2
    return 1
  }
}

case $action in
stop)
  [ -f "$folder/cupsd.pid" ] || exit 0
  pid=$(cat "$folder/cupsd.pid")
  kill "$pid" 2>/dev/null || true
  # Gone before its folder is removed.
  tries=0
  while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
    tries=$((tries + 1))
    sleep 0.1
  done
  rm -f "$folder/cupsd.pid" "$settings"
  exit 0
  ;;
queue)
  queue "${3:-}"
  exit
  ;;
esac

cupsd=/usr/sbin/cupsd
[ -x "$cupsd" ] && command -v lpadmin >/dev/null || {
  echo "no cupsd or lpadmin here (Debian packages cups-daemon, cups-client)" >&2
  exit 77
}
[ -f "$ppd" ] && [ -x /usr/lib/cups/backend/cups-pdf ] || {
  echo "no PDF printer here (Debian package printer-driver-cups-pdf)" >&2
  exit 77
}
[ "$(id -u)" -eq 0 ] || {
  echo "the PDF printer prints only for a print server run as root" >&2
  exit 77
}

mkdir -p "$folder/spool" "$folder/cache" "$folder/state" "$folder/tmp" "$folder/log" \
  "$folder/out" "$folder/pdf-spool"
# As root, cupsd hands the jobs to its own user.
chmod 755 "$folder"
chmod 1777 "$folder/out" "$folder/tmp"
cat >"$settings" <<EOF
Out $folder/out
AnonDirName $folder/out
Spool $folder/pdf-spool
Log $folder/log
EOF

cat >"$folder/cupsd.conf" <<EOF
Listen $folder/cups.sock
LogLevel info
Browsing No
DefaultPolicy open
<Policy open>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
EOF

cat >"$folder/cups-files.conf" <<EOF
ServerRoot $folder
RequestRoot $folder/spool
StateDir $folder/state
CacheDir $folder/cache
TempDir $folder/tmp
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
Printcap $folder/printcap
FileDevice Yes
EOF

"$cupsd" -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" \
  >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/cupsd.pid"

tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
  tries=$((tries + 1))
  if [ $tries -gt 50 ] || ! kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null; then
    echo "the private cupsd did not start:" >&2
    cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null || true
    "$0" stop "$folder"
    exit 77
  fi
  sleep 0.1
done

queue || {
  echo "the PDF printer's queue could not be made (Debian packages cups, cups-filters)" >&2
  "$0" stop "$folder"
  exit 77
}
