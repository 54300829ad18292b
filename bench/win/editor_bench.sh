#!/bin/bash
# Runs the editor benchmark of the 64-bit Windows build under Wine and Xvfb.
# FOLDER gets the six word tables (made first when missing) and the editor
# itself, which works in its own folder.
#
#   bench/win/editor_bench.sh [FOLDER] [editor_bench ARGUMENT]...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_bench.sh"
dir=${1:-/tmp/vd-editor-tables}
shift || true
bench_word_tables "$dir"
cmake --build "$bench_root/build/win64" --target editor_bench
# A link, not a copy: the program with its debugging data is large.
ln -f "$bench_root/build/win64/apps/dravonel/Dravonel.exe" "$dir/Dravonel.exe"
bench_run_x64 "$dir" "$bench_root/build/win64/bench/win/editor_bench.exe" "$@"
