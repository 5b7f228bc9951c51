# Sourced by the start-up benchmarks: a work folder with an encoder that ends
# at once, settings, the loopback server, and the timing helpers. Needs
# $top and $build; sets $work.
. "$top/bench/startup/loopback.sh"
work=$(mktemp -d)
trap 'stop_loopback_server; rm -rf "$work"' EXIT
mkdir -p "$work/encoder" "$work/config" "$work/music"
# An encoder that writes a byte to its target and ends with 0 at once.
cat > "$work/encoder/ffmpeg" <<'ENC'
#!/bin/sh
for OUT in "$@"; do :; done
printf x > "$OUT"
ENC
chmod +x "$work/encoder/ffmpeg"
# Start-up alone: the loudness has a benchmark of its own (bench/loudness).
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\nreplaygain=off\n' > "$work/config/Tonewright.conf"
start_loopback_server

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
# The same fonts on every machine, for every program measured: the DejaVu
# fonts that Debian's fontconfig always brings. With many more installed (the
# Noto fonts the translation tests need: 320 faces) each font the window asks
# for takes longer to match, which weighs more on the window's several fonts
# than on the floor's one (about 1.5 against 1.3 here).
printf '<?xml version="1.0"?>\n<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>%s</cachedir></fontconfig>\n' \
    "$work/fontcache" > "$work/fonts.conf"
export FONTCONFIG_FILE="$work/fonts.conf"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
now() { date +%s%N; }
# Times are kept in tenths of a millisecond: a whole run takes only a few tens.
tenths() { echo $(( ($(now) - $1) / 100000 )); }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
