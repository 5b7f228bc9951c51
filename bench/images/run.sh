#!/usr/bin/env bash
# An album image cut into its tracks against the same image converted whole,
# both by the program without a display: a MINUTES-minute FLAC image with a
# cue sheet of TRACKS tracks. Prints, the better of RUNS alternating runs:
#   - the wall time of the tracks to MP3 over the whole image to MP3 (the
#     tracks run side by side in the encoder slots);
#   - the processor time of the tracks to FLAC over the whole image to FLAC;
#   - the decoder alone: the processor time of decoding every track's span
#     as the program asks for it (seek, then cut to the sample) over one
#     decode of the whole image, as the encoder's -benchmark counts it (its
#     own start-up, the same for any file, left out), decoding on one thread
#     so that what is counted is the decoding, not the threads' hand-overs.
#
#   bench/images/run.sh [BUILD_DIR] [MINUTES] [TRACKS] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
minutes=${2:-10}
tracks=${3:-10}
runs=${4:-3}
program="$build/bin/tonewright"
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/album" "$work/whole"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\nreplaygain=off\n' \
    > "$work/config/Tonewright.conf"

seconds=$((minutes * 60))
ffmpeg -hide_banner -loglevel error -f lavfi -i "anoisesrc=d=$seconds:c=pink:r=44100:a=0.3" \
    -ac 2 -sample_fmt s16 "$work/album/image.flac"
# The whole image is converted from a folder of its own: beside its sheet
# it would be cut.
ln "$work/album/image.flac" "$work/whole/image.flac"
{
    echo 'TITLE "Bench"'
    echo 'FILE "image.flac" WAVE'
    for i in $(seq 1 "$tracks"); do
        # Each track starts on an odd frame, as real sheets do.
        at=$(( (i - 1) * seconds / tracks ))
        printf '  TRACK %02d AUDIO\n    TITLE "Track %d"\n    INDEX 01 %02d:%02d:%02d\n' \
            "$i" "$i" $((at / 60)) $((at % 60)) $(( i == 1 ? 0 : 37 ))
    done
} > "$work/album/Album.cue"

# Wall milliseconds and processor milliseconds (children included) of a command.
timed() {
    /usr/bin/time -o "$work/time" -f '%e %U %S' "$@" >/dev/null 2>&1
    awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$work/time"
}
clear() { rm -f "$work/album"/*.mp3 "$work/album"/*.flac.* "$work/whole"/*.mp3; \
          find "$work/album" "$work/whole" -name '*.flac' ! -name image.flac -delete; }
check() {
    local made
    made=$(find "$1" -name "*.$2" ! -name image.flac | wc -l)
    [ "$made" -eq "$3" ] || { echo "$1: $made of $3 outputs" >&2; exit 1; }
}

# The decoder alone, as the program asks for each track: the seek to the
# hundredth of a second before the track, then the cut to its sample.
decode_tracks() {
    local i start end secs skip
    for i in $(seq 1 "$tracks"); do
        start=$(( (i - 1) * seconds / tracks * 44100 + (i == 1 ? 0 : 37 * 588) ))
        end=$(( i * seconds / tracks * 44100 + 37 * 588 ))
        steps=$((start / 441)); skip=$((start - steps * 441))
        secs=$(printf '%d.%02d' $((steps / 100)) $((steps % 100)))
        if [ "$i" -eq "$tracks" ]; then trim="atrim=start_sample=$skip"
        else trim="atrim=start_sample=$skip:end_sample=$((skip + end - start))"; fi
        ffmpeg -nostdin -benchmark -threads 1 -ss "$secs" -i "$work/album/image.flac" -af "$trim" -f null - 2>&1
    done | decoder_ms
}
decode_whole() { ffmpeg -nostdin -benchmark -threads 1 -i "$work/album/image.flac" -f null - 2>&1 | decoder_ms; }
# The processor milliseconds of the encoder's "bench: utime=…s stime=…s" lines, summed.
decoder_ms() {
    awk -F'[= s]+' '/^bench: utime/ { t += $3 + $5 } END { printf "%d\n", t * 1000 }'
}

best() { [ -z "$1" ] || [ "$2" -lt "$1" ] && echo "$2" || echo "$1"; }
mp3_split="" mp3_whole="" flac_split="" flac_whole=""
for _ in $(seq "$runs"); do
    read -r wall _ < <(timed "$program" --each mp3 "$work/album/Album.cue")
    check "$work/album" mp3 "$tracks"; mp3_split=$(best "$mp3_split" "$wall")
    read -r wall _ < <(timed "$program" mp3 "$work/whole/image.flac")
    check "$work/whole" mp3 1; mp3_whole=$(best "$mp3_whole" "$wall")
    read -r _ cpu < <(timed "$program" --each fla "$work/album/Album.cue")
    check "$work/album" flac "$tracks"; flac_split=$(best "$flac_split" "$cpu")
    read -r _ cpu < <(timed "$program" fla "$work/whole/image.flac")
    flac_whole=$(best "$flac_whole" "$cpu")
    clear
done

# Decoding is short and its figures spread: pairs run side by side, the
# median of their ratios.
for _ in $(seq 9); do
    echo "$(decode_tracks) $(decode_whole)"
done > "$work/decoding"
read -r dec_split dec_whole dec_ratio < <(awk '{ printf "%d %d %.3f\n", $1, $2, $1 / $2 }' \
    "$work/decoding" | sort -n -k3,3 | sed -n 5p)

awk -v m="$minutes" -v n="$tracks" -v c="$(nproc)" -v ms="$mp3_split" -v mw="$mp3_whole" \
    -v fs="$flac_split" -v fw="$flac_whole" -v ds="$dec_split" -v dw="$dec_whole" \
    -v dr="$dec_ratio" 'BEGIN {
    printf "a %d-minute FLAC image in %d tracks on %d cores (best of the runs)\n", m, n, c
    printf "  to MP3: tracks %d ms, whole %d ms, ratio %.3f (wall)\n", ms, mw, ms / mw
    printf "  to FLAC: tracks %d ms, whole %d ms, ratio %.3f (processor)\n", fs, fw, fs / fw
    printf "  decoding: every span %d ms, the whole image %d ms (a middle pair); median ratio of 9 pairs %.3f (processor)\n", ds, dw, dr
}'
