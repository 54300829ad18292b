#!/bin/bash
# Runs the editor benchmark of the 64-bit Windows build under Wine and Xvfb.
# The folder gets the six word tables (made with the native build's
# make_word_tables when DEUENG.DBF is missing there) and the editor itself,
# which works in its own folder.
#
#   bench/win/editor_bench.sh [FOLDER] [editor_bench ARGUMENT]...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dir=${1:-/tmp/vd-editor-tables}
shift || true
mkdir -p "$dir"
if [ ! -f "$dir/DEUENG.DBF" ]; then
  cmake --build "$root/build/native" --target make_word_tables
  "$root/build/native/tools/word_tables/make_word_tables" --out "$dir"
fi
cmake --build "$root/build/win64" --target editor_bench
# A link, not a copy: the program with its debugging data is large.
ln -f "$root/build/win64/apps/dravonel/Dravonel.exe" "$dir/Dravonel.exe"
export VD_WINE_ARCH=x64 VD_WINEPREFIX=$root/build/win64/wineprefix WINEPREFIX=$root/build/win64/wineprefix
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c '
  trap "wineserver -k 2>/dev/null; wineserver -w 2>/dev/null" EXIT
  "$0"/tools/wine-prefix || exit 1
  windir=$(winepath -w "$1" 2>/dev/null || echo "$1")
  "$0"/tools/wine-run x64 "$0"/build/win64/bench/win/editor_bench.exe --exe "$windir\\Dravonel.exe" --dir "$windir" "${@:2}"
' "$root" "$dir" "$@"
