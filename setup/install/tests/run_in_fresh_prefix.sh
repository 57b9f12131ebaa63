#!/usr/bin/env bash
# run_in_fresh_prefix.sh <wine-env.sh> <program> [arguments...]
# Runs a Windows program in a fresh copy of the booted test prefix with Wine's null graphics
# driver, so that what the program installs never reaches the shared prefix.
set -u
source "$1"
shift
use_fresh_prefix fresh
printf '\n[Software\\\\Wine\\\\Drivers] 0\n"Graphics"="null"\n' >>"$work/prefix/user.reg"
unset DISPLAY
wine_reporting_failure "$@" </dev/null
