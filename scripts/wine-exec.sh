#!/usr/bin/env bash
# Runs one Windows program in the Wine session's prefix (CTest's launcher).
source "$(dirname "$0")/wine-env.sh"
if [ ! -d "$WINEPREFIX" ]; then
  echo "wine-exec: Wine session \"$WINE_SESSION\" has no slot $WINE_SLOT: start it with scripts/wine-session.sh start" >&2
  exit 1
fi
wine "$@"
status=$?
# A program that ends before it prints anything leaves only this line to tell what happened.
[ "$status" = 0 ] || echo "wine-exec: ${1##*/} ended with exit code $status (slot $WINE_SLOT)" >&2
exit "$status"
