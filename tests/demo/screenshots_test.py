#!/usr/bin/env python3
"""Runs the gallery's screenshot mode twice and checks every PNG: the
window's size, not blank, the page's controls where its template puts them
(colours of their pictures, marks and texts), the states differing from
their pages, and the same bytes from both runs and, when PEER_DIR is given,
as the other architecture's gallery wrote there.

Usage: screenshots_test.py WINE_RUN PREFIX GALLERY_EXE WORKDIR [PEER_DIR]"""
import os
import shutil
import subprocess
import sys
import unittest

from png_read import read_png

WINE_RUN, PREFIX, GALLERY, WORKDIR = sys.argv[1:5]
PEER = sys.argv[5] if len(sys.argv) > 5 else None

# The main dialog is 340 x 236 dialog units in "MS Sans Serif" 8; with the
# prefix's font (base units 7 x 14 pixels: 1.75 x 1.75 per unit) that is a
# client area of 595 x 413 under a caption of 19 and a menu of 19 pixels, in
# a three-pixel frame.
WIDTH, HEIGHT = 601, 428

PAGES = ["page1-buttons", "page2-choices", "page3-progress", "page4-texts",
         "page5-calendar", "page6-status", "page7-dates"]
STATES = ["state-focused", "state-pressed", "state-disabled", "state-keyboard"]

BLACK, WHITE, GREY = (0, 0, 0), (255, 255, 255), (192, 192, 192)
DARK_GREY, DARK_RED, DARK_GREEN = (128, 128, 128), (128, 0, 0), (0, 128, 0)
RED, GREEN = (255, 0, 0), (0, 255, 0)
SCHEDULE_RED, SCHEDULE_GREEN = (127, 0, 0), (0, 127, 0)
SKY, BRICK = (90, 150, 230), (200, 120, 80)  # the panel pictures (make_pictures.py)

# The page area starts at pixel (21, 76): switcher at dialog units (4, 4),
# its tabs 22 pixels high. Boxes are (left, top, right, bottom), exclusive.
PROBES = {
    # OK (1) and cancel (2) at units (6, 6) and (65, 6), 57 x 26.
    "page1-buttons": [((20, 82, 104, 128), DARK_GREEN, 40), ((108, 82, 192, 128), RED, 60),
                      # the scrolled panel at (244, 18), the rolling one at (244, 102)
                      ((370, 99, 470, 170), SKY, 500), ((370, 215, 480, 290), BRICK, 3000)],
    # lamps at units (110, 50) and (110, 64): checked green, unchecked red
    "page2-choices": [((170, 140, 200, 155), GREEN, 30), ((170, 160, 200, 180), RED, 30),
                      ((170, 140, 200, 155), RED, 0)],
    # the TICKS10 gauge at units (80, 158): eleven ticks and its frame
    "page3-progress": [((130, 305, 372, 330), BLACK, 11)],
    # GTS_TOPLINE at units (164, 124): a black line of the label's width
    "page4-texts": [((335, 240, 480, 250), BLACK, 140)],
    # the schedule at units (6, 6): 24 December selected (dark grey box),
    # holidays and weekends in its dark red, the typed marks as green bars
    "page5-calendar": [((135, 200, 168, 220), DARK_GREY, 500),
                       ((20, 120, 290, 300), SCHEDULE_RED, 100),
                       ((20, 120, 290, 300), SCHEDULE_GREEN, 40)],
    # the bar at units (6, 60): "!" field dark red, "?" field dark green
    "page6-status": [((95, 158, 325, 176), DARK_RED, 60), ((326, 158, 420, 176), DARK_GREEN, 40),
                     ((95, 158, 325, 176), DARK_GREEN, 0)],
    # the result labels at units (6, 40), (6, 58), (6, 76)
    "page7-dates": [((20, 128, 320, 148), BLACK, 40), ((20, 160, 320, 180), BLACK, 40)],
}
PAGE_AREA = (15, 80, 590, 390)
HELP_FIELD = (8, 404, 500, 422)
PRINTER_BUTTON = (20, 125, 104, 165)  # units (6, 34)


