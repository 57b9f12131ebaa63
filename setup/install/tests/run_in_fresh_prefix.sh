#!/usr/bin/env bash
# run_in_fresh_prefix.sh <wine-env.sh> <program> [arguments...]
# Runs a Windows program in a fresh copy of the booted test prefix with Wine's null graphics
# driver, so that what the program installs never reaches the shared prefix.
set -u
source "$1"
shift
work=$(mktemp -d "$WINE_DIR/fresh.XXXXXX")
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
# A copy of the booted prefix, which nothing runs in: a running slot's prefix may be caught while its
# wineserver writes the registry.
cp -a "$WINE_TEMPLATE" "$work/prefix"
printf '\n[Software\\\\Wine\\\\Drivers] 0\n"Graphics"="null"\n' >>"$work/prefix/user.reg"
export WINEPREFIX="$work/prefix"
unset DISPLAY
wine_reporting_failure "$@" </dev/null
