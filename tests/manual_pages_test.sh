#!/usr/bin/env bash
# The manual pages as the linters read them: mandoc -T lint at style level and man
# --warnings must say nothing.
#   tests/manual_pages_test.sh SOURCE_DIR
set -u
failed=0
for tool in mandoc man; do command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }; done
for page in "$1"/resources/man/*.1; do
  said="$(mandoc -T lint -W style "$page" 2>&1)"
  [ -z "$said" ] || { echo "$said"; failed=1; }
  said="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
  [ -z "$said" ] || { echo "man --warnings $page: $said"; failed=1; }
done
exit $failed