def count(image, box, colour):
    left, top, right, bottom = box
    return sum(1 for row in image[top:bottom] for pixel in row[left:right] if pixel == colour)


def area(image, box):
    left, top, right, bottom = box
    return [row[left:right] for row in image[top:bottom]]


def shoot(directory):
    shutil.rmtree(directory, ignore_errors=True)
    os.makedirs(directory)
    result = subprocess.run([WINE_RUN, PREFIX, GALLERY, "--screenshots", directory],
                            capture_output=True, text=True, timeout=120)
    return result


class Screenshots(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.first = os.path.join(WORKDIR, "first")
        cls.second = os.path.join(WORKDIR, "second")
        cls.run1 = shoot(cls.first)
        cls.run2 = shoot(cls.second)
        cls.images = {}
        for name in PAGES + STATES:
            path = os.path.join(cls.first, name + ".png")
            if os.path.exists(path):
                cls.images[name] = read_png(path)

    def test_prints_the_path_of_every_file(self):
        self.assertEqual(self.run1.returncode, 0, self.run1.stderr)
        printed = [line.strip().replace("\\", "/").rsplit("/", 1)[-1]
                   for line in self.run1.stdout.splitlines()]
        self.assertEqual(printed, [name + ".png" for name in PAGES + STATES])

    def test_every_file_has_the_window_size_and_is_not_blank(self):
        for name in PAGES + STATES:
            with self.subTest(name):
                self.assertIn(name, self.images)
                width, height, image = self.images[name]
                self.assertEqual((width, height), (WIDTH, HEIGHT))
                colours = {pixel for row in area(image, PAGE_AREA) for pixel in row}
                self.assertGreater(len(colours), 8)

    def test_controls_are_where_the_templates_put_them(self):
        for name, probes in PROBES.items():
            for box, colour, least in probes:
                with self.subTest(name, box=box, colour=colour):
                    found = count(self.images[name][2], box, colour)
                    if least == 0:
                        self.assertEqual(found, 0)
                    else:
                        self.assertGreaterEqual(found, least)

    def test_pages_differ_from_each_other(self):
        areas = [area(self.images[name][2], PAGE_AREA) for name in PAGES]
        for i in range(len(PAGES)):
            for j in range(i + 1, len(PAGES)):
                self.assertNotEqual(areas[i], areas[j], (PAGES[i], PAGES[j]))

    def test_states(self):
        page = {name: self.images[name][2] for name in self.images}
        # the focused button's help string reaches the automatic status bar
        self.assertEqual(count(page["page1-buttons"], HELP_FIELD, BLACK), 0)
        self.assertGreater(count(page["state-focused"], HELP_FIELD, BLACK), 20)
        # the pressed printer button is drawn differently, the rest is not
        self.assertNotEqual(area(page["state-pressed"], PRINTER_BUTTON),
                            area(page["page1-buttons"], PRINTER_BUTTON))
        # disabled choices lose their black captions and marks
        self.assertLess(count(page["state-disabled"], PAGE_AREA, BLACK),
                        count(page["page2-choices"], PAGE_AREA, BLACK) // 2)
        # the right arrow on the tab of page 3 showed page 4
        self.assertEqual(area(page["state-keyboard"], PAGE_AREA), area(page["page4-texts"], PAGE_AREA))

    def test_two_runs_write_the_same_bytes(self):
        for name in PAGES + STATES:
            with self.subTest(name):
                with open(os.path.join(self.first, name + ".png"), "rb") as a, \
                        open(os.path.join(self.second, name + ".png"), "rb") as b:
                    self.assertEqual(a.read(), b.read())

    @unittest.skipUnless(PEER and os.path.isdir(PEER or ""), "the other architecture's screenshots")
    def test_the_other_architecture_writes_the_same_bytes(self):
        for name in PAGES + STATES:
            with self.subTest(name):
                with open(os.path.join(self.first, name + ".png"), "rb") as a, \
                        open(os.path.join(PEER, name + ".png"), "rb") as b:
                    self.assertEqual(a.read(), b.read())


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
