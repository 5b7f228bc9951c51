#!/usr/bin/env bash
# What measuring the loudness costs: a four-minute song, FLAC to MP3 with
# the conversion's arguments and the meter reading the encoder's output,
# against the same without measuring (median wall-time ratio, target at most
# 1.10) and against plain "ffmpeg -i song.flac song.mp3" (target at most
# 1.12). The three run in turn, so that the machine's load falls on each alike.
#
#   bench/loudness/run.sh [BUILD_DIR] [RUNS] [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-5}
seconds=${3:-240}
program="$build/bench/loudness/tw_bench_loudness"
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
ffmpeg=$(command -v ffmpeg)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$top/bench/measure.sh" # now()
# A song-like signal: pink noise under a slow swell and two tones, so that
# the blocks' loudness varies and the encoder works at its full rate.
"$ffmpeg" -v error -f lavfi -i "anoisesrc=d=$seconds:c=pink:r=44100:a=0.25:seed=7" \
    -f lavfi -i "sine=f=220:d=$seconds:r=44100" -f lavfi -i "sine=f=330:d=$seconds:r=44100" \
    -filter_complex "[0]volume='0.6+0.4*sin(t/7)':eval=frame[n];[n][1][2]amix=3,pan=stereo|c0=c0|c1=c0" \
    -c:a flac -y "$work/song.flac"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# Runs a command, its output into $work/out, and appends "<wall ms> <cpu ms>"
# to the file named first. The processor time (user and system, the encoder
# included) says what measuring costs even on a machine busy with others.
timed() {
    local into=$1 start wall
    shift
    start=$(now)
    ( "$@" > "$work/out"; times ) > "$work/times"
    wall=$(( ($(now) - start) / 1000000 ))
    tail -n 1 "$work/times" | tr 'ms' '  ' |
        awk -v wall="$wall" '{ printf "%d %d\n", wall, ($1 * 60 + $2 + $3 * 60 + $4) * 1000 }' >> "$into"
}
: > "$work/on"; : > "$work/off"; : > "$work/plain"
for _ in $(seq "$runs"); do
    timed "$work/on" "$program" "$ffmpeg" "$work/song.flac" "$work/on.mp3" on
    grep REPLAYGAIN "$work/out" > "$work/tags" || { echo "the measured run gave no gain" >&2; exit 1; }
    timed "$work/off" "$program" "$ffmpeg" "$work/song.flac" "$work/off.mp3" off
    timed "$work/plain" "$ffmpeg" -v error -i "$work/song.flac" -b:a 128k -y "$work/plain.mp3"
done

for side in on off plain; do
    eval "${side}_wall=\$(cut -d' ' -f1 < \"\$work/\$side\" | median)"
    eval "${side}_cpu=\$(cut -d' ' -f2 < \"\$work/\$side\" | median)"
done
echo "loudness: measured ${on_wall} ms (cpu ${on_cpu}), not measured ${off_wall} ms (cpu ${off_cpu})," \
     "plain ffmpeg ${plain_wall} ms (cpu ${plain_cpu}); median of $runs, ${seconds} s FLAC to MP3;" \
     "$(tr '\n' ' ' < "$work/tags")"
ratio() { awk -v a="$2" -v b="$3" -v t="$4" -v what="$1" 'BEGIN { printf "%s: %.3f (target <= %s)\n", what, a / b, t }'; }
ratio "measuring wall-time ratio" "$on_wall" "$off_wall" 1.10
ratio "measuring processor-time ratio" "$on_cpu" "$off_cpu" 1.10
ratio "against plain ffmpeg, wall time" "$on_wall" "$plain_wall" 1.12
ratio "against plain ffmpeg, processor time" "$on_cpu" "$plain_cpu" 1.12
