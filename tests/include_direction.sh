#!/usr/bin/env bash
# Every include points down the layers, and the engine holds no Qt:
#   base -> wordlist -> search -> ownlist/engine -> window_support, resources
#        -> accessories, ownlist (the dialog), puzzlehelp -> app, cli, web, tools -> tests, bench
# and inside search/, its rooms:
#   scan, squares -> modes, solver -> letters, wordplay, lingo (and each new search) -> solver_table
# Every other folder of search/ is a search beside the modes, a room of its own on the
# searches' floor: a new search is a new folder. A file may include its own folder and
# any lower layer; never a higher layer, and never a neighbour of the same layer. A file
# straight in search/ belongs to no room and is wrong. Prints each wrong include; fails
# if there is one.
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

layer_of() {
  case "$1" in
    base/*) echo "0 base" ;;
    wordlist/*) echo "10 wordlist" ;;
    search/scan/*) echo "20 search/scan" ;;
    search/squares/*) echo "20 search/squares" ;;
    search/modes/*) echo "21 search/modes" ;;
    search/solver/*) echo "21 search/solver" ;;
    search/solver_table/*) echo "23 search/solver_table" ;;
    search/*/*) room="${1#search/}"; echo "22 search/${room%%/*}" ;;
    search/*) echo "unroomed search" ;;
    ownlist/engine/*) echo "30 ownlist/engine" ;;
    window_support/*) echo "40 window_support" ;;
    resources/*) echo "40 resources" ;;
    accessories/*) echo "50 accessories" ;;
    ownlist/*) echo "50 ownlist" ;;
    puzzlehelp/*) echo "50 puzzlehelp" ;;
    app/*) echo "60 app" ;;
    cli/*) echo "60 cli" ;;
    web/*) echo "60 web" ;;
    tools/*) echo "60 tools" ;;
    tests/*) echo "70 tests" ;;
    bench/*) echo "70 bench" ;;
    *) echo "" ;;
  esac
}

wrong=0
while IFS= read -r file; do
  read -r rank folder <<<"$(layer_of "$file")"
  [ -n "${rank:-}" ] || continue
  if [ "$rank" = unroomed ]; then
    echo "$file: a file of search/ belongs in a room, a folder of its own"
    wrong=1
    continue
  fi
  while IFS= read -r included; do
    read -r target_rank target_folder <<<"$(layer_of "$included")"
    [ -n "${target_rank:-}" ] || continue
    [ "$target_rank" = unroomed ] && target_rank=99
    if [ "$target_rank" -gt "$rank" ] || { [ "$target_rank" -eq "$rank" ] && [ "$target_folder" != "$folder" ]; }; then
      echo "$file includes $included: $target_folder is not below $folder"
      wrong=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  if [ "$rank" -le 30 ] && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
    echo "$file includes Qt: the engine is free of Qt"
    wrong=1
  fi
done < <(find base wordlist search ownlist window_support resources accessories puzzlehelp app cli web tools tests bench \
              -name '*.h' -o -name '*.cpp' -o -name '*.inc' | sort)
exit $wrong
