# Sourced by the Wine scripts: a private prefix and HOME inside the test build's folder, pinned
# locale. The tests run in the width scripts/test-arch.sh names: a 32-bit prefix for i686 builds
# (the release build folder itself), a 64-bit one for the x86_64 test build in its sub-folder x64.
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
export WINEPREFIX="$WINE_DIR/prefix"
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
export HOME="$WINE_DIR/home"
export XDG_CACHE_HOME="$HOME/.cache" XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts: nothing here needs them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ -z "${DISPLAY:-}" ] && [ -f "$WINE_DIR/display" ]; then
  DISPLAY=$(cat "$WINE_DIR/display"); export DISPLAY
fi
