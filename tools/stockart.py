#!/usr/bin/env python3
"""Draws the stock pictures of the graphic push button as pixel-art sources
(*.px, see tools/bmpgen.py) and shows pixel-art sources as an enlarged PNG.

    tools/stockart.py draw resources/bitmaps          rewrite the stock sources
    tools/stockart.py preview sheet.png a.px b.px...  contact sheet, 8x and 1x

The .px files are the sources the build uses; this script only makes the
geometric drawing (circles, diagonal strokes, bevels) repeatable. Every
picture is drawn on silver in the sixteen classic colours, with a black
outline, a light upper-left and a dark lower-right edge.
"""
import math
import os
import struct
import sys
import zlib

# One character per classic colour, the same in every source.
PALETTE = {
    "K": ("black", 0x000000), "M": ("maroon", 0x800000), "G": ("green", 0x008000),
    "O": ("olive", 0x808000), "N": ("navy", 0x000080), "P": ("purple", 0x800080),
    "T": ("teal", 0x008080), ".": ("silver", 0xC0C0C0), "D": ("gray", 0x808080),
    "R": ("red", 0xFF0000), "L": ("lime", 0x00FF00), "Y": ("yellow", 0xFFFF00),
    "B": ("blue", 0x0000FF), "F": ("fuchsia", 0xFF00FF), "A": ("aqua", 0x00FFFF),
    "W": ("white", 0xFFFFFF),
}

# ---------------------------------------------------------------- masks


def rect(x0, y0, x1, y1):
    """Pixels of a rectangle, both corners inclusive."""
    return {(x, y) for x in range(x0, x1 + 1) for y in range(y0, y1 + 1)}


def ellipse(cx, cy, rx, ry=None):
    """Pixels whose centres lie in the ellipse (continuous coordinates)."""
    ry = rx if ry is None else ry
    return {(x, y) for x in range(int(cx - rx) - 1, int(cx + rx) + 2)
            for y in range(int(cy - ry) - 1, int(cy + ry) + 2)
            if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0}


