# Shared helpers of the integration scripts: private CUPS folders and server, and output checks.

# Links CUPS's stock filters, backends and daemon helpers into a folder that CUPS may use as
# ServerBin, beside the filters already in its filter/ folder.
link_stock_cups_programs() {
    local dir=$1 f
    mkdir -p "$dir/filter"
    for f in /usr/lib/cups/filter/*; do
        [ -e "$dir/filter/${f##*/}" ] || ln -s "$f" "$dir/filter/"
    done
    ln -s /usr/lib/cups/backend "$dir/backend"
    ln -s /usr/lib/cups/daemon "$dir/daemon"
}

# A ServerBin folder with our filter copied in (cupsd refuses filters in folders writable by
# others, and runs them as lp).
make_server_bin() {
    local dir=$1 filter=$2
    mkdir -p "$dir/filter"
    install -m 755 "$filter" "$dir/filter/psfilter"
    link_stock_cups_programs "$dir"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The PostScript between the PJL language switch and the closing UEL.
postscript_part() {
    python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
start = data.index(b'@PJL ENTER LANGUAGE = POSTSCRIPT\n') + len('@PJL ENTER LANGUAGE = POSTSCRIPT\n')
end = data.rindex(b'\x1b%-12345X')
sys.stdout.buffer.write(data[start:end])
PY
}

# The printer stream is framed by UEL + PJL, carries the header and the job-settings comments, and
# ends with a UEL.
check_printer_stream() {
    local out=$1
    [ -s "$out" ] || fail "empty output $out"
    head -c 13 "$out" | cmp -s - <(printf '\033%%-12345X@PJL') || fail "no opening UEL in $out"
    tail -c 9 "$out" | cmp -s - <(printf '\033%%-12345X') || fail "no closing UEL in $out"
    grep -aq '^@PJL SET STRINGCODESET' "$out" || fail "no PJL header in $out"
    grep -aq '^@PJL ENTER LANGUAGE = POSTSCRIPT$' "$out" || fail "no language switch in $out"
    grep -aq '^%%TALVO-JobSettings: ' "$out" || fail "no job-settings comment in $out"
    grep -aq '^%%TALVO-JobSettingsDescription: ' "$out" || fail "no layout description in $out"
}

# The settings record that the stream's job-settings comment carries, as hexadecimal bytes.
record_of_stream() {
    python3 - "$1" <<'PY'
import base64, sys
text = open(sys.argv[1], 'rb').read().decode('latin-1').replace('\r\n', '\n')
pieces, inside = [], False
for line in text.split('\n'):
    if line.startswith('%%TALVO-JobSettings: '):
        pieces, inside = [line[len('%%TALVO-JobSettings: '):]], True
    elif inside and line.startswith('%%+ '):
        pieces.append(line[4:])
    elif inside:
        break
sys.stdout.write(base64.b64decode(''.join(pieces)).hex())
PY
}

# The settings record that the S_PCD options of a CUPS option line carry (chunks joined in key
# order, as the filter joins them), as hexadecimal bytes; nothing when they carry none.
record_of_options() {
    python3 - "$1" <<'PY'
import base64, re, shlex, sys
chunks = {}
for word in shlex.split(sys.argv[1]):
    name, _, value = word.partition('=')
    if re.fullmatch(r'S_PCD\d+', name):
        chunks[name] = value
text = ''.join(chunks[name] for name in sorted(chunks))
sys.stdout.write(base64.b64decode(text).hex() if text else '')
PY
}

# A record given in hexadecimal with the secrets that the filter never writes into the job cleared:
# the passwords and the relay-server settings (offset and size of each).
record_without_secrets() {
    python3 - "$1" <<'PY'
import sys
record = bytearray.fromhex(sys.argv[1])
for offset, size in ((24161, 9), (24303, 33), (24597, 65), (24672, 9), (24681, 884)):
    record[offset:offset + size] = bytes(size)
sys.stdout.write(record.hex())
PY
}

# One byte of a record given in hexadecimal, as a decimal number.
record_byte() {
    echo $((16#${1:$(($2 * 2)):2}))
}

# "-o S_PCDnnnn=..." arguments that carry the record (hexadecimal) with byte OFFSET set to VALUE, in
# chunks of at most 255 characters, as the print dialog writes them.
record_chunk_options() {
    python3 - "$1" "$2" "$3" <<'PY'
import base64, sys
record = bytearray.fromhex(sys.argv[1])
record[int(sys.argv[2])] = int(sys.argv[3])
text = base64.b64encode(bytes(record)).decode()
chunks = [text[i:i + 255] for i in range(0, len(text), 255)]
print(' '.join('-o S_PCD%04d=%s' % (n + 1, c) for n, c in enumerate(chunks)))
PY
}

# Opens a test with a private cupsd: skips it (77) without root or the lp user, makes the folder
# tmp that the test works in (lp must traverse it), and ends cupsd and removes tmp when the test
# exits.
begin_cupsd_test() {
    if [ "$(id -u)" != 0 ] || ! id lp >/dev/null 2>&1; then
        echo "cupsd needs root and the lp user: skipped"
        exit 77
    fi
    tmp=$(mktemp -d "/tmp/$1.XXXXXX")
    chmod 755 "$tmp"
    cupsd_pid=
    trap end_cupsd_test EXIT
}

end_cupsd_test() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    fi
    rm -rf "$tmp"
}

# Starts a private cupsd on SERVER_BIN and DATA_DIR, with its configuration, spool, logs and an
# lp-writable out/ folder under TMP, listening on a free port of 127.0.0.1 and a socket. Sets server
# (for -h) and cupsd_pid, which the caller ends. Clients go through the socket: its path is ours
# alone, so no other cupsd on this machine (another test, another checkout) can answer them.
start_private_cupsd() {
    local tmp=$1 server_bin=$2 data_dir=$3
    mkdir -p "$tmp"/{conf,spool,cache,state,log,out}
    chown lp:lp "$tmp"/{spool,cache,state,log,out}
    local port
    port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    cat > "$tmp/conf/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $tmp/conf
ServerBin $server_bin
DataDir $data_dir
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
    cupsd_pid=$!
    server=$tmp/cups.sock
    for _ in $(seq 600); do
        lpstat -h "$server" -r >/dev/null 2>&1 && return
        sleep 0.1
    done
    fail "cupsd did not start"
}

# Prints the sample job with the lp arguments after PRINTED on QUEUE of the private cupsd under
# TMP, whose device is the file PRINTED, waits until that job is done, and checks that psfilter
# ran cleanly on it and that the printed file carries the frame.
print_job() {
    local top=$1 tmp=$2 queue=$3 printed=$4
    shift 4
    cp "$top/data/jobs/sample.ps" "$tmp/job.ps"
    chmod 644 "$tmp/job.ps"
    rm -f "$printed"
    local id
    id=$(lp -h "$server" -d "$queue" "$@" "$tmp/job.ps" |
        sed -n "s/^request id is \($queue-[0-9]*\).*/\1/p")
    [ -n "$id" ] || fail "lp did not take the job"
    for _ in $(seq 1200); do
        lpstat -h "$server" -W completed -o "$queue" 2>/dev/null | grep -q "^$id " && break
        sleep 0.1
    done
    lpstat -h "$server" -W completed -o "$queue" | grep -q "^$id " ||
        { cat "$tmp/log/error_log" >&2; fail "job $id did not complete"; }
    grep -q "\[Job ${id##*-}\] .*psfilter.*exited with no errors" "$tmp/log/error_log" ||
        { grep psfilter "$tmp/log/error_log" >&2; fail "psfilter did not run cleanly on job $id"; }
    check_printer_stream "$printed"
}

# Prints the sample job with a title and media and orientation options (see print_job), and checks
# that the title names the job in the PJL header and that the printed record holds both options.
print_sample_job() {
    local top=$1 tmp=$2 queue=$3 printed=$4
    print_job "$top" "$tmp" "$queue" "$printed" -t "Quarterly report" -o media=A4 \
        -o orientation-requested=4
    grep -aq $'^@PJL SET JOBNAME="Quarterly report"\r$' "$printed" ||
        fail "the job's title did not name the job: $(grep -a JOBNAME "$printed")"
    local record
    record=$(record_of_stream "$printed")
    [ "$(record_byte "$record" 9)" = 1 ] || fail "media=A4 did not reach the record"
    [ "$(record_byte "$record" 147)" = 1 ] || fail "orientation-requested=4 did not reach the record"
}
