#!/usr/bin/env bash
# A private CUPS scheduler for printing tests, with one CUPS-PDF queue writing into a temporary folder.
#
#   scripts/cups-test-env.sh start DIR [QUEUE]   starts cupsd with DIR as its server root, adds QUEUE
#                                                 (default "overprint-test"), prints the environment:
#                                                   CUPS_SERVER=DIR/cups.sock
#                                                   CUPS_PDF_OUT=DIR/out
#                                                   CUPS_QUEUE=QUEUE
#   scripts/cups-test-env.sh stop DIR            stops that cupsd and removes its queue configuration
#
# Use:  eval "$(scripts/cups-test-env.sh start /tmp/cups)"; export CUPS_SERVER; lp -d "$CUPS_QUEUE" file.pdf
# Needs root (the CUPS-PDF backend refuses to run otherwise) and the packages cups, cups-bsd and
# printer-driver-cups-pdf. The system's own scheduler is not touched; CUPS-PDF reads the per-queue
# configuration /etc/cups/cups-pdf-QUEUE.conf, which is written on start and removed on stop.
set -euo pipefail

cmd=${1:-}
dir=${2:-}
queue=${3:-overprint-test}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR [QUEUE]" >&2; exit 2; }
dir=$(realpath -m "$dir")

case "$cmd" in
start)
  [ "$(id -u)" -eq 0 ] || { echo "cups-test-env: root is needed to run the CUPS-PDF backend" >&2; exit 3; }
  for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf; do
    [ -x "$tool" ] || { echo "cups-test-env: $tool is missing" >&2; exit 3; }
  done
  ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -f "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
  mkdir -p "$dir"/{spool,tmp,cache,state,log,ppd,out,pdfspool}
  chmod 1777 "$dir/tmp" "$dir/out"
  chmod 755 "$dir"
  cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing Off
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
FileDevice No
CONF
  cat >"/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdfspool
UserPrefix
Label 0
TitlePref 0
Log $dir/log
LogType 1
Grp root
CONF
  setsid /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 50); do [ -S "$dir/cups.sock" ] && break; sleep 0.1; done
  [ -S "$dir/cups.sock" ] || { echo "cups-test-env: cupsd did not start, see $dir/log" >&2; exit 4; }
  export CUPS_SERVER="$dir/cups.sock"
  /usr/sbin/lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" -o printer-error-policy=abort-job
  /usr/sbin/lpadmin -d "$queue"
  echo "CUPS_SERVER=$dir/cups.sock"
  echo "CUPS_PDF_OUT=$dir/out"
  echo "CUPS_QUEUE=$queue"
  ;;
stop)
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  rm -f "/etc/cups/cups-pdf-$queue.conf"
  ;;
*)
  echo "usage: $0 start|stop DIR [QUEUE]" >&2
  exit 2
  ;;
esac
