#!/usr/bin/env bash
# Renders the icon's PNG sizes from resources/icons/taalspoor.svg. Run once after the SVG
# changes and commit the PNGs, so a build never needs an SVG renderer.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
icons="$(cd "$(dirname "$0")/../resources/icons" && pwd)"
# 192 and 512 are the sizes a web app manifest asks for.
for size in 48 64 128 192 256 512; do
  rsvg-convert --width "$size" --height "$size" --output "$icons/taalspoor-$size.png" "$icons/taalspoor.svg"
done
