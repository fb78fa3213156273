#!/usr/bin/env bash
# Remakes data/nlwrdiso.v3 and wordlist/two_letter_index_table.cpp from Debian's wdutch
# (version 1:2.20.19-2, /usr/share/dict/dutch). Needs a configured build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target prepare_word_list
build/prepare_word_list /usr/share/dict/dutch data/nlwrdiso.v3 wordlist/two_letter_index_table.cpp
