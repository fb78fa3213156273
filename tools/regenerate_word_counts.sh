#!/usr/bin/env bash
# Remakes data/tellingen.txt from Debian's frogdata (version 0.18-2,
# /usr/share/frog/nld/Frog.mbt.1.0.lex) and data/nlwrdiso.v3. Needs a configured build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "frogdata: $(dpkg-query -W -f '${Version}' frogdata) (data/BRON.md names the version the table was made from)"
cmake --build build --target make_word_counts
build/make_word_counts /usr/share/frog/nld/Frog.mbt.1.0.lex data/nlwrdiso.v3 data/tellingen.txt
