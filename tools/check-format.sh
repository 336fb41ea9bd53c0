#!/usr/bin/env bash
# Fails when a C or C++ file of the project is not formatted as .clang-format
# says (clang-format 14). With --fix, formats them in place.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
formatter=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- \
    '*.c' '*.cpp' '*.h' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
"$formatter" --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files checked"
