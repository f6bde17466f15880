#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, and only those that are missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libcups2-dev libssl-dev
          cups cups-client cups-filters ghostscript clang libclang-rt-14-dev dpkg-dev file
          libsecret-1-dev gnome-keyring dbus)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
