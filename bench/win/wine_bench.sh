# What the Windows benchmarks' scripts share (sourced, not run): the six
# word tables in a folder, made with the native build's make_word_tables
# when DEUENG.DBF is missing there, and a benchmark of the 64-bit build run
# under Wine in the build's prefix, in the tests' Xvfb session, with --dir
# naming the folder in Windows form.
#
#   bench_word_tables FOLDER
#   bench_run_x64 FOLDER PROGRAM.exe [ARGUMENT]...
bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

bench_word_tables() {
  mkdir -p "$1"
  if [ ! -f "$1/DEUENG.DBF" ]; then
    cmake --build "$bench_root/build/native" --target make_word_tables
    "$bench_root/build/native/tools/word_tables/make_word_tables" --out "$1"
  fi
}

bench_run_x64() {
  export VD_WINE_ARCH=x64 VD_WINEPREFIX=$bench_root/build/win64/wineprefix WINEPREFIX=$bench_root/build/win64/wineprefix
  "$bench_root/tools/headless" bash -c '
    trap "wineserver -k 2>/dev/null; wineserver -w 2>/dev/null" EXIT
    "$0"/tools/wine-prefix || exit 1
    "$0"/tools/wine-run x64 "$2" --dir "$(winepath -w "$1" 2>/dev/null || echo "$1")" "${@:3}"
  ' "$bench_root" "$@"
}
