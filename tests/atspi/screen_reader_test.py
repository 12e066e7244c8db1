"""Does a drill as a screen reader user would: through AT-SPI alone, with no mouse or keyboard.

Starts the program on the X display of the environment (Xvfb in the test run), finds it on the
accessibility bus, runs the example item and one timed drill by reading the questions and bits
and pressing buttons and bit cells through their actions, then reads the message, the time and
the progress graph's entries. Exits 0 when everything was found and heard as expected.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

from atspi_client import application, centre, find, find_all, pump, wait_for

CELL_NAME = re.compile(r"^16進 ([0-9A-F]) の ([1248]) の位$")
# The largest seed, ten digits long, and the digits it gives the example and the timed drill.
SEED = "4294967295"
DIGITS = "F" + "F4F137528F1C23DFDF6708727FC3F29E5778C93FBDAAEAAE"
TIME = r"\d\d:\d\d\.\d\d\d"

heard = []  # (event type, source role, source name, detail), in order


def listen(event):
    try:
        heard.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone already
        heard.append((event.type, None, None, None))


def act(node, *names):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() in names:
            actions.doAction(i)
            return
    raise AssertionError(f"{node.name!r} offers none of {names}")


def press(frame, caption, then):
    act(find(frame, pyatspi.ROLE_PUSH_BUTTON, caption), "press", "click")
    return wait_for(f"{caption} to take effect", lambda: find_all(frame, *then))


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def answer(cells):
    """Sets every bit cell to its bit of the digit its name asks about, by toggling it."""
    for cell in cells:
        digit, weight = CELL_NAME.match(cell.name).groups()
        wanted = bool(int(digit, 16) & int(weight))
        if checked(cell) != wanted:
            act(cell, "toggle", "press", "click")
            wait_for(f"{cell.name} to flip", lambda: checked(cell) == wanted)


def set_screen_reader(running):
    """Sets the accessibility bus's screen-reader status, as a desktop's switch for it does."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", running))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


def click_at_gaps(cell, gaps):
    """Real X clicks on the cell, each the given seconds after the one before; the cell's
    checked state after each."""
    x, y = centre(cell)
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    pump()
    states = [checked(cell)]
    for gap in [0] + list(gaps):
        if len(states) > 1:
            # The last click's time, set on the pass before.
            time.sleep(max(0, last + gap - time.monotonic()))  # noqa: F821
        last = time.monotonic()  # noqa: F841 (read on the next pass)
        subprocess.run(["xdotool", "click", "1"], check=True)
        time.sleep(0.15)
        pump()
        states.append(checked(cell))
    return states


def main(program):
    pyatspi.Registry.registerEventListener(
        listen, "object:state-changed:checked", "object:property-change:accessible-name",
        "object:property-change:accessible-description", "object:children-changed",
        "object:state-changed:selected", "object:state-changed:showing")
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       RADIXTREK_SEED=SEED)
    process = subprocess.Popen([program], env=environment)
    try:
        app = application("Radixtrek")
        window = find(app, pyatspi.ROLE_FRAME, "Radixtrek")

        # The example: one digit, four bits, judged when the button is pressed again.
        press(window, "例開始", (pyatspi.ROLE_PUSH_BUTTON, "例終了"))
        example = [c for c in find_all(window, pyatspi.ROLE_CHECK_BOX) if CELL_NAME.match(c.name)]
        digits = find_all(window, pyatspi.ROLE_LABEL, r"16進 [0-9A-F]")
        assert len(example) == 4 * 49 and len(digits) == 49, (len(example), len(digits))
        example_digit = digits[0].name
        example_cells = [c for c in example if c.name.startswith(example_digit + " ")][:4]
        answer(example_cells)
        press(window, "例終了", (pyatspi.ROLE_PUSH_BUTTON, "例開始"))
        wait_for("the example's verdict", lambda: example_cells[0].description == "正解")
        print(f"example {example_digit}: 正解")

        # The timed drill: 48 digits to answer; the example keeps its right answer.
        press(window, "演習開始", (pyatspi.ROLE_PUSH_BUTTON, "演習終了"))
        cells = [c for c in find_all(window, pyatspi.ROLE_CHECK_BOX) if CELL_NAME.match(c.name)]
        asked = sorted(CELL_NAME.match(c.name).group(1) for c in cells)
        assert asked == sorted(4 * DIGITS), f"seed {SEED} not applied: {''.join(asked[::4])}"
        # The items come in the order they stand: rows from the top, left to right.
        spots = [centre(d) for d in find_all(window, pyatspi.ROLE_LABEL, r"16進 [0-9A-F]")[1:]]
        places = [(round((y - spots[0][1]) / 33), x) for x, y in spots]  # rows 33 px apart
        assert len(places) == 48 and places == sorted(places), f"items read as {places}"
        # A learner's own quick clicks with the mouse each flip the cell while no screen reader
        # runs, however close together; while one runs, a second click within its retry time is
        # taken for its retry.
        gaps = (0.3, 0.7, 1.0, 1.6)
        states = click_at_gaps(cells[0], gaps)
        assert all(a != b for a, b in zip(states, states[1:])), f"clicks {gaps} s apart: {states}"
        set_screen_reader(True)
        time.sleep(1)  # past the retry time of the last click
        states = click_at_gaps(cells[0], (0.3, 1.2, 0.7))
        set_screen_reader(False)
        assert states[1:] == [not states[0], not states[0], states[0], states[0]], \
            f"with a screen reader, clicks 0.3, 1.2 and 0.7 s apart: {states}"
        print(f"real clicks {gaps} s apart each flip; with a screen reader, 0.3 and 0.7 s retries")
        answer(cells)
        press(window, "演習終了", (pyatspi.ROLE_ALERT, "全問正解オメデトウ！"))
        print("drill: 全問正解オメデトウ！")
        time_label = find(window, pyatspi.ROLE_LABEL, TIME)
        print(f"time: {time_label.name}")

        # The graph tells the drill's number and time.
        chart = find(window, pyatspi.ROLE_CHART, "演習スピードグラフ")
        entries = wait_for("the graph's entry", lambda: [
            chart.getChildAtIndex(i).name for i in range(chart.childCount)])
        assert entries == [f"1回目 {time_label.name}"], entries
        print(f"graph: {entries}")

        # What was announced on the way.
        pump()
        kinds = {(event, role) for event, role, _, _ in heard}
        for expected in [("object:state-changed:checked", "check box"),
                         ("object:property-change:accessible-description", "check box"),
                         ("object:property-change:accessible-name", "label"),  # the time
                         ("object:property-change:accessible-name", "alert"),  # the message
                         ("object:state-changed:selected", "page tab")]:  # the table shown
            assert expected in kinds, f"never heard {expected}: {sorted(kinds)}"
        assert any(event.startswith("object:children-changed") and role == "chart"
                   for event, role, _, _ in heard), "the graph's new entry was not announced"
        # A notification is spoken by its name; the message line appears as it fills.
        showing = [(role, name, shown) for event, role, name, shown in heard
                   if event == "object:state-changed:showing"]
        start = "演習を開始。48問。解説は 各進数の関連。ボタンは 演習終了。"
        for expected in [("notification", start, 1), ("alert", "全問正解オメデトウ！", 1)]:
            assert expected in showing, \
                f"never heard {expected} appear: {[s for s in showing if s[0] == expected[0]]}"
        print("announcements heard")
    finally:
        process.terminate()
        process.wait(10)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
