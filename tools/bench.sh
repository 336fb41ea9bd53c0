#!/usr/bin/env bash
# Builds the 64-bit tree's benchmark and runs it under Wine: our controls
# against the standard ones, a table on stdout and JSON in
# build/win64/controls_bench.json (or the path given). Any number of
# "--row TEXT" before the path measure only the rows whose name contains TEXT.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target controls_bench >/dev/null
root=$PWD
prefix=$root/build/win64/wineprefix
tools/wine-env.sh start "$prefix"
trap '"$root/tools/wine-env.sh" stop "$prefix"' EXIT
rows=()
while [ $# -ge 2 ] && [ "$1" = --row ]; do
    rows+=(--row "$2")
    shift 2
done
json=$(realpath -m "${1:-build/win64/controls_bench.json}")
cd build/win64
../../tools/wine-run.sh wineprefix ./controls_bench.exe "${rows[@]}" "$json"
