#!/usr/bin/env bash
# Installs what is missing, builds, and runs psfilter on the sample DSC job with the test PPD and a
# few job options, as CUPS would. The printer stream is written to out/sample.prn.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build"
mkdir -p "$top/out"
options="media=A4 landscape com.apple.print.JobInfo.PMJobName=Sample"
PPD="$top/data/ppd/durven-paltero.ppd" "$top/build/psfilter" 1 "$(id -un)" sample 1 "$options" \
    "$top/data/jobs/sample.ps" > "$top/out/sample.prn"
echo "psfilter wrote $(wc -c < "$top/out/sample.prn") bytes to out/sample.prn"
