#!/usr/bin/env bash
# The README's pictures, taken from the real program under a virtual X
# display: a match, the career calendar and a tournament's draw.
#   tools/readme-pictures.sh            (after `make build`; needs xvfb-run)
set -euo pipefail
cd "$(dirname "$0")/.."
shot=${BUILD:-build}/bin/vantorelle_shot
[ -x "$shot" ] || { echo "build first: make build"; exit 1; }
out=docs/pictures
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data" "$scratch/shots"
cp assets/Data/Stats.dat "$scratch/data/"
VANTORELLE_DATA=$scratch/data XDG_CONFIG_HOME=$scratch/config VANTORELLE_SEARCH_ADDRESS=127.0.0.1 \
  xvfb-run -a -s "-screen 0 1600x1000x24" "$shot" "$scratch/shots" > /dev/null 2>&1
cp "$scratch/shots/two-darts.png" "$out/match.png"
cp "$scratch/shots/calendar.png" "$out/calendar.png"
cp "$scratch/shots/draw.png" "$out/draw.png"
ls -l "$out"
