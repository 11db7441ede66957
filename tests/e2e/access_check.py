#!/usr/bin/python3
"""Drives the running program as a keyboard and screen-reader user would, on
a real X server, and reads it back through the accessibility bus (AT-SPI):

- Tab to a point lying under the picture box shows its focus mark there,
  and the point says it is not showing;
- ten Up presses on that point give ten description changes;
- the accessible Toggle of Memory holds past the timer's ticks, and the
  next edit is remembered;
- the plot, last in the Tab order, reads h at t = +1 T by the Right key,
  said through the window's notification;
- Ctrl+Plus zooms the window as far as the screen's 1920 x 1080 allow, and
  a drop there lands where the same place at 100 % would put the point.

Usage: access_check.py WINDOW_ID WX WY (the window and its client area's
place on the screen). Exits 0 when every check passes, 1 on the first
failure."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "sorvane-demo"
POINT = "Control point 3"
# Window pixels of what the checks look at, at 100 %.
POINT_UNDER_PLOT = (517, 424, 17, 17)  # point 3 at the lowest drop, Top 6360
RC_FRAME = (683, 20)  # on the focus frame inside "RC Filter"
AXIS_COLUMN = 150  # the frequency axis, 3 pixels wide at y = 271..273


def log(text):
    print("access: " + text, flush=True)


def ok(text):
    log("ok - " + text)


def fail(text):
    print("access: FAIL: " + text, file=sys.stderr, flush=True)
    sys.exit(1)


def pump(seconds):
    """Lets the bus deliver its events for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(what, check, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        result = check()
        if result:
            return result
    fail(f"{what}: not within {seconds} s")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


class Session:
    def __init__(self, window, wx, wy):
        self.window, self.wx, self.wy = window, int(wx), int(wy)
        self.app = wait_for("the program on the accessibility bus", self.find_app, 30)
        self.frame = wait_for("its window", lambda: next(iter(self.app), None), 10)

    def find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP:
                return app
        return None

    def named(self, name):
        for node in walk(self.frame):
            if node.name == name:
                return node
        fail(f"no control named {name!r}")

    def keys(self, *names):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=False,
                       stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)
        pump(0.3)

    def tab_to(self, node):
        for _ in range(20):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return
            self.keys("Tab")
        fail(f"Tab never reached {node.name!r}")

    def pixels(self, x, y, w, h):
        """The colours (#RRGGBB) of a region of the window, row by row."""
        shot = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{self.wx + x}+{self.wy + y}",
                               "+repage", "-depth", "8", "txt:-"], check=True, capture_output=True, text=True)
        return [line.split()[2] for line in shot.stdout.splitlines()[1:]]

    def geometry(self):
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.window], check=True,
                             capture_output=True, text=True).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def covered_point_shows_its_mark(s, point):
    rc = s.named("RC Filter")
    s.keys("shift")  # gives the window the keyboard; the first focus is on "RC Filter"
    wait_for("the first focus on RC Filter", lambda: rc.getState().contains(pyatspi.STATE_FOCUSED))
    pump(0.3)
    highlight = s.pixels(*RC_FRAME, 1, 1)[0]
    value = point.queryValue()
    value.currentValue = value.minimumValue  # as voice control would: one edit
    wait_for("the point set to its lowest gain", lambda: "gain -0.889" in point.description)
    s.tab_to(point)
    marked = s.pixels(*POINT_UNDER_PLOT).count(highlight)
    if marked < 100:
        fail(f"{marked} focus-mark pixels ({highlight}) where the covered point lies")
    if point.getState().contains(pyatspi.STATE_SHOWING):
        fail("the covered point says it is showing")
    ok(f"Tab to the point under the plot: {marked} mark pixels there, and it is not showing")


def ten_ups_are_ten_descriptions(s, point):
    heard = []

    def on_change(event):
        if event.source is not None and event.source.name == POINT:
            heard.append(event.source.description)

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-description")
    pump(0.5)
    # One press at a time, each change read as it is announced.
    for _ in range(10):
        s.keys("Up")
    pump(1.0)
    pyatspi.Registry.deregisterEventListener(on_change, "object:property-change:accessible-description")
    if len(heard) != 10 or len(set(heard)) != 10:
        fail(f"ten Up presses gave {len(heard)} description changes: {heard}")
    ok(f"ten Up presses, ten description changes, the last {heard[-1]!r}")


