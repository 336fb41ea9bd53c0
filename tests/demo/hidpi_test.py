#!/usr/bin/env python3
"""Runs the gallery's screenshot mode on a screen of 192 pixels per inch and
checks that no tab label, button caption or status field text is cut off
(no text-coloured pixel on the last row or column the text may reach, nor
in the strip between there and where the control clips it) and
that the library's pictures are exactly twice their size at 96 dpi.

Usage: hidpi_test.py WINE_DPI PREFIX GALLERY_EXE REFERENCE_DIR WORKDIR
(WINE_DPI: tools/wine-dpi.sh; REFERENCE_DIR: the 96-dpi docs/images)."""
import os
import shutil
import subprocess
import sys
import unittest

from png_read import read_png

WINE_DPI, PREFIX, GALLERY, REFERENCE, WORKDIR = sys.argv[1:6]

BLACK, BLUE, GREY = (0, 0, 0), (0, 0, 255), (192, 192, 192)
DARK_RED, DARK_GREEN = (128, 0, 0), (0, 128, 0)
TEXT_COLOURS = {BLACK, DARK_RED, DARK_GREEN}

# At 192 dpi the dialog is 1111 x 788 pixels; the page switcher's client
# area lies at (16, 89)-(1095, 731) of the window (measured). Its tabs: row
# 1079 wide, 7 shares of 154, each tab 115 wide (three quarters) and
# 2 x 20 high, 2 x 4 below the row's top; its caption 2 x 2 in from top
# and bottom. Boxes are (left, top, right, bottom), right and bottom
# exclusive.
TAB_LEFTS = [36, 190, 344, 498, 653, 807, 961]
TAB_TOP, TAB_BOTTOM = 97, 137
CAPTION_TOP, CAPTION_BOTTOM = 101, 133
TAB_WIDTH = 115
# A tab clips its caption 10 columns in from either side of this box (seen
# with a caption too long for it); the widest whole caption keeps 13 free.
TAB_SIDE = 12

# The buttons page: four columns of 171 x 72 (57 x 26 dialog units), five
# full rows and two buttons in a sixth. The boxes are the buttons' window
# rectangles that "gallery --log" reports at 192 dpi (client coordinates)
# moved by the frame: 3 pixels of border, 77 of caption, menu bar and
# border above the client area. A caption may run up to the edge bands,
# 2 x 4 in from either side; the bands (the bevel's highlight on the left,
# its shadow on the right) never hold black. A caption too wide for its
# button is drawn over the left band.
BUTTON_COLUMNS = [34, 211, 388, 565]
BUTTON_ROWS = [158, 235, 312, 389, 466, 543]
BUTTON_WIDTH, BUTTON_HEIGHT = 171, 72
BUTTONS = [(x, y) for y in BUTTON_ROWS[:5] for x in BUTTON_COLUMNS] + \
    [(x, BUTTON_ROWS[5]) for x in BUTTON_COLUMNS[:2]]
EDGE_BAND = (4, 8)  # the band's columns: left + 4 to left + 8, right - 8 to right - 4

# Status fields: the text may reach 2 x 2 border widths left of the field's
# right edge; its last column is one further in. No text colour from there
# to the edge: a clipped text ends in that strip, and a single column could
# fall between two strokes of a letter.
STATUS_PAGE_FIELDS = [(180, 312, 343), (642, 312, 343), (826, 312, 343), (956, 312, 343)]
AUTO_BAR_FIELDS = [(909, 747, 778), (1093, 747, 778)]  # help field and clock
TEXT_MARGIN = 4

# The library's pictures: the "Heft" stock picture (its blue) and the
# unchecked mark of "Von Hand", in the 96-dpi reference and at 192 dpi.
HEFT_96, HEFT_192 = (290, 82, 345, 118), (570, 162, 700, 228)
MARK_96, MARK_192 = (20, 95, 40, 115), (40, 190, 80, 230)


def count(image, box, colours):
    left, top, right, bottom = box
    return sum(1 for row in image[top:bottom] for pixel in row[left:right] if pixel in colours)


