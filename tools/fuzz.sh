#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (under ASan and UBSan) and runs each
# for a bounded time, ${TAALSPOOR_FUZZ_SECONDS:-30} seconds, from its seed corpus in
# tests/fuzz/corpus. The corpus stays as committed: new inputs go to a scratch folder.
# An input that breaks a target is kept in build-fuzz/findings and fails this script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${TAALSPOOR_FUZZ_SECONDS:-30}"
targets=(query_split_fuzz own_list_fuzz scan_pass_fuzz search_fuzz puzzle_pattern_fuzz anagram_workshop_fuzz wordplay_fuzz board_fuzz)

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAALSPOOR_FUZZ=ON \
  -DTAALSPOOR_WINDOW=OFF -DTAALSPOOR_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}" >/dev/null
mkdir -p build-fuzz/findings build-fuzz/logs
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  log="build-fuzz/logs/$t.log"
  if ! build-fuzz/tests/fuzz/"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$t"- \
      "$scratch/$t" "tests/fuzz/corpus/$t" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $t FAILED; the input is in build-fuzz/findings" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $t clean: $runs inputs in $seconds s ($((runs / seconds)) per second)"
done
