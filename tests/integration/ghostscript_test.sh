#!/usr/bin/env bash
# Ghostscript interprets the PostScript that psfilter sends to the printer: no error, and as many
# pages as the input job has.
set -euo pipefail
psfilter=$1
top=$2
. "$top/tests/integration/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for job in "$top"/data/jobs/*.ps; do
    name=$(basename "$job" .ps)
    expected=$(grep -ac '^%%Page: ' "$job" || true)
    PPD="$top/data/ppd/durven-paltero.ppd" "$psfilter" 1 user "$name" 1 "media=A4" "$job" \
        > "$tmp/$name.prn" || fail "psfilter failed on $name"
    check_printer_stream "$tmp/$name.prn"
    postscript_part "$tmp/$name.prn" > "$tmp/$name.ps"
    gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=bbox "$tmp/$name.ps" > "$tmp/$name.gs" 2>&1 ||
        { cat "$tmp/$name.gs" >&2; fail "Ghostscript reported an error on $name"; }
    grep -q 'Error' "$tmp/$name.gs" && { cat "$tmp/$name.gs" >&2; fail "PostScript error in $name"; }
    pages=$(grep -c '^%%BoundingBox' "$tmp/$name.gs" || true)
    [ "$pages" = "$expected" ] || fail "$name: $pages pages printed, $expected expected"
done
echo "ghostscript: all jobs interpreted"
