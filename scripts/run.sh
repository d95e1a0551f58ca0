#!/usr/bin/env bash
# Installs what is missing, builds, and runs one of the programs: adverbs (default) or Russian.
# Extra arguments go to the program. TEXTBOOK_DISPLAY=1024x768 runs it in a window of that size.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-adverbs}
"$PWD/scripts/install-deps.sh"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target "$program"
case "$program" in
    adverbs) exec build/adverbs/adverbs ;;
    Russian) exec build/russian/Russian ;;
    *) echo "usage: scripts/run.sh [adverbs|Russian]" >&2; exit 2 ;;
esac
