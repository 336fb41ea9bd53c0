#!/usr/bin/env bash
# Installs what building and testing QUORL32 needs on Debian 12. Idempotent:
# when everything is present it only checks and returns within seconds.
set -euo pipefail

packages=(
    cmake make git python3
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
    wine wine64 wine32:i386
    googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format-14
    # the end-to-end test: a display, a window manager, input and screenshots
    xvfb openbox xdotool imagemagick
    # Visual C++ import libraries and the check that links against them
    lld llvm
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
# The product is the 32-bit DLL: its programs run under Debian's 32-bit Wine,
# which installs beside the 64-bit one from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "bootstrap: installing ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
echo "bootstrap: toolchain ready"
