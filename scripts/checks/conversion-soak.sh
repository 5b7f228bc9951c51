#!/usr/bin/env bash
# Soak: RUNS conversions one after another of a two-second file with the real
# encoder, each checked with ffprobe. Fails when any conversion goes wrong,
# when anything is left behind (reservations, slot locks, temporary files),
# or when the runs get slower: the fastest quarter of the last 40 runs above
# 1.1 x that of the first 40. (A run takes only about 100 ms; the median of a
# few runs wanders by 10 % with the load of the machine alone, while anything
# piling up from run to run slows even the fastest runs.)
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
: > "$work/times"
for i in $(seq 1 "$runs"); do
    start=$(now)
    "$program" mp3 "$work/music/source.wav" 2>/dev/null
    echo $(( ($(now) - start) / 1000000 )) >> "$work/times"
    out="$work/music/source.mp3"
    codec=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name -of csv=p=0 "$out" || true)
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

quartile() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+3)/4)]}'; }
first=$(head -n 40 "$work/times" | quartile)
last=$(tail -n 40 "$work/times" | quartile)
echo "soak: $runs conversions verified; fastest quarter of the first 40 ${first} ms, last 40 ${last} ms"
awk -v f="$first" -v l="$last" 'BEGIN { if (l > 1.1 * f) { print "soak: runs got slower"; exit 1 } }'
