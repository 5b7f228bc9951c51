#!/usr/bin/env bash
# Fuzzes the cue sheet reader (decode, parse, cuts, tags and names) for a
# bounded time (see fuzzing.bash). $1: the build directory (scratch space
# goes there).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
name=cuesheet-fuzz
. "$top/scripts/checks/fuzzing.bash"
if ! pkg-config --exists uchardet; then
    echo "cuesheet-fuzz: uchardet is missing (scripts/packages/cuesheet.list)"; exit 1
fi

fuzz_build fuzz_cuesheet -DQT_NO_CAST_FROM_ASCII -DQT_USE_QSTRINGBUILDER \
    -I "$top/cuesheet" $(pkg-config --cflags Qt6Core uchardet) \
    "$top"/cuesheet/*.cpp "$top/tests/cuesheet/fuzz/fuzz_cuesheet.cpp" \
    $(pkg-config --libs Qt6Core uchardet)

# Seeds: one of each construct. The first byte picks the encoding named and
# the rate (0: detected, 44.1 kHz), the second the lengths of the audio
# (130: each file two samples longer than its last track's start).
seed() { printf '\000\202%s' "$2" > "$work/corpus/seed-$1"; }
seed album 'REM GENRE "Post-Punk"
REM DATE 1988
REM DISCNUMBER 1
REM TOTALDISCS 2
REM COMPOSER "Tsoi"
REM REPLAYGAIN_ALBUM_GAIN -7.35 dB
CATALOG 4600317000133
PERFORMER "Kino"
TITLE "Gruppa krovi"
FILE "Kino - Gruppa krovi.flac" WAVE
  TRACK 01 AUDIO
    TITLE "Gruppa krovi"
    SONGWRITER "Tsoi"
    ISRC SUA018800101
    FLAGS DCP
    INDEX 00 00:00:00
    INDEX 01 00:00:32
  TRACK 02 AUDIO
    TITLE "Zakroi za mnoi dver"
    PREGAP 00:02:00
    INDEX 00 04:45:10
    INDEX 01 04:46:60
    INDEX 02 05:00:00
'
seed files 'FILE "01.wav" WAVE
TRACK 01 AUDIO
INDEX 01 00:00:00
TRACK 02 AUDIO
INDEX 00 03:58:00
FILE "02.wav" WAVE
INDEX 01 00:00:00
FILE 03 part.flac FLAC
TRACK 03 AUDIO
INDEX 00 00:00:00
INDEX 01 00:01:50
'
seed sloppy "$(printf 'file\t"a.mp3\tmp3\rtrack 1 audio\r\ttitle Open "quote\rrem genre Rock and Roll\rindex 1 9999:59:74\r')"
seed datatrack 'FILE "image.bin" BINARY
TRACK 01 MODE1/2352
INDEX 01 00:00:00
'
printf '\000\202' > "$work/corpus/seed-cp1251"
printf 'TITLE "Кино — Группа крови"\nFILE "Кино.flac" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n' |
    iconv -f UTF-8 -t CP1251 >> "$work/corpus/seed-cp1251"
printf '\002\202' > "$work/corpus/seed-sjis"
printf 'TITLE "スピッツ"\nFILE "a.wav" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n' |
    iconv -f UTF-8 -t SHIFT_JIS >> "$work/corpus/seed-sjis"
printf '\000\202\377\376' > "$work/corpus/seed-utf16"
printf 'FILE "王菲.flac" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n' |
    iconv -f UTF-8 -t UTF-16LE >> "$work/corpus/seed-utf16"

fuzz_run fuzz_cuesheet 16384
