#!/usr/bin/env bash
# psfilter benchmark: peak memory as the job grows, and throughput against cat (and CUPS's pstops
# when installed) on the same large DSC job, on this machine, in this run.
#
#   bench/run.sh [build folder]        (default: build; builds psfilter first)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
ninja -C "$build" psfilter > /dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ppd=$top/data/ppd/durven-paltero.ppd
options="media=A4 landscape"

# Peak resident memory in KiB and elapsed seconds of one command, its output discarded.
measure() {
    /usr/bin/time -f "%M %e" -o "$tmp/time" "$@" > /dev/null 2> /dev/null
    cat "$tmp/time"
}

echo "== memory as the job grows (peak RSS of psfilter)"
for size in 64 256 1024; do
    python3 "$top/bench/make_job.py" "$size" > "$tmp/job.ps"
    read -r rss secs < <(PPD=$ppd measure "$build/psfilter" 1 bench bench 1 "$options" "$tmp/job.ps")
    printf '%6d MiB job: %7d KiB peak, %6.2f s\n' "$size" "$rss" "$secs"
done
python3 "$top/bench/make_job.py" 256 --long-lines > "$tmp/long.ps"
read -r rss secs < <(PPD=$ppd measure "$build/psfilter" 1 bench bench 1 "$options" "$tmp/long.ps")
printf '   256 MiB job with 2 MiB lines: %d KiB peak\n' "$rss"

echo "== throughput on the 1024 MiB job (best of 3, output to /dev/null)"
best() {
    local best_secs=
    for _ in 1 2 3; do
        read -r _ secs < <(measure "$@")
        if [ -z "$best_secs" ] || awk "BEGIN{exit !($secs < $best_secs)}"; then best_secs=$secs; fi
    done
    echo "$best_secs"
}
bytes=$(stat -c %s "$tmp/job.ps")
cat_secs=$(best cat "$tmp/job.ps")
filter_secs=$(PPD=$ppd best "$build/psfilter" 1 bench bench 1 "$options" "$tmp/job.ps")
report() {
    awk -v n="$1" -v s="$2" -v b="$bytes" -v c="$cat_secs" \
        'BEGIN { printf "%-9s %6.2f s  %7.0f MiB/s  %5.2f x cat\n", n, s, b / 1048576 / (s > 0 ? s : 0.001), s / (c > 0 ? c : 0.001) }'
}
report cat "$cat_secs"
report psfilter "$filter_secs"
if [ -x /usr/lib/cups/filter/pstops ]; then
    pstops_secs=$(PPD=$ppd best /usr/lib/cups/filter/pstops 1 bench bench 1 "$options" "$tmp/job.ps")
    report pstops "$pstops_secs"
fi
