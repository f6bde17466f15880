# Shared helpers of the integration scripts: a private CUPS server-bin folder and output checks.

# A folder that CUPS may use as ServerBin: the stock filters, backends and daemon helpers, and our
# filter copied in (cupsd refuses filters in folders writable by others, and runs them as lp).
make_server_bin() {
    local dir=$1 filter=$2
    mkdir -p "$dir/filter"
    local f
    for f in /usr/lib/cups/filter/*; do ln -s "$f" "$dir/filter/"; done
    ln -s /usr/lib/cups/backend "$dir/backend"
    ln -s /usr/lib/cups/daemon "$dir/daemon"
    install -m 755 "$filter" "$dir/filter/psfilter"
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
