#!/usr/bin/env bash
# Runs psfilter as the test PPD's filter inside CUPS's own cupsfilter (pstops first, as in a queue).
set -euo pipefail
psfilter=$1
top=$2
. "$top/tests/integration/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
make_server_bin "$tmp/bin" "$psfilter"
printf 'ServerBin %s\nDataDir /usr/share/cups\n' "$tmp/bin" > "$tmp/cups-files.conf"

for job in "$top"/data/jobs/*.ps; do
    name=$(basename "$job" .ps)
    cupsfilter -c "$tmp/cups-files.conf" -p "$top/data/ppd/durven-paltero.ppd" -m printer/test -e \
        -o media=Letter -o landscape "$job" > "$tmp/$name.prn" 2> "$tmp/$name.log" ||
        { cat "$tmp/$name.log" >&2; fail "cupsfilter failed on $name"; }
    grep -q 'psfilter (PID [0-9]*) exited with no errors' "$tmp/$name.log" ||
        { cat "$tmp/$name.log" >&2; fail "psfilter did not run cleanly on $name"; }
    check_printer_stream "$tmp/$name.prn"
    # pstops writes the Letter page size feature; the media option reached the record.
    grep -aq 'PageSize Letter' "$tmp/$name.prn" || fail "media option lost on $name"
done
echo "cupsfilter: all jobs passed"
