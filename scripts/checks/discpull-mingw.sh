#!/usr/bin/env bash
# Cross-compiles discpull.exe with mingw-w64, and beside it the same program
# on the simulated drive, writing through the Windows backend; runs both under
# wine and compares them with the Linux build in <build dir> (which must be
# built). Prints one line per case that passed. Usage: discpull-mingw.sh <build dir>
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
out="$build/discpull-mingw"
mkdir -p "$out"
. "$top/scripts/checks/windows.bash"

compiler=x86_64-w64-mingw32-g++
mingw_ready || exit 1
linux_discpull="$build/bin/discpull"
linux_sim="$build/tests/discpull/discpull_sim"
for program in "$linux_discpull" "$linux_sim"; do
    [ -x "$program" ] || { echo "discpull-mingw: $program is not built"; exit 1; }
done

src="$top/discpull"
x86_64-w64-mingw32-windres -I"$src" "$src/discpull.rc" -O coff -o "$out/discpull-res.o"
version=$(sed -n 's/^project(Tonewright VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
flags=(-std=c++17 -O2 -static -Wall -Wextra -Wpedantic -Werror
       -DWIN32_LEAN_AND_MEAN -DNOMINMAX -DDISCPULL_VERSION="\"${version:-unknown}\"" -I"$src")
core=("$src/bytebuffer.cpp" "$src/waveheader.cpp" "$src/cdplatform.cpp" "$src/cddrive.cpp"
      "$src/entrypoint.cpp" "$src/cdplatform_windows.cpp")
"$compiler" "${flags[@]}" "${core[@]}" "$src/main.cpp" "$out/discpull-res.o" -o "$out/discpull.exe"
"$compiler" "${flags[@]}" "${core[@]}" "$src/simulatedplatform.cpp" \
    "$top/tests/discpull/discpull_sim_main.cpp" -o "$out/discpull_sim.exe"
echo "discpull-mingw: built discpull.exe and discpull_sim.exe"

wine_setup "$build" || exit 1
cd "$out"
status=0
fail() {
    echo "discpull-mingw: $*"
    status=1
}
# Runs a program; its output without carriage returns lands in $2.out, and
# its exit code in $2.code.
capture() { # <program> <name> <args...>
    local program=$1 name=$2 code=0
    shift 2
    case "$program" in
    *.exe) wine_run "$program" "$@" >"$name.raw" 2>/dev/null || code=$? ;;
    *) "$program" "$@" >"$name.raw" 2>/dev/null || code=$? ;;
    esac
    tr -d '\r' <"$name.raw" >"$name.out"
    echo "$code" >"$name.code"
}
same_as_linux() { # <case name> <windows program> <linux program> <args...>
    local what=$1 windows=$2 linux=$3
    shift 3
    capture "$windows" windows "$@"
    capture "$linux" linux "$@"
    if cmp -s windows.out linux.out && cmp -s windows.code linux.code; then
        echo "$(basename "$windows"): $what as on Linux under wine (exit $(cat windows.code))"
    else
        fail "$(basename "$windows") $*: got '$(cat windows.out)' ($(cat windows.code)), Linux '$(cat linux.out)' ($(cat linux.code))"
    fi
}

# The real program: what needs no drive. "#" names drive "\\.\#:", which
# cannot exist.
same_as_linux "no arguments" ./discpull.exe "$linux_discpull"
same_as_linux "--version" ./discpull.exe "$linux_discpull" --version
capture ./discpull.exe windows "#"
if [ "$(cat windows.out)" = "Error: 11" ] && [ "$(cat windows.code)" = 11 ]; then
    echo "discpull.exe: missing drive gives exit 11 under wine"
else
    fail "discpull.exe #: got '$(cat windows.out)' ($(cat windows.code)), want 'Error: 11' (11)"
fi
# The usage text differs from Linux only in how a drive is named.
capture ./discpull.exe windows --help
capture "$linux_discpull" linux --help
if [ "$(cat windows.code)" = 0 ] && cmp -s <(head -n 7 windows.out) <(head -n 7 linux.out); then
    echo "discpull.exe: --help as on Linux under wine"
else
    fail "discpull.exe --help: got '$(cat windows.out)' ($(cat windows.code))"
fi

# The simulated drive: every byte value in every position of a sector, so a
# file written in text mode (0x0A to 0x0D 0x0A, 0x1A) cannot pass.
printf 'tracks 300 75\npattern ramp\n' >ramp.disc
printf 'tracks 300\npattern ramp\nwrite-limit 100000\n' >full.disc
same_as_linux "no arguments" ./discpull_sim.exe "$linux_sim"
same_as_linux "--help" ./discpull_sim.exe "$linux_sim" --help
same_as_linux "--version" ./discpull_sim.exe "$linux_sim" --version
same_as_linux "missing drive" ./discpull_sim.exe "$linux_sim" no-such.disc
same_as_linux "track list" ./discpull_sim.exe "$linux_sim" ramp.disc
same_as_linux "write failure" ./discpull_sim.exe "$linux_sim" full.disc 0 full.wav
rm -f windows.wav linux.wav
capture ./discpull_sim.exe windows ramp.disc 0 windows.wav
capture "$linux_sim" linux ramp.disc 0 linux.wav
if [ "$(cat windows.code)" = 0 ] && [ "$(cat linux.code)" = 0 ] &&
    [ "$(stat -c %s linux.wav)" = $((44 + 300 * 2352)) ] && cmp -s windows.wav linux.wav; then
    echo "discpull.exe: simulated extraction byte-identical under wine"
else
    fail "simulated extraction: the WAV written under wine differs from the Linux build's"
fi
exit $status
