#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a release build, then
# the web page's in Chromium, and once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then fuzzes the engine for a bounded time, and builds,
# installs, tries and removes the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install_dependencies.sh
jobs=$(nproc)

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j"$jobs"
(cd build-release && ctest --output-on-failure -j"$jobs")

# The web page: built with Emscripten, tested in Debian's Chromium against taalspoor-zoek.
bash tools/install_dependencies.sh web-tests
bash tools/web.sh --alleen-bouwen
(cd web/tests && npm ci --no-audit --no-fund && npm test)

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAALSPOOR_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$jobs")

bash tools/fuzz.sh
bash tools/package_test.sh build-release
