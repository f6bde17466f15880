#!/usr/bin/env bash
# Prints jobs through a private cupsd (own configuration, spool and socket, a port on 127.0.0.1)
# whose queue uses the test PPD, psfilter and a file backend, and checks the printed files: one
# with CUPS's own options, one with the options that the print panel left in dialoghost.
set -euo pipefail
psfilter=$1
top=$2
build=$3
. "$top/tests/integration/lib.sh"
begin_cupsd_test pdcupsd
make_server_bin "$tmp/bin" "$psfilter"
start_private_cupsd "$tmp" "$tmp/bin" /usr/share/cups

lpadmin -h "$server" -p pdtest -E -v "file://$tmp/out/job.prn" -P "$top/data/ppd/durven-paltero.ppd" 2>/dev/null
print_sample_job "$top" "$tmp" pdtest "$tmp/out/job.prn"
echo "cupsd: job printed"

# The panel's record, from a custom paper in landscape and tray 2, goes through lp to the printer.
line=$("$build/dialoghost" --ppd "$top/data/ppd/durven-paltero.ppd" --paper 'Poster:612x792:custom' \
    --orientation landscape --options 'InputSlot=Tray2' restore save | tail -n 1)
stored=$(record_of_options "$line")
[ -n "$stored" ] || fail "dialoghost stored no record"
[ "$(record_byte "$stored" 9)" = 36 ] || fail "the custom paper did not reach the record"
[ "$(record_byte "$stored" 147)" = 1 ] || fail "the landscape page did not reach the record"
[ "$(record_byte "$stored" 148)" = 2 ] || fail "tray 2 did not reach the record"
print_job "$top" "$tmp" pdtest "$tmp/out/job.prn" -o "$line"
[ "$(record_of_stream "$tmp/out/job.prn")" = "$(record_without_secrets "$stored")" ] ||
    fail "the printed record differs from the one the panel stored"
echo "cupsd: job with the panel's options printed"
