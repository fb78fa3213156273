#!/usr/bin/env bash
# Builds Taalspoor for the browser into build-web/site and serves it at
# http://localhost:8080 (PORT to change) until stopped. The folder is the whole site:
# any static host serves it as it is.
#   bash tools/web.sh                  build and serve
#   bash tools/web.sh --alleen-bouwen  build only
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install_dependencies.sh web
# Debian's Emscripten finds its JavaScript parser among Debian's Node.js modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web/wasm -DCMAKE_BUILD_TYPE=Release >/dev/null 2>&1
cmake --build build-web/wasm -j"$(nproc)" >/dev/null

site=build-web/site
rm -rf "$site"
mkdir -p "$site/data" "$site/icons"
cp web/site/index.html web/site/style.css web/site/*.js web/site/manifest.webmanifest "$site/"
cp build-web/wasm/web/taalspoor.mjs "$site/"
# Compressed once here, unpacked in the worker: the same on every static host.
gzip -9nc build-web/wasm/web/taalspoor.wasm >"$site/taalspoor.wasm.gz"
for name in nlwrdiso.v3 tellingen.txt ij-uitzonderingen.txt; do
  gzip -9nc "data/$name" >"$site/data/$name.gz"
done
cp resources/icons/taalspoor.svg resources/icons/taalspoor-192.png resources/icons/taalspoor-512.png "$site/icons/"
# The tables beside the page, so that the choice of search is there before the engine.
node build-web/wasm/web/taalspoor_tables.js >"$site/tables.json"

# The service worker keeps exactly these files, under the version of their contents.
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | sort)
version=$( (cd "$site" && cat $files) | cat - web/site/sw.js | sha256sum | cut -c1-16)
list=$(printf '"./",'; printf '"%s",' $files | sed 's/,$//')
sed -e "s|__VERSION__|$version|" -e "s|__FILES__|[$list]|" web/site/sw.js >"$site/sw.js"
echo "gebouwd: $site ($(du -sh "$site" | cut -f1))"

[ "${1:-}" = "--alleen-bouwen" ] && exit 0
exec node web/serve.mjs "$site" "${PORT:-8080}"
