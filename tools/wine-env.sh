#!/usr/bin/env bash
# Prepares and controls the private Wine prefix the Windows tests run in.
#   wine-env.sh start PREFIX   create the prefix if needed (null display driver)
#                              and start a persistent wineserver
#   wine-env.sh stop PREFIX    stop that wineserver
set -euo pipefail
cmd=$1
prefix=$(realpath -m "$2")
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
unset DISPLAY WAYLAND_DISPLAY
server=/usr/lib/wine/wineserver
[ -x "$server" ] || server=$(command -v wineserver)
here=$(dirname "$(realpath "$0")")

case $cmd in
start)
    if [ ! -f "$prefix/.quorl-ready" ]; then
        rm -rf "$prefix"
        mkdir -p "$prefix"
        "$here/wine-run.sh" "$prefix" wineboot -i >/dev/null 2>&1 || true
        "$here/wine-run.sh" "$prefix" reg add 'HKCU\Software\Wine\Drivers' \
            /v Graphics /d null /f >/dev/null 2>&1
        "$server" -w || true
        touch "$prefix/.quorl-ready"
    fi
    "$server" -k 2>/dev/null || true
    "$server" -w 2>/dev/null || true
    # Detached from our output: ctest waits for every holder of its pipe.
    "$server" -p </dev/null >/dev/null 2>&1
    # The first program after a server start brings up the desktop process;
    # let that happen here rather than inside a test.
    "$here/wine-run.sh" "$prefix" cmd /c exit >/dev/null 2>&1 || true
    ;;
stop)
    "$server" -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|stop PREFIX" >&2
    exit 2
    ;;
esac
