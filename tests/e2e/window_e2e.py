#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built program on a real X server, operated as a user operates it.

Starts its own Xvfb on a free display, starts the program, drives it with
xdotool and checks the pixels of screenshots taken with xwd.

Usage: window_e2e.py PATH-TO-VANTREL SCENARIO
Scenarios: run-pause, set-angle, about, zoom. Exit 77 (skipped) only when no
X server can be started at all.
"""

import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77

# Window coordinates, in pixels, of what the user touches and what is checked.
PLAY = (664, 567)
FAST = (880, 512)
BOX = (796, 567)
SET_ANGLE = (900, 567)
ABOUT = (952, 32)
CENTRE = (300, 300)          # of the phasor diagram
R1_DOT = (301, 77)           # centre of the dot on conductor R1
READOUT = (776, 88, 889, 113)
# The drawn scene, without the controls: a text box's caret blinks.
SCENE = [(0, 0, 600, 590), (613, 133, 968, 466), READOUT]
CHART_COLUMNS = range(614, 968)
CURSOR_ROWS = range(140, 461)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Shot:
    """An xwd screenshot of one window: width, height and RGB per pixel."""

    def __init__(self, data):
        header = struct.unpack(">25I", data[:100])
        (header_size, _version, _format, _depth, self.width, self.height, _xoffset, byte_order,
         _unit, _bit_order, _pad, bits_per_pixel, self.stride, _visual, red, green, blue) = header[:17]
        colours = header[19]
        check(bits_per_pixel == 32, f"screenshot has {bits_per_pixel} bits per pixel")
        self.pixels = data[header_size + 12 * colours:]
        self.order = "<" if byte_order == 0 else ">"
        self.masks = [(m, (m & -m).bit_length() - 1) for m in (red, green, blue)]

    def rgb(self, x, y):
        (value,) = struct.unpack_from(self.order + "I", self.pixels, y * self.stride + 4 * x)
        return tuple((value & m) >> s for m, s in self.masks)

    def crop(self, box):
        left, top, right, bottom = box
        return [self.pixels[y * self.stride + 4 * left:y * self.stride + 4 * right] for y in range(top, bottom)]

    def scene(self):
        return [self.crop(box) for box in SCENE]


def is_red(p):
    return p[0] > 200 and p[1] < 90 and p[2] < 90


def is_white(p):
    return min(p) > 245


def is_dark(p):
    return max(p) < 80


class Session:
    def __init__(self, program):
        self.program = program
        self.scratch = tempfile.mkdtemp(prefix="vantrel-e2e-")
        self.xvfb = None
        self.wm = None
        self.app = None

    # --- the X server and the program ---------------------------------
    def start_x(self, screen="1280x1024", window_manager=False):
        if not shutil.which("Xvfb"):
            print("Xvfb is missing")
            sys.exit(SKIP)
        # Without the user's hands and eyes the test cannot run, but that is
        # a broken setup, not a missing display: fail.
        for tool in ("xdotool", "xwd") + (("openbox",) if window_manager else ()):
            check(shutil.which(tool), f"{tool} is missing")
        read_end, write_end = os.pipe()
        # -displayfd lets the server pick a free display and say which.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen + "x24", "-nolisten", "tcp",
             "-noreset"], pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.5)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        if not number.strip():
            print("Xvfb did not start")
            sys.exit(SKIP)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "WAYLAND")) and k not in ("DISPLAY", "XAUTHORITY")}
        runtime = os.path.join(self.scratch, "runtime")
        os.mkdir(runtime, 0o700)
        self.env.update(DISPLAY=":" + number.decode().strip(), QT_QPA_PLATFORM="xcb",
                        QT_ENABLE_HIGHDPI_SCALING="0", XDG_RUNTIME_DIR=runtime)
        if window_manager:
            # Maximizing and full screen are the window manager's to grant.
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1)

    def start_program(self):
        self.log = open(os.path.join(self.scratch, "program.log"), "w+")
        self.app = subprocess.Popen([self.program], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        self.window = self.wait_for_windows(1)[0]
        # Painted once the chart's white border is on screen.
        self.wait_until(lambda: is_white(self.shot().rgb(615, 300)), "the window was never painted")

    def stop(self):
        for process in (self.app, self.wm, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def program_log(self):
        self.log.seek(0)
        return self.log.read()

    # --- the user's hands and eyes -------------------------------------
    def run(self, *args, timeout=20):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=timeout)
        return result.stdout

    def windows(self):
        return self.run("xdotool", "search", "--onlyvisible", "--name", "^Vantrel$").split()

    def wait_for_windows(self, count, timeout=30):
        found = []

        def enough():
            found[:] = self.windows()
            return len(found) == count

        self.wait_until(enough, f"expected {count} window(s) named Vantrel, found {len(found)}", timeout)
        return found

    def wait_until(self, condition, message, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            check(self.app is None or self.app.poll() is None, "the program ended:\n" + self.program_log())
            if condition():
                return
            time.sleep(0.1)
        raise Failure(message)

    def click(self, point):
        self.run("xdotool", "mousemove", "--window", self.window, str(point[0]), str(point[1]), "click", "1")

    def enter_angle(self, text):
        self.click(BOX)
        self.run("xdotool", "key", "ctrl+a")
        self.run("xdotool", "type", "--delay", "20", text)

    def size(self):
        """The window's client size, as the X server has it."""
        out = self.run("xdotool", "getwindowgeometry", self.window)
        width, height = out.split("Geometry:")[1].split()[0].split("x")
        return int(width), int(height)

    def shot(self, window=None):
        data = subprocess.run(["xwd", "-silent", "-id", window or self.window], env=self.env,
                              capture_output=True, timeout=20).stdout
        return Shot(data)

    def settle(self):
        """Lets every pending event run: a click is seen and its frame drawn."""
        time.sleep(0.4)


