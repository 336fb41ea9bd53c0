#!/usr/bin/env bash
# Runs the stress program under Wine with larger counts than CI uses: per
# class (and for a whole dialog) CYCLES create/paint/change/destroy cycles
# with the GDI and heap census, the InitQuorl/ExitQuorl storms of STORMS
# rounds each, and the hostile-message campaign with RANDOM random messages
# per class, every integer extreme and every bad pointer. Prints the table; exits non-zero on any
# leak, crash outside the pointer contracts, or hang.
#   tools/stress.sh [CYCLES] [STORMS] [RANDOM] [more options of quorl_stress]
#   defaults: 1000 cycles, 100 rounds, 2000 random messages
# With --failpoints it runs the failpoint program instead: every failpoint of
# every failing import in every scenario (hours), or what its options ask for.
#   tools/stress.sh --failpoints [options of quorl_failpoints]
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
if [ "${1:-}" = "--failpoints" ]; then
    shift
    tools/bootstrap.sh >/dev/null
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target QUORL32 quorl_failpoints >/dev/null
    prefix=build/win64/wineprefix
    tools/wine-env.sh start "$prefix"
    trap 'tools/wine-env.sh stop "$prefix"' EXIT
    tools/wine-run.sh "$prefix" build/win64/quorl_failpoints.exe "$@"
    exit
fi
cycles=${1:-1000}
storms=${2:-100}
random=${3:-2000}
shift $(($# < 3 ? $# : 3))
tools/bootstrap.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target QUORL32 quorl_stress >/dev/null
prefix=build/win64/wineprefix
tools/wine-env.sh start "$prefix"
trap 'tools/wine-env.sh stop "$prefix"' EXIT
tools/wine-run.sh "$prefix" build/win64/quorl_stress.exe --cycles "$cycles" --storms "$storms" \
    --random "$random" --full "$@"
