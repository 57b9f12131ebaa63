#!/usr/bin/env bash
# Starts the panel under Wine. With DISPLAY set it runs on that display until the panel ends;
# otherwise it runs under Xvfb for RUN_SECONDS (default 20) and saves a screenshot.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
screenshot="$BUILD_DIR/screenshot.png"

own_display=0
[ -n "${DISPLAY:-}" ] && [ ! -f "$WINE_DIR/display" ] && own_display=1
USE_OWN_DISPLAY=$own_display "$here/wine-session.sh" start || exit 1
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
