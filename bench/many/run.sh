#!/usr/bin/env bash
# Many files at once: COUNT five-minute WAV files converted to MP3 by COUNT
# tonewright processes started together, once with the encoder limit (all
# processes share one runtime directory, as a user's processes do) and once
# without it (each process gets a runtime directory of its own, so none
# waits). Prints the wall-time ratio and the peak number of encoders that
# ran at the same moment in each run.
#
#   bench/many/run.sh [BUILD_DIR] [COUNT] [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
count=${2:-16}
seconds=${3:-300}
program="$build/bin/tonewright_test"
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }

work=$(mktemp -d)
# The program's servers answer at once on loopback, as in the start-up benchmark.
. "$top/bench/startup/loopback.sh"
trap 'stop_loopback_server; rm -rf "$work"' EXIT
start_loopback_server
mkdir -p "$work/wrap" "$work/config"

# An encoder wrapper that notes when each encoder starts and ends.
real=$(command -v ffmpeg)
cat > "$work/wrap/ffmpeg" <<WRAP
#!/bin/sh
echo "start \$(date +%s.%N)" >> "$work/events"
"$real" "\$@"
code=\$?
echo "end \$(date +%s.%N)" >> "$work/events"
exit \$code
WRAP
chmod +x "$work/wrap/ffmpeg"

ffmpeg -hide_banner -loglevel error -f lavfi -i "sine=frequency=330:duration=$seconds" \
    -ac 2 -ar 44100 "$work/source.wav"

peak() {
    sort -k2 -n "$work/events" | awk '$1=="start"{n++; if(n>m)m=n} $1=="end"{n--} END{print m+0}'
}

# run LABEL SHARED(1|0)
run() {
    local label=$1 shared=$2 dir i start end
    dir="$work/$label"
    mkdir -p "$dir/runtime"
    chmod 700 "$dir/runtime"
    : > "$work/events"
    for i in $(seq 1 "$count"); do
        mkdir -p "$dir/$i"
        ln -s "$work/source.wav" "$dir/$i/track.wav"
    done
    start=$(date +%s.%N)
    for i in $(seq 1 "$count"); do
        local runtime="$dir/runtime"
        if [ "$shared" = 0 ]; then
            runtime="$dir/runtime-$i"
            mkdir -p "$runtime" && chmod 700 "$runtime"
        fi
        PATH="$work/wrap:$PATH" QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
            XDG_RUNTIME_DIR="$runtime" "$program" mp3 "$dir/$i/track.wav" >/dev/null 2>&1 &
    done
    wait
    end=$(date +%s.%N)
    local made
    made=$(find "$dir" -name 'track.mp3' -size +0 | wc -l)
    [ "$made" -eq "$count" ] || { echo "$label: only $made of $count outputs" >&2; exit 1; }
    rm -f "$dir"/*/track.mp3
    echo "$(echo "$end - $start" | bc) $(peak)"
}

# Each way twice, alternating, keeping the faster run of each, so that
# neither side profits from going second.
read -r limited limited_peak < <(run limited-1 1)
read -r unlimited unlimited_peak < <(run unlimited-1 0)
read -r limited2 limited_peak2 < <(run limited-2 1)
read -r unlimited2 unlimited_peak2 < <(run unlimited-2 0)
faster() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b ? a : b) }'; }
larger() { echo $(( $1 > $2 ? $1 : $2 )); }
limited=$(faster "$limited" "$limited2")
unlimited=$(faster "$unlimited" "$unlimited2")
limited_peak=$(larger "$limited_peak" "$limited_peak2")
unlimited_peak=$(larger "$unlimited_peak" "$unlimited_peak2")
cores=$(nproc)
ratio=$(echo "scale=3; $limited / $unlimited" | bc)
echo "many files at once: $count x ${seconds}s WAV -> MP3 on $cores cores"
echo "  with the limit:    ${limited}s, peak encoders $limited_peak (target $cores)"
echo "  without the limit: ${unlimited}s, peak encoders $unlimited_peak"
echo "  wall-time ratio limited/unlimited: $ratio (target <= 1.05)"
