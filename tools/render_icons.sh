#!/usr/bin/env bash
# Renders the icon's PNG sizes from resources/icons/taalspoor.svg. Run once after the SVG
# changes and commit the PNGs, so a build never needs an SVG renderer.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
icons="$(cd "$(dirname "$0")/../resources/icons" && pwd)"
for size in 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "$icons/taalspoor-$size.png" "$icons/taalspoor.svg"
done
