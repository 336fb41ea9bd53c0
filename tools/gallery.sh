#!/usr/bin/env bash
# The library's main job: builds both DLLs and runs the probe program under
# Wine, which loads QUORL32.DLL and shows its exports, its window classes
# and the shared control font.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
tools/bootstrap.sh
for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done
prefix=build/win64/wineprefix
tools/wine-env.sh start "$prefix"
trap 'tools/wine-env.sh stop "$prefix"' EXIT
echo "32-bit product: build/win32/QUORL32.DLL, 64-bit: build/win64/QUORL32.DLL"
tools/wine-run.sh "$prefix" build/win64/quorl_probe.exe
