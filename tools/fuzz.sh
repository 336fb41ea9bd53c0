#!/usr/bin/env bash
# Runs every fuzz target of the native tree for a set time and reports how
# many inputs each tried.
#   tools/fuzz.sh [SECONDS] [BUILD_DIR]     defaults: 60 seconds, build/native
# Each target keeps its corpus in BUILD_DIR/fuzz/corpus/<target> and starts
# from fuzz/seeds/<target>; a finding is kept in BUILD_DIR/fuzz/findings.
# Exits non-zero when any target found something.
set -uo pipefail
cd "$(dirname "$(realpath "$0")")/.."
seconds=${1:-60}
build=${2:-build/native}
# Every target the tree has: one per fuzz/*_fuzz.cpp.
targets=()
for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
done

for target in "${targets[@]}"; do
    if [ ! -x "$build/fuzz/${target}_fuzz" ]; then
        echo "missing $build/fuzz/${target}_fuzz: cmake --preset native && cmake --build --preset native" >&2
        exit 2
    fi
done

mkdir -p "$build/fuzz/findings"
status=0
printf '%-22s %8s %14s %12s  %s\n' target seconds executions "per second" result
for target in "${targets[@]}"; do
    corpus=$build/fuzz/corpus/$target
    log=$build/fuzz/$target.log
    mkdir -p "$corpus"
    "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/findings/${target}-" "$corpus" "fuzz/seeds/$target" \
        >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [ "$rc" -eq 0 ]; then
        result="no finding"
    else
        result="FINDING (exit $rc), see $log"
        status=1
    fi
    printf '%-22s %8s %14s %12s  %s\n' "$target" "$seconds" "${runs:-?}" "${rate:-?}" "$result"
done
exit $status
