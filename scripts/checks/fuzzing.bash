# Sourced by the checks that fuzz a reader with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer, built with clang directly,
# outside the gcc CMake build. Needs $name (the check's, for its messages),
# $build (scratch space goes to $build/$name) and sets $work and $seconds
# (FUZZ_SECONDS, default 60).
#
#   fuzz_build <program> <clang++ arguments...>   into $work/<program>
#   fuzz_run <program> <max input length>         over the seeds in $work/corpus
work="$build/$name"
seconds=${FUZZ_SECONDS:-60}
mkdir -p "$work/corpus"
if ! command -v clang++ >/dev/null; then
    echo "$name: clang++ is missing (scripts/packages/online.list)"; exit 1
fi

fuzz_build() {
    local program=$1
    shift
    clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -fno-omit-frame-pointer "$@" -o "$work/$program"
}

fuzz_run() {
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$work/$1" -max_total_time="$seconds" -max_len="$2" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" > "$work/fuzz.log" 2>&1 || {
        tail -60 "$work/fuzz.log"
        echo "$name: the fuzzer found a problem (artifacts in $work)"
        exit 1
    }
    grep -E "stat::number_of_executed_units|Done" "$work/fuzz.log" | tail -2
    echo "$name: no crash, no report in ${seconds}s"
}
