#!/usr/bin/env bash
# run_in_fresh_prefix.sh <wine-env.sh> <program> [arguments...]
# Runs a Windows program in a fresh copy of the booted test prefix, on the harness's display, with a
# Documents folder of its own: what the panel and the setup program write stays in this run.
set -u
source "$1"
shift
use_fresh_prefix panel-run
# Unmanaged windows, as in the slots: without a window manager Wine waits in DestroyWindow for them.
printf '\n[Software\\\\Wine\\\\X11 Driver] 0\n"Managed"="N"\n' >>"$work/prefix/user.reg"
mkdir -p "$work/documents"
for link in "$work"/prefix/drive_c/users/*/Documents; do
  [ -L "$link" ] && ln -sfn "$work/documents" "$link"
done
wine_reporting_failure "$@" </dev/null
