#!/usr/bin/env bash
# A desktop without a session bus (an X session without one, ssh -X): RUNS
# conversions one after another of a one-second file with the real encoder
# under a display of its own, each of which must end within a minute and
# leave a non-empty MP3. There D-Bus starts its own bus on first use
# (autolaunch) and reads its helper's answer to the end; an encoder that
# took that pipe along with it would hold the program up for good.
#
#   scripts/checks/desktop-without-bus.sh BUILD_DIR [RUNS]
# The suite runs 80 (the hang came within the first few runs); 200 by hand.
set -euo pipefail
build=${1:?build directory}
runs=${2:-80}
program="$build/bin/tonewright"
[ -x "$program" ] || { echo "missing $program" >&2; exit 1; }
for tool in Xvfb dbus-launch ffmpeg timeout; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work=$(mktemp -d)
xserver=""
# The bus that autolaunch started for our display, as dbus-launch records it
# under HOME; it would outlive the display otherwise.
stop_bus() {
    local pid
    for record in "$work"/home/.dbus/session-bus/*; do
        [ -f "$record" ] || continue
        pid=$(sed -n 's/^DBUS_SESSION_BUS_PID=//p' "$record")
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
}
cleanup() {
    stop_bus
    if [ -n "$xserver" ]; then
        kill "$xserver" 2>/dev/null || true
        wait "$xserver" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config" "$work/home" "$work/music" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"
ffmpeg -hide_banner -loglevel error -f lavfi -i "sine=frequency=440:duration=1" -ac 2 \
    -c:a tta "$work/music/f.tta"

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xserver=$!
for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    kill -0 "$xserver" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb gave no display" >&2; exit 1; }

# No bus address and an empty runtime folder: no bus to be found.
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM WAYLAND_DISPLAY XAUTHORITY
export DISPLAY=":$(head -n 1 "$work/display")" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
out="$work/music/f.mp3"
for i in $(seq 1 "$runs"); do
    status=0
    timeout -k 5 60 "$program" mp3 "$work/music/f.tta" 2>"$work/stderr" || status=$?
    if [ "$status" -ne 0 ] || [ ! -s "$out" ]; then
        [ "$status" -eq 124 ] || [ "$status" -eq 137 ] && echo "run $i: still running after 60 s" >&2
        echo "run $i: status $status, output $(stat -c %s "$out" 2>/dev/null || echo missing)" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
    rm -f "$out"
done
echo "desktop without a bus: $runs conversions ended, each with its MP3"
