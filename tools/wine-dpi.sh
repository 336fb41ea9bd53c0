#!/usr/bin/env bash
# Runs a Windows program under Wine on a screen of a given
# resolution: wine-dpi.sh DPI PREFIX PROGRAM [ARGS...]
# The prefix (made when missing) has LogPixels = DPI. It draws on a private
# X server (Xvfb) of 2400 x 1800 pixels, started for this run and stopped
# after it: the null display driver of the test prefix keeps a 1024 x 768
# screen, too small for a dialog at 192 dpi, and does not paint the
# children of a window where it reaches past that screen. Wine draws the
# window frames itself (no window manager), as under the null driver.
set -euo pipefail
dpi=$1
prefix=$(realpath -m "$2")
shift 2
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
unset WAYLAND_DISPLAY
loader=$(dirname "$(realpath "$0")")/wine-loader.sh
server=/usr/lib/wine/wineserver
[ -x "$server" ] || server=$(command -v wineserver)

# A free display number, told by the server itself.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 2400x1800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
export DISPLAY=:$display
cleanup() {
    "$server" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

if [ ! -f "$prefix/.quorl-ready" ] || [ "$(cat "$prefix/.quorl-ready")" != "$dpi" ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    "$loader" wineboot wineboot -i >/dev/null 2>&1 || true
    "$loader" reg reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    "$loader" reg reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    "$server" -w || true
    echo "$dpi" >"$prefix/.quorl-ready"
fi
"$loader" "$1" "$@"