def toggle_holds(s):
    memory = s.named("Memory")
    actions = memory.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    toggle = next((i for i, name in enumerate(names) if name.lower() == "toggle"), None)
    if toggle is None:
        fail(f"Memory has no Toggle action: {names}")
    actions.doAction(toggle)
    pump(1.5)  # fifteen ticks of the timer
    if not memory.getState().contains(pyatspi.STATE_CHECKED):
        fail("Memory unticked itself after the accessible Toggle")
    s.keys("Up")  # the next edit, on the focused point
    wait_for("the next edit remembered", lambda: memory.description.startswith("holds a response"))
    ok(f"accessible Toggle on Memory holds, and after the next edit it {memory.description!r}")


def plot_reads_by_keys(s):
    plot = s.named("Impulse response")
    s.tab_to(plot)
    for _ in range(8):
        if plot.queryValue().currentValue == 640:
            break
        s.keys("Right")
    note = next((n for n in walk(s.frame) if n.getRole() == pyatspi.ROLE_NOTIFICATION), None)
    said = note.name if note is not None else "nothing"
    if plot.queryValue().currentValue != 640 or not said.startswith("t = +1.00 T (sample 640): h = "):
        fail(f"the plot stands on sample {plot.queryValue().currentValue} and says {said!r}")
    ok(f"the plot by keys: {said!r}")


def zoom_fits_and_drops_alike(s):
    for _ in range(3):
        s.keys("ctrl+plus")
    pump(0.5)
    x, y, w, h = s.geometry()
    if (w, h) != (1430, 1052) or x + w > 1920 or y + h > 1080:
        fail(f"Ctrl+Plus three times: a window of {w} x {h} at {x},{y} on 1920 x 1080")
    column = s.pixels(AXIS_COLUMN * 3 // 2, 400, 1, 16)
    core = column.count("#000000")
    if core < 4:
        fail(f"the frequency axis at 150 % has {core} black pixels across: {column}")
    ok(f"Ctrl+Plus: 150 %, a {w} x {h} window that fits 1920 x 1080; the axis {core} pixels of solid black")

    point = s.named("Control point 2")
    px, py, pw, ph = point.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    cx, cy = px + pw // 2, py + ph // 2
    subprocess.run(["xdotool", "mousemove", "--sync", str(cx), str(cy), "mousedown", "1"], check=True)
    for k in range(1, 7):
        y = cy + (s.wy + 345 - cy) * k // 6
        subprocess.run(["xdotool", "sleep", "0.05", "mousemove", "--sync", str(cx), str(y)], check=True)
    subprocess.run(["xdotool", "sleep", "0.1", "mouseup", "1"], check=True)
    # At 100 % a release at pixel 230 puts Top at 3450 - 127.5, to the even
    # 3322 twips: gain 0.236.
    wait_for("the drop at 150 %", lambda: point.description.endswith("gain 0.236"))
    ok("a drop at window pixel 345 at 150 % lands as one at pixel 230 at 100 %: gain 0.236")
    s.keys("ctrl+0")
    pump(0.3)
    if s.geometry()[2:] != (953, 701):
        fail(f"Ctrl+0 gave {s.geometry()[2:]}")
    ok("Ctrl+0: back to 953 x 701")


def main():
    if len(sys.argv) != 4:
        fail("usage: access_check.py WINDOW_ID WX WY")
    s = Session(*sys.argv[1:])
    point = s.named(POINT)
    if point.getRole() != pyatspi.ROLE_SLIDER:
        fail(f"{POINT} is a {point.getRoleName()}, not a slider")
    covered_point_shows_its_mark(s, point)
    ten_ups_are_ten_descriptions(s, point)
    toggle_holds(s)
    plot_reads_by_keys(s)
    zoom_fits_and_drops_alike(s)


if __name__ == "__main__":
    main()
