#!/usr/bin/env bash
# Completes a few command lines of taalspoor-zoek with its bash completion, as bash does
# at a Tab, and every search's options against its usage line in --help.
#   tests/completion_test.sh SOURCE_DIR TAALSPOOR_ZOEK [COMPLETION_FILE]
set -u
src=$1
zoek=$2
completion_file=${3:-$src/resources/completion/taalspoor-zoek}
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed"; exit 1; }
source "$completion_file"
# The completion asks the program, by the name typed.
PATH="$(dirname "$zoek"):$PATH"

failed=0
completes() {  # the line up to the cursor, then the completions expected
  local line=$1 expected=$2
  COMP_LINE=$line
  COMP_POINT=${#line}
  read -r -a COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _taalspoor_zoek taalspoor-zoek "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got="${COMPREPLY[*]}"
  if [ "$got" != "$expected" ]; then
    echo "'$line<Tab>' gives '$got', not '$expected'"
    failed=1
  fi
}
# As completes, but the completions compared as a sorted set.
completes_set() {
  local line=$1 expected=$2
  COMP_LINE=$line
  COMP_POINT=${#line}
  read -r -a COMP_WORDS <<<"$line"
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _taalspoor_zoek taalspoor-zoek "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  if [ "$got" != "$expected" ]; then
    echo "'$line<Tab>' gives '$got', not '$expected'"
    failed=1
  fi
}
completes "taalspoor-zoek --pa" "--patroon"
completes "taalspoor-zoek --an" "--anagrammen"
completes "taalspoor-zoek --modus " "1 2 3 4 5 6 7 8 9 10 11"
completes "taalspoor-zoek --modus 1" "1 10 11"
completes "taalspoor-zoek --patroon k.t --ga" "--gangbaar"
completes "taalspoor-zoek --patroon k.t --al" ""
completes "taalspoor-zoek --uit aeinrst --w" ""
completes "taalspoor-zoek --anagrammen kater --w" "--woorden"
completes "taalspoor-zoek --anagrammen kater --woorden " "1 2 3 4 5 6"
completes "taalspoor-zoek --met " ""
completes "taalspoor-zoek --anagrammen kat --ge" "--gewone-woorden"
completes "taalspoor-zoek --uit kat --lengte " ""
completes "taalspoor-zoek --lingo --sp" "--spel"
completes "taalspoor-zoek --lingo --spel " "lingo woordle"
completes "taalspoor-zoek --weglatingen --waar s" "staart"

# Every search completes exactly the options its usage line in --help names, and the
# modes theirs and the options that choose a search: both are made from the tables.
usage=$("$zoek" --help | sed -n '1,/^$/p' | sed 's/^gebruik://' | tr '\n' ' ' | sed 's/ taalspoor-zoek /\n&/g')
searches=()
while read -r line; do
  [ -z "$line" ] && continue
  options=$(grep -o -- '\[--[a-z0-9-]*' <<<"$line" | tr -d '[' | sort | tr '\n' ' ')
  read -r _ first _ <<<"$line"
  if [[ $first == --* && $first != --modus ]]; then
    searches+=("$first")
    completes_set "taalspoor-zoek $first x --" "$options"
  else
    modes_line=$options
  fi
done <<<"$usage"
completes_set "taalspoor-zoek --" "$(printf '%s\n' $modes_line --help "${searches[@]}" | sort | tr '\n' ' ')"
[ ${#searches[@]} -ge 3 ] || { echo "the usage names too few searches: ${searches[*]}"; failed=1; }
exit $failed
