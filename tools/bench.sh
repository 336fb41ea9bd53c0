#!/usr/bin/env bash
# Builds one Windows tree's benchmark and runs it under Wine: our controls
# against the standard ones, a table on stdout and JSON in
# build/ARCH/controls_bench.json (or the path given).
#   tools/bench.sh [--arch win32|win64] [--row TEXT]... [results.json]
# --arch picks the tree (default win64; win32 is the product's);
# --row measures only the rows whose name contains TEXT (may be repeated).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
rows=()
arch=win64
json=
while [ $# -gt 0 ]; do
    case $1 in
    --arch) arch=$2; shift 2 ;;
    --row) rows+=(--row "$2"); shift 2 ;;
    *) json=$1; shift ;;
    esac
done
case $arch in
win32 | win64) ;;
*) echo "usage: $0 [--arch win32|win64] [--row TEXT]... [results.json]" >&2; exit 2 ;;
esac
json=${json:-build/$arch/controls_bench.json}
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target controls_bench >/dev/null
root=$PWD
prefix=$root/build/$arch/wineprefix
tools/wine-env.sh start "$prefix"
trap '"$root/tools/wine-env.sh" stop "$prefix"' EXIT
json=$(realpath -m "$json")
cd "build/$arch"
../../tools/wine-run.sh wineprefix ./controls_bench.exe "${rows[@]}" "$json"
