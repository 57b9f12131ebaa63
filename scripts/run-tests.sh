#!/usr/bin/env bash
# Runs every test under Wine, in a Wine session of its own, and ends with CTest's summary.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINE_SESSION="test-$$"
source "$here/wine-env.sh"
"$here/wine-session.sh" start || exit 1
trap '"$here/wine-session.sh" stop' EXIT
cd "$TEST_BUILD_DIR" && ctest --output-on-failure -j "${TEST_JOBS:-$(nproc)}" "$@"
