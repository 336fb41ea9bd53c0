#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's private prefix:
#   wine-run.sh PREFIX PROGRAM [ARGS...]
# The loader follows the program's machine: 32-bit programs run under the
# 32-bit loader, everything else (64-bit programs, Wine's own commands)
# under the 64-bit one. One prefix serves both.
set -euo pipefail
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
unset DISPLAY WAYLAND_DISPLAY
here=$(dirname "$(realpath "$0")")
exec "$here/wine-loader.sh" "$1" "$@"
