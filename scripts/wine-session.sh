#!/usr/bin/env bash
# start: boots the private prefix once, starts Xvfb (unless told to use a given DISPLAY) and one
#        persistent wineserver for the run.
# stop:  stops the wineserver of the prefix (and every Wine process in it) and our Xvfb.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
mkdir -p "$WINE_DIR" "$HOME"

start_xvfb() {
  local n pid
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$WINE_DIR/xvfb.log" 2>&1 &
    pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      echo "$pid" >"$WINE_DIR/xvfb.pid"
      echo ":$n" >"$WINE_DIR/display"
      return 0
    fi
  done
  echo "wine-session: no free display for Xvfb" >&2
  return 1
}

case "${1:-}" in
  start)
    if [ "${USE_OWN_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
      rm -f "$WINE_DIR/display"
    elif [ ! -f "$WINE_DIR/xvfb.pid" ] || ! kill -0 "$(cat "$WINE_DIR/xvfb.pid")" 2>/dev/null; then
      unset DISPLAY
      start_xvfb
    fi
    # Every Wine process from here on, the prefix's desktop among them, must see that display.
    [ -f "$WINE_DIR/display" ] && DISPLAY=$(cat "$WINE_DIR/display") && export DISPLAY
    if [ ! -f "$WINEPREFIX/.booted" ]; then
      echo "wine-session: booting a private Wine prefix (once) ..."
      wineboot -i >"$WINE_DIR/wineboot.log" 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.booted"
    fi
    # Fails harmlessly when a server for this prefix is already running.
    wineserver -p >"$WINE_DIR/wineserver.log" 2>&1 || true
    # Starting the prefix's own services here, with their output to a file, also keeps them from
    # inheriting a test runner's output pipe and holding it open after the test ends.
    # Under Xvfb there is no window manager, and Wine then waits seconds in DestroyWindow for a
    # managed window that was active; windows stay unmanaged there. On a user's display they are
    # managed as usual.
    if [ -f "$WINE_DIR/display" ]; then
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$WINE_DIR/wineserver.log" 2>&1 </dev/null || true
    else
      wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >>"$WINE_DIR/wineserver.log" 2>&1 </dev/null || true
    fi
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    if [ -f "$WINE_DIR/xvfb.pid" ]; then
      kill "$(cat "$WINE_DIR/xvfb.pid")" 2>/dev/null || true
      rm -f "$WINE_DIR/xvfb.pid" "$WINE_DIR/display"
    fi
    ;;
  *)
    echo "usage: wine-session.sh start|stop" >&2
    exit 2
    ;;
esac
