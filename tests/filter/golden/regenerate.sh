#!/usr/bin/env bash
# Rewrites the expected output and status of every golden psfilter case from the current build.
# Run only when a change of output is intended, then review `git diff tests/filter/golden`.
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$top/build}
ninja -C "$build" psfilter test_filter
PD_REGENERATE_GOLDEN=1 "$build/test_filter" --gtest_filter='Golden/*'
git -C "$top" status --short tests/filter/golden
