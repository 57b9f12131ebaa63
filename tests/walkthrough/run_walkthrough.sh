#!/usr/bin/env bash
# run_walkthrough.sh <wine-env.sh> <run_in_fresh_prefix.sh> <program> [arguments...]
# Runs the walk-through in a fresh prefix on the harness's display, beside a helper that gives it
# real X input: the test puts xdotool's words into the file "request" of the folder WALKTHROUGH_INPUT
# names; the helper runs them on the display and removes the file.
set -u
wine_env=$1
source "$wine_env"
fresh_prefix=$2
shift 2
input=$(mktemp -d "$WINE_DIR/walkthrough-input.XXXXXX")
(
  while kill -0 $$ 2>/dev/null; do
    if [ -f "$input/request" ]; then
      # shellcheck disable=SC2046  # the request is xdotool's words
      xdotool $(cat "$input/request") >>"$input/xdotool.log" 2>&1
      rm -f "$input/request"
    fi
    sleep 0.02
  done
) &
helper=$!
trap 'kill $helper 2>/dev/null; rm -rf "$input"' EXIT
export WALKTHROUGH_INPUT="Z:${input//\//\\}"
bash "$fresh_prefix" "$wine_env" "$@"
