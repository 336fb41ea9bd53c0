#!/usr/bin/env python3
"""Writes bitmap resources that a pixel-art source cannot express: an 8-bit
and a 4-bit picture cut short, and an 8-bit picture with the old 12-byte
header."""
import struct
import sys

out = sys.argv[1]


def info_header(width, height, bits, clr_used=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 0, 0, clr_used, 0)


table = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(256))
# Header and colour table claim 16 x 16 pixels, but the pixels are missing.
with open(f"{out}/truncated.bin", "wb") as f:
    f.write(info_header(16, 16, 8) + table + bytes(10))
# A 4-bit picture whose header claims 640 x 480 pixels; a few rows are there.
with open(f"{out}/truncated4.bin", "wb") as f:
    table16 = b"".join(struct.pack("<BBBB", i * 16, i * 16, i * 16, 0) for i in range(16))
    f.write(info_header(640, 480, 4) + table16 + bytes(320 * 3))
# BITMAPCOREHEADER: 12 bytes, RGB triples.
with open(f"{out}/core.bin", "wb") as f:
    core = struct.pack("<IHHHH", 12, 2, 2, 1, 8)
    triples = b"".join(struct.pack("<BBB", 0, 0, i) for i in range(256))
    f.write(core + triples + bytes([1, 2, 0, 0, 3, 4, 0, 0]))
# Shorter than any header.
with open(f"{out}/tiny.bin", "wb") as f:
    f.write(b"\x28\x00")
