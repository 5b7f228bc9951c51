#!/usr/bin/env bash
# Cross-compiles discpull.exe with mingw-w64 (the Windows device backend must
# keep building) and, where wine is installed, runs it for the cases that
# need no drive. Usage: discpull-mingw.sh <build dir>
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
out="$build/discpull-mingw"
mkdir -p "$out"

compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null; then
    echo "discpull-mingw: $compiler is not installed (package g++-mingw-w64-x86-64)"
    exit 1
fi

src="$top/discpull"
x86_64-w64-mingw32-windres -I"$src" "$src/discpull.rc" -O coff -o "$out/discpull-res.o"
version=$(sed -n 's/^project(Tonewright VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
"$compiler" -std=c++17 -O2 -static -Wall -Wextra -Wpedantic -Werror \
    -DWIN32_LEAN_AND_MEAN -DNOMINMAX -DDISCPULL_VERSION="\"${version:-unknown}\"" \
    -I"$src" \
    "$src/bytebuffer.cpp" "$src/waveheader.cpp" "$src/cdplatform.cpp" "$src/cddrive.cpp" \
    "$src/entrypoint.cpp" "$src/cdplatform_windows.cpp" "$src/main.cpp" "$out/discpull-res.o" \
    -o "$out/discpull.exe"
echo "discpull-mingw: built $out/discpull.exe"

wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ]; then
    echo "discpull-mingw: wine is not installed; skipping the run"
    exit 0
fi

export WINEPREFIX="$out/wineprefix" WINEDEBUG=-all
status=0
expect() { # <expected output> <expected exit code> <args...>
    local want_out=$1 want_code=$2 got_out got_code=0
    shift 2
    "$wine" "$out/discpull.exe" "$@" >"$out/stdout" 2>/dev/null || got_code=$?
    got_out=$(tr -d '\r' <"$out/stdout")
    if [ "$got_out" != "$want_out" ] || [ "$got_code" != "$want_code" ]; then
        echo "discpull-mingw: discpull.exe $*: got '$got_out' ($got_code), want '$want_out' ($want_code)"
        status=1
    fi
}
expect "Error: 10" 10
# "#" names drive "\\.\#:", which cannot exist.
expect "Error: 11" 11 "#"
[ $status -eq 0 ] && echo "discpull-mingw: discpull.exe runs under wine"
exit $status
