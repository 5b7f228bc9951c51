#!/usr/bin/env bash
# Soak: RUNS conversions one after another of a two-second file with the real
# encoder, each checked with ffprobe. Fails when any conversion goes wrong or
# when anything is left behind (reservations, slot locks, temporary files).
#
# It also prints whether a run's time held up: each run is timed against
# the same encoder command run on its own right after it, and the median of
# those ratios over the last 40 runs is set against that of the first 40
# (target: at most 1.1). The side-by-side control cancels the machine's own
# drift, which moves whole minutes by more than 10 %. The figure is a
# benchmark's (bench/run lists it), not a verdict of this check.
#
#   scripts/checks/conversion-soak.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-200}
program="$build/bin/tonewright"
[ -x "$program" ] || { echo "missing $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/music" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"
ffmpeg -hide_banner -loglevel error -f lavfi -i "sine=frequency=500:duration=2" -ac 2 "$work/music/source.wav"

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp"
now() { date +%s%N; }
: > "$work/ratios"
for i in $(seq 1 "$runs"); do
    start=$(now)
    "$program" mp3 "$work/music/source.wav" 2>/dev/null
    program_us=$(( ($(now) - start) / 1000 ))
    start=$(now)
    ffmpeg -hide_banner -loglevel error -i "$work/music/source.wav" -y -b:a 128k "$work/control.mp3"
    control_us=$(( ($(now) - start) / 1000 ))
    echo "$program_us $control_us" | awk '{ print $1 / $2 }' >> "$work/ratios"
    out="$work/music/source.mp3"
    # The first line only: a stream with ReplayGain values also prints them as side data.
    codec=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name -of default=nw=1:nk=1 "$out" | head -n 1 || true)
    duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$out" || echo 0)
    if [ "$codec" != mp3 ] || ! awk -v d="$duration" 'BEGIN { exit !(d > 1.9 && d < 2.2) }'; then
        echo "run $i: bad output (codec '$codec', duration '$duration')" >&2
        exit 1
    fi
    rm -f "$out"
    left=$(find "$work/music" "$work/runtime" "$work/tmp" -type f ! -name source.wav | wc -l)
    if [ "$left" -ne 0 ]; then
        echo "run $i: left behind:" >&2
        find "$work/music" "$work/runtime" "$work/tmp" -type f ! -name source.wav >&2
        exit 1
    fi
done

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
first=$(head -n 40 "$work/ratios" | median)
last=$(tail -n 40 "$work/ratios" | median)
echo "soak: $runs conversions verified, nothing left behind; time against the plain encoder: first 40 runs ${first}, last 40 ${last}"
awk -v f="$first" -v l="$last" 'BEGIN { printf "soak ratio: %.2f (target <= 1.10)\n", l / f }'
