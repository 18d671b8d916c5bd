#!/usr/bin/env bash
# Runs a command on the virtual display with a window manager (openbox), so
# that stacking, focus and minimising are what a player's desktop does.
#   with-wm.sh COMMAND [ARGS...]     (run under xvfb-run)
set -uo pipefail
command -v openbox > /dev/null || { echo "openbox is needed (scripts/install-deps installs it)"; exit 1; }
openbox --sm-disable > /dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; wait $wm 2>/dev/null' EXIT
# The window manager is up once it has named itself on the root window.
for ((i = 0; i < 100; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { echo "no window manager came up"; exit 1; }
"$@"
