#!/usr/bin/env bash
# A folder's mirror through the real program, without a display:
#  1. the first run over COUNT two-second WAVs in COUNT/10 folders to MP3,
#     against "find | xargs -P <cores>" running the same encoder command into
#     the same tree (best of RUNS alternating runs each; target ratio <= 1.10);
#  2. after 5 sources edited, 3 deleted and 2 added: the encoder starts
#     (counted by a wrapper first on PATH) and the files trashed;
#  3. an unchanged run over FILES files (MP3s, which the mirror copies, so
#     that the first run needs no encoder) beside "rsync -an" of the same tree.
#
#   bench/mirror/run.sh [BUILD_DIR] [COUNT] [RUNS] [FILES]
#
# With ON=exfat (as root) the first run's mirror and the plain tree both lie
# on an exFAT image mounted through FUSE on a loop device, as a stick is.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
count=${2:-300}
runs=${3:-3}
files=${4:-10000}
program="$build/bin/tonewright"
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }

work=$(mktemp -d)
stick=""
loop=""
unmount() {
    [ -z "$stick" ] || fusermount -u "$stick" 2>/dev/null || umount "$stick" 2>/dev/null || true
    [ -z "$loop" ] || losetup -d "$loop" 2>/dev/null || true
}
trap 'unmount; rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data" "$work/music" "$work/bin"
out="$work"
if [ "${ON:-}" = exfat ]; then
    truncate -s 256M "$work/stick.img"
    mkfs.exfat "$work/stick.img" >/dev/null
    loop=$(losetup -f --show "$work/stick.img")
    stick="$work/stick"
    mkdir -p "$stick"
    mount.exfat-fuse "$loop" "$stick" >/dev/null
    grep -q " $stick " /proc/self/mounts || { echo "the exFAT image did not mount" >&2; exit 1; }
    out="$stick"
fi
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"
cores=$(nproc)
. "$top/bench/measure.sh"

ffmpeg -hide_banner -loglevel error -f lavfi -i "sine=frequency=330:duration=2" \
    -ac 2 -ar 44100 "$work/source.wav"
for i in $(seq 0 $((count - 1))); do
    folder="$work/music/Album $((i / 10))"
    mkdir -p "$folder"
    cp "$work/source.wav" "$folder/track $i.wav"
done

# The encoder command tonewright gives each file, less its input guards.
plain() {
    (cd "$work/music" && find . -name '*.wav' -print0) | xargs -0 -P "$cores" -n 1 sh -c '
        out="$0/${2%.wav}.mp3"; mkdir -p "${out%/*}"
        exec ffmpeg -nostdin -i "$1/$2" -y -b:a 128k -map 0:a:0 -vn -f mp3 "$out" 2>/dev/null' \
        "$out/plain" "$work/music"
}
check() {
    local made
    made=$(find "$1" -name '*.mp3' -size +0 | wc -l)
    [ "$made" -eq "$count" ] || { echo "$1: $made of $count outputs" >&2; exit 1; }
}

best_program=""
best_plain=""
for _ in $(seq "$runs"); do
    rm -rf "$out/mirror"
    read -r ms _ < <(measure "$program" mp3 "$work/music" --into="$out/mirror" 2>/dev/null)
    check "$out/mirror"
    [ -z "$best_program" ] || [ "$ms" -lt "$best_program" ] && best_program=$ms
    rm -rf "$out/plain"
    read -r ms _ < <(measure plain)
    check "$out/plain"
    [ -z "$best_plain" ] || [ "$ms" -lt "$best_plain" ] && best_plain=$ms
done
awk -v n="$count" -v c="$cores" -v t="$best_program" -v p="$best_plain" -v on="${ON:-local disk}" 'BEGIN {
    printf "first run of %d x 2 s WAV in %d folders -> MP3 on %d cores onto %s (best of the runs)\n", n, n / 10, c, on
    printf "  tonewright FOLDER: %d ms, find | xargs -P %d: %d ms, ratio %.3f\n", t, c, p, t / p
}'
# The rest measures the program's own bookkeeping, on the local disk.
[ -z "$stick" ] || exit 0

# Edits: the encoder is counted by a wrapper the program finds on PATH.
real_encoder=$(command -v ffmpeg)
printf '#!/bin/sh\necho start >> "%s"\nexec "%s" "$@"\n' "$work/starts" "$real_encoder" \
    > "$work/bin/ffmpeg"
chmod +x "$work/bin/ffmpeg"
for i in 0 11 22 33 44; do
    ffmpeg -hide_banner -loglevel error -f lavfi -i "sine=frequency=440:duration=3" \
        -ac 2 -ar 44100 -y "$work/music/Album $((i / 10))/track $i.wav"
done
rm "$work/music/Album 5/track 55.wav" "$work/music/Album 6/track 66.wav" \
    "$work/music/Album 7/track 77.wav"
cp "$work/source.wav" "$work/music/Album 8/new 1.wav"
cp "$work/source.wav" "$work/music/Album 9/new 2.wav"
sentence=$(PATH="$work/bin:$PATH" "$program" mp3 "$work/music" --into="$work/mirror" 2>&1 |
           grep 'is up to date')
echo "after 5 edited, 3 deleted, 2 added:"
echo "  encoder starts: $(wc -l < "$work/starts"), files in the trash:" \
     "$(find "$work/data/Trash/files" -type f | wc -l)"
echo "  $sentence"

# Unchanged, over FILES files.
rm -rf "$work/music" "$work/mirror" "$work/plain" "$work/data/Trash"
for i in $(seq 0 $((files - 1))); do
    [ $((i % 10)) -eq 0 ] && mkdir -p "$work/many/Artist $((i / 100))/Album $((i / 10 % 10))"
    echo "$i" > "$work/many/Artist $((i / 100))/Album $((i / 10 % 10))/$((i % 10)) track.mp3"
done
"$program" mp3 "$work/many" --into="$work/many-mirror" 2>/dev/null
cp -a "$work/many" "$work/many-copy"
best_program=""
best_rsync=""
for _ in 1 2 3 4 5; do
    read -r ms kb < <(measure "$program" mp3 "$work/many" --into="$work/many-mirror" 2>/dev/null)
    [ -z "$best_program" ] || [ "$ms" -lt "$best_program" ] && best_program=$ms
    read -r ms _ < <(measure rsync -an "$work/many/" "$work/many-copy/")
    [ -z "$best_rsync" ] || [ "$ms" -lt "$best_rsync" ] && best_rsync=$ms
done
database=$(stat -c %y "$work/many-mirror/.tonewright-mirror.db")
"$program" mp3 "$work/many" --into="$work/many-mirror" 2>/dev/null
[ "$(stat -c %y "$work/many-mirror/.tonewright-mirror.db")" = "$database" ] &&
    written=no || written=yes
awk -v n="$files" -v t="$best_program" -v r="$best_rsync" -v kb="$kb" -v w="$written" 'BEGIN {
    printf "unchanged run over %d files (best of 5)\n", n
    printf "  tonewright FOLDER: %d ms (peak RSS %.1f MB, database written: %s), rsync -an: %d ms\n", t, kb / 1024, w, r
}'
