# Sourced by the benchmark scripts: wall time and peak memory of a command.
# Needs $work.
now() { date +%s%N; }

# Runs a command and prints "<ms> <peak kB>": the wall time from its start to
# its end as "wait" sees it, and its peak resident set (VmHWM, which only
# grows), sampled by a poller beside it. Both sides of the comparison run
# under the same poller, which reads /proc with shell builtins only, so that
# the measuring costs each side the same.
measure() {
    local start end pid poller
    start=$(now)
    "$@" &
    pid=$!
    (
        peak=0
        while kill -0 "$pid" 2>/dev/null; do
            while read -r key value rest; do
                if [ "$key" = "VmHWM:" ] && [ "$value" -gt "$peak" ]; then peak=$value; fi
            done < "/proc/$pid/status" 2>/dev/null || true
            echo "$peak" > "$work/peak"
            sleep 0.05
        done
    ) &
    poller=$!
    wait "$pid"
    end=$(now)
    wait "$poller"
    echo "$(( (end - start) / 1000000 )) $(cat "$work/peak")"
}
