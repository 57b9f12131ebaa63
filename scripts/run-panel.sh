#!/usr/bin/env bash
# Starts the panel under Wine, in a Wine session of its own. With DISPLAY set it runs on that
# display until the panel ends; otherwise it runs under Xvfb for RUN_SECONDS (default 20) and saves
# a screenshot.
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

sleep "${SCREENSHOT_AFTER:-8}"
# A second start wakes the running panel as a user's second start would: it shows its window, or
# the "no device" box when nothing is connected. That is what the screenshot shows.
(cd "$folder" && wine ./Marvane.exe "$@")
sleep 2
import -window root -display "$DISPLAY" "$screenshot" 2>/dev/null && echo "Screenshot saved: $screenshot"
sleep "$(( ${RUN_SECONDS:-20} > ${SCREENSHOT_AFTER:-8} ? ${RUN_SECONDS:-20} - ${SCREENSHOT_AFTER:-8} : 0 ))"
