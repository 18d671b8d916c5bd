# What the end-to-end journeys share: a scratch data and settings folder per
# copy of the game, waiting for what the game shows, finding its windows and
# clicking on them as a player does. Sourced by the journeys; BIN is the
# folder of the built program.

scratch=$(mktemp -d)
games=()
cleanup() {
  local g
  for g in "${games[@]}"; do kill "$g" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
export VANTORELLE_TIME_SCALE=${VANTORELLE_TIME_SCALE:-0} VANTORELLE_SEARCH_ADDRESS=127.0.0.1
# Under the sanitizers: the system libraries' own leaks at exit are not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0"

# Waits up to $2 tenths of a second for the condition in $1.
waitfor() {
  local i
  for ((i = 0; i < $2; i++)); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

fail() {
  import -window root "/tmp/e2e-${journey:-journey}-fail.png" 2>/dev/null || true
  echo "FAILED: $*"
  local f
  for f in "$scratch"/*/log; do echo "--- commentary of $(basename "$(dirname "$f")"):"; tail -20 "$f"; done
  for f in "$scratch"/*/out; do echo "--- $(basename "$(dirname "$f")") said:"; tail -30 "$f"; done
  exit 1
}

# Where the panel's options and the given beds are on the main window at its
# first size: at[WHAT]="X Y" in the window's own pixels.
declare -A at
positions() {
  local what rest
  while read -r what rest; do at[$what]=$rest; done < <(QT_QPA_PLATFORM=offscreen "$BIN/vantorelle_points" "$@" 2>/dev/null)
  [ -n "${at[option1]:-}" ] || fail "no positions from vantorelle_points"
}

# start_game NAME [SEED]: a copy of the game with folders of its own; sets
# pid_NAME and main_NAME (its main window) and dir_NAME.
start_game() {
  local name=$1 seed=${2:-7} dir=$scratch/$1
  mkdir -p "$dir/data" "$dir/config"
  cp "$BIN/Data/Stats.dat" "$dir/data/"
  touch "$dir/log"
  VANTORELLE_SEED=$seed VANTORELLE_DATA=$dir/data XDG_CONFIG_HOME=$dir/config VANTORELLE_LOG=$dir/log \
    "$BIN/vantorelle" > "$dir/out" 2>&1 &
  local pid=$!
  games+=("$pid")
  printf -v "pid_$name" '%s' "$pid"
  printf -v "dir_$name" '%s' "$dir"
  # The title window gives way to the main window at once when nothing waits.
  local w=""
  findMain() {
    local c
    for c in $(xdotool search --all --onlyvisible --pid "$pid" --name '^VANTORELLE!$' 2>/dev/null); do
      if xdotool getwindowgeometry "$c" 2>/dev/null | grep -q 'Geometry: 1024x720'; then w=$c; return 0; fi
    done
    return 1
  }
  waitfor findMain 80 || fail "$name: no main window"
  printf -v "main_$name" '%s' "$w"
}

# The windows of a copy, by caption, that are on screen.
visible() { # PID CAPTION-REGEX
  xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null
}

# Where a window's inside is on the screen: "X Y WIDTH HEIGHT". (xdotool's
# own geometry counts a window manager's frame twice.)
geometry() { # WINDOW
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                           /^ *Width/ { w = $NF } /^ *Height/ { h = $NF } END { print x, y, w, h }'
}

# Clicks at a place of the main window given by at[WHAT] (or "X Y").
click() { # WINDOW WHAT [BUTTON]
  local p=(${at[$2]:-$2}) g
  g=($(geometry "$1"))
  xdotool mousemove $((g[0] + p[0])) $((g[1] + p[1])) click "${3:-1}"
}

# Whether two windows' rectangles on the screen overlap.
overlap() { # WINDOW WINDOW
  local a b
  a=($(geometry "$1")) b=($(geometry "$2"))
  [ $((a[0])) -lt $((b[0] + b[2])) ] && [ $((b[0])) -lt $((a[0] + a[2])) ] &&
    [ $((a[1])) -lt $((b[1] + b[3])) ] && [ $((b[1])) -lt $((a[1] + a[3])) ]
}

# Whether the window is the one in front (last in the window manager's stacking order).
inFront() { # WINDOW
  local top
  top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //')
  [ "$((top))" = "$(($1))" ]
}

lines() { wc -l < "$1"; }
