#!/usr/bin/env bash
# Completes a few command lines of taalspoor-zoek with its bash completion, as bash does
# at a Tab, and checks that the completion knows every option the program has.
#   tests/completion_test.sh SOURCE_DIR TAALSPOOR_ZOEK [COMPLETION_FILE]
set -u
src=$1
zoek=$2
completion_file=${3:-$src/resources/completion/taalspoor-zoek}
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed"; exit 1; }
source "$completion_file"

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

# Every option of the program is completed somewhere, and nothing else.
program=$("$zoek" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u)
completion=$(grep -o -- '--[a-z][a-z0-9-]*' "$completion_file" | sort -u)
if [ "$program" != "$completion" ]; then
  echo "the options differ:"
  diff <(echo "$program") <(echo "$completion")
  failed=1
fi
exit $failed
