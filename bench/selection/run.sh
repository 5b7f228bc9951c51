#!/usr/bin/env bash
# A selection in one window against the plain encoder: COUNT WAV files of
# SECONDS each converted to MP3 by "tonewright --each mp3", and by
# "xargs -P <cores> -n 1" running the same encoder command per file. Prints
# the wall-time ratio tonewright/xargs (the better of RUNS alternating runs
# each) and tonewright's peak resident memory. GAIN is the loudness setting:
# off (the default), or album, where the plain command gets the ebur128
# filter a person would add to learn the loudness too.
#
#   bench/selection/run.sh [BUILD_DIR] [COUNT] [SECONDS] [RUNS] [GAIN]
#   bench/selection/run.sh build 16 240    # sixteen four-minute files
#   bench/selection/run.sh build 300 2     # three hundred two-second files
#   bench/selection/run.sh build 16 240 3 album
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
count=${2:-300}
seconds=${3:-2}
runs=${4:-3}
gain=${5:-off}
program="$build/bin/tonewright_test"
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }

work=$(mktemp -d)
# The program's servers answer at once on loopback: every file's usage post
# is part of what a selection costs.
. "$top/bench/startup/loopback.sh"
trap 'stop_loopback_server; rm -rf "$work"' EXIT
start_loopback_server
mkdir -p "$work/config" "$work/music"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\nreplaygain=%s\n' "$gain" \
    > "$work/config/Tonewright.conf"
meter=""
[ "$gain" = off ] || meter="-af ebur128=peak=true"

ffmpeg -hide_banner -loglevel error -f lavfi -i "sine=frequency=330:duration=$seconds" \
    -ac 2 -ar 44100 "$work/source.wav"
for i in $(seq -w 1 "$count"); do
    ln -s "$work/source.wav" "$work/music/track$i.wav"
done
cores=$(nproc)

. "$top/bench/measure.sh"

# Both sides leave COUNT MP3 files, which go before the next run.
check_and_clear() {
    local made
    made=$(find "$work/music" -name '*.mp3' -size +0 | wc -l)
    [ "$made" -eq "$count" ] || { echo "$1: $made of $count outputs" >&2; exit 1; }
    rm -f "$work/music"/*.mp3
}

# The encoder command that tonewright gives each file, less its input guards.
plain() {
    printf '%s\0' "$work"/music/*.wav | xargs -0 -P "$cores" -n 1 sh -c \
        'exec ffmpeg -nostdin -i "$1" -y -b:a 128k $0 -map 0:a:0 -vn -f mp3 "${1%.wav}.mp3" 2>/dev/null' "$meter"
}

best_program=""
best_plain=""
peak=0
for _ in $(seq "$runs"); do
    read -r ms kb < <(measure "$program" --each mp3 "$work"/music/*.wav)
    check_and_clear tonewright
    [ -z "$best_program" ] || [ "$ms" -lt "$best_program" ] && best_program=$ms
    [ "$kb" -gt "$peak" ] && peak=$kb
    read -r ms _ < <(measure plain)
    check_and_clear xargs
    [ -z "$best_plain" ] || [ "$ms" -lt "$best_plain" ] && best_plain=$ms
done

awk -v n="$count" -v s="$seconds" -v c="$cores" -v t="$best_program" -v p="$best_plain" \
    -v kb="$peak" -v posts="$(usage_posts)" -v g="$gain" 'BEGIN {
    printf "selection of %d x %ds WAV -> MP3 on %d cores, replaygain=%s (best of the runs)\n", n, s, c, g
    printf "  tonewright --each: %d ms, xargs -P %d: %d ms, ratio %.3f\n", t, c, p, t / p
    printf "  tonewright peak RSS %.1f MB; usage posts delivered %d\n", kb / 1024, posts
}'
