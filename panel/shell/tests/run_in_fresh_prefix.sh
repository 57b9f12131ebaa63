#!/usr/bin/env bash
# run_in_fresh_prefix.sh <wine-env.sh> <program> [arguments...]
# Runs a Windows program in a fresh copy of the booted test prefix, on the harness's display, with a
# Documents folder of its own: what the panel and the setup program write stays in this run.
set -u
source "$1"
shift
work=$(mktemp -d "$WINE_DIR/panel-run.XXXXXX")
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
# A copy of the booted prefix, which nothing runs in: a running slot's prefix may be caught while its
# wineserver writes the registry.
cp -a "$WINE_TEMPLATE" "$work/prefix"
# Unmanaged windows, as in the slots: without a window manager Wine waits in DestroyWindow for them.
printf '\n[Software\\\\Wine\\\\X11 Driver] 0\n"Managed"="N"\n' >>"$work/prefix/user.reg"
mkdir -p "$work/documents"
for link in "$work"/prefix/drive_c/users/*/Documents; do
  [ -L "$link" ] && ln -sfn "$work/documents" "$link"
done
export WINEPREFIX="$work/prefix"
wine_reporting_failure "$@" </dev/null
