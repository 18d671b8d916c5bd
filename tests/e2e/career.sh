#!/usr/bin/env bash
# A career on a desktop with a window manager, from outside: the career
# player is made by clicks and keys, the calendar and the draw are gone
# through with Return, and his first match is played by clicks on the board
# at a real board. While it is played the draw window must be out of the
# way: the board in front and taking the clicks. When it ends the draw must
# come back in front, and the saved career must hold him in the next round.
#   career.sh BIN_DIR     (run under xvfb-run and tests/e2e/with-wm.sh)
set -euo pipefail
BIN=$1
journey=career
source "$(dirname "$0")/lib.sh"

positions S50 T20 T19 D12
start_game nia 7
log=$dir_nia/log
main=$main_nia
pid=$pid_nia

focused() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
window() { visible "$pid" "$1" | head -1; }
confirmBox() {
  local w
  for w in $(visible "$pid" '^VANTORELLE!$'); do
    [ "$w" = "$main" ] || return 0
  done
  return 1
}
dart() { # BED: clicked on the board, which asks to confirm it (so it took the click); Return
  inFront "$main" || fail "the board is not in front for $1"
  click "$main" "$1"
  waitfor confirmBox 30 || fail "the board did not take the click for $1"
  xdotool key Return
  waitfor '! confirmBox' 30 || fail "the confirmation of $1 stayed"
}

click "$main" option3; sleep 0.5 # CAREER
click "$main" option1; sleep 0.5 # SHORT
click "$main" option1            # BEGINNER: the player editor
waitfor '[ -n "$(window "^ PLAYER EDITOR$")" ]' 50 || fail "no player editor"
editor=$(window "^ PLAYER EDITOR$")
waitfor 'focused $editor' 50 || fail "the player editor has no focus"
xdotool type --delay 15 "Nia"
xdotool key Tab
xdotool type --delay 15 "Quarrell"
xdotool key Tab
xdotool type --delay 15 "WAL"
xdotool key Tab space alt+s # on a real board; Save
waitfor '[ -n "$(window "^ CURRENT TOURNAMENT CHAMPIONS$")" ]' 50 || fail "no calendar"
calendar=$(window "^ CURRENT TOURNAMENT CHAMPIONS$")
waitfor 'focused $calendar' 50 || fail "the calendar has no focus"
xdotool key Return # CONTINUE
waitfor '[ -n "$(window "^ TOURNAMENT STRUCTURE$")" ]' 50 || fail "no structure window"
waitfor 'focused $(window "^ TOURNAMENT STRUCTURE$")' 50 || fail "the structure window has no focus"
xdotool key Return # OK
waitfor '[ -n "$(window "^ TOURNAMENT$")" ]' 50 || fail "no draw"
draw=$(window "^ TOURNAMENT$")
waitfor 'focused $draw' 50 || fail "the draw has no focus"
xdotool key Return # CONTINUE: the first round, with her match in it
waitfor confirmBox 50 || fail "her match's length was not told"
xdotool key Return
waitfor 'grep -q "^info NIA QUARRELL, WAL" "$log"' 50 || fail "her match did not begin"

# Her match: the draw is out of the way, the board in front.
waitfor '[ -z "$(window "^ TOURNAMENT$")" ]' 50 || fail "the draw window stays on screen during her match"
waitfor 'inFront $main' 50 || fail "the board is not in front during her match"
waitfor 'grep -q "NIA QUARRELL THROW FOR BULLSEYE" "$log"' 100 || fail "no bull-up"
sleep 0.3
import -window root "$scratch/during-the-match.png" 2>/dev/null || true
dart S50

# Nine-dart legs: 180, 180, then T20 T19 D12; each turn waits for her call.
turns=("T20 T20 T20" "T20 T20 T20" "T20 T19 D12")
n=0
for leg in 1 2; do
  for turn in "${turns[@]}"; do
    waitfor 'tail -n +$((n + 1)) "$log" | grep -q "NIA QUARRELL CLICK OR TYPE SCORE"' 300 || fail "leg $leg: she is not called"
    n=$(lines "$log")
    [ -z "$(window "^ TOURNAMENT$")" ] || fail "the draw came back in the middle of her match"
    for bed in $turn; do
      dart "$bed"
    done
  done
done
waitfor 'grep -q "GAME, SHOT AND THE MATCH, NIA QUARRELL" "$log"' 100 || fail "Nia did not win her match"

# The draw comes back, in front, and the career is saved with her through.
waitfor '[ -n "$(window "^ TOURNAMENT$")" ]' 100 || fail "the draw did not come back"
waitfor 'inFront $(window "^ TOURNAMENT$")' 50 || fail "the draw came back behind the board"
waitfor 'focused $(window "^ TOURNAMENT$")' 50 || fail "the draw came back without the focus"
waitfor 'grep -q "NIA QUARRELL" "$dir_nia/data/Nia Quarrell.car"' 50 || fail "the career was not saved with her winner's place"
import -window root "$scratch/after-the-match.png" 2>/dev/null || true
if [ -n "${E2E_PICTURES:-}" ]; then cp "$scratch"/*.png "$E2E_PICTURES"/; fi

xdotool windowactivate --sync "$main" key q
waitfor confirmBox 50 || fail "Q did not ask whether to quit"
xdotool key Return
waitfor '! kill -0 $pid 2>/dev/null' 100 || fail "the program did not quit"
wait "$pid" || fail "the program ended with an error"
echo "a career match played on a desktop: the draw stood aside and came back in front"
