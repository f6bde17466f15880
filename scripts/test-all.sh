#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
jobs=$(nproc)

echo "== normal build"
"$top/scripts/build.sh" "$top/build"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

echo "== sanitizer build"
"$top/scripts/build.sh" "$top/build-asan" -DPD_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs"
"$top/scripts/fuzz-replay.sh" 20
