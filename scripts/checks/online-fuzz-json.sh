#!/usr/bin/env bash
# Fuzzes the JSON reader with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer for a bounded time. Built with clang directly,
# outside the gcc CMake build. $1: the build directory (scratch space goes there).
# FUZZ_SECONDS overrides the run time (default 60).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
work="$build/online-fuzz"
seconds=${FUZZ_SECONDS:-60}
mkdir -p "$work/corpus"

if ! command -v clang++ >/dev/null; then
    echo "online-fuzz-json: clang++ is missing (scripts/packages/online.list)"; exit 1
fi

clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer \
    -I "$top/online" $(pkg-config --cflags Qt6Core) \
    "$top/online/json.cpp" "$top/tests/online/fuzz/fuzz_json.cpp" \
    $(pkg-config --libs Qt6Core) -o "$work/fuzz_json"

# Seeds: one of each construct, in the UTF-8 mode (first byte 2).
seed() { printf '\002%s' "$2" > "$work/corpus/seed-$1"; }
seed object '{"currentversion": 1.1, "freshurl": "http://a/", "imgurl": "x", "autoopen": false, "targeturl": "t"}'
seed array '[1 -2 3.5e3, "s\u00e9\n\"", true, false, null, [], {}]'
seed lenient '{,"a":1 "b":[1,,2,],}trailing'
seed escapes '"\ud800\udc00\u12G4\q\/\b\f\r\t"'
seed numbers '[18446744073709551615, -9223372036854775808, 1e5, 0.000001, 1.0e999, -]'
seed deep "$(printf '%.0s[' $(seq 300))"

ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
"$work/fuzz_json" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" > "$work/fuzz.log" 2>&1 || {
    tail -60 "$work/fuzz.log"
    echo "online-fuzz-json: the fuzzer found a problem (artifacts in $work)"
    exit 1
}
grep -E "stat::number_of_executed_units|Done" "$work/fuzz.log" | tail -2
echo "online-fuzz-json: no crash, no report in ${seconds}s"
