#!/usr/bin/env bash
# Printing through a real print server. Starts a private cupsd (its own
# configuration, spool, state and socket under a fresh folder; no network
# port), adds a cups-pdf queue as its default printer and a second one, and
# runs the print_job_e2e program against it: Print pressed on every screen,
# the PDF that the queue writes checked page by page, then Print with no
# default printer among the installed ones. The system's print server and
# its files are left alone; the only file written outside the folder is the
# queue's own cups-pdf configuration, which the backend reads from /etc/cups
# only, removed again on exit. Exits 77 (skipped) where it cannot run.
#
# Every step has a deadline, together well within the test's own timeout, so
# the clean-up always runs.
#
# usage: cups_print_test.sh <print_job_e2e> <artifacts folder>
set -euo pipefail

program=$1
artifacts=$2

if [ "$(id -u)" -ne 0 ]; then
  # The cups-pdf backend runs only as root, so only a root cupsd can use it.
  echo "SKIP: printing through a print server needs root (the PDF backend runs only as root)"
  exit 77
fi

# The packages come with `make test-deps`; install them here if that was skipped.
missing=()
for p in cups cups-bsd printer-driver-cups-pdf poppler-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive timeout 240 apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d /tmp/quillmere-cups.XXXXXX)  # short: a socket path has at most 107 bytes
chmod 755 "$work"                            # the filters run as lp
mkdir -p "$work"/{spool,cache,state,tmp,log,out,home}
chmod 1777 "$work/tmp"
queue=QuillmereTest
device=quillmere-$$-$RANDOM                  # cups-pdf reads /etc/cups/cups-pdf-<device>.conf
queue_conf=/etc/cups/cups-pdf-$device.conf
cupsd_pid=

finish() {
  local rc=$?
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill "$cupsd_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; then
    echo "--- print server log (last lines)"
    tail -n 40 "$work/log/error_log" 2>/dev/null || true
    echo "--- cups-pdf log (last lines)"
    tail -n 20 "$work"/log/cups-pdf*_log 2>/dev/null || true
  fi
  rm -f "$queue_conf"
  rm -rf "$work"
  exit "$rc"
}
trap finish EXIT
trap 'exit 130' INT TERM

cat >"$work/cupsd.conf" <<EOF
LogLevel info
Listen $work/cups.sock
Browsing Off
WebInterface No
DefaultAuthType None
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$work/cups-files.conf" <<EOF
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
User lp
Group lp
EOF
cat >"$queue_conf" <<EOF
Out $work/out
AnonDirName $work/out
Spool $work/cups-pdf-spool
GSTmp $work/tmp
Label 2
Log $work/log
EOF

export CUPS_SERVER=$work/cups.sock
cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!

running=
deadline=$((SECONDS + 20))
while [ $SECONDS -lt $deadline ]; do
  if timeout 5 lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then running=1; break; fi
  kill -0 "$cupsd_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$running" ]; then
  echo "FAIL: the print server did not start"
  cat "$work/log/cupsd.out"
  exit 1
fi

ppd=$(timeout 30 lpinfo -m | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
if [ -z "$ppd" ]; then
  echo "FAIL: the print server knows no cups-pdf driver"
  exit 1
fi
timeout 15 lpadmin -p "$queue" -E -v "cups-pdf:/$device" -m "$ppd" 2>&1 | grep -v 'drivers are deprecated' || true
timeout 15 lpadmin -d "$queue"
# A second printer, for the case of printers without a default one.
timeout 15 lpadmin -p "${queue}Other" -E -v "cups-pdf:/$device" -m "$ppd" 2>&1 | grep -v 'drivers are deprecated' || true
timeout 5 lpstat -d | grep -q "$queue" || { echo "FAIL: $queue is not the default printer"; exit 1; }

# A home of its own, so no personal default printer (~/.cups/lpoptions) wins.
HOME=$work/home XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache} \
  QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=60000 \
  QM_PRINT_OUT="$work/out" QM_PRINT_QUEUE="$queue" QM_TEST_ARTIFACTS="$artifacts" \
  timeout 90 "$program"
