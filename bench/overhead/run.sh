#!/usr/bin/env bash
# What the window costs around the encoder: "tonewright mp3 ten-minute.wav"
# against the same encoder command run directly (median wall-time ratio,
# target at most 1.03), and the peak resident memory of the tonewright
# process itself, not its encoder (target at most 40 MB), beside the peak of
# a minimal Qt Widgets window program waiting on an encoder (the floor).
#
#   bench/overhead/run.sh [BUILD_DIR] [RUNS] [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-5}
seconds=${3:-600}
program="$build/bin/tonewright_test"
floor="$build/bench/startup/tw_bench_minimalconverter"
for file in "$program" "$floor"; do
    [ -x "$file" ] || { echo "build first: $file is missing" >&2; exit 1; }
done
ffmpeg=$(command -v ffmpeg)

work=$(mktemp -d)
# The program's servers answer at once on loopback, as in the start-up benchmark.
. "$top/bench/startup/loopback.sh"
trap 'stop_loopback_server; rm -rf "$work"' EXIT
start_loopback_server
mkdir -p "$work/config" "$work/music" "$work/direct"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"
"$ffmpeg" -v error -f lavfi -i "anoisesrc=d=$seconds:c=pink:r=44100:a=0.3:seed=7" -ac 2 \
    -y "$work/music/ten-minute.wav"

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
. "$top/bench/measure.sh"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }


: > "$work/program"
: > "$work/direct.ms"
for _ in $(seq "$runs"); do
    measure "$program" mp3 "$work/music/ten-minute.wav" >> "$work/program"
    [ -s "$work/music/ten-minute.mp3" ] || { echo "tonewright wrote no target" >&2; exit 1; }
    rm -f "$work/music/ten-minute.mp3"

    measure "$ffmpeg" -i "$work/music/ten-minute.wav" -y -b:a 128k -vn \
        "$work/direct/ten-minute.mp3" < /dev/null 2> /dev/null | cut -d' ' -f1 >> "$work/direct.ms"
    rm -f "$work/direct/ten-minute.mp3"
done
floor=$(measure "$floor" sleep 2)

program_ms=$(cut -d' ' -f1 < "$work/program" | median)
program_kb=$(cut -d' ' -f2 < "$work/program" | sort -n | tail -1)
direct_ms=$(median < "$work/direct.ms")
floor_kb=${floor#* }
echo "overhead: tonewright ${program_ms} ms, ffmpeg directly ${direct_ms} ms (median of $runs, ${seconds} s of audio)"
awk -v a="$program_ms" -v b="$direct_ms" 'BEGIN { printf "overhead wall-time ratio: %.3f (target <= 1.03)\n", a / b }'
awk -v p="$program_kb" -v f="$floor_kb" 'BEGIN {
    printf "peak RSS: tonewright %.1f MB (target <= 40), minimal Qt window %.1f MB, ratio %.2f\n",
           p / 1024, f / 1024, p / f }'
