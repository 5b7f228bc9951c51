#!/usr/bin/env bash
# Start-up cost: a whole tonewright run whose encoder ends at once, against a
# minimal Qt Widgets program that shows one window, starts the same encoder
# through QProcess, waits for it and quits. Prints the median wall times and
# their ratio (target: at most 1.5).
#
#   bench/startup/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-15}
program="$build/bin/tonewright"
floor="$build/bench/startup/tw_bench_minimalconverter"
offline="$build/bin/tonewright_test" # no servers without TW_TEST_SERVER
for file in "$program" "$floor" "$offline"; do
    [ -x "$file" ] || { echo "build first: $file is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/encoder" "$work/config" "$work/music"
# An encoder that writes a byte to its target and ends with 0 at once.
cat > "$work/encoder/ffmpeg" <<'ENC'
#!/bin/sh
for OUT in "$@"; do :; done
printf x > "$OUT"
ENC
chmod +x "$work/encoder/ffmpeg"
# Its prober, which also ends at once: like the encoder's work, the prober's
# own start is the outside program's cost, not the window's.
printf '#!/bin/sh\n' > "$work/encoder/ffprobe"
chmod +x "$work/encoder/ffprobe"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"
printf 'RIFF' > "$work/music/song.wav"

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
now() { date +%s%N; }
# Times are kept in tenths of a millisecond: a whole run takes only a few tens.
tenths() { echo $(( ($(now) - $1) / 100000 )); }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

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
    PATH="$work/encoder:$PATH" "$offline" mp3 "$work/music/song.wav"
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
