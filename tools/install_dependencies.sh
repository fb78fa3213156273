#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Taalspoor need.
#   bash tools/install_dependencies.sh            the desktop programs and their tests
#   bash tools/install_dependencies.sh web        the web page: Emscripten (and Node.js, npm)
#   bash tools/install_dependencies.sh web-tests  the web page's tests: Chromium
set -euo pipefail
case "${1:-desktop}" in
  # The second line: clang and its sanitizer runtime for the fuzz targets (tools/fuzz.sh).
  # The third line: checking and installing the Debian package (tools/package_test.sh), and
  # what the installed window loads at run time, so the package test pulls in nothing new.
  # The fourth: Debian's package checker, the manual pages' linters and bash completion.
  desktop) packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev fonts-liberation wdutch
             clang libclang-rt-14-dev
             appstream desktop-file-utils dpkg-dev qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
             qt6-translations-l10n
             lintian mandoc man-db bash-completion) ;;
  # Emscripten brings Node.js when none is there; npm comes apart where Node.js is Debian's.
  web) packages=(cmake make emscripten)
       command -v npm >/dev/null 2>&1 || packages+=(npm) ;;
  web-tests) packages=(chromium fonts-liberation) ;;
  *) echo "unknown set: $1" >&2; exit 2 ;;
esac
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
