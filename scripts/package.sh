#!/usr/bin/env bash
# Installs what is missing, builds without the tests, and makes the driver's Debian package in out/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build-package" -DPD_TESTS=OFF
cpack --config "$top/build-package/CPackConfig.cmake" -B "$top/out" > /dev/null
rm -rf "$top/out/_CPack_Packages"
ls "$top"/out/*.deb
