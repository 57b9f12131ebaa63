#!/usr/bin/env bash
# start [slots]: starts the caller's Wine session, named by WINE_SESSION ("default" when unset).
#     Boots the build's prefix once, then gives each slot a copy of it, a HOME, an Xvfb display and
#     a persistent wineserver. The slots default to slot 0, for the tests without a display of their
#     own, and one per display CTest hands out to the tests (test-displays.json in the test build).
#     With USE_OWN_DISPLAY=1 and DISPLAY set, one slot runs on that display instead. A session that
#     is already running is left as it is. The session's file "ready" tells that it has started.
# stop: ends that session only (its Wine processes, its displays, its prefix copies), so that a
#     `make run` and a `make test` on one build folder never end each other.
# stop-all: ends every session of the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
sessions="$WINE_DIR/sessions"
session="$sessions/$WINE_SESSION"

# Our own Xvfb only: its pid is recorded when it starts, and checked before it is signalled.
kill_xvfb() {
  local pid
  pid=$(cat "$1/xvfb.pid" 2>/dev/null) || return 0
  [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] && kill "$pid" 2>/dev/null || true
}

stop_session() {
  local dir=$1 slot
  for slot in "$dir"/slot*; do
    [ -d "$slot/prefix" ] || continue
    WINEPREFIX="$slot/prefix" wineserver -k 2>/dev/null || true
    WINEPREFIX="$slot/prefix" wineserver -w 2>/dev/null || true
  done
  for slot in "$dir"/slot*; do kill_xvfb "$slot"; done
  rm -rf "$dir"
}

# Sessions whose starter is gone (killed before it could stop them).
stop_abandoned_sessions() {
  local dir owner
  for dir in "$sessions"/*; do
    owner=$(cat "$dir/owner" 2>/dev/null) || continue
    kill -0 "$owner" 2>/dev/null || stop_session "$dir"
  done
}

start_xvfb() {
  local slot=$1
  # Xvfb takes the first free display number itself and reports it once it accepts connections.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$slot/display.number" \
    >"$slot/xvfb.log" 2>&1 </dev/null &
  echo $! >"$slot/xvfb.pid"
  for _ in $(seq 100); do
    grep -q . "$slot/display.number" 2>/dev/null && break
    sleep 0.1
  done
  if ! grep -q . "$slot/display.number" || ! kill -0 "$(cat "$slot/xvfb.pid")" 2>/dev/null; then
    echo "wine-session: Xvfb did not start" >&2
    return 1
  fi
  echo ":$(cat "$slot/display.number")" >"$slot/display"
}

boot_template() {
  exec 8>"$WINE_DIR/boot.lock"
  flock 8
  if [ ! -f "$WINE_TEMPLATE/.template-booted" ]; then
    echo "wine-session: booting the build's Wine prefix (once) ..."
    rm -rf "$WINE_TEMPLATE"
    (
      export WINEPREFIX="$WINE_TEMPLATE"
      wine_home "$WINE_DIR/home"
      mkdir -p "$HOME"
      wineboot -i >"$WINE_DIR/wineboot.log" 2>&1 8>&- || true
      wineserver -w 8>&-
    ) && touch "$WINE_TEMPLATE/.template-booted"
  fi
  exec 8>&-
  [ -f "$WINE_TEMPLATE/.template-booted" ]
}

# The slot's copy of the booted prefix, its user folders led to the slot's HOME, its wineserver and
# the prefix's own services. Starting the services here, with their output to a file, also keeps
# them from inheriting a test runner's output pipe and holding it open after the test ends.
start_wine() {
  local slot=$1 link managed=Y
  cp -a "$WINE_TEMPLATE" "$slot/prefix" || return 1
  mkdir -p "$slot/home"
  for link in "$slot"/prefix/drive_c/users/*/*; do
    if [ -L "$link" ]; then ln -sfn "$slot/home" "$link"; fi
  done
  # Under Xvfb there is no window manager, and Wine then waits seconds in DestroyWindow for a
  # managed window that was active; windows stay unmanaged there, managed on a user's display.
  [ -f "$slot/xvfb.pid" ] && managed=N
  (
    WINE_SLOT=${slot##*/slot}
    source "$here/wine-env.sh"
    wineserver -p >"$slot/wineserver.log" 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f \
      >>"$slot/wineserver.log" 2>&1 </dev/null
  )
}

start_session() {
  local slots=$1 n pids=() failed=0
  mkdir -p "$session"
  echo "$PPID" >"$session/owner"
  for n in $(seq 0 $((slots - 1))); do
    mkdir -p "$session/slot$n"
    if [ "${USE_OWN_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
      echo "$DISPLAY" >"$session/slot$n/display"
    else
      start_xvfb "$session/slot$n" || return 1
    fi
  done
  DISPLAY=$(cat "$session/slot0/display") boot_template || return 1
  for n in $(seq 0 $((slots - 1))); do
    start_wine "$session/slot$n" &
    pids+=($!)
  done
  for n in "${pids[@]}"; do wait "$n" || failed=1; done
  [ "$failed" = 0 ] || echo "wine-session: Wine did not start" >&2
  return "$failed"
}

test_slots() {
  local count
  count=$(grep -o '"id"' "$TEST_BUILD_DIR/test-displays.json" 2>/dev/null | wc -l || true)
  echo $((count + 1))
}

case "${1:-}" in
  start)
    mkdir -p "$sessions"
    stop_abandoned_sessions
    [ -f "$session/owner" ] && exit 0
    slots=${2:-$(test_slots)}
    [ "${USE_OWN_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ] && slots=1
    if ! start_session "$slots"; then
      tail -n 20 "$session"/slot*/*.log >&2 2>/dev/null || true
      stop_session "$session"
      exit 1
    fi
    # Wine run in a slot before its prefix is copied would make a prefix of its own there.
    touch "$session/ready"
    ;;
  stop)
    stop_session "$session"
    ;;
  stop-all)
    for dir in "$sessions"/*; do [ -d "$dir" ] && stop_session "$dir"; done
    ;;
  *)
    echo "usage: wine-session.sh start [slots] | stop | stop-all" >&2
    exit 2
    ;;
esac
