#!/usr/bin/env bash
# Times taalspoor-zoek as a whole process beside ripgrep counting the same matches in the
# same file, side by side in one hyperfine run per pair. Needs hyperfine and ripgrep.
#   bench/compare_with_rg.sh [BUILD_DIR]
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
zoek="$(cd "${1:-$repo/build-release}" && pwd)/taalspoor-zoek"
cd "$repo/data"
pair() {  # label, taalspoor-zoek arguments, rg arguments
  hyperfine -N --warmup 20 --runs 200 --export-markdown /dev/stdout --style none \
    -n "taalspoor-zoek $2" "$zoek $2" -n "rg $3" "rg $3 nlwrdiso.v3" 2>/dev/null | tail -n 2
}
echo "| command | mean [ms] | min [ms] | max [ms] | relative |"
echo "|:---|---:|---:|---:|---:|"
pair "mode 1" "--modus 1 .a.e." "-c ^.a.e.\$"
pair "mode 3" "--alles --modus 3 heid" "-c heid\$"
pair "mode 5" "--alles --modus 5 eur" "-c eur"
pair "mode 11" "--alles --modus 11 --lengte 6" "--no-unicode -c ^.{6}\$"
