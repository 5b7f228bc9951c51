#!/usr/bin/env bash
# Installs the whole build into a staging prefix and runs the installed
# programs from there: what a user gets from "cmake --install" or the package.
#   install-test.sh <build dir> <source dir> <work dir>
set -u
build=$1
source=$2
work=$3

passed=0
failed=0
check() { # check <name> <command...>
    local name=$1
    shift
    if "$@"; then
        echo "PASS: $name"
        passed=$((passed + 1))
    else
        echo "FAIL: $name"
        failed=$((failed + 1))
    fi
}

rm -rf "$work"
mkdir -p "$work/config" "$work/runtime" "$work/music"
chmod 700 "$work/runtime"
stage=$work/stage
if ! cmake --install "$build" --prefix "$stage" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    echo "0 passed, 1 failed"
    exit 1
fi

installed_in() { # installed_in <dir> <file...>
    local dir=$1 missing=0
    shift
    for file in "$@"; do
        [ -e "$dir/$file" ] || { echo "  missing: $dir/$file"; missing=1; }
    done
    return $missing
}

installed() {
    installed_in "$stage" "$@"
}
check "programs installed" installed bin/tonewright bin/discpull bin/tonewright-each bin/tonewright-menus
check "desktop files installed" installed share/applications/tonewright.desktop \
    share/metainfo/org.example.tonewright.Tonewright.metainfo.xml \
    share/icons/hicolor/scalable/apps/tonewright.svg share/icons/hicolor/48x48/apps/tonewright.png \
    share/kio/servicemenus/tonewright.desktop share/nemo/actions/tonewright-01-mp3.nemo_action \
    share/nemo/actions/tonewright-10-ppp.nemo_action \
    share/nautilus-python/extensions/tonewright-menu.py share/tonewright/thunar/uca.xml
check "manual pages installed" installed share/man/man1/tonewright.1.gz share/man/man1/discpull.1.gz
check "service menu is executable" test -x "$stage/share/kio/servicemenus/tonewright.desktop"
module=$(find "$stage" -name 'libtonewright-online.so' | head -n 1)
check "online module installed" test -n "$module"
check "online module offers its entry" \
    sh -c "nm -D --defined-only '$module' | grep -q ' tonewright_online_backend_v2\$'"

version=$("$stage/bin/tonewright" --version 2>&1)
check "tonewright --version" test "$version" = "tonewright 1.0.0"

output=$("$stage/bin/discpull" 2>&1)
status=$?
check "discpull without arguments prints Error: 10" test "$output" = "Error: 10"
check "discpull without arguments exits with 10" test "$status" -eq 10

# A real conversion by the installed program with the real encoder.
cp "$source/samples/sample.flac" "$work/music/sample.flac"
env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    timeout 120 "$stage/bin/tonewright" mp3 "$work/music/sample.flac" >"$work/convert.log" 2>&1
status=$?
check "tonewright mp3 exits with 0" test "$status" -eq 0
format=$(ffprobe -v error -show_entries format=format_name -of default=noprint_wrappers=1:nokey=1 \
    "$work/music/sample.mp3" 2>&1)
check "converted file is MP3" test "$format" = "mp3"
# The measured loudness is written into the target.
gain=$(ffprobe -v error -show_entries format_tags=REPLAYGAIN_TRACK_GAIN \
    -of default=noprint_wrappers=1:nokey=1 "$work/music/sample.mp3" 2>&1)
check "converted file carries its track gain" test -n "$gain"
check "source file kept" cmp -s "$source/samples/sample.flac" "$work/music/sample.flac"
[ "$failed" -eq 0 ] || sed 's/^/  tonewright: /' "$work/convert.log"

# A selection through the installed wrapper: one process per file, and the
# first one waits for all of them.
mkdir -p "$work/selection"
cp "$source/samples/sample.flac" "$work/selection/one.flac"
cp "$source/samples/sample.flac" "$work/selection/two words.flac"
env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    timeout 120 "$stage/bin/tonewright-each" ogg "$work/selection/one.flac" \
    "$work/selection/two words.flac" >"$work/each.log" 2>&1
status=$?
check "tonewright-each ogg exits with 0" test "$status" -eq 0
check "every selected file converted" installed_in "$work/selection" one.ogg "two words.ogg"
[ "$status" -eq 0 ] || sed 's/^/  tonewright-each: /' "$work/each.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
