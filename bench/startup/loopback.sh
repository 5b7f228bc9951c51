# Sourced by the benchmark scripts: the loopback server that stands in for
# both of the program's servers and answers at once; tonewright_test talks to
# it through TW_TEST_SERVER. start_loopback_server needs $build and $work,
# sets $port and $requests (one line per request) and exports
# TW_TEST_SERVER; call stop_loopback_server on exit.
start_loopback_server() {
    local server="$build/bench/startup/tw_bench_loopbackserver"
    [ -x "$server" ] || { echo "build first: $server is missing" >&2; exit 1; }
    requests="$work/requests"
    "$server" "$work/port" > "$requests" &
    server_pid=$!
    for _ in $(seq 100); do
        if [ -s "$work/port" ]; then
            port=$(cat "$work/port")
            export TW_TEST_SERVER="http://127.0.0.1:$port"
            return
        fi
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.05
    done
    echo "the loopback server did not start" >&2
    exit 1
}
stop_loopback_server() { [ -z "${server_pid:-}" ] || kill "$server_pid" 2>/dev/null || true; }
usage_posts() { grep -c '^POST /statistics/usage.php' "$requests" || true; }
