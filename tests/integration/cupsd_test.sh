#!/usr/bin/env bash
# Prints a job through a private cupsd (own configuration, spool and socket, a port on 127.0.0.1)
# whose queue uses the test PPD, psfilter and a file backend, and checks the printed file.
set -euo pipefail
psfilter=$1
top=$2
. "$top/tests/integration/lib.sh"
if [ "$(id -u)" != 0 ] || ! id lp >/dev/null 2>&1; then
    echo "cupsd needs root and the lp user: skipped"
    exit 77
fi
tmp=$(mktemp -d /tmp/pdcupsd.XXXXXX)
chmod 755 "$tmp"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
mkdir -p "$tmp"/{conf,spool,cache,state,log,out}
make_server_bin "$tmp/bin" "$psfilter"
chown lp:lp "$tmp"/{spool,cache,state,log,out}
cp "$top/data/jobs/sample.ps" "$tmp/job.ps"
chmod 644 "$tmp/job.ps"

port=$((20000 + RANDOM % 20000))
cat > "$tmp/conf/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $tmp/conf
ServerBin $tmp/bin
DataDir /usr/share/cups
RequestRoot $tmp/spool
CacheDir $tmp/cache
StateDir $tmp/state
TempDir $tmp/spool
AccessLog $tmp/log/access_log
ErrorLog $tmp/log/error_log
PageLog $tmp/log/page_log
Printcap $tmp/state/printcap
FileDevice Yes
CONF
cat > "$tmp/conf/cupsd.conf" <<CONF
LogLevel debug
Listen 127.0.0.1:$port
Listen $tmp/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cupsd -t -c "$tmp/conf/cupsd.conf" -s "$tmp/conf/cups-files.conf" >/dev/null
cupsd -f -c "$tmp/conf/cupsd.conf" -s "$tmp/conf/cups-files.conf" &
pid=$!
server=127.0.0.1:$port
for _ in $(seq 600); do
    lpstat -h "$server" -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -h "$server" -r >/dev/null 2>&1 || fail "cupsd did not start"

lpadmin -h "$server" -p pdtest -E -v "file://$tmp/out/job.prn" -P "$top/data/ppd/durven-paltero.ppd" 2>/dev/null
lp -h "$server" -d pdtest -o media=A4 -o orientation-requested=4 "$tmp/job.ps" >/dev/null
for _ in $(seq 1200); do
    lpstat -h "$server" -W completed -o pdtest 2>/dev/null | grep -q pdtest && break
    sleep 0.1
done
lpstat -h "$server" -W completed -o pdtest | grep -q pdtest ||
    { cat "$tmp/log/error_log" >&2; fail "job did not complete"; }
grep -q 'psfilter.*exited with no errors' "$tmp/log/error_log" ||
    { grep psfilter "$tmp/log/error_log" >&2; fail "psfilter did not run cleanly"; }
check_printer_stream "$tmp/out/job.prn"
record=$(record_of_stream "$tmp/out/job.prn")
[ "$(record_byte "$record" 9)" = 1 ] || fail "media=A4 did not reach the record"
[ "$(record_byte "$record" 147)" = 1 ] || fail "orientation-requested=4 did not reach the record"
echo "cupsd: job printed"
