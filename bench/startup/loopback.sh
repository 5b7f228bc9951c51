# Sourced by the benchmark scripts: the loopback server that stands in for
# both of the program's servers (tw_bench_tonewright_loopback talks to it)
# and answers at once. start_loopback_server needs $build and $work and sets
# $port and $requests (one line per request); call stop_loopback_server on exit.
start_loopback_server() {
    local server="$build/bench/startup/tw_bench_loopbackserver"
    [ -x "$server" ] || { echo "build first: $server is missing" >&2; exit 1; }
    port=$(cat "$build/bench/startup/port")
    requests="$work/requests"
    "$server" "$port" > "$requests" &
    server_pid=$!
    for _ in $(seq 100); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.05
    done
    echo "the loopback server did not start" >&2
    exit 1
}
stop_loopback_server() { [ -z "${server_pid:-}" ] || kill "$server_pid" 2>/dev/null || true; }
usage_posts() { grep -c '^POST /statistics/usage.php' "$requests" || true; }
