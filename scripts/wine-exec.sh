#!/usr/bin/env bash
# Runs one Windows program in the Wine session's prefix (CTest's launcher).
source "$(dirname "$0")/wine-env.sh"
if [ ! -d "$WINEPREFIX" ]; then
  echo "wine-exec: Wine session \"$WINE_SESSION\" has no slot $WINE_SLOT: start it with scripts/wine-session.sh start" >&2
  exit 1
fi
wine_reporting_failure "$@"
