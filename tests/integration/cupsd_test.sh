#!/usr/bin/env bash
# Prints jobs through a private cupsd (own configuration, spool and socket, a port on 127.0.0.1)
# whose queue uses the test PPD, psfilter and a file backend, and checks the printed files: one
# with CUPS's own options, one with the options that the print panel left in dialoghost, and one
# of a job cancelled while psfilter is still reading it, which must end with the closing frame.
set -euo pipefail
psfilter=$1
top=$2
build=$3
. "$top/tests/integration/lib.sh"
begin_cupsd_test pdcupsd
make_server_bin "$tmp/bin" "$psfilter"
# pstops stands first in the chain. For the job titled "cancel-me" a stand-in passes the job on
# and then holds its output open, as a long job would, until CUPS cancels the job; every other job
# goes to the real pstops.
rm "$tmp/bin/filter/pstops"
cat > "$tmp/bin/filter/pstops" <<'FILTER'
#!/bin/sh
if [ "$3" = cancel-me ]; then
    cat "$6"
    exec sleep 600
fi
exec /usr/lib/cups/filter/pstops "$@"
FILTER
chmod 755 "$tmp/bin/filter/pstops"
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

# A cancelled job: psfilter, waiting for more of the job when CUPS ends it, closes the PJL frame,
# so that the printer does not stay inside the job. The job is longer than the filter's read and
# write blocks, so that its output shows that it runs.
{
    sed '/^%%EOF/d' "$top/data/jobs/sample.ps"
    for _ in $(seq 8000); do echo "0 0 moveto (a line of a long job) show"; done
} > "$tmp/long.ps"
chmod 644 "$tmp/long.ps"
# lpadmin warns that drivers are deprecated: its messages are shown only when it fails.
lpadmin -h "$server" -p pdcancel -E -v "file://$tmp/out/cancel.prn" \
    -P "$top/data/ppd/durven-paltero.ppd" 2>"$tmp/lpadmin.log" ||
    { cat "$tmp/lpadmin.log" >&2; fail "lpadmin could not add the queue to cancel on"; }
job=$(lp -h "$server" -d pdcancel -t cancel-me "$tmp/long.ps" | sed -n 's/^request id is \([^ ]*\).*/\1/p')
[ -n "$job" ] || fail "the job to cancel was not queued"
for _ in $(seq 600); do
    [ -s "$tmp/out/cancel.prn" ] && break
    sleep 0.1
done
[ -s "$tmp/out/cancel.prn" ] || { cat "$tmp/log/error_log" >&2; fail "the job to cancel did not start"; }
cancel -h "$server" "$job"
for _ in $(seq 600); do
    grep -q 'psfilter) stopped with status 1' "$tmp/log/error_log" && break
    sleep 0.1
done
grep -q 'psfilter) stopped with status 1' "$tmp/log/error_log" ||
    { grep psfilter "$tmp/log/error_log" >&2; fail "psfilter did not end the cancelled job"; }
head -c 13 "$tmp/out/cancel.prn" | cmp -s - <(printf '\033%%-12345X@PJL') ||
    fail "no opening UEL in the cancelled job"
tail -c 10 "$tmp/out/cancel.prn" | cmp -s - <(printf '\n\033%%-12345X') ||
    fail "the cancelled job does not end with the closing frame"
echo "cupsd: cancelled job closed"
