#!/usr/bin/env bash
# Refreshes the README's tour pictures (docs/tour) from the page screenshots that the walk-through
# test (demo_walkthrough, part of `make test`) left in the test build's artefacts folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
from="$TEST_BUILD_DIR/artefacts/walkthrough"
to="$here/../docs/tour"
shopt -s nullglob
pages=("$from"/page_*.png)
if [ ${#pages[@]} -ne 16 ]; then
  echo "refresh-tour: expected the 16 page screenshots in $from; run make test first" >&2
  exit 1
fi
mkdir -p "$to"
for page in "${pages[@]}"; do
  convert "$page" -resize 60% -strip "$to/${page##*/}"
done
echo "refresh-tour: ${#pages[@]} pictures in docs/tour"
