#!/usr/bin/env bash
# Cross-compiles the Windows encoder-slot locks (plain C++, no Qt) with
# mingw-w64 and runs them under wine as several processes at once.
# Usage: slots-mingw.sh [build dir]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
out="$build/slots-mingw"
cxx=x86_64-w64-mingw32-g++
. "$top/scripts/checks/windows.bash"

mingw_ready || exit 1
mkdir -p "$out"
"$cxx" -std=c++17 -O2 -static -municode -Wall -Wextra -Wpedantic -Werror \
    -DWIN32_LEAN_AND_MEAN -DNOMINMAX -DUNICODE -D_UNICODE -I"$top/conversion" \
    "$top/conversion/slotlock_windows.cpp" "$top/tests/conversion/slotlock_wine.cpp" \
    -o "$out/slotlock_wine.exe"

wine_setup "$build" || exit 1
wine_run "$out/slotlock_wine.exe" | tr -d '\r'
