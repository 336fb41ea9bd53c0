#!/usr/bin/env python3
"""Checks the export table of a QUORL32.DLL: ordinal base 2, fourteen slots,
slot 6 empty, the thirteen undecorated names at their ordinals, and nothing
else. Usage: check_exports.py OBJDUMP DLL (each build tree checks its own)."""
import re
import subprocess
import sys

EXPECTED = {
    2: "InitQuorl", 3: "ExitQuorl", 4: "DllMain", 5: "WEP",
    7: "StsbCreate", 8: "StsbAdjust", 9: "StsbAddField", 10: "StsbGetHeight",
    11: "StsbAutoInfo", 12: "LoadBitmapPalette",
    13: "StringToDate", 14: "DayOfDate", 15: "AddNDays",
}


def exports(objdump, dll):
    text = subprocess.run([objdump, "-p", dll], check=True, capture_output=True,
                          text=True).stdout
    base = int(re.search(r"Ordinal Base\s+(\d+)", text).group(1))
    slots = int(re.search(r"Export Address Table\s+([0-9a-fA-F]+)", text).group(1), 16)
    used = {int(m.group(1)) for m in re.finditer(r"\+base\[\s*(\d+)\]", text)}
    names = {}
    table = text.split("[Ordinal/Name Pointer] Table", 1)[1]
    for m in re.finditer(r"^\s*\[\s*(\d+)\]\s+(\S+)\s*$", table, re.MULTILINE):
        names[int(m.group(1)) + base] = m.group(2)
        if not table[m.end():].lstrip().startswith("["):
            break
    return base, slots, used, names


def check(objdump, dll):
    base, slots, used, names = exports(objdump, dll)
    problems = []
    if base != 2:
        problems.append(f"ordinal base {base}, expected 2")
    if slots != 14:
        problems.append(f"{slots} address slots, expected 14")
    if used != set(EXPECTED):
        problems.append(f"ordinals in use {sorted(used)}, expected {sorted(EXPECTED)}")
    if names != EXPECTED:
        problems.append(f"names {names}, expected {EXPECTED}")
    for p in problems:
        print(f"{dll}: {p}")
    if not problems:
        print(f"{dll}: export table as expected")
    return not problems


def main():
    return 0 if check(sys.argv[1], sys.argv[2]) else 1


if __name__ == "__main__":
    sys.exit(main())
