#!/usr/bin/env bash
# Prints a job through a private cupsd (own configuration, spool and socket, a port on 127.0.0.1)
# whose queue uses the test PPD, psfilter and a file backend, and checks the printed file.
set -euo pipefail
psfilter=$1
top=$2
. "$top/tests/integration/lib.sh"
begin_cupsd_test pdcupsd
make_server_bin "$tmp/bin" "$psfilter"
start_private_cupsd "$tmp" "$tmp/bin" /usr/share/cups

lpadmin -h "$server" -p pdtest -E -v "file://$tmp/out/job.prn" -P "$top/data/ppd/durven-paltero.ppd" 2>/dev/null
print_sample_job "$top" "$tmp" pdtest "$tmp/out/job.prn"
echo "cupsd: job printed"
