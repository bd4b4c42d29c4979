#!/usr/bin/env bash
# Renders the PNG icons from icons/tilvaro.svg. The PNGs are committed, so building needs no SVG
# renderer; run this again after changing the SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/tilvaro.png" tilvaro.svg
done
