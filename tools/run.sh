#!/usr/bin/env bash
# Installs what is missing, builds, prepares the working folder (by default ~/Taalspoor:
# the data files are copied in when missing, nothing there is ever overwritten) and
# starts the program there.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
bash "$repo/tools/install_dependencies.sh"
cmake -S "$repo" -B "$repo/build-release" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$repo/build-release" -j"$(nproc)" >/dev/null
folder="${TAALSPOOR_MAP:-$HOME/Taalspoor}"
mkdir -p "$folder"
for f in nlwrdiso.v3 taalhelp16.txt lumman.wav; do
  [ -e "$repo/data/$f" ] && [ ! -e "$folder/$f" ] && cp "$repo/data/$f" "$folder/$f"
done
cd "$folder"
if [ -x "$repo/build-release/app/taalspoor" ]; then
  exec "$repo/build-release/app/taalspoor" "$@"
fi
echo "Voorbeeld: taalspoor-zoek k.t (in $folder)"
exec "$repo/build-release/taalspoor-zoek" k.t
