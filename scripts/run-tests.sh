#!/usr/bin/env bash
# Runs every test under Wine and ends with CTest's summary.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
"$here/wine-session.sh" start || exit 1
trap '"$here/wine-session.sh" stop' EXIT
source "$here/wine-env.sh"
cd "$TEST_BUILD_DIR" && ctest --output-on-failure -j "${TEST_JOBS:-$(nproc)}" "$@"
