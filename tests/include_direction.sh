#!/usr/bin/env bash
# Every include points down the layers, and the engine holds no Qt:
#   base -> wordlist -> search -> ownlist/engine -> window_support, resources
#        -> accessories, ownlist (the dialog), puzzlehelp -> app, cli, web, tools -> tests, bench
# A file may include its own folder and any lower layer; never a higher layer, and
# never a neighbour of the same layer. Prints each wrong include; fails if there is one.
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

layer_of() {
  case "$1" in
    base/*) echo "0 base" ;;
    wordlist/*) echo "1 wordlist" ;;
    search/*) echo "2 search" ;;
    ownlist/engine/*) echo "3 ownlist/engine" ;;
    window_support/*) echo "4 window_support" ;;
    resources/*) echo "4 resources" ;;
    accessories/*) echo "5 accessories" ;;
    ownlist/*) echo "5 ownlist" ;;
    puzzlehelp/*) echo "5 puzzlehelp" ;;
    app/*) echo "6 app" ;;
    cli/*) echo "6 cli" ;;
    web/*) echo "6 web" ;;
    tools/*) echo "6 tools" ;;
    tests/*) echo "7 tests" ;;
    bench/*) echo "7 bench" ;;
    *) echo "" ;;
  esac
}

wrong=0
while IFS= read -r file; do
  read -r rank folder <<<"$(layer_of "$file")"
  [ -n "${rank:-}" ] || continue
  while IFS= read -r included; do
    read -r target_rank target_folder <<<"$(layer_of "$included")"
    [ -n "${target_rank:-}" ] || continue
    if [ "$target_rank" -gt "$rank" ] || { [ "$target_rank" -eq "$rank" ] && [ "$target_folder" != "$folder" ]; }; then
      echo "$file includes $included: $target_folder is not below $folder"
      wrong=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  if [ "$rank" -le 3 ] && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
    echo "$file includes Qt: the engine is free of Qt"
    wrong=1
  fi
done < <(find base wordlist search ownlist window_support resources accessories puzzlehelp app cli web tools tests bench \
              -name '*.h' -o -name '*.cpp' | sort)
exit $wrong
