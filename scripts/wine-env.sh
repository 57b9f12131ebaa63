# Sourced by the Wine scripts: a private 32-bit prefix and HOME inside the build folder, pinned locale.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
export WINE_DIR="$BUILD_DIR/wine"
export WINEARCH=win32
export WINEPREFIX="$WINE_DIR/prefix"
export HOME="$WINE_DIR/home"
export XDG_CACHE_HOME="$HOME/.cache" XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts: nothing here needs them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ -z "${DISPLAY:-}" ] && [ -f "$WINE_DIR/display" ]; then
  DISPLAY=$(cat "$WINE_DIR/display"); export DISPLAY
fi
