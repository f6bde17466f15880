#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build, then the fuzz corpora and a short fuzz run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== normal build"
"$top/scripts/build.sh" "$top/build"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs" | tee -a "$log"

echo "== sanitizer build"
"$top/scripts/build.sh" "$top/build-asan" -DPD_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" | tee -a "$log"

echo "== fuzz corpora and a short fuzz run"
"$top/scripts/fuzz-replay.sh" 20

# Every leg passed (any failure has stopped the script); one line that sums up both ctest runs.
total=0
for count in $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log"); do
    total=$((total + count))
done
echo "all: ${total} passed, 0 failed"
