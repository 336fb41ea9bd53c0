#!/usr/bin/env bash
# Builds the 64-bit tree's benchmark and runs it under Wine: our controls
# against the standard ones, a table on stdout and JSON in
# build/win64/controls_bench.json (or the path given).
#   tools/bench.sh [--row TEXT]... [results.json]
# --row measures only the rows whose name contains TEXT (may be repeated).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
rows=()
json=build/win64/controls_bench.json
while [ $# -gt 0 ]; do
    case $1 in
    --row) rows+=(--row "$2"); shift 2 ;;
    *) json=$1; shift ;;
    esac
done
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target controls_bench >/dev/null
root=$PWD
prefix=$root/build/win64/wineprefix
tools/wine-env.sh start "$prefix"
trap '"$root/tools/wine-env.sh" stop "$prefix"' EXIT
json=$(realpath -m "$json")
cd build/win64
../../tools/wine-run.sh wineprefix ./controls_bench.exe "${rows[@]}" "$json"
