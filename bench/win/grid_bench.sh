#!/bin/bash
# Runs the grid benchmark of the 64-bit Windows build under Wine and Xvfb
# over the word tables in FOLDER (made first when missing).
#
#   bench/win/grid_bench.sh [FOLDER] [grid_bench ARGUMENT]...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_bench.sh"
dir=${1:-/tmp/vd-word-tables}
shift || true
bench_word_tables "$dir"
cmake --build "$bench_root/build/win64" --target grid_bench
bench_run_x64 "$dir" "$bench_root/build/win64/bench/win/grid_bench.exe" "$@"
