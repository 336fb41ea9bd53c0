#!/usr/bin/env bash
# Installs what building and testing QUORL32 needs on Debian 12. Idempotent:
# when everything is present it only checks and returns within seconds.
set -euo pipefail

packages=(
    cmake make git python3
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
    wine wine64 xvfb
    googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format-14
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "bootstrap: installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
echo "bootstrap: toolchain ready"
