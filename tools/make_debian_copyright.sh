#!/bin/sh
# Writes the package's machine-readable copyright file: the header and file paragraphs of
# resources/debian/copyright.head, then the licence texts, taken from the files that hold
# them (LICENSE and data/LICENSE-woordenlijst.txt) so that no copy of them drifts apart.
#   tools/make_debian_copyright.sh SOURCE_DIR OUTPUT
set -eu
src=$1
out=$2
# A licence text as the paragraph's body: each line indented, an empty line as " .",
# tabs as blanks, trailing blanks gone.
body() { sed -e 's/\t/        /g' -e 's/[[:space:]]*$//' -e 's/^$/./' -e 's/^/ /'; }
{
  cat "$src/resources/debian/copyright.head"
  echo
  echo "License: Expat"
  sed -n '/^Permission is hereby granted/,/^SOFTWARE\.$/p' "$src/LICENSE" | body
  echo
  echo "License: BSD-3-clause"
  awk '/^BSD-license \(revised version\)/ { on = 1; getline; next } on && /^\t+\*+$/ { exit } on' \
    "$src/data/LICENSE-woordenlijst.txt" | sed -e '1{/^$/d}' | sed -e '${/^$/d}' | body
  echo
  echo "License: CC-BY-3.0"
  awk '/^Creative Commons, Attribution 3.0 Unported/ { on = 1; getline; next } on && /^\*+$/ { exit } on' \
    "$src/data/LICENSE-woordenlijst.txt" | sed -e '${/^$/d}' | body
  echo
  echo "License: GPL-3+"
  echo " This program is free software: you can redistribute it and/or modify it under"
  echo " the terms of the GNU General Public License as published by the Free Software"
  echo " Foundation, either version 3 of the License, or (at your option) any later"
  echo " version."
  echo " ."
  echo " On Debian systems, the complete text of the GNU General Public License"
  echo " version 3 can be found in \`/usr/share/common-licenses/GPL-3'."
} >"$out"
