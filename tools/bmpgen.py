#!/usr/bin/env python3
"""Turns the library's pixel-art bitmap sources (*.px) into BMP files and a
resource script that names each by its id.

A source looks like this:

    # comment lines start with '#'
    id 113              resource id (decimal or 0x hex)
    size 8 8            width height
    depth 4             4 (default) or 8
    colors 256          8-bit only: entries in the colour table (default 256)
    legend
    W white             a character and a colour: one of the sixteen
    . silver            classic names, or #RRGGBB
    pixels
    W.W.W.W.            one text row per pixel row, top row first
    ...

4-bit pictures always carry the classic 16-colour table in its standard
order, so the same character means the same colour in every picture.
8-bit pictures carry the legend's colours in legend order.
"""
import argparse
import os
import struct
import sys

CLASSIC = [
    ("black", 0x000000), ("maroon", 0x800000), ("green", 0x008000), ("olive", 0x808000),
    ("navy", 0x000080), ("purple", 0x800080), ("teal", 0x008080), ("silver", 0xC0C0C0),
    ("gray", 0x808080), ("red", 0xFF0000), ("lime", 0x00FF00), ("yellow", 0xFFFF00),
    ("blue", 0x0000FF), ("fuchsia", 0xFF00FF), ("aqua", 0x00FFFF), ("white", 0xFFFFFF),
]
CLASSIC_INDEX = {name: i for i, (name, _) in enumerate(CLASSIC)}
CLASSIC_RGB = {rgb: i for i, (_, rgb) in enumerate(CLASSIC)}


class SourceError(Exception):
    pass


def parse_colour(text):
    if text.startswith("#") and len(text) == 7:
        return int(text[1:], 16)
    if text in CLASSIC_INDEX:
        return CLASSIC[CLASSIC_INDEX[text]][1]
    raise SourceError(f"unknown colour {text!r}")


def parse(path):
    info = {"depth": 4, "colors": None, "legend": [], "rows": []}
    section = None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if section != "pixels" and (not line.strip() or line.lstrip().startswith("#")):
                continue
            if section == "pixels":
                if line.strip():
                    info["rows"].append(line.rstrip())
                continue
            words = line.split()
            key = words[0]
            if key in ("legend", "pixels"):
                section = key
            elif section == "legend":
                if len(line) < 3 or line[1] != " ":
                    raise SourceError(f"{path}:{number}: legend line must be 'C colour'")
                info["legend"].append((line[0], parse_colour(line[2:].split()[0])))
            elif key == "id":
                info["id"] = int(words[1], 0)
            elif key == "size":
                info["size"] = (int(words[1]), int(words[2]))
            elif key == "depth":
                info["depth"] = int(words[1])
            elif key == "colors":
                info["colors"] = int(words[1])
            else:
                raise SourceError(f"{path}:{number}: unknown line {line!r}")
    for needed in ("id", "size"):
        if needed not in info:
            raise SourceError(f"{path}: missing '{needed}'")
    width, height = info["size"]
    rows = info["rows"]
    if len(rows) != height or any(len(r) != width for r in rows):
        raise SourceError(f"{path}: pixels must be {height} rows of {width} characters")
    return info


def build_bmp(info):
    width, height = info["size"]
    depth = info["depth"]
    legend = info["legend"]
    if depth == 4:
        table = [rgb for _, rgb in CLASSIC]
        index = {}
        for char, rgb in legend:
            if rgb not in CLASSIC_RGB:
                raise SourceError(f"colour {rgb:06X} is not one of the sixteen classic colours")
            index[char] = CLASSIC_RGB[rgb]
    elif depth == 8:
        count = info["colors"] or 256
        if len(legend) > count:
            raise SourceError("more legend colours than colour-table entries")
        table = [rgb for _, rgb in legend] + [0] * (count - len(legend))
        index = {char: i for i, (char, _) in enumerate(legend)}
    else:
        raise SourceError("depth must be 4 or 8")

    stride = ((width * depth + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(info["rows"]):  # bottom-up
        line = bytearray(stride)
        for x, char in enumerate(row):
            if char not in index:
                raise SourceError(f"character {char!r} is not in the legend")
            value = index[char]
            if depth == 8:
                line[x] = value
            elif x % 2 == 0:
                line[x // 2] |= value << 4
            else:
                line[x // 2] |= value
        pixels += line

    colours = b"".join(struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0)
                       for rgb in table)
    clr_used = 0 if depth == 4 or len(table) == 256 else len(table)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, depth, 0, len(pixels),
                         2835, 2835, clr_used, 0)
    offset = 14 + len(header) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + header + colours + bytes(pixels)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--outdir", required=True)
    parser.add_argument("--rc", required=True, help="resource script to write")
    parser.add_argument("sources", nargs="*")
    args = parser.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    lines = ["// Generated from the pixel-art sources; do not edit.\n"]
    seen = {}
    try:
        for source in sorted(args.sources):
            info = parse(source)
            if info["id"] in seen:
                raise SourceError(f"{source}: id {info['id']} also used by {seen[info['id']]}")
            seen[info["id"]] = source
            stem = os.path.splitext(os.path.basename(source))[0]
            target = os.path.abspath(os.path.join(args.outdir, stem + ".bmp"))
            with open(target, "wb") as out:
                out.write(build_bmp(info))
            lines.append(f'{info["id"]} BITMAP "{target}"\n')
    except SourceError as error:
        print(f"bmpgen: {error}", file=sys.stderr)
        return 1
    with open(args.rc, "w", encoding="ascii") as out:
        out.writelines(lines)
    return 0


if __name__ == "__main__":
    sys.exit(main())
