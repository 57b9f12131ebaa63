#!/usr/bin/env bash
# demo-control.sh <command...>: sends a command to the demo panel that `make run` started and prints
# its answer. Unix paths among the arguments (starting with /) are handed over as Windows paths.
#   plug DEVICE | unplug DEVICE     DEVICE: keyboard, mouse, mousepad, headset, k27
#   wirelog DEVICE FILE             the device's wire log (not the first headset's)
#   calllog control|config FILE     a stand-in audio library's call log
#   control NAME                    a control's rectangle, visibility, selection, value, text
#   window                          the main window's visibility and rectangle
#   threads                         each worker thread's CPU time
#   memory                          the private bytes
#   screenshot FILE                 a PNG of the main window
# WINE_SESSION names the demo's Wine session; by default the newest one that `make run` started.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINE_SESSION:-}" ]; then
  source "$here/wine-env.sh"
  newest=$(ls -td "$WINE_DIR"/sessions/run-* 2>/dev/null | head -n 1)
  if [ -z "$newest" ]; then
    echo "demo-control: no demo panel runs (start it with make run)" >&2
    exit 1
  fi
  export WINE_SESSION=${newest##*/}
fi
source "$here/wine-env.sh"
# Wine started in a session that is still starting would make a prefix of its own in its slot.
if [ ! -f "$WINE_DIR/sessions/$WINE_SESSION/ready" ]; then
  echo "demo-control: the demo panel's Wine session $WINE_SESSION is still starting or has ended" >&2
  exit 1
fi
args=()
for arg in "$@"; do
  case "$arg" in
    /*) args+=("$(winepath -w "$arg" 2>/dev/null)") ;;
    *) args+=("$arg") ;;
  esac
done
exec wine "$TEST_BUILD_DIR/demo/demo_control.exe" "${args[@]}"
