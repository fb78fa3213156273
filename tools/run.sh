#!/usr/bin/env bash
# Installs what is missing, builds, installs into build-release/stage and starts the
# program there through its launcher, as the menu entry of the package does: in the
# working folder ${TAALSPOOR_MAP:-~/Taalspoor}, into which the data files are copied
# when missing (nothing there is ever overwritten).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
stage="$repo/build-release/stage"
bash "$repo/tools/install_dependencies.sh"
cmake -S "$repo" -B "$repo/build-release" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$repo/build-release" -j"$(nproc)" >/dev/null
rm -rf "$stage"  # exactly what this build installs, nothing left from an earlier one
cmake --install "$repo/build-release" --prefix "$stage" >/dev/null
if [ -x "$stage/bin/taalspoor" ]; then
  exec "$stage/bin/taalspoor-start" "$@"
fi
# Built without the window: the command line program, in the same working folder.
folder="$("$stage/bin/taalspoor-start" --alleen-map)"
cd "$folder"
echo "Voorbeeld: taalspoor-zoek k.t (in $folder)"
exec "$stage/bin/taalspoor-zoek" k.t
