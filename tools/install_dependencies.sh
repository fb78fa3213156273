#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Taalspoor need.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev fonts-liberation wdutch)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
