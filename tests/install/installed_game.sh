#!/usr/bin/env bash
# The installed game: installed into a scratch prefix and started there as an
# ordinary user, it leaves its install folder as it was and keeps the
# player's data in his own data folder, seeded with the shipped roster.
#   installed_game.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d -p /tmp) # where any user may reach it
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
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)

# Starts the installed game as the given user (empty: as this one) with its
# own home, and checks that the home's data folder got the shipped roster.
play() { # NAME [USER]
  local home=$scratch/home-$1 run=()
  mkdir -p "$home"
  if [ -n "${2:-}" ]; then
    chown "$2" "$home"
    run=(setpriv --reuid="$2" --regid="$(id -gn "$2" 2>/dev/null || echo nogroup)" --clear-groups --)
  fi
  set +e
  env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen VANTORELLE_TIME_SCALE=0 \
    VANTORELLE_SEARCH_ADDRESS=127.0.0.1 "${run[@]}" timeout 4 "$prefix/bin/vantorelle" > "$scratch/out-$1" 2>&1
  local status=$?
  set -e
  # Still running when the time was up: it started and waited for the player.
  [ "$status" -eq 124 ] || { echo "the game stopped by itself ($status):"; cat "$scratch/out-$1"; exit 1; }
  local seeded=$home/.local/share/ZEKO/VANTORELLE/Data/Stats.dat
  [ -f "$seeded" ] || { echo "no roster in the data folder of $1"; find "$home"; exit 1; }
  cmp "$seeded" "$prefix/share/vantorelle/Data/Stats.dat"
  echo "$1: data in $(dirname "$seeded")"
}

if [ "$(id -u)" -eq 0 ]; then
  # The superuser could write into the install folder, and must not; an
  # ordinary user cannot.
  chmod -R u+w "$prefix"
  play superuser
  chmod -R a-w "$prefix"
  play player nobody
else
  play player
fi
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || { echo "the install folder changed"; diff <(echo "$before") <(echo "$after"); exit 1; }
echo "the installed game ran from $prefix and left it as it was"
