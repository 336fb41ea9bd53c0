#!/usr/bin/env bash
# Runs the stress program under Wine with larger counts than CI uses: per
# class (and for a whole dialog) CYCLES create/paint/change/destroy cycles
# with the GDI and heap census, the InitQuorl/ExitQuorl storms of STORMS
# rounds each, and the hostile-message campaign with RANDOM random messages
# per class, every integer extreme and every bad pointer. Prints the table; exits non-zero on any
# leak, crash outside the pointer contracts, or hang.
#   tools/stress.sh [--arch win32|win64] [CYCLES] [STORMS] [RANDOM] [more options of quorl_stress]
#   defaults: the 64-bit tree, 1000 cycles, 100 rounds, 2000 random messages
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
arch=win64
if [ "${1:-}" = --arch ]; then
    arch=$2
    shift 2
fi
case $arch in
win32 | win64) ;;
*) echo "usage: $0 [--arch win32|win64] [CYCLES] [STORMS] [RANDOM] [options]" >&2; exit 2 ;;
esac
cycles=${1:-1000}
storms=${2:-100}
random=${3:-2000}
shift $(($# < 3 ? $# : 3))
tools/bootstrap.sh >/dev/null
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target QUORL32 quorl_stress >/dev/null
prefix=build/$arch/wineprefix
tools/wine-env.sh start "$prefix"
trap 'tools/wine-env.sh stop "$prefix"' EXIT
tools/wine-run.sh "$prefix" "build/$arch/quorl_stress.exe" --cycles "$cycles" --storms "$storms" \
    --random "$random" --full "$@"
