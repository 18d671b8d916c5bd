#!/usr/bin/env bash
# Draws the flags and the tournament logos (invented designs) and writes them
# as the GIF pictures the game loads from assets/flags. Needs a built tree
# (make build) and ImageMagick (VANTORELLE_ASSET_TOOLS=1 scripts/install-deps).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cmake --build "$BUILD" --target make_pictures
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$BUILD/bin/make_pictures" "$tmp"
mkdir -p assets/flags
for png in "$tmp"/*.png; do
  name=$(basename "$png" .png)
  # GIF has one transparent colour: the half-transparent edge is cut at half.
  convert "$png" -channel A -threshold 50% +channel "assets/flags/$name.gif"
done
ls assets/flags | wc -l
