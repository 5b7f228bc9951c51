# Sourced by the benchmark scripts: a work folder with an encoder that ends at
# once, settings, and the loopback server that answers both of the program's
# servers at once. Needs $build; sets $work, $port and $requests.
server="$build/bench/startup/tw_bench_loopbackserver"
[ -x "$server" ] || { echo "build first: $server is missing" >&2; exit 1; }
port=$(cat "$build/bench/startup/port")

work=$(mktemp -d)
server_pid=
trap '[ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/encoder" "$work/config" "$work/music"
# An encoder that writes a byte to its target and ends with 0 at once.
cat > "$work/encoder/ffmpeg" <<'ENC'
#!/bin/sh
for OUT in "$@"; do :; done
printf x > "$OUT"
ENC
chmod +x "$work/encoder/ffmpeg"
printf '[General]\nbitrate=128\ntargetdir=same\nsendstat=false\n' > "$work/config/Tonewright.conf"

requests="$work/requests"
"$server" "$port" > "$requests" &
server_pid=$!
for _ in $(seq 100); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    kill -0 "$server_pid" 2>/dev/null || { echo "the loopback server did not start" >&2; exit 1; }
    sleep 0.05
done

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
now() { date +%s%N; }
# Times are kept in tenths of a millisecond: a whole run takes only a few tens.
tenths() { echo $(( ($(now) - $1) / 100000 )); }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
usage_posts() { grep -c '^POST /statistics/usage.php' "$requests" || true; }
