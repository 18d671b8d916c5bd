#!/usr/bin/env bash
# Two copies of the game, each on a desktop of its own (two virtual displays,
# each with its window manager), meet over 127.0.0.1: one hosts a session,
# the other joins it, and the host challenges. The lobby must stay off the
# board on both machines while the match is played: beside the main window,
# or behind it, and the board in front taking the clicks of the bull-up.
# Then the host leaves the match and the other is told.
#   network.sh BIN_DIR     (run under xvfb-run and tests/e2e/with-wm.sh)
set -euo pipefail
BIN=$1
journey=network
source "$(dirname "$0")/lib.sh"

positions S50
first=$DISPLAY
# The second machine's desktop.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3> "$scratch/display" 2> /dev/null &
games+=("$!")
read -r -t 10 number < "$scratch/display" || fail "no second display"
second=:$number
DISPLAY=$second openbox --sm-disable > /dev/null 2>&1 &
games+=("$!")
waitfor 'DISPLAY=$second xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 100 || fail "no window manager on the second display"

on() { local d=$1; shift; DISPLAY=$d "$@"; }
focusedOn() { [ "$(on "$1" xdotool getactivewindow 2>/dev/null)" = "$2" ]; }

start_game ann 7
DISPLAY=$second start_game ben 8

# Opens the connection window by the menu, types the name and presses the
# button the given number of Tabs away from the name box.
connect() { # DISPLAY PID MAIN NAME TABS
  local d=$1 pid=$2 main=$3 name=$4 tabs=$5 w=""
  DISPLAY=$d click "$main" mnuNetwork
  waitfor 'w=$(DISPLAY=$d visible "$pid" "^VANTORELLE! NETWORKING!$"); [ -n "$w" ] && focusedOn "$d" "$w"' 50 \
    || fail "$name: no connection window"
  on "$d" xdotool type --delay 15 "$name"
  for ((i = 0; i < tabs; i++)); do on "$d" xdotool key Tab; done
  on "$d" xdotool key space
}
connect "$first" "$pid_ann" "$main_ann" "Ann Host" 3 # Start Session
waitfor '[ -n "$(visible "$pid_ann" "^VANTORELLE! LOBBY!$")" ]' 50 || fail "Ann: no lobby"
connect "$second" "$pid_ben" "$main_ben" "Ben Guest" 4 # Join Session
waitfor 'j=$(DISPLAY=$second visible "$pid_ben" "^VANTORELLE! JOIN!$"); [ -n "$j" ] && focusedOn "$second" "$j"' 50 \
  || fail "Ben: no session list"
on "$second" xdotool key Tab space # Join Session, the listed one
waitfor '[ -n "$(DISPLAY=$second visible "$pid_ben" "^VANTORELLE! LOBBY!$")" ]' 50 || fail "Ben: no lobby"
lobby_ann=$(visible "$pid_ann" "^VANTORELLE! LOBBY!$")
lobby_ben=$(DISPLAY=$second visible "$pid_ben" "^VANTORELLE! LOBBY!$")

# Ann challenges: Start Game, three Tabs from the chat box.
waitfor 'focusedOn "$first" "$lobby_ann"' 20 || xdotool windowactivate --sync "$lobby_ann"
xdotool key Tab Tab Tab space
sleep 1
# Both boards in front with the setup panel, the lobbies off them.
for who in ann ben; do
  d=$first; [ "$who" = ben ] && d=$second
  main=main_$who lobby=lobby_$who
  waitfor 'DISPLAY=$d inFront ${!main}' 50 || fail "$who: the board is not in front after the challenge"
  if DISPLAY=$d overlap "${!main}" "${!lobby}"; then
    fail "$who: the lobby covers the main window"
  fi
done
DISPLAY=$first import -window root "$scratch/ann-challenged.png" 2>/dev/null || true
DISPLAY=$second import -window root "$scratch/ben-challenged.png" 2>/dev/null || true

click "$main_ann" option1; sleep 0.5 # 301
click "$main_ann" option1; sleep 0.5 # first to one
click "$main_ann" option1            # the last page, difficulty: the match begins on both
waitfor 'grep -q "ANN HOST THROW FOR BULLSEYE" "$dir_ann/log"' 100 || fail "Ann: no bull-up"
waitfor 'grep -q "ANN HOST THROW FOR BULLSEYE" "$dir_ben/log"' 100 || fail "Ben: no bull-up"
# Ann aims at the bull and throws: a click starts the circle, a right click
# fixes its width and a click its height.
aimAndThrow() { # DISPLAY MAIN
  DISPLAY=$1 click "$2" S50
  sleep 0.3
  DISPLAY=$1 click "$2" S50 3
  sleep 0.3
  DISPLAY=$1 click "$2" S50
}
aimAndThrow "$first" "$main_ann"
for who in ann ben; do
  log=dir_$who
  waitfor 'grep -q "BEN GUEST THROW FOR BULLSEYE" "${!log}/log"' 100 || fail "$who: Ann's bull-up dart was not taken"
done
aimAndThrow "$second" "$main_ben"
for who in ann ben; do
  log=dir_$who
  waitfor 'grep -Eq "(ANN HOST|BEN GUEST) TO THE OCHE" "${!log}/log"' 100 || fail "$who: Ben's bull-up dart was not taken"
done
for who in ann ben; do
  d=$first; [ "$who" = ben ] && d=$second
  main=main_$who lobby=lobby_$who
  DISPLAY=$d inFront "${!main}" || fail "$who: the board is not in front during the match"
done
DISPLAY=$first import -window root "$scratch/ann-match.png" 2>/dev/null || true
DISPLAY=$second import -window root "$scratch/ben-match.png" 2>/dev/null || true

# Ann leaves the match by New; Ben is told, and both lobbies stay open.
DISPLAY=$first click "$main_ann" mnuNewGame
waitfor '[ "$(visible "$pid_ann" "^VANTORELLE!$" | grep -vc "^$main_ann$")" -ge 1 ]' 50 || fail "Ann: New did not ask"
xdotool key Return
waitfor '[ "$(DISPLAY=$second visible "$pid_ben" "^VANTORELLE!$" | grep -vc "^$main_ben$")" -ge 1 ]' 100 \
  || fail "Ben was not told that Ann left"
on "$second" xdotool key Return
[ -n "$(visible "$pid_ann" "^VANTORELLE! LOBBY!$")" ] || fail "Ann's lobby closed"
[ -n "$(DISPLAY=$second visible "$pid_ben" "^VANTORELLE! LOBBY!$")" ] || fail "Ben's lobby closed"
if [ -n "${E2E_PICTURES:-}" ]; then cp "$scratch"/*.png "$E2E_PICTURES"/; fi
echo "a network match on two desktops: the lobbies stayed off the boards"
