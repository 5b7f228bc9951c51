#!/usr/bin/env bash
# Builds and runs the discpull throughput benchmark; prints the ratio of
# extraction to cp throughput. Usage: bench/discpull/run.sh [build dir]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target bench_discpull -j2 >/dev/null
scratch=$(mktemp -d "$build/bench-discpull.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
"$build/bench/discpull/bench_discpull" "$scratch"