class View:
    """Where the scene lies in the window: its zoom and its top-left corner."""

    def __init__(self, zoom=1.0, origin=(0, 0)):
        self.zoom, self.origin = zoom, origin

    def at(self, point):
        """A point of the scene as designed, in the window's pixels."""
        return (round(self.origin[0] + point[0] * self.zoom), round(self.origin[1] + point[1] * self.zoom))

    def span(self, designed):
        start, stop = self.at((designed.start, designed.start))[0], self.at((designed.stop, designed.stop))[0]
        return range(start, stop)

    def rows(self, designed):
        return range(self.at((0, designed.start))[1], self.at((0, designed.stop))[1])


AS_DESIGNED = View()


def cursor_column(shot, view=AS_DESIGNED):
    """The time cursor's column on the chart, as designed: the one dark vertical line."""
    rows = view.rows(CURSOR_ROWS)
    columns = [x for x in view.span(CHART_COLUMNS) if sum(is_dark(shot.rgb(x, y)) for y in rows) > 250 * view.zoom]
    check(columns, "no cursor on the chart")
    check(columns[-1] - columns[0] <= 3 * view.zoom, f"more than one cursor: columns {columns}")
    return (sum(columns) / len(columns) - view.origin[0]) / view.zoom


def resultant_direction(shot, view=AS_DESIGNED):
    """Where the white resultant points from the centre: left, right, up or down."""
    cx, cy = CENTRE
    arms = {
        "left": [(cx - d, cy + o) for d in range(60, 180) for o in (-2, 0, 2)],
        "right": [(cx + d, cy + o) for d in range(60, 180) for o in (-2, 0, 2)],
        "up": [(cx + o, cy - d) for d in range(60, 180) for o in (-2, 0, 2)],
        "down": [(cx + o, cy + d) for d in range(60, 180) for o in (-2, 0, 2)],
    }
    white = {name: sum(is_white(shot.rgb(*view.at(p))) for p in points) for name, points in arms.items()}
    lit = [name for name, count in white.items() if count > 100]
    check(len(lit) == 1, f"white pixels along each direction from the centre: {white}")
    return lit[0]


def r1_mark(shot, view=AS_DESIGNED):
    """What conductor R1 shows: 'dot', 'cross' or 'nothing'."""
    x, y = R1_DOT
    # The dot, nine pixels in radius, covers the points beside its centre;
    # the cross covers the tips of its arms. Neither covers what the other does.
    beside = [(x + 6, y - 1), (x - 7, y), (x - 1, y + 6), (x, y - 7)]
    tips = [(x - 8, y + 6), (x + 6, y - 8), (x - 8, y - 8), (x + 6, y + 6)]
    on_beside = sum(is_red(shot.rgb(*view.at(p))) for p in beside)
    on_tips = sum(is_red(shot.rgb(*view.at(p))) for p in tips)
    if on_beside == 4 and on_tips == 0:
        return "dot"
    if on_tips == 4 and on_beside == 0:
        return "cross"
    if on_beside == 0 and on_tips == 0:
        return "nothing"
    raise Failure(f"R1 shows neither a dot nor a cross: {on_beside} red beside, {on_tips} on the tips")


# --- the scenarios ------------------------------------------------------

def run_pause(s):
    """Play at Fast moves the cursor and the read-out; Pause freezes both."""
    s.click(PLAY)
    s.click(FAST)
    s.settle()
    first = s.shot()
    time.sleep(0.5)
    second = s.shot()
    a, b = cursor_column(first), cursor_column(second)
    # 0.5 s at 20 ms a tick is about 25 ticks, 13 pixels; a loaded machine
    # may deliver fewer, never none.
    check(b > a, f"cursor did not move right while running: column {a} then {b}")
    check(first.crop(READOUT) != second.crop(READOUT), "read-out unchanged while running")

    s.click(PLAY)  # now reading Pause
    s.settle()
    paused = s.shot()
    time.sleep(0.6)
    later = s.shot()
    check(cursor_column(paused) == cursor_column(later), "cursor moved while paused")
    check(paused.crop(READOUT) == later.crop(READOUT), "read-out changed while paused")
    check(paused.scene() == later.scene(), "scene changed while paused")


