#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test in four builds: the normal one
# (RelWithDebInfo, g++), an optimised one (Release, g++ -O3), one with clang, and an
# AddressSanitizer + UndefinedBehaviorSanitizer one; then the fuzz corpora and a short fuzz run.
# Faults that only an optimiser or another compiler shows are caught by the middle two.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# suite NAME DIR [cmake options...]: builds DIR and runs its whole test suite.
suite() {
    local name=$1 dir=$2
    shift 2
    echo "== $name"
    "$top/scripts/build.sh" "$dir" "$@"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$dir" --output-on-failure -j "$jobs" | tee -a "$log"
}

suite "normal build" "$top/build"
suite "release build (g++ -O3)" "$top/build-release" -DCMAKE_BUILD_TYPE=Release
CC=clang CXX=clang++ suite "clang build" "$top/build-clang"
suite "sanitizer build" "$top/build-asan" -DPD_SANITIZE=ON

echo "== fuzz corpora and a short fuzz run"
"$top/scripts/fuzz-replay.sh" 20

# Every leg passed (any failure has stopped the script); one line that sums up the test runs.
total=0
for count in $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log"); do
    total=$((total + count))
done
echo "all: ${total} passed, 0 failed"
