#!/usr/bin/env bash
# The library's main job: builds both DLLs and the gallery program, then
#   with a display (DISPLAY set):  opens the gallery window under Wine;
#   without one:                   writes a screenshot of every page and of a
#                                  few states as PNG and prints their paths,
#                                  and the same at 144 and 192 dpi (in the
#                                  subfolders 144dpi and 192dpi).
# Options:
#   --screenshots [DIR]   screenshots even with a display (default build/screenshots)
#   --update-docs         screenshots into docs/images (the README's pictures)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
mode=auto
out=build/screenshots
case ${1:-} in
--screenshots)
    mode=screenshots
    out=${2:-$out}
    ;;
--update-docs)
    mode=screenshots
    out=docs/images
    ;;
"") ;;
*)
    echo "usage: $0 [--screenshots [DIR] | --update-docs]" >&2
    exit 2
    ;;
esac

tools/bootstrap.sh
for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target gallery >/dev/null
done
echo "32-bit: build/win32/QUORL32.DLL, build/win32/gallery.exe"
echo "64-bit: build/win64/QUORL32.DLL, build/win64/gallery.exe"

if [ "$mode" = auto ] && [ -n "${DISPLAY:-}" ]; then
    # A prefix of its own that keeps the real display driver.
    export WINEPREFIX=$PWD/build/win64/wineprefix-display
    export WINEDEBUG=-all
    exec wine build/win64/gallery.exe
fi

prefix=build/win64/wineprefix
tools/wine-env.sh start "$prefix"
trap 'tools/wine-env.sh stop "$prefix"' EXIT
mkdir -p "$out"
target=$(realpath "$out")
# Wine's drive Z: is the root of the file system; the program prints Windows
# paths, shown here as the ones on this machine.
tools/wine-run.sh "$prefix" build/win64/gallery.exe --screenshots "Z:${target//\//\\}" \
    | tr -d '\r' | sed -e 's|^Z:||' -e 's|\\|/|g'
# Finer screens: prefixes of their own, on a private X server.
for dpi in 144 192; do
    mkdir -p "$target/${dpi}dpi"
    tools/wine-dpi.sh "$dpi" "build/win64/wineprefix-$dpi" build/win64/gallery.exe \
        --screenshots "Z:${target//\//\\}\\${dpi}dpi" \
        | tr -d '\r' | sed -e 's|^Z:||' -e 's|\\|/|g'
done
