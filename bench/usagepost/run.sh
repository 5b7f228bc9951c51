#!/usr/bin/env bash
# A whole run with its usage post delivered: tonewright converts the bundled
# three-second sample with an encoder that ends at once, both servers on
# loopback answering at once, against a floor program that does the same
# work (shows one window, starts the same encoder through QProcess, posts one
# form through QNetworkAccessManager to the same server, waits for its answer
# and quits). Prints the median wall times and their ratio (target: at most
# 1.3), and fails when a run of tonewright ended without its usage post.
#
#   bench/usagepost/run.sh [BUILD_DIR] [RUNS]   (41 runs unless told, as start-up)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-41}
program="$build/bin/tonewright_test"
floor="$build/bench/usagepost/tw_bench_postingconverter"
for file in "$program" "$floor"; do
    [ -x "$file" ] || { echo "build first: $file is missing" >&2; exit 1; }
done
. "$top/bench/startup/quickrun.sh"
cp "$top/samples/sample.flac" "$work/music/song.flac"

: > "$work/program.tenths"
: > "$work/floor.tenths"
for run in $(seq "$runs"); do
    start=$(now)
    PATH="$work/encoder:$PATH" "$program" mp3 "$work/music/song.flac"
    tenths "$start" >> "$work/program.tenths"
    [ -s "$work/music/song.mp3" ] || { echo "tonewright wrote no target" >&2; exit 1; }
    rm -f "$work/music/song.mp3"
    # The server prints a request before answering it: a delivered post is
    # there, after one of tonewright and the floor program's for every run before.
    [ "$(usage_posts)" -eq $((2 * run - 1)) ] ||
        { echo "run $run of tonewright ended without its usage post" >&2; exit 1; }
    start=$(now)
    "$floor" "http://127.0.0.1:$port/statistics/usage.php" "$work/encoder/ffmpeg" \
        -i "$work/music/song.flac" -y -b:a 128k -vn "$work/music/floor.mp3"
    tenths "$start" >> "$work/floor.tenths"
    rm -f "$work/music/floor.mp3"
done

program_ms=$(median < "$work/program.tenths")
floor_ms=$(median < "$work/floor.tenths")
awk -v a="$program_ms" -v b="$floor_ms" -v n="$runs" 'BEGIN {
    printf "usage post: tonewright %.1f ms, floor program %.1f ms (median of %d, post delivered in every run)\n",
        a / 10, b / 10, n
    printf "usage post ratio: %.2f (target <= 1.30)\n", a / b }'
