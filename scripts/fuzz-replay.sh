#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) in
# build-fuzz, replays each target's corpus from fuzz/corpus/<name>/, then fuzzes each target for a
# bounded time. Any crash, sanitizer report, leak or time-out fails the run; a new crashing input
# is left in build-fuzz/findings/<name>/ to be added to the corpus once fixed.
#
#   scripts/fuzz-replay.sh [seconds per target]      (default 20)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=$top/build-fuzz
CC=clang CXX=clang++ "$top/scripts/build.sh" "$build" -DPD_FUZZ=ON -DPD_TESTS=OFF

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for source in "$top"/fuzz/*_fuzz.cpp; do
    target=$(basename "$source" .cpp)
    name=${target%_fuzz}
    corpus=$top/fuzz/corpus/$name
    findings=$build/findings/$name
    work=$build/work/$name
    rm -rf "$work"
    mkdir -p "$findings" "$work"
    seeds=()
    if [ -d "$corpus" ]; then seeds=("$corpus"); fi
    echo "== $target: replaying ${#seeds[@]} corpus folder(s), then fuzzing for $seconds s"
    # Replay: every kept input, crashing ones included, must now pass.
    if ((${#seeds[@]})) &&
        ! "$build/$target" -runs=0 -timeout=25 "${seeds[@]}" > "$build/$name-replay.log" 2>&1; then
        tail -n 40 "$build/$name-replay.log"
        echo "FAILED: $target on its corpus"
        status=1
        continue
    fi
    # Fuzz: new inputs go to a scratch folder, never into the repository.
    if ! "$build/$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" "$work" "${seeds[@]}" > "$build/$name-fuzz.log" 2>&1; then
        tail -n 40 "$build/$name-fuzz.log"
        echo "FAILED: $target found a crash, kept in $findings"
        status=1
    fi
    grep -E '^Done [0-9]+ runs' "$build/$name-fuzz.log" || true
done
exit "$status"
