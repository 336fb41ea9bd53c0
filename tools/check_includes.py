#!/usr/bin/env python3
"""Fails when a source folder includes what its rules do not allow.

Usage: check_includes.py SOURCE_ROOT FOLDER/=ALLOWED[,ALLOWED...] ...

A file in FOLDER may include its own folder's files, the public headers in
include/, system headers (<...>) and each ALLOWED entry: a folder ending in
"/" or one header path. Folders without a rule (dll/, tests/) are free.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def main(argv):
    root = pathlib.Path(argv[1])
    public = {p.name for p in (root / "include").iterdir()}
    faults = []
    for rule in argv[2:]:
        folder, _, allowed = rule.partition("=")
        permitted = [folder] + [a for a in allowed.split(",") if a]
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".h", ".c", ".cpp"):
                continue
            for name in INCLUDE.findall(source.read_text(encoding="utf-8", errors="replace")):
                if "/" not in name and (name in public or (source.parent / name).exists()):
                    continue
                if any(name == a or (a.endswith("/") and name.startswith(a)) for a in permitted):
                    continue
                faults.append(f"{source.relative_to(root)}: may not include \"{name}\"")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
