#!/usr/bin/env python3
"""The gallery on a real display, driven as a person drives it: its own
Xvfb on a free display number (50 and up), a window manager, its own
wineserver in a prefix of its own with Wine's X11 driver, real mouse and
keyboard events from xdotool. Each step is checked by pixels read from the
screen and by the notifications the gallery writes with --log.

Usage: e2e_test.py GALLERY_EXE WORKDIR [LOADER]
The loader defaults to Wine's 32-bit or 64-bit one, by the program's PE
machine."""
import os
import shutil
import signal
import struct
import subprocess
import sys
import time
import unittest


GALLERY = os.path.abspath(sys.argv[1])
WORKDIR = os.path.abspath(sys.argv[2])
LOADER = sys.argv[3] if len(sys.argv) > 3 else None

LOADERS = {0x014C: "/usr/lib/wine/wine", 0x8664: "/usr/lib/wine/wine64"}
FIRST_DISPLAY = 50
SCREEN = "1024x768x24"
STEP_TIMEOUT = 10.0

# The gallery reports where its tabs and controls lie (--log), since the
# display's fonts decide how large a dialog unit is. The menu bar lies just
# above the client area.
PAGE_COUNT = 7
MENU_Y = -10
MENU_DATEI_X, MENU_SEITE_X = 22, 64

# Control ids of the gallery (gallery_ids.h) and codes it logs.
IDC_PAGES = 100
TAB_ID = 0xFFFF
NOTEBOOK, PRINTER = 981, 982
IDC_PICTURE_AUTO = 2002
IDC_SCHEDULE, IDC_MARK, IDC_SCHED_DAY = 601, 603, 605
IDM_PAGE_FIRST = 40101
GSN_PAGECHANGED = 0x0F
GSHN_DAYCHANGED, GSHN_MONTHCHANGED = 5, 6

BLACK = (0, 0, 0)


def pe_machine(path):
    with open(path, "rb") as f:
        data = f.read(4096)
    offset = struct.unpack_from("<I", data, 0x3C)[0]
    if data[offset:offset + 4] != b"PE\0\0":
        raise ValueError(f"{path}: not a PE program")
    return struct.unpack_from("<H", data, offset + 4)[0]


def free_display():
    for number in range(FIRST_DISPLAY, FIRST_DISPLAY + 200):
        if not os.path.exists(f"/tmp/.X{number}-lock") and \
                not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            yield number


# A screen image is a list of rows, each the bytes of its pixels (r, g, b).
def pixel(row, x):
    return tuple(row[3 * x:3 * x + 3])


def count(image, box, colour):
    left, top, right, bottom = box
    wanted = bytes(colour)
    return sum(1 for row in image[top:bottom] for x in range(left, right)
               if row[3 * x:3 * x + 3] == wanted)


def area(image, box):
    left, top, right, bottom = box
    return [row[3 * left:3 * right] for row in image[top:bottom]]


def has_focus_mark(image, box):
    """A dotted line: at least 12 black pixels two apart in a row (or a
    column), with no black between them; text never makes such a run."""
    left, top, right, bottom = box
    lines = [[pixel(image[y], x) for x in range(left, right)] for y in range(top, bottom)]
    lines += [[pixel(image[y], x) for y in range(top, bottom)] for x in range(left, right)]
    for line in lines:
        for start in (0, 1):
            run = 0
            for i in range(start, len(line) - 1, 2):
                if line[i] == BLACK and line[i + 1] != BLACK:
                    run += 1
                    if run >= 12:
                        return True
                else:
                    run = 0
    return False


def centre(box):
    return (box[0] + box[2]) // 2, (box[1] + box[3]) // 2


