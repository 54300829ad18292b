#!/bin/bash
# Runs the grid benchmark of the 64-bit Windows build under Wine and Xvfb.
# The word tables are made in the folder first when DEUENG.DBF is missing
# there (with the native build's make_word_tables).
#
#   bench/win/grid_bench.sh [FOLDER] [grid_bench ARGUMENT]...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dir=${1:-/tmp/vd-word-tables}
shift || true
mkdir -p "$dir"
if [ ! -f "$dir/DEUENG.DBF" ]; then
  cmake --build "$root/build/native" --target make_word_tables
  "$root/build/native/tools/word_tables/make_word_tables" --out "$dir"
fi
cmake --build "$root/build/win64" --target grid_bench
export VD_WINE_ARCH=x64 VD_WINEPREFIX=$root/build/win64/wineprefix WINEPREFIX=$root/build/win64/wineprefix
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c '
  trap "wineserver -k 2>/dev/null; wineserver -w 2>/dev/null" EXIT
  "$0"/tools/wine-prefix || exit 1
  "$0"/tools/wine-run x64 "$0"/build/win64/bench/win/grid_bench.exe --dir "$(winepath -w "$1" 2>/dev/null || echo "$1")" "${@:2}"
' "$root" "$dir" "$@"
