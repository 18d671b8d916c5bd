#!/usr/bin/env bash
# The whole program from outside: started on a virtual display with a window
# manager, an exhibition against the computer is set up on the panel by
# clicks, the player's name typed and the real-board box ticked by keys, every
# dart clicked on the board, and the program quit by its key. The commentary
# the program writes to VANTORELLE_LOG must end with the player's match.
#   exhibition.sh BIN_DIR     (run under xvfb-run and tests/e2e/with-wm.sh)
set -euo pipefail
BIN=$1
journey=exhibition
source "$(dirname "$0")/lib.sh"

positions T20 T19 D02 S50
start_game nia 7
log=$dir_nia/log
main=$main_nia
pid=$pid_nia

# A dart at a real board is confirmed: Return answers Yes.
confirmBox() {
  local w
  for w in $(visible "$pid" '^VANTORELLE!$'); do
    [ "$w" = "$main" ] || return 0
  done
  return 1
}
dart() { # BED
  click "$main" "$1"
  waitfor confirmBox 30 || fail "no confirmation asked for $1"
  xdotool key Return
  waitfor '! confirmBox' 30 || fail "the confirmation of $1 stayed"
}

click "$main" option2 # EXHIBITION
sleep 0.5
click "$main" option2 # ONE PLAYER: the players window
waitfor '[ -n "$(visible "$pid" "^Players$")" ]' 50 || fail "no players window"
players=$(visible "$pid" "^Players$" | head -1)
waitfor '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$players" ]' 50 || fail "the players window has no focus"
xdotool type --delay 15 "Nia Quarrell"
xdotool key Tab space Return # on a real board; OK
waitfor '[ -z "$(visible "$pid" "^Players$")" ]' 50 || fail "the players window stayed"
sleep 0.5
click "$main" option1; sleep 0.5 # 301
click "$main" option1; sleep 0.5 # first to one set of three legs
click "$main" option1            # the computer a beginner
waitfor 'grep -q "NIA QUARRELL THROW FOR BULLSEYE" "$log"' 100 || fail "no bull-up"
sleep 0.4
dart S50
waitfor 'grep -q "NIA QUARRELL CLICK OR TYPE SCORE" "$log"' 50 || fail "Nia is not on throw after the bull-up"

# Six-dart legs: 180, then T20 T19 D2. Each turn waits for her call to throw.
turns=("T20 T20 T20" "T20 T19 D02")
for leg in 1 2 3; do
  for turn in "${turns[@]}"; do
    n=$(lines "$log")
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
waitfor '! kill -0 $pid 2>/dev/null' 100 || fail "the program did not quit"
wait "$pid" || fail "the program ended with an error"
echo "an exhibition played to its end by clicks and keys:"
grep -E "AND THE MATCH|winner|180:" "$log" | sort -u
