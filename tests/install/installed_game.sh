#!/usr/bin/env bash
# The installed game: installed into a scratch prefix and started there as an
# ordinary user, it leaves its install folder as it was and keeps the
# player's data in his own data folder, seeded with the shipped roster.
#   installed_game.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/vantorelle share/vantorelle/Data/Stats.dat share/vantorelle/compaim.dat \
         share/applications/vantorelle.desktop share/icons/hicolor/scalable/apps/vantorelle.svg; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
grep -q '^Exec=vantorelle$' "$prefix/share/applications/vantorelle.desktop"

# The install folder is read-only to the player.
chmod -R a-w "$prefix"
home=$scratch/home
mkdir -p "$home"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)

run=()
if [ "$(id -u)" -eq 0 ]; then
  # As root every folder is writable: play as nobody instead.
  chown nobody "$home"
  run=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
set +e
env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen VANTORELLE_TIME_SCALE=0 \
  VANTORELLE_SEARCH_ADDRESS=127.0.0.1 "${run[@]}" timeout 4 "$prefix/bin/vantorelle" > "$scratch/out" 2>&1
status=$?
set -e
# Still running when the time was up: it started and waited for the player.
[ "$status" -eq 124 ] || { echo "the game stopped by itself ($status):"; cat "$scratch/out"; exit 1; }

seeded=$home/.local/share/ZEKO/VANTORELLE/Data/Stats.dat
[ -f "$seeded" ] || { echo "no roster in the player's data folder"; find "$home"; exit 1; }
cmp "$seeded" "$prefix/share/vantorelle/Data/Stats.dat"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || { echo "the install folder changed"; diff <(echo "$before") <(echo "$after"); exit 1; }
echo "installed game ran from $prefix with its data in $(dirname "$seeded")"
