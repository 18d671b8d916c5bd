#!/usr/bin/env bash
# The whole program from outside: started under a virtual X display, an
# exhibition against the computer is set up on the panel by clicks, the
# player's name typed and the real-board box ticked by keys, every dart
# clicked on the board, and the program quit by its key. The commentary the
# program writes to VANTORELLE_LOG must end with the player's match.
#   exhibition.sh BIN_DIR     (run under xvfb-run)
set -euo pipefail
bin=$1
scratch=$(mktemp -d)
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data" "$scratch/config"
cp "$bin/Data/Stats.dat" "$scratch/data/"
export VANTORELLE_TIME_SCALE=0 VANTORELLE_SEED=7 VANTORELLE_DATA=$scratch/data XDG_CONFIG_HOME=$scratch/config
export VANTORELLE_SEARCH_ADDRESS=127.0.0.1 VANTORELLE_LOG=$scratch/log
# Under the sanitizers: the system libraries' own leaks at exit are not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0"
log=$scratch/log
touch "$log"

fail() { import -window root /tmp/e2e-fail.png 2>/dev/null || true; echo "FAILED: $*"; echo "--- commentary:"; tail -20 "$log"; echo "--- the program said:"; tail -30 "$scratch/out" 2>/dev/null; exit 1; }
# Waits up to $2 tenths of a second for the condition in $1.
waitfor() {
  local i
  for ((i = 0; i < $2; i++)); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

# Where the panel's options and the beds are, on the window as it opens.
declare -A at
while read -r what x y; do at[$what]="$x $y"; done < <(QT_QPA_PLATFORM=offscreen "$bin/vantorelle_points" T20 T19 D02 S50 2>/dev/null)
[ -n "${at[option1]:-}" ] && [ -n "${at[D02]:-}" ] || fail "no positions from vantorelle_points"

"$bin/vantorelle" > "$scratch/out" 2>&1 &
game=$!

main=""
mainWindow() {
  local w
  for w in $(xdotool search --name '^VANTORELLE!$' 2>/dev/null); do
    if xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 1024x720'; then main=$w; return 0; fi
  done
  return 1
}
# The title window gives way to the main window (at once when nothing waits;
# a click on the title otherwise).
if ! waitfor mainWindow 50; then
  xdotool mousemove 320 210 click 1
  waitfor mainWindow 50 || fail "no main window"
fi
eval "$(xdotool getwindowgeometry --shell "$main")"
ox=$X oy=$Y
click() { # WHAT [BUTTON]
  local p=(${at[$1]})
  xdotool mousemove $((ox + p[0])) $((oy + p[1])) click "${2:-1}"
}
lines() { wc -l < "$log"; }
# A dart at a real board is confirmed: Return answers Yes.
box=""
confirmBox() {
  local w
  for w in $(xdotool search --onlyvisible --name '^VANTORELLE!$' 2>/dev/null); do
    [ "$w" = "$main" ] && continue
    box=$w
    return 0
  done
  return 1
}
dart() { # BED
  click "$1"
  waitfor confirmBox 30 || fail "no confirmation asked for $1"
  xdotool key Return
  waitfor '! xdotool search --onlyvisible --name "^VANTORELLE!$" 2>/dev/null | grep -qv "^$main\$"' 30 \
    || fail "the confirmation of $1 stayed"
}

click option2; sleep 0.5 # EXHIBITION
click option2             # ONE PLAYER: the players window
waitfor 'xdotool search --onlyvisible --name "^Players$" > /dev/null 2>&1' 50 || fail "no players window"
players=$(xdotool search --onlyvisible --name "^Players$" | head -1)
waitfor '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$players" ]' 50 || fail "the players window has no focus"
xdotool type --delay 15 "Nia Quarrell"
xdotool key Tab space Return # on a real board; OK
sleep 0.5
click option1; sleep 0.5 # 301
click option1; sleep 0.5 # first to one set of three legs
click option1            # the computer a beginner
waitfor 'grep -q "NIA QUARRELL THROW FOR BULLSEYE" "$log"' 100 || fail "no bull-up"
sleep 0.4
dart S50
waitfor 'grep -q "NIA QUARRELL CLICK OR TYPE SCORE" "$log"' 50
grep -q "NIA QUARRELL CLICK OR TYPE SCORE" "$log" || fail "Nia is not on throw after the bull-up"

# Six-dart legs: 180, then T20 T19 D2. Each turn waits for her call to throw.
turns=("T20 T20 T20" "T20 T19 D02")
for leg in 1 2 3; do
  for turn in "${turns[@]}"; do
    n=$(lines)
    for bed in $turn; do
      dart "$bed"
    done
    # Her turn is over (its third dart, or the leg won) and she is called again.
    waitfor 'tail -n +$((n + 1)) "$log" | awk "/DART 3|GAME/ { over = 1 } over && /NIA QUARRELL CLICK OR TYPE SCORE|AND THE MATCH/ { found = 1 } END { exit !found }"' 150 \
      || fail "leg $leg: no next turn"
  done
done
waitfor 'grep -q "GAME, SHOT AND THE MATCH, NIA QUARRELL" "$log"' 100 || fail "Nia did not win the match"
grep -q '^info The winner is NIA QUARRELL' "$log" || fail "no closing overlay"

# The S key shows the match statistics in the commentary.
xdotool key --window "$main" s
waitfor 'grep -q "NIA QUARRELL 100+:[0-9]* 140+:[0-9]* 180:3" "$log"' 50 || fail "no statistics, or not three 180s"
# Q quits, after the question.
xdotool key --window "$main" q
waitfor confirmBox 50 || fail "Q did not ask whether to quit"
xdotool key Return
waitfor '! kill -0 $game 2>/dev/null' 100 || fail "the program did not quit"
wait "$game" || fail "the program ended with an error"
game=""
echo "an exhibition played to its end by clicks and keys:"
grep -E "AND THE MATCH|winner|180:" "$log" | sort -u
