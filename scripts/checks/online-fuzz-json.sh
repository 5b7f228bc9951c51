#!/usr/bin/env bash
# Fuzzes the JSON reader for a bounded time (see fuzzing.bash).
# $1: the build directory (scratch space goes there).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
name=online-fuzz-json
. "$top/scripts/checks/fuzzing.bash"

fuzz_build fuzz_json -I "$top/online" $(pkg-config --cflags Qt6Core) \
    "$top/online/json.cpp" "$top/tests/online/fuzz/fuzz_json.cpp" $(pkg-config --libs Qt6Core)

# Seeds: one of each construct, in the UTF-8 mode (first byte 2).
seed() { printf '\002%s' "$2" > "$work/corpus/seed-$1"; }
seed object '{"currentversion": 1.1, "freshurl": "http://a/", "imgurl": "x", "autoopen": false, "targeturl": "t"}'
seed array '[1 -2 3.5e3, "s\u00e9\n\"", true, false, null, [], {}]'
seed lenient '{,"a":1 "b":[1,,2,],}trailing'
seed escapes '"\ud800\udc00\u12G4\q\/\b\f\r\t"'
seed numbers '[18446744073709551615, -9223372036854775808, 1e5, 0.000001, 1.0e999, -]'
seed deep "$(printf '%.0s[' $(seq 300))"

fuzz_run fuzz_json 8192
