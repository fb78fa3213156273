#!/usr/bin/env bash
# Times taalspoor-zoek's anagram workshop as a whole process beside Debian's an on the
# same list (in UTF-8, as an reads it), side by side in one hyperfine run per pair, with
# the ratio of the two means (taalspoor-zoek / an) and the lines each printed; then the
# words from a rack with two blanks, which an cannot lay. Needs hyperfine and an.
#   bench/compare_with_an.sh [BUILD_DIR]
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
zoek="$(cd "${1:-$repo/build-release}" && pwd)/taalspoor-zoek"
an=/usr/games/an
cd "$repo/data"  # the list, the commonness table and the IJ exceptions, as in a working folder
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
iconv -f ISO-8859-1 -t UTF-8 nlwrdiso.v3 >"$work/list-utf8"
pair() {  # taalspoor-zoek arguments, an arguments, runs
  hyperfine -N --warmup 2 --runs "$3" --export-csv "$work/csv" --style none \
    -n "taalspoor-zoek $1" "$zoek $1" -n "an $2" "$an -d $work/list-utf8 $2" >/dev/null 2>&1
  local ours theirs
  ours=$($zoek $1 2>/dev/null | wc -l)
  theirs=$($an -d "$work/list-utf8" $2 | wc -l)
  awk -F, -v ours="$ours" -v theirs="$theirs" 'NR == 2 { z = $2; zn = $1 } NR == 3 { a = $2; an = $1 }
      END { printf "| `%s` | %.1f | %d | `%s` | %.1f | %d | %.3f |\n", zn, z * 1000, ours, an, a * 1000, theirs, z / a }' "$work/csv"
}
echo "| taalspoor-zoek | mean [ms] | lines | an | mean [ms] | lines | ratio |"
echo "|:---|---:|---:|:---|---:|---:|---:|"
pair "--anagrammen taalspoorzoeker --max 1000000" "-l 3 taalspoorzoeker" 10
pair "--uit aeinrst" "-w aeinrst" 50
hyperfine -N --warmup 5 --runs 50 --export-csv "$work/csv" --style none "$zoek --uit aeinrst.." >/dev/null 2>&1
awk -F, 'NR == 2 { printf "\n`taalspoor-zoek --uit aeinrst..` (7 letters, 2 blanks): %.1f ms\n", $2 * 1000 }' "$work/csv"