def polygon(points):
    """Pixels whose centres lie inside the polygon (even-odd rule)."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    found = set()
    for y in range(int(min(ys)) - 1, int(max(ys)) + 2):
        for x in range(int(min(xs)) - 1, int(max(xs)) + 2):
            px, py = x + 0.5, y + 0.5
            inside = False
            for i in range(len(points)):
                (ax, ay), (bx, by) = points[i], points[i - 1]
                if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                    inside = not inside
            if inside:
                found.add((x, y))
    return found


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def stroke(points, width):
    """Pixels within width / 2 of a polyline through the points."""
    half = width / 2.0
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    found = set()
    for y in range(int(min(ys) - half) - 1, int(max(ys) + half) + 2):
        for x in range(int(min(xs) - half) - 1, int(max(xs) + half) + 2):
            px, py = x + 0.5, y + 0.5
            if any(_segment_distance(px, py, *points[i], *points[i + 1]) <= half
                   for i in range(len(points) - 1)):
                found.add((x, y))
    return found


def arc(cx, cy, r, start, end, steps=24):
    """Points on a circle from angle start to end (degrees, 0 = right,
    90 = down, as the y axis points down)."""
    return [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + r * math.sin(math.radians(start + (end - start) * i / steps)))
            for i in range(steps + 1)]


# ---------------------------------------------------------------- canvas


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [["."] * width for _ in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        return self.rows[y][x] if self.inside(x, y) else "."

    def put(self, x, y, colour):
        if self.inside(x, y):
            self.rows[y][x] = colour

    def fill(self, mask, colour):
        for x, y in mask:
            self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        error = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            twice = 2 * error
            if twice >= dy:
                error += dy
                x0 += sx
            if twice <= dx:
                error += dx
                y0 += sy

    def bevel(self, mask, light, base, dark, border="K", depth=1):
        """Fills a shape with a black outline, a light ring along its upper
        and left edges and a dark ring along its lower and right edges."""
        def edge(p):
            x, y = p
            return any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        outline = {p for p in mask if edge(p)}
        for x, y in mask:
            if (x, y) in outline:
                colour = border
            else:
                colour = base
                for d in range(depth, 0, -1):
                    if (x + d, y) in outline or (x, y + d) in outline:
                        colour = dark
                    if (x - d, y) in outline or (x, y - d) in outline:
                        colour = light
            self.put(x, y, colour)

    def text(self):
        return ["".join(row) for row in self.rows]


# ---------------------------------------------------------------- pictures

PICTURES = []


def picture(ident, name, width, height, what):
    def register(draw):
        PICTURES.append((ident, name, width, height, what, draw))
        return draw
    return register


@picture(1, "checkmark", 24, 25, "green check mark")
def draw_checkmark(c):
    c.bevel(stroke([(3.5, 13.5), (9.5, 20), (21, 4.5)], 5.2), "L", "G", "G")


@picture(2, "cross", 21, 25, "red cross")
def draw_cross(c):
    bars = stroke([(3.5, 5.5), (17.5, 19.5)], 5.0) | stroke([(17.5, 5.5), (3.5, 19.5)], 5.0)
    c.bevel(bars, "R", "R", "M")
    c.put(4, 6, "W")
    c.put(16, 6, "W")


@picture(7, "forbidden", 28, 29, "circle with a diagonal bar")
def draw_forbidden(c):
    cx, cy = 14, 14.5
    ring = ellipse(cx, cy, 13.6) - ellipse(cx, cy, 9.2)
    bar = stroke([(cx - 8, cy - 8), (cx + 8, cy + 8)], 4.6) & ellipse(cx, cy, 10)
    c.bevel(ring | bar, "R", "R", "M")


@picture(981, "notebook", 32, 32, "ring-bound notebook")
def draw_notebook(c):
    c.bevel(rect(7, 1, 30, 30), "A", "B", "N")
    c.bevel(rect(8, 1, 30, 29), "A", "B", "N")
    c.fill(rect(10, 29, 29, 29), "N")
    c.bevel(rect(13, 6, 27, 13), "W", "W", "D")
    for y in (8, 10):
        c.line(15, y, 25, y, "D")
    for y in range(3, 29, 4):
        c.line(3, y + 1, 10, y + 1, "K")
        c.line(3, y, 10, y, "D")
        c.put(4, y, "W")
        c.put(5, y, "W")
        c.put(3, y + 1, "K")
        c.put(2, y, "K")
        c.put(2, y + 1, "K")


@picture(982, "printer", 24, 24, "printer")
def draw_printer(c):
    c.bevel(rect(6, 1, 18, 10), "W", "W", "W")
    for y in (4, 6, 8):
        c.line(8, y, 16, y, "D")
    c.bevel(rect(1, 9, 22, 19), "W", ".", "D")
    c.fill(rect(3, 11, 20, 11), "D")
    c.fill(rect(17, 14, 18, 15), "L")
    c.line(17, 16, 18, 16, "G")
    c.bevel(rect(5, 17, 18, 22), "W", "W", "W")
    c.line(7, 20, 16, 20, "D")
    c.fill(rect(5, 17, 18, 17), "K")
    c.fill(rect(2, 20, 4, 20), "K")
    c.fill(rect(19, 20, 21, 20), "K")


@picture(983, "envelope", 23, 17, "envelope")
def draw_envelope(c):
    c.bevel(rect(0, 1, 22, 16), "W", "W", ".")
    c.line(1, 2, 11, 10, "D")
    c.line(21, 2, 11, 10, "D")
    c.line(1, 15, 8, 9, "D")
    c.line(21, 15, 14, 9, "D")
    c.bevel(rect(17, 3, 20, 6), "R", "R", "M")


@picture(984, "folder", 20, 18, "folder")
def draw_folder(c):
    c.bevel(rect(1, 2, 8, 5), "W", "Y", "O")
    c.bevel(rect(1, 4, 18, 16), "W", "Y", "O")
    c.fill(rect(2, 6, 17, 6), "O")
    c.fill(rect(2, 7, 17, 7), "W")


@picture(985, "pencil", 14, 27, "upright pencil")
def draw_pencil(c):
    c.bevel(rect(3, 0, 10, 3), "W", "F", "P")
    c.bevel(rect(3, 3, 10, 6), "W", ".", "D")
    c.fill(rect(4, 5, 9, 5), "D")
    c.bevel(rect(3, 6, 10, 18), "W", "Y", "O")
    c.fill({(6, y) for y in range(8, 18)}, "O")
    c.bevel(polygon([(3, 18), (11, 18), (7, 26.8)]), "W", "W", ".")
    c.fill(polygon([(5.4, 22.5), (8.6, 22.5), (7, 26.8)]), "K")


@picture(986, "arrowright", 22, 8, "arrow pointing right")
def draw_arrowright(c):
    # Too small for the bevel to find an inside: drawn by hand.
    rows = ["..............KK......",
            "..............KBKK....",
            "KKKKKKKKKKKKKKKABBKK..",
            "K" + "A" * 15 + "BBBBKK",
            "K" + "B" * 18 + "NKK",
            "KKKKKKKKKKKKKKKBBNKK..",
            "..............KNKK....",
            "..............KK......"]
    for y, row in enumerate(rows):
        for x, colour in enumerate(row):
            c.put(x, y, colour)


@picture(987, "trashcan", 26, 30, "trash can")
def draw_trashcan(c):
    c.bevel(polygon([(4, 7), (22, 7), (20.5, 29.5), (5.5, 29.5)]), "W", ".", "D")
    for x in (9, 13, 17):
        c.line(x, 10, x, 26, "D")
        c.line(x + 1, 10, x + 1, 26, "W")
    c.bevel(rect(1, 4, 24, 7), "W", ".", "D")
    c.bevel(rect(9, 1, 16, 4) - rect(11, 3, 14, 4), "W", ".", "D")


@picture(988, "floppy", 27, 23, "floppy disk")
def draw_floppy(c):
    body = rect(2, 0, 24, 22) - {(24, 0)}
    c.bevel(body, "B", "N", "N")
    c.bevel(rect(7, 0, 19, 8), "W", ".", "D")
    c.fill(rect(15, 2, 17, 6), "N")
    c.bevel(rect(5, 12, 21, 22), "W", "W", ".")
    for y in (15, 18):
        c.line(7, y, 19, y, "B")


@picture(989, "document", 17, 26, "page with a folded corner")
def draw_document(c):
    c.bevel(polygon([(1, 0), (11, 0), (16, 5), (16, 26), (1, 26)]), "W", "W", ".")
    c.bevel(polygon([(10.6, 0), (16.4, 5.8), (10.6, 5.8)]), "W", ".", "D")
    for y in range(9, 24, 3):
        c.line(4, y, 13 if y % 2 else 11, y, "D")
    c.line(4, 4, 8, 4, "D")


@picture(990, "question", 19, 29, "question mark")
def draw_question(c):
    hook = arc(9.5, 8.5, 5.3, 180, 380) + [(12.5, 14.5), (9.5, 17), (9.5, 20)]
    c.bevel(stroke(hook, 4.8), "A", "B", "N")
    c.bevel(rect(7, 23, 11, 27), "A", "B", "N")


@picture(991, "magnifier", 14, 16, "magnifying glass")
def draw_magnifier(c):
    c.bevel(stroke([(8.5, 9.5), (12.5, 14.5)], 3.4), "O", "M", "M")
    c.bevel(ellipse(5.5, 5.5, 5.5), "K", "K", "K")
    c.bevel(ellipse(5.5, 5.5, 4.3), "W", "A", "T", border="D")
    c.put(3, 3, "W")
    c.put(4, 3, "W")
    c.put(3, 4, "W")


@picture(992, "hourglass", 17, 21, "hourglass")
def draw_hourglass(c):
    c.bevel(polygon([(3, 2), (14, 2), (9.5, 10.5), (14, 19), (3, 19), (7.5, 10.5)]),
            "W", "A", "T")
    c.fill(polygon([(6.2, 5.5), (10.8, 5.5), (8.5, 9.5)]), "Y")
    c.fill(polygon([(8.5, 12.5), (12.2, 17.9), (4.8, 17.9)]), "Y")
    c.line(8, 10, 8, 16, "O")
    c.bevel(rect(1, 0, 15, 2), "Y", "O", "M")
    c.bevel(rect(1, 18, 15, 20), "Y", "O", "M")


@picture(993, "key", 18, 11, "key")
def draw_key(c):
    shaft = rect(8, 3, 17, 6) | rect(12, 6, 13, 9) | rect(15, 6, 17, 8)
    c.bevel(ellipse(5.5, 5.5, 5.5) | shaft, "W", "Y", "O")
    c.fill(ellipse(4.5, 5.5, 1.6), "K")


@picture(994, "clock", 20, 23, "clock")
def draw_clock(c):
    c.bevel(ellipse(4.5, 3.5, 3.6), "W", "Y", "O")
    c.bevel(ellipse(15.5, 3.5, 3.6), "W", "Y", "O")
    c.fill(rect(3, 20, 4, 22) | rect(15, 20, 16, 22), "K")
    c.bevel(ellipse(10, 12.5, 9.6) - rect(0, 22, 20, 22), "Y", "O", "O")
    c.bevel(ellipse(10, 12.5, 7.4), "W", "W", ".", border="D")
    for x, y in ((9, 6), (10, 6), (9, 18), (10, 18), (3, 12), (16, 12)):
        c.put(x, y, "K")
    c.line(9, 8, 9, 12, "K")
    c.line(10, 12, 13, 12, "K")
    c.line(10, 8, 10, 12, "K")
    c.put(10, 13, "R")


@picture(995, "padlock", 15, 20, "padlock")
def draw_padlock(c):
    shackle = stroke(arc(7.5, 6, 4.2, 180, 360) + [(11.7, 9)], 2.6) | stroke([(3.3, 6), (3.3, 9)],
                                                                              2.6)
    c.bevel(shackle, "W", ".", "D")
    c.bevel(rect(0, 8, 14, 19), "W", "Y", "O")
    c.fill(ellipse(7.5, 12.5, 1.6) | rect(7, 13, 7, 16), "K")


@picture(996, "house", 18, 20, "house")
def draw_house(c):
    c.bevel(rect(12, 1, 14, 7), "R", "M", "M")
    c.bevel(rect(2, 9, 15, 19), "W", "W", ".")
    c.bevel(rect(4, 12, 7, 19), "Y", "O", "O")
    c.bevel(rect(10, 12, 13, 15), "W", "A", "T")
    c.line(11, 13, 12, 13, "W")
    c.bevel(polygon([(-0.5, 10.4), (9, 0.5), (18.5, 10.4)]), "R", "R", "M")


@picture(997, "calendar", 22, 24, "calendar sheet")
def draw_calendar(c):
    c.bevel(rect(0, 3, 21, 23), "W", "W", ".")
    c.bevel(rect(0, 3, 21, 8), "R", "R", "M")
    for x in (5, 15):
        c.bevel(rect(x - 1, 0, x + 1, 5), "W", ".", "D")
    for row in range(4):
        for col in range(6):
            x, y = 3 + col * 3, 10 + row * 3
            if (row, col) != (3, 5):
                c.fill(rect(x, y, x + 1, y + 1), "D")
    c.fill(rect(12, 13, 13, 14), "R")


@picture(998, "monitor", 23, 20, "computer screen")
def draw_monitor(c):
    c.bevel(rect(6, 16, 16, 19), "W", ".", "D")
    c.bevel(rect(0, 0, 22, 16), "W", ".", "D")
    c.bevel(rect(3, 2, 19, 13), "D", "T", "W", border="K")
    c.line(5, 4, 8, 4, "A")
    c.line(5, 5, 6, 5, "A")
    c.fill(rect(18, 14, 19, 14), "L")


@picture(999, "updown", 16, 28, "arrow pointing up and down")
def draw_updown(c):
    shaft = rect(5, 8, 10, 19)
    up = polygon([(-0.1, 9), (8, 0), (16.1, 9)])
    down = polygon([(-0.1, 19), (8, 28), (16.1, 19)])
    c.bevel(shaft | up | down, "A", "B", "N")


@picture(5007, "wedge", 10, 21, "narrow downward-pointing wedge")
def draw_wedge(c):
    c.fill(polygon([(0, 0), (10, 0), (5, 21)]), "K")


def source_text(ident, width, height, what, rows):
    used = sorted({ch for row in rows for ch in row}, key=lambda ch: list(PALETTE).index(ch))
    lines = [f"# Stock picture: {what}.", f"id {ident}", f"size {width} {height}", "legend"]
    lines += [f"{ch} {PALETTE[ch][0]}" for ch in used]
    lines += ["pixels"] + rows
    return "\n".join(lines) + "\n"


def draw(directory):
    for ident, name, width, height, what, painter in PICTURES:
        canvas = Canvas(width, height)
        painter(canvas)
        path = os.path.join(directory, f"{ident:04d}-{name}.px")
        with open(path, "w", encoding="ascii") as out:
            out.write(source_text(ident, width, height, what, canvas.text()))


# ---------------------------------------------------------------- preview


def read_px(path):
    legend, rows, section = {}, [], None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if section == "pixels":
                if line.strip():
                    rows.append(line)
            elif line.strip() in ("legend", "pixels"):
                section = line.strip()
            elif section == "legend" and len(line) > 2:
                word = line[2:].split()[0]
                names = {name: rgb for name, rgb in PALETTE.values()}
                legend[line[0]] = int(word[1:], 16) if word.startswith("#") else names[word]
    return [[legend[ch] for ch in row] for row in rows]


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(struct.pack(">I", rgb)[1:] for rgb in row)
                   for row in pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def preview(target, sources, scale=8):
    images = [read_px(s) for s in sources]
    gap = 4
    cell_w = max(len(i[0]) for i in images) * scale + gap
    cell_h = max(len(i) for i in images) * scale + gap
    columns = min(6, len(images))
    rows_n = (len(images) + columns - 1) // columns
    # Enlarged pictures in a grid, the same pictures at 1:1 underneath.
    small_h = max(len(i) for i in images) + gap
    width = columns * cell_w + gap
    height = rows_n * cell_h + gap + small_h + gap
    sheet = [[0x606060] * width for _ in range(height)]
    small_x = gap
    for n, image in enumerate(images):
        ox = gap + (n % columns) * cell_w
        oy = gap + (n // columns) * cell_h
        for y, row in enumerate(image):
            for x, rgb in enumerate(row):
                for dy in range(scale):
                    sheet[oy + y * scale + dy][ox + x * scale:ox + (x + 1) * scale] = [rgb] * scale
                if small_x + x < width:
                    sheet[rows_n * cell_h + gap + y][small_x + x] = rgb
        small_x += len(image[0]) + gap
    write_png(target, sheet)


def main(argv):
    if len(argv) >= 2 and argv[0] == "draw":
        draw(argv[1])
        return 0
    if len(argv) >= 3 and argv[0] == "preview":
        preview(argv[1], argv[2:])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
