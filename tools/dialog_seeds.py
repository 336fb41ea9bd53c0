#!/usr/bin/env python3
"""Compiles a resource script with windres and writes each dialog template
in it as one file, the bytes an application's module holds: the seed corpus
of the template reader's fuzz target.

    tools/dialog_seeds.py tests/pageswitcher/pages.rc fuzz/seeds/pageswitcher_template
"""
import os
import struct
import subprocess
import sys
import tempfile

RT_DIALOG = 5


def read_name(data, pos):
    """A resource type or name: an ordinal (0xFFFF, n) or a UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        (ordinal,) = struct.unpack_from("<H", data, pos + 2)
        return ordinal, pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def dialogs(res):
    pos = 0
    while pos + 8 <= len(res):
        data_size, header_size = struct.unpack_from("<II", res, pos)
        rtype, after = read_name(res, pos + 8)
        name, _ = read_name(res, after)
        start = pos + header_size
        if rtype == RT_DIALOG:
            yield str(name), res[start : start + data_size]
        pos = (start + data_size + 3) & ~3


def main():
    rc, outdir = sys.argv[1], sys.argv[2]
    windres = sys.argv[3] if len(sys.argv) > 3 else "x86_64-w64-mingw32-windres"
    os.makedirs(outdir, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        res_path = os.path.join(tmp, "seeds.res")
        include = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "include")
        subprocess.run([windres, "-I", include, rc, "-O", "res", "-o", res_path], check=True)
        with open(res_path, "rb") as f:
            res = f.read()
    for name, data in dialogs(res):
        with open(os.path.join(outdir, name.lower()), "wb") as f:
            f.write(data)
        print(name, len(data))


if __name__ == "__main__":
    main()
