#!/usr/bin/env python3
"""Draws the gallery's two panel pictures as 24-bit BMP files: a wide
landscape for the panel with scroll bars and a tall tower for the one that
scrolls by itself. Usage: make_pictures.py OUTDIR"""
import struct
import sys


def write_bmp(path, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows run bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


def landscape(x, y):
    horizon = 70 + (x * 7 // 40) % 20
    if (x - 230) ** 2 + (y - 35) ** 2 < 18**2:
        return (255, 220, 0)  # sun
    if y < horizon:
        return (90, 150, 230)  # sky
    if (x // 24 + y // 24) % 2 == 0:
        return (40, 150, 40)  # fields
    return (100, 180, 60)


def tower(x, y):
    if y % 40 < 4:
        return (128, 0, 0)  # floors
    if 15 <= x % 50 < 35 and 12 <= y % 40 < 30:
        return (255, 255, 160)  # windows
    return (200, 120, 80)


out = sys.argv[1]
write_bmp(f"{out}/landscape.bmp", 320, 200, landscape)
write_bmp(f"{out}/tower.bmp", 100, 400, tower)
