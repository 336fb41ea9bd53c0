#!/usr/bin/env bash
# Prints the Wine loader for a program, or runs the program with it:
#   wine-loader.sh PROGRAM            prints the loader's path
#   wine-loader.sh PROGRAM ARGS...    execs the loader with ARGS
# A PE file whose header names the i386 machine (0x014c) takes the 32-bit
# loader; anything else (64-bit programs, Wine's built-in commands) the 64-bit one.
set -euo pipefail
program=$1
shift
machine=
if [ -f "$program" ]; then
    offset=$(od -An -tu4 -j60 -N4 "$program" 2>/dev/null | tr -d ' ')
    [ -n "$offset" ] && machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$program" 2>/dev/null | tr -d ' ')
fi
if [ "$machine" = 014c ]; then
    loader=/usr/lib/wine/wine
    [ -x "$loader" ] || loader=$(command -v wine)
else
    loader=/usr/lib/wine/wine64
    [ -x "$loader" ] || loader=$(command -v wine64 || command -v wine)
fi
if [ $# -eq 0 ]; then
    echo "$loader"
else
    exec "$loader" "$@"
fi
