#!/usr/bin/env bash
# Runs every fuzz target of the native tree for a set time, or for a set
# number of inputs, and reports how many inputs each tried.
#   tools/fuzz.sh [SECONDS] [BUILD_DIR]     defaults: 60 seconds, build/native
#   tools/fuzz.sh --runs N [BUILD_DIR]      each target until it tried N inputs
#   tools/fuzz.sh --runs N [BUILD_DIR] TARGET...   only the targets named
# Each target keeps its corpus in BUILD_DIR/fuzz/corpus/<target> and starts
# from fuzz/seeds/<target>; a finding is kept in BUILD_DIR/fuzz/findings.
# Exits non-zero when any target found something.
set -uo pipefail
cd "$(dirname "$(realpath "$0")")/.."
limit=()
if [ "${1:-}" = "--runs" ]; then
    runs_wanted=${2:?--runs needs a number}
    limit=(-runs="$runs_wanted")
    shift 2
else
    seconds=${1:-60}
    limit=(-max_total_time="$seconds")
    shift || true
fi
build=${1:-build/native}
shift || true
# Every target the tree has (one per fuzz/*_fuzz.cpp), or those named.
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name%_fuzz}")
    done
fi

for target in "${targets[@]}"; do
    if [ ! -x "$build/fuzz/${target}_fuzz" ]; then
        echo "missing $build/fuzz/${target}_fuzz: cmake --preset native && cmake --build --preset native" >&2
        exit 2
    fi
done

mkdir -p "$build/fuzz/findings"
status=0
printf '%-22s %8s %14s %12s  %s\n' target seconds executions "per second" result
started_all=$(date +%s)
for target in "${targets[@]}"; do
    corpus=$build/fuzz/corpus/$target
    log=$build/fuzz/$target.log
    mkdir -p "$corpus"
    started=$(date +%s)
    "$build/fuzz/${target}_fuzz" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/findings/${target}-" "$corpus" "fuzz/seeds/$target" \
        >"$log" 2>&1
    rc=$?
    took=$(($(date +%s) - started))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [ "$rc" -eq 0 ]; then
        result="no finding"
    else
        result="FINDING (exit $rc), see $log"
        status=1
    fi
    printf '%-22s %8s %14s %12s  %s\n' "$target" "$took" "${runs:-?}" "${rate:-?}" "$result"
done
echo "fuzz: $(($(date +%s) - started_all)) s in all"

exit $status
