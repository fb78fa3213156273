#!/usr/bin/env bash
# Times taalspoor-zoek as a whole process beside ripgrep counting the same matches in the
# same file, side by side in one hyperfine run per pair, and gives the ratio of the two
# means (taalspoor-zoek / rg): this machine is noisy, a ratio from one run is not.
# Needs hyperfine and ripgrep.
#   bench/compare_with_rg.sh [BUILD_DIR]
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
zoek="$(cd "${1:-$repo/build-release}" && pwd)/taalspoor-zoek"
cd "$repo/data"  # the list, the commonness table and the IJ exceptions, as in a working folder
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
pair() {  # taalspoor-zoek arguments, rg arguments
  hyperfine -N --warmup 20 --runs 200 --export-csv "$csv" --style none \
    -n "taalspoor-zoek $1" "$zoek $1" -n "rg $2" "rg $2 nlwrdiso.v3" > /dev/null 2>&1
  awk -F, 'NR == 2 { z = $2; zn = $1 } NR == 3 { r = $2; rn = $1 }
           END { printf "| `%s` | %.1f | `%s` | %.1f | %.2f |\n", zn, z * 1000, rn, r * 1000, z / r }' "$csv"
}
echo "| taalspoor-zoek | mean [ms] | rg | mean [ms] | ratio |"
echo "|:---|---:|:---|---:|---:|"
pair "--modus 1 .a.e." "-c ^.a.e.\$"
pair "--alles --modus 3 heid" "-c heid\$"
pair "--alles --modus 5 eur" "-c eur"
pair "--alles --modus 11 --lengte 6" "--no-unicode -c ^.{6}\$"
# The puzzle pattern beside the nearest regular expression.
pair "--patroon k*t" "-c ^k.*t\$"
pair "--patroon *heid" "-c heid\$"
pair "--patroon @#@#@#" "-i -c ^([aeiouy][b-df-hj-np-tv-xz]){3}\$"
