#!/usr/bin/env bash
# Starts the demo panel under Wine, in a Wine session of its own. With DISPLAY set it runs on that
# display until the panel ends; otherwise it runs under Xvfb, saves a screenshot of its window and
# runs on for RUN_SECONDS (default 20).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINE_SESSION="run-$$"
source "$here/wine-env.sh"
screenshot="$BUILD_DIR/screenshot.png"

# A display of this build's own Xvfb (from a shell that sourced wine-env.sh) is no user's display.
own_display=0
if [ -n "${DISPLAY:-}" ]; then
  own_display=1
  for pid_file in "$WINE_DIR"/sessions/*/slot*/xvfb.pid; do
    [ "$(cat "${pid_file%/*}/display" 2>/dev/null)" = "$DISPLAY" ] && own_display=0
  done
fi
USE_OWN_DISPLAY=$own_display "$here/wine-session.sh" start 1 || exit 1
trap '"$here/wine-session.sh" stop' EXIT
source "$here/wine-env.sh"

# The demo folder holds the panel built with the simulated devices and stand-in libraries.
folder="$TEST_BUILD_DIR/demo"
[ -f "$folder/Marvane.exe" ] || folder="$TEST_BUILD_DIR/dist"
echo "Starting $folder/Marvane.exe under Wine (display $DISPLAY)"
cd "$folder" && wine ./Marvane.exe "$@" &
panel=$!

if [ "$own_display" = 1 ]; then
  wait "$panel"
  exit 0
fi

# The detection threads' first pass brings the window forward (a device was found); the screenshot
# is that window, once it shows with the keyboard's tab.
shown() {
  "$here/demo-control.sh" window 2>/dev/null | grep -q '^visible=1' &&
    "$here/demo-control.sh" control kb_tab 2>/dev/null | grep -q '^visible=1'
}
came_up=0
for _ in $(seq 120); do
  shown && came_up=1 && break
  sleep 0.5
done
[ "$came_up" = 1 ] || echo "The panel's window did not show with the keyboard's tab within 60 s."
sleep "${SCREENSHOT_AFTER:-2}"
rm -f "$screenshot"
if "$here/demo-control.sh" screenshot "$screenshot" >/dev/null && [ -s "$screenshot" ]; then
  echo "Screenshot saved: $screenshot"
else
  echo "No screenshot could be taken: the demo panel's control channel did not answer (see scripts/demo-control.sh)."
fi
echo "The panel runs for ${RUN_SECONDS:-20} s; meanwhile scripts/demo-control.sh sends it commands (see README)."
sleep "${RUN_SECONDS:-20}"
