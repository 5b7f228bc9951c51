#!/usr/bin/env bash
# Start-up cost: a whole tonewright run whose encoder ends at once, with both
# servers on loopback answering at once, against a minimal Qt Widgets program
# that shows one window, starts the same encoder through QProcess, waits for
# it and quits. Prints the median wall times and their ratio (target: at
# most 1.5).
#
#   bench/startup/run.sh [BUILD_DIR] [RUNS]   (41 runs unless told: a run
#   takes a few tens of milliseconds, and fewer leave the median noisy)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-41}
program="$build/bin/tonewright_test"
floor="$build/bench/startup/tw_bench_minimalconverter"
for file in "$program" "$floor"; do
    [ -x "$file" ] || { echo "build first: $file is missing" >&2; exit 1; }
done

. "$top/bench/startup/quickrun.sh"
printf 'RIFF' > "$work/music/song.wav"

: > "$work/program.tenths"
: > "$work/floor.tenths"
: > "$work/offline.tenths"
for _ in $(seq "$runs"); do
    start=$(now)
    PATH="$work/encoder:$PATH" "$program" mp3 "$work/music/song.wav"
    tenths "$start" >> "$work/program.tenths"
    [ -s "$work/music/song.mp3" ] || { echo "tonewright wrote no target" >&2; exit 1; }
    rm -f "$work/music/song.mp3"

    start=$(now)
    # The same program without servers.
    PATH="$work/encoder:$PATH" env -u TW_TEST_SERVER "$program" mp3 "$work/music/song.wav"
    tenths "$start" >> "$work/offline.tenths"
    rm -f "$work/music/song.mp3"

    start=$(now)
    "$floor" "$work/encoder/ffmpeg" -i "$work/music/song.wav" -y -b:a 128k -vn "$work/music/floor.mp3"
    tenths "$start" >> "$work/floor.tenths"
    rm -f "$work/music/floor.mp3"
done

program_ms=$(median < "$work/program.tenths")
floor_ms=$(median < "$work/floor.tenths")
offline_ms=$(median < "$work/offline.tenths")
awk -v a="$program_ms" -v o="$offline_ms" -v b="$floor_ms" -v n="$runs" 'BEGIN {
    printf "startup: tonewright %.1f ms, without servers %.1f ms, minimal Qt program %.1f ms (median of %d)\n",
        a / 10, o / 10, b / 10, n
    printf "startup ratio: %.2f (target <= 1.50); without servers %.2f\n", a / b, o / b }'
