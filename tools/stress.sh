#!/usr/bin/env bash
# Runs the stress program under Wine with larger counts than CI uses: per
# class (and for a whole dialog) CYCLES create/paint/change/destroy cycles
# with the GDI and heap census, the InitQuorl/ExitQuorl storms of STORMS
# rounds each, and the hostile-message campaign with RANDOM random messages
# per class, every integer extreme and every bad pointer. Prints the table; exits non-zero on any
# leak, crash outside the pointer contracts, or hang.
#   tools/stress.sh [--arch win32|win64] [CYCLES] [STORMS] [RANDOM] [more options of quorl_stress]
#   defaults: the 64-bit tree, 1000 cycles, 100 rounds, 2000 random messages
# With --failpoints it runs the failpoint program instead: every failpoint of
# every failing import in every scenario (hours), or what its options ask for.
#   tools/stress.sh [--arch win32|win64] --failpoints [options of quorl_failpoints]
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
arch=win64
if [ "${1:-}" = --arch ]; then
    arch=$2
    shift 2
fi
case $arch in
win32 | win64) ;;
*) echo "usage: $0 [--arch win32|win64] [--failpoints] [CYCLES] [STORMS] [RANDOM] [options]" >&2; exit 2 ;;
esac
program=quorl_stress
if [ "${1:-}" = "--failpoints" ]; then
    shift
    program=quorl_failpoints
fi
tools/bootstrap.sh >/dev/null
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target QUORL32 "$program" >/dev/null
prefix=build/$arch/wineprefix
tools/wine-env.sh start "$prefix"
trap 'tools/wine-env.sh stop "$prefix"' EXIT
if [ "$program" = quorl_failpoints ]; then
    tools/wine-run.sh "$prefix" "build/$arch/quorl_failpoints.exe" "$@"
    exit
fi
cycles=${1:-1000}
storms=${2:-100}
random=${3:-2000}
shift $(($# < 3 ? $# : 3))
tools/wine-run.sh "$prefix" "build/$arch/quorl_stress.exe" --cycles "$cycles" --storms "$storms" \
    --random "$random" --full "$@"
