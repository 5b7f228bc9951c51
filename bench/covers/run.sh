#!/usr/bin/env bash
# What keeping the cover costs: "tonewright mp3" on a ten-minute FLAC that
# carries a 500 KB cover against the same run on the same audio without it.
# Prints the median wall times and their ratio (target: at most 1.02) and
# checks that only the first target holds the cover.
#
#   bench/covers/run.sh [BUILD_DIR] [RUNS] [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-5}
seconds=${3:-600}
program="$build/bin/tonewright"
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
ffmpeg=$(command -v ffmpeg)
ffprobe=$(command -v ffprobe)
ffmpeg_dir=$(dirname "$ffmpeg")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/with" "$work/without"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"
# Noise hardly compresses: 590 x 590 random pixels make a PNG of about 500 KB.
"$ffmpeg" -v error -f lavfi -i "nullsrc=s=590x590,format=rgb24,geq=r='random(1)*255':g='random(2)*255':b='random(3)*255'" \
    -frames:v 1 -y "$work/cover.png"
"$ffmpeg" -v error -f lavfi -i "anoisesrc=d=$seconds:c=pink:r=44100:a=0.3:seed=7" -ac 2 \
    -i "$work/cover.png" -map 0 -map 1 -c:v copy -disposition:v attached_pic \
    -y "$work/with/ten-minute.flac"
"$ffmpeg" -v error -i "$work/with/ten-minute.flac" -map 0:a -c copy -y "$work/without/ten-minute.flac"
cover_kb=$(( $(stat -c %s "$work/cover.png") / 1024 ))

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
now() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
pictures() { "$ffprobe" -v error -select_streams v -show_entries stream=index -of csv=p=0 "$1" | wc -l; }

: > "$work/with.ms"
: > "$work/without.ms"
for _ in $(seq "$runs"); do
    for side in with without; do
        start=$(now)
        PATH="$ffmpeg_dir" "$program" mp3 "$work/$side/ten-minute.flac"
        echo $(( ($(now) - start) / 1000000 )) >> "$work/$side.ms"
        target="$work/$side/ten-minute.mp3"
        [ -s "$target" ] || { echo "tonewright wrote no target" >&2; exit 1; }
        expected=1; [ "$side" = without ] && expected=0
        [ "$(pictures "$target")" -eq "$expected" ] ||
            { echo "the $side run kept the wrong number of covers" >&2; exit 1; }
        rm -f "$target"
    done
done

with_ms=$(median < "$work/with.ms")
without_ms=$(median < "$work/without.ms")
echo "covers: with the cover ${with_ms} ms, without ${without_ms} ms (median of $runs, ${seconds} s of audio, ${cover_kb} KB cover)"
awk -v a="$with_ms" -v b="$without_ms" 'BEGIN { printf "cover wall-time ratio: %.3f (target <= 1.02)\n", a / b }'
