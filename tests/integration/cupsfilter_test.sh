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
    record=$(record_of_stream "$tmp/$name.prn")
    [ "$(record_byte "$record" 147)" = 1 ] || fail "landscape option lost on $name"
done

# A record from the print dialog, carried by the S_PCD chunks, reaches the printer: right binding.
job=$top/data/jobs/sample.ps
# shellcheck disable=SC2046
cupsfilter -c "$tmp/cups-files.conf" -p "$top/data/ppd/durven-paltero.ppd" -m printer/test -e \
    $(record_chunk_options "$record" 240 1) "$job" > "$tmp/binding.prn" 2> "$tmp/binding.log" ||
    { cat "$tmp/binding.log" >&2; fail "cupsfilter failed on the record job"; }
check_printer_stream "$tmp/binding.prn"
grep -aq '^@PJL SET BINDING=RIGHT' "$tmp/binding.prn" || fail "the record's binding did not reach the header"
[ "$(record_byte "$(record_of_stream "$tmp/binding.prn")" 240)" = 1 ] || fail "the record was not kept"
echo "cupsfilter: all jobs passed"
