#!/usr/bin/env bash
# Runs one Windows program under the build's private Wine prefix (CTest's launcher).
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
