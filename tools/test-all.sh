#!/usr/bin/env bash
# Runs every test: formatting, the native tree (window-system-free code under
# sanitizers, short fuzz runs) and both Windows trees under Wine: every test
# program runs once against the 64-bit DLL and once against the 32-bit one,
# the product. The 64-bit tree runs first: the 32-bit gallery's screenshots
# are compared with its.
set -uo pipefail
cd "$(dirname "$(realpath "$0")")/.."
tools/bootstrap.sh || exit 1

status=0
tools/check-format.sh || status=1

build() {
    cmake --preset "$1" >"build-$1.log" 2>&1 && cmake --build --preset "$1" >>"build-$1.log" 2>&1 \
        || { cat "build-$1.log"; echo "build of $1 failed"; return 1; }
    rm -f "build-$1.log"
}
mkdir -p build
for preset in native win32 win64; do
    build "$preset" || exit 1
done

ctest --preset native || status=1
ctest --preset win64 || status=1
ctest --preset win32 || status=1
exit $status