def extent(image, box, wanted):
    left, top, right, bottom = box
    xs, ys = [], []
    for y in range(top, bottom):
        for x in range(left, right):
            if wanted(image[y][x]):
                xs.append(x)
                ys.append(y)
    return (max(xs) + 1 - min(xs), max(ys) + 1 - min(ys)) if xs else (0, 0)


class HighDpiGallery(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shots = os.path.join(WORKDIR, "192")
        shutil.rmtree(shots, ignore_errors=True)
        os.makedirs(shots)
        cls.gallery = subprocess.run([WINE_DPI, "192", PREFIX, GALLERY, "--screenshots", shots],
                                 capture_output=True, text=True, timeout=600)
        cls.images = {}
        for name in ["page1-buttons", "page2-choices", "page6-status"]:
            path = os.path.join(shots, name + ".png")
            if os.path.exists(path):
                cls.images[name] = read_png(path)

    def image(self, name):
        self.assertEqual(self.gallery.returncode, 0, self.gallery.stderr)
        self.assertIn(name, self.images)
        width, height, pixels = self.images[name]
        self.assertEqual((width, height), (1111, 788))
        return pixels

    def test_tab_labels_are_whole(self):
        image = self.image("page1-buttons")
        for left in TAB_LEFTS:
            with self.subTest(tab=left):
                right = left + TAB_WIDTH
                self.assertGreater(count(image, (left, CAPTION_TOP, right, CAPTION_BOTTOM), {BLACK}),
                                   100)
                self.assertEqual(count(image, (left, CAPTION_TOP, right, CAPTION_TOP + 1), {BLACK}),
                                 0)
                self.assertEqual(count(image, (left, CAPTION_BOTTOM - 1, right, TAB_BOTTOM), {BLACK}),
                                 0)
                for side in [left, right - TAB_SIDE]:
                    self.assertEqual(
                        count(image, (side, CAPTION_TOP, side + TAB_SIDE, CAPTION_BOTTOM), {BLACK}), 0)

    def test_button_captions_stay_inside_the_edges(self):
        image = self.image("page1-buttons")
        for left, top in BUTTONS:
            with self.subTest(button=(left, top)):
                right = left + BUTTON_WIDTH
                rows = (top + 8, top + BUTTON_HEIGHT - 8)
                for band in [(left + EDGE_BAND[0], left + EDGE_BAND[1]),
                             (right - EDGE_BAND[1], right - EDGE_BAND[0])]:
                    self.assertEqual(count(image, (band[0], rows[0], band[1], rows[1]), {BLACK}), 0)
                # the caption is there, between the bands
                inside = (left + 8, top + 8, right - 8, top + BUTTON_HEIGHT - 8)
                self.assertGreater(count(image, inside, {BLACK}), 80)

    def test_status_field_texts_are_whole(self):
        pages = [("page6-status", STATUS_PAGE_FIELDS), ("page1-buttons", AUTO_BAR_FIELDS)]
        for name, fields in pages:
            image = self.image(name)
            for right, top, bottom in fields:
                with self.subTest(name, field=right):
                    last = right - TEXT_MARGIN - 1
                    self.assertEqual(count(image, (last, top, right, bottom), TEXT_COLOURS), 0)
        # every field of the status page shows its text
        image = self.image("page6-status")
        left = 40
        for right, top, bottom in STATUS_PAGE_FIELDS:
            with self.subTest(text=right):
                self.assertGreater(count(image, (left, top, right, bottom), TEXT_COLOURS), 60)
            left = right

    def test_library_pictures_are_twice_their_size(self):
        _, _, buttons96 = read_png(os.path.join(REFERENCE, "page1-buttons.png"))
        _, _, choices96 = read_png(os.path.join(REFERENCE, "page2-choices.png"))
        heft96 = extent(buttons96, HEFT_96, lambda p: p == BLUE)
        mark96 = extent(choices96, MARK_96, lambda p: p != GREY)
        self.assertEqual(heft96, (19, 25))
        self.assertEqual(mark96, (13, 13))
        heft = extent(self.image("page1-buttons"), HEFT_192, lambda p: p == BLUE)
        mark = extent(self.image("page2-choices"), MARK_192, lambda p: p != GREY)
        self.assertEqual(heft, (2 * heft96[0], 2 * heft96[1]))
        self.assertEqual(mark, (2 * mark96[0], 2 * mark96[1]))


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
