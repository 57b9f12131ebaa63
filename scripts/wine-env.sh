# Sourced by the Wine scripts: a private prefix and HOME inside the test build's folder, pinned
# locale. The tests run in the width scripts/test-arch.sh names: a 32-bit prefix for i686 builds
# (the release build folder itself), a 64-bit one for the x86_64 test build in its sub-folder x64.
#
# The prefix booted once ($WINE_TEMPLATE) is never run in. Each Wine session (wine-session.sh) runs
# in copies of it under $WINE_DIR/sessions/$WINE_SESSION: slots, each with its own HOME, X display
# and wineserver. A test that CTest gave display n (resource "displays") runs alone in slot n + 1;
# everything else runs in slot 0, so that no window, broadcast or activation of another test
# reaches a test that shows windows.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
TEST_ARCH=$("$root/scripts/test-arch.sh"); export TEST_ARCH
if [ "$TEST_ARCH" = x86_64 ]; then
  export TEST_BUILD_DIR="$BUILD_DIR/x64"
  export WINEARCH=win64
else
  export TEST_BUILD_DIR="$BUILD_DIR"
  export WINEARCH=win32
fi
export WINE_DIR="$TEST_BUILD_DIR/wine"
export WINE_TEMPLATE="$WINE_DIR/prefix"
export WINE_SESSION=${WINE_SESSION:-default}
WINE_SLOT=${WINE_SLOT:-0}
if [ "${CTEST_RESOURCE_GROUP_0:-}" = displays ]; then
  WINE_SLOT=${CTEST_RESOURCE_GROUP_0_DISPLAYS#id:}
  WINE_SLOT=$((${WINE_SLOT%%,*} + 1))
fi
export WINE_SLOT_DIR="$WINE_DIR/sessions/$WINE_SESSION/slot$WINE_SLOT"
export WINEPREFIX="$WINE_SLOT_DIR/prefix"
if [ "$TEST_ARCH" = x86_64 ]; then
  # `wine` (and wineboot, which calls wine-stable) must start Wine's 64-bit loader: the packaged
  # script prefers the 32-bit one whenever it is installed.
  mkdir -p "$WINE_DIR/bin"
  for name in wine wine-stable; do
    [ -x "$WINE_DIR/bin/$name" ] || printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$WINE_DIR/bin/$name"
    chmod +x "$WINE_DIR/bin/$name"
  done
  case ":$PATH:" in *":$WINE_DIR/bin:"*) ;; *) export PATH="$WINE_DIR/bin:$PATH" ;; esac
  export WINELOADER=/usr/lib/wine/wine64
fi
# Runs `wine "$@"`; a program that fails says its exit code, as one that ends before it prints
# anything leaves only this line to tell what happened.
wine_reporting_failure() {
  wine "$@"
  local status=$?
  [ "$status" = 0 ] || echo "${0##*/}: ${1##*/} ended with exit code $status (slot $WINE_SLOT)" >&2
  return "$status"
}
# One run in a prefix of its own, in a new folder `work` under $WINE_DIR named after $1 and removed,
# its wineserver ended, when the calling script exits. The prefix is a copy of the booted one, which
# nothing runs in: a running slot's prefix may be caught while its wineserver writes the registry.
use_fresh_prefix() {
  work=$(mktemp -d "$WINE_DIR/$1.XXXXXX")
  trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
  cp -a "$WINE_TEMPLATE" "$work/prefix"
  export WINEPREFIX="$work/prefix"
}
# Wine leads the prefix's Documents and other user folders to HOME.
wine_home() {
  export HOME=$1 XDG_CACHE_HOME=$1/.cache XDG_CONFIG_HOME=$1/.config XDG_DATA_HOME=$1/.local/share
}
wine_home "$WINE_SLOT_DIR/home"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts and no desktop menu entries: nothing here needs them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Every Wine process of a slot must use the slot's display, the one its desktop runs on.
if [ -f "$WINE_SLOT_DIR/display" ]; then
  DISPLAY=$(cat "$WINE_SLOT_DIR/display"); export DISPLAY
fi