def set_angle(s):
    """Typed angles, by the button and by Enter, turn the resultant and the marks."""
    cases = [
        # degrees, how it is confirmed, resultant, mark on R1
        ("90", "button", "left", "cross"),
        ("270", "enter", "right", "dot"),
        ("180", "button", "up", "nothing"),
        ("360", "enter", "down", "nothing"),
    ]
    for degrees, how, direction, mark in cases:
        before = s.shot()
        s.enter_angle(degrees)
        if how == "enter":
            s.run("xdotool", "key", "Return")
        else:
            s.click(SET_ANGLE)
        s.settle()
        shot = s.shot()
        check(resultant_direction(shot) == direction,
              f"{degrees} degrees by {how}: resultant points {resultant_direction(shot)}, not {direction}")
        check(r1_mark(shot) == mark, f"{degrees} degrees: R1 shows {r1_mark(shot)}, not {mark}")
        check(shot.crop(READOUT) != before.crop(READOUT), f"{degrees} degrees: read-out unchanged")
        # Paused, a Set Angle draws one frame and nothing moves after it.
        time.sleep(0.3)
        check(s.shot().scene() == shot.scene(), f"{degrees} degrees: scene moved")


def about(s):
    """The About picture opens a message box; closing it leaves the scene as it was."""
    s.enter_angle("90")
    s.click(SET_ANGLE)
    s.settle()
    before = s.shot()
    s.click(ABOUT)
    windows = s.wait_for_windows(2, timeout=15)
    box = next(w for w in windows if w != s.window)
    s.run("xdotool", "windowfocus", box)
    s.run("xdotool", "key", "Return")
    s.wait_for_windows(1, timeout=15)
    s.settle()
    after = s.shot()
    check(after.scene() == before.scene(), "the scene changed behind the About box")
    check(resultant_direction(after) == "left", "the angle changed behind the About box")


def zoom(s):
    """Zoomed from the angle box, the window grows and the scene with it; F11
    fits the scene to the screen, centred, and F11 again brings all back."""
    s.click(BOX)
    for _ in range(3):
        s.run("xdotool", "key", "ctrl+plus")
    s.wait_until(lambda: s.size() == (1515, 1101), f"not 1515 x 1101 at 150 %: {s.size()}")
    zoomed = View(1.5)
    s.run("xdotool", "key", "ctrl+a")
    s.run("xdotool", "type", "--delay", "20", "90")
    s.run("xdotool", "key", "Return")
    s.settle()
    shot = s.shot()
    # 90 degrees is angle 157: the cursor at 157 x 8 + 9340 twips, 706.4 pixels as designed.
    check(abs(cursor_column(shot, zoomed) - 706.4) <= 1, f"cursor at {cursor_column(shot, zoomed)} as designed")
    check(resultant_direction(shot, zoomed) == "left", "at 150 %: the resultant does not point left")
    check(r1_mark(shot, zoomed) == "cross", f"at 150 %: R1 shows {r1_mark(shot, zoomed)}")

    s.run("xdotool", "key", "F11")
    s.wait_until(lambda: s.size() == SCREEN_FOR_ZOOM, f"F11: not full screen, {s.size()}")
    s.settle()
    fit = min(SCREEN_FOR_ZOOM[0] / 1010, SCREEN_FOR_ZOOM[1] / 734)
    full = View(fit, (round((SCREEN_FOR_ZOOM[0] - 1010 * fit) / 2), 0))
    shot = s.shot()
    check(abs(cursor_column(shot, full) - 706.4) <= 1, f"full screen: cursor at {cursor_column(shot, full)}")
    check(resultant_direction(shot, full) == "left", "full screen: the resultant does not point left")
    check(r1_mark(shot, full) == "cross", f"full screen: R1 shows {r1_mark(shot, full)}")
    check(shot.rgb(full.origin[0] // 2, 600) == (192, 192, 192), "full screen: no grey beside the scene")

    s.run("xdotool", "key", "F11")
    s.wait_until(lambda: s.size() == (1515, 1101), f"F11 again: not back to 1515 x 1101, {s.size()}")
    s.settle()
    check(resultant_direction(s.shot(), zoomed) == "left", "back from full screen: the scene moved")


SCREEN_FOR_ZOOM = (1920, 1200)
SCENARIOS = {"run-pause": run_pause, "set-angle": set_angle, "about": about, "zoom": zoom}


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in SCENARIOS:
        print(__doc__)
        return 2
    session = Session(sys.argv[1])
    try:
        if sys.argv[2] == "zoom":
            session.start_x("%dx%d" % SCREEN_FOR_ZOOM, window_manager=True)
        else:
            session.start_x()
        session.start_program()
        SCENARIOS[sys.argv[2]](session)
        check(session.app.poll() is None, "the program ended:\n" + session.program_log())
        reports = [line for line in session.program_log().splitlines()
                   if "Sanitizer" in line or "runtime error:" in line]
        check(not reports, "sanitizer reports:\n" + "\n".join(reports))
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f"FAIL {sys.argv[2]}: {failure}")
        return 1
    finally:
        session.stop()
    print(f"PASS {sys.argv[2]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
