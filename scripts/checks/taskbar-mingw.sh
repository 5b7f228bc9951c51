#!/usr/bin/env bash
# Builds the Windows taskbar backend with mingw-w64, which the Linux build
# never compiles: the COM part is compiled warning-free into a small Windows
# program (tests/taskbar/taskbarcom_wine.cpp) that runs it in a window under
# wine; the Qt adapter and the portable sources are syntax-checked for
# Windows against the host's Qt headers.
# Usage: taskbar-mingw.sh [build-dir]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
out="$build/taskbar-mingw"
src="$top/taskbar"
cxx=x86_64-w64-mingw32-g++
. "$top/scripts/checks/windows.bash"

mingw_ready || exit 1
mkdir -p "$out"
flags=(-std=c++17 -Wall -Wextra -Wpedantic -Werror
       -DWIN32_LEAN_AND_MEAN -DNOMINMAX -DUNICODE -D_UNICODE -I"$src")

"$cxx" "${flags[@]}" -c "$src/taskbarcom.cpp" -o "$out/taskbarcom.o"

# A real top-level window drives the COM backend under wine; the program
# prints one line per case that passed.
"$cxx" "${flags[@]}" -O2 -static "$out/taskbarcom.o" "$top/tests/taskbar/taskbarcom_wine.cpp" \
    -o "$out/taskbarcom_wine.exe" -lole32 -luuid

qt=""
for dir in /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6; do
    [ -f "$dir/QtCore/QObject" ] && { qt=$dir; break; }
done
if [ -n "$qt" ]; then
    # The host's Qt headers are not built for Windows, so their own export
    # attributes draw warnings; only this project's code is held to -Werror.
    qtflags=(-fsyntax-only -Wno-attributes -DQT_NO_CAST_FROM_ASCII -DQT_NO_CONTEXTLESS_CONNECT
             -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets")
    for file in taskbarwindows.cpp taskbarbutton.cpp taskbarprogressbar.cpp taskbarbackend.cpp; do
        "$cxx" "${flags[@]}" "${qtflags[@]}" "$src/$file"
    done
else
    echo "taskbar-mingw: no Qt headers found; skipped the syntax check of the Qt adapter"
fi
wine_setup "$build" || exit 1
# Only the program's own lines; wine's complaints about the display going
# away at the end are kept in a log.
wine_windowed "$out/taskbarcom_wine.exe" 2>"$out/wine.log" | tr -d '\r'