class Session:
    """Xvfb, the window manager, the wineserver and the gallery; stop()
    ends every process it started."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.processes = []
        self.env = None
        self.log_path = os.path.join(workdir, "notifications.log")

    def start(self):
        os.makedirs(self.workdir, exist_ok=True)
        self.start_display()
        base = dict(os.environ, DISPLAY=f":{self.display}")
        base.pop("WAYLAND_DISPLAY", None)
        self.spawn(["openbox", "--sm-disable"], base)
        prefix = os.path.join(self.workdir, "wineprefix")
        self.env = dict(base, WINEPREFIX=prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")
        loader = LOADER or LOADERS[pe_machine(GALLERY)]
        ready = os.path.join(prefix, ".quorl-ready")
        if not os.path.exists(ready):
            shutil.rmtree(prefix, ignore_errors=True)
            subprocess.run([LOADERS[0x8664], "wineboot", "-i"], env=self.env, timeout=90,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.wineserver("-w")
            open(ready, "w").close()
        if os.path.exists(self.log_path):
            os.remove(self.log_path)
        log = "Z:" + self.log_path.replace("/", "\\")
        self.gallery = self.spawn([loader, GALLERY, "--log", log], self.env,
                                  cwd=os.path.dirname(GALLERY))
        self.wait_for(lambda lines: any(line.startswith("clock ") for line in lines))
        self.read_layout(self.lines())
        self.window = self.xdotool("search", "--sync", "--onlyvisible", "--name",
                                   "QUORL32 Galerie").split()[0]
        self.settle()

    def read_layout(self, lines):
        self.tabs, self.controls = {}, {}
        for line in lines:
            word, *numbers = line.split()
            numbers = [int(n) for n in numbers]
            if word == "start":
                self.start_focus = numbers[0]
                self.origin, self.size = tuple(numbers[1:3]), tuple(numbers[3:5])
            elif word == "tab":
                self.tabs[numbers[0]] = tuple(numbers[1:])
            elif word == "control":
                self.controls.setdefault(numbers[0], tuple(numbers[1:]))
            elif word in ("help", "clock"):
                setattr(self, word, tuple(numbers[1:]))
        # What moves by itself: the rolling picture and the clock.
        self.moving = [self.controls[IDC_PICTURE_AUTO], self.clock]

    def start_display(self):
        """Xvfb on the first free number; the lock file names the server
        that got the number, so a race with another test is noticed."""
        for number in free_display():
            xvfb = self.spawn(["Xvfb", f":{number}", "-screen", "0", SCREEN, "-nolisten", "tcp"],
                              dict(os.environ))
            deadline = time.time() + 5
            while time.time() < deadline and xvfb.poll() is None:
                if os.path.exists(f"/tmp/.X11-unix/X{number}") and self.locked_by(number, xvfb):
                    self.display = number
                    return
                time.sleep(0.05)
            self.end(xvfb)
        raise RuntimeError("no free display")

    @staticmethod
    def locked_by(number, process):
        try:
            with open(f"/tmp/.X{number}-lock") as lock:
                return int(lock.read().strip() or 0) == process.pid
        except (OSError, ValueError):
            return False

    def spawn(self, command, env, cwd=None):
        process = subprocess.Popen(command, env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    @staticmethod
    def end(process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(timeout=5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait(timeout=5)

    def wineserver(self, option):
        server = "/usr/lib/wine/wineserver"
        if not os.path.exists(server):
            server = shutil.which("wineserver") or "wineserver"
        subprocess.run([server, option], env=self.env, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        if self.env is not None:
            self.wineserver("-k")
        for process in reversed(self.processes):
            self.end(process)

    # ---- input and output ---------------------------------------------

    def xdotool(self, *arguments):
        return subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                              text=True, timeout=STEP_TIMEOUT, check=True).stdout

    def settle(self):
        """Waits until two screenshots agree but for what moves by itself:
        the gallery has painted."""
        previous = None
        deadline = time.time() + STEP_TIMEOUT
        while time.time() < deadline:
            time.sleep(0.15)
            current = self.still(self.grab())
            if current == previous:
                return
            previous = current
        raise AssertionError("the screen does not settle")

    def still(self, image):
        """The image with what moves by itself blacked out."""
        image = list(image)
        for left, top, right, bottom in self.moving:
            for y in range(max(top, 0), min(bottom, len(image))):
                row = image[y]
                image[y] = row[:3 * left] + bytes(3 * (right - left)) + row[3 * right:]
        return image

    def grab(self, keep=None):
        """The client area as read from the screen; with keep, also as a PNG
        file of that name."""
        width, height = self.size
        crop = ["import", "-silent", "-window", "root", "-crop",
                f"{width}x{height}+{self.origin[0]}+{self.origin[1]}", "+repage", "-depth", "8"]
        raw = subprocess.run(crop + ["RGB:-"], env=self.env, check=True, capture_output=True,
                             timeout=STEP_TIMEOUT).stdout
        if keep:
            subprocess.run(crop + [os.path.join(self.workdir, keep + ".png")], env=self.env,
                           check=True, timeout=STEP_TIMEOUT)
        stride = 3 * width
        return [raw[y * stride:(y + 1) * stride] for y in range(height)]

    def screen(self, name=None):
        """The client area, once the gallery has painted; kept as NAME.png."""
        self.settle()
        return self.grab(name)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("click", str(button))

    def move(self, x, y):
        self.xdotool("mousemove", str(self.origin[0] + x), str(self.origin[1] + y))

    def key(self, *keys):
        self.xdotool("key", "--delay", "60", *keys)

    def lines(self):
        with open(self.log_path, encoding="ascii", errors="replace") as f:
            return [line.strip() for line in f if line.strip()]

    def wait_for(self, found):
        deadline = time.time() + STEP_TIMEOUT * 3
        while time.time() < deadline:
            if os.path.exists(self.log_path):
                result = found(self.lines())
                if result:
                    return result
            if self.gallery.poll() is not None:
                raise AssertionError("the gallery ended")
            time.sleep(0.05)
        raise AssertionError("the gallery did not report")

    def mark(self):
        return len(self.lines())

    def since(self, mark):
        self.settle()
        return self.lines()[mark:]


def command(id_, code=0):
    return f"command {id_} {code}"


class EndToEnd(unittest.TestCase):
    session = None
    maxDiff = 200

    @classmethod
    def setUpClass(cls):
        cls.session = Session(WORKDIR)
        try:
            cls.session.start()
        except BaseException:
            cls.session.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.session.stop()

    def assertFocusMarkOnlyOnTab(self, image, page):
        for k in range(PAGE_COUNT):
            with self.subTest(tab=k):
                self.assertEqual(has_focus_mark(image, self.session.tabs[k]), k == page)

    def page_area(self, image):
        """Below the tabs, above the status bar."""
        s = self.session
        return area(s.still(image), (0, s.tabs[0][3] + 4, s.size[0], s.help[1] - 4))

    def test_the_steps_in_order(self):
        s = self.session
        tab = s.tabs
        printer, notebook = s.controls[PRINTER], s.controls[NOTEBOOK]
        schedule, day_line = s.controls[IDC_SCHEDULE], s.controls[IDC_SCHED_DAY]

        # At start the focus is on the first tab (the first tab stop of
        # the dialog: the tabs come right after the switcher, before every
        # page control), which alone carries a mark; the help field is empty.
        self.assertEqual(s.start_focus, TAB_ID)
        image = s.screen("start")
        self.assertEqual(count(image, s.help, BLACK), 0)
        self.assertFocusMarkOnlyOnTab(image, 0)
        page1 = self.page_area(image)

        # A click on the second tab: its page, its mark, nothing else.
        mark = s.mark()
        s.click(*centre(tab[1]))
        self.assertIn(command(IDC_PAGES, GSN_PAGECHANGED), s.since(mark))
        image = s.screen("tab2")
        self.assertFocusMarkOnlyOnTab(image, 1)
        self.assertNotEqual(self.page_area(image), page1)

        # Left arrow on the focused tab: back to page 1, the mark moves along.
        mark = s.mark()
        s.key("Left")
        self.assertIn(command(IDC_PAGES, GSN_PAGECHANGED), s.since(mark))
        image = s.screen("arrow")
        self.assertFocusMarkOnlyOnTab(image, 0)

        # Press on the printer button, release outside: no click, but the
        # button has the focus and the mark.
        x, y = centre(printer)
        mark = s.mark()
        s.move(x, y)
        s.xdotool("mousedown", "1")
        s.move(x, schedule[3] + 10)
        s.xdotool("mouseup", "1")
        lines = s.since(mark)
        self.assertNotIn(command(PRINTER), lines)
        self.assertIn(f"focus {PRINTER} 1", lines)
        image = s.screen("outside")
        self.assertTrue(has_focus_mark(image, printer))
        self.assertFocusMarkOnlyOnTab(image, None)

        # A click on the notebook button: clicked, its help text shows.
        help_before = area(image, s.help)
        mark = s.mark()
        s.click(*centre(notebook))
        lines = s.since(mark)
        self.assertIn(command(NOTEBOOK), lines)
        self.assertIn(f"focus {PRINTER} 0", lines)
        image = s.screen("notebook")
        self.assertTrue(has_focus_mark(image, notebook))
        self.assertFalse(has_focus_mark(image, printer))
        self.assertNotEqual(area(image, s.help), help_before)
        self.assertGreater(count(image, s.help, BLACK), 20)

        # Space clicks it again.
        mark = s.mark()
        s.key("space")
        self.assertEqual(s.since(mark).count(command(NOTEBOOK)), 1)

        # Tab and Shift+Tab move the focus to the next button and back.
        mark = s.mark()
        s.key("Tab")
        self.assertIn(f"focus {PRINTER} 1", s.since(mark))
        self.assertTrue(has_focus_mark(s.screen("tab-key"), printer))
        mark = s.mark()
        s.key("shift+Tab")
        self.assertIn(f"focus {NOTEBOOK} 1", s.since(mark))
        image = s.screen("shift-tab")
        self.assertTrue(has_focus_mark(image, notebook))
        self.assertFalse(has_focus_mark(image, printer))

        # A menu opened and closed with the mouse leaves the page as it was.
        before = image
        corner = (0, 0, tab[1][2], tab[0][3] + 60)
        s.click(MENU_DATEI_X, MENU_Y)
        self.assertNotEqual(area(s.screen("menu-open"), corner), area(before, corner))
        s.click(MENU_DATEI_X, MENU_Y)
        self.assertEqual(self.page_area(s.screen("menu-closed")), self.page_area(before))

        # The calendar page chosen from the "Seite" menu while a button of
        # page 1 has the focus: the focus goes to the calendar's tab, which
        # alone carries a mark.
        mark = s.mark()
        s.click(MENU_SEITE_X, MENU_Y)
        s.screen()
        s.key("l")
        lines = s.since(mark)
        self.assertIn(command(IDM_PAGE_FIRST + 4), lines)
        self.assertIn(command(IDC_PAGES, GSN_PAGECHANGED), lines)
        image = s.screen("menu-page")
        self.assertFocusMarkOnlyOnTab(image, 4)

        # Then a click on the third tab and back: one mark, on that tab.
        s.click(*centre(tab[2]))
        self.assertFocusMarkOnlyOnTab(s.screen("after-menu-click"), 2)
        s.click(*centre(tab[4]))
        calendar = s.screen("calendar")
        self.assertFocusMarkOnlyOnTab(calendar, 4)

        # Alt+M presses "Markieren": the marks show in the calendar.
        mark = s.mark()
        s.key("alt+m")
        self.assertIn(command(IDC_MARK), s.since(mark))
        self.assertNotEqual(area(s.screen("marked"), schedule), area(calendar, schedule))

        # The calendar's keys: a click on a day gives it the focus; Right
        # moves the day, Page Up the month; the chosen-day line follows both.
        s.click(schedule[0] + (schedule[2] - schedule[0]) // 3, schedule[3] - 30)
        before = area(s.screen(), day_line)
        mark = s.mark()
        s.key("Right")
        self.assertIn(command(IDC_SCHEDULE, GSHN_DAYCHANGED), s.since(mark))
        after_day = area(s.screen("day"), day_line)
        self.assertNotEqual(after_day, before)
        mark = s.mark()
        s.key("Prior")
        self.assertIn(command(IDC_SCHEDULE, GSHN_MONTHCHANGED), s.since(mark))
        self.assertNotEqual(area(s.screen("month"), day_line), after_day)


def terminated(*_):
    """Ended from outside (a timeout): every process the session started
    is stopped all the same."""
    if EndToEnd.session is not None:
        EndToEnd.session.stop()
    print("e2e: terminated", file=sys.stderr)
    os._exit(1)


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, terminated)
    started = time.time()
    outcome = unittest.main(argv=[sys.argv[0], "-v"], exit=False)
    print(f"e2e: {time.time() - started:.1f} s")
    sys.exit(0 if outcome.result.wasSuccessful() else 1)
