#!/usr/bin/env python3
"""Radixtrek in WebKitGTK's MiniBrowser read through the accessibility bus (AT-SPI), as a
screen reader on Linux reads it: the page's mirror of the window must show its tab lists, the
example's button and bit cells by their names, roles, states and actions, and doing the example
through those actions alone must check the right cells and bring the verdict to them.

Run in a D-Bus session of its own on a virtual display.
usage: webkit_screen_reader.py URL
"""
import re
import subprocess
import sys

import pyatspi

sys.path.insert(0, str(__import__("pathlib").Path(__file__).resolve().parent.parent / "atspi"))
from atspi_client import find, find_all, pump, wait_for  # noqa: E402

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
CELL = re.compile(r"16進 ([0-9A-F]) の ([1248]) の位")


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def act(node):
    """The node's first action, as a screen reader's activation performs it."""
    node.queryAction().doAction(0)


def main(url):
    browser = subprocess.Popen([MINIBROWSER, url], stderr=subprocess.DEVNULL)
    try:
        def program():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "MiniBrowser":
                    cells = find_all(app, pyatspi.ROLE_CHECK_BOX, CELL.pattern)
                    if len(cells) == 49 * 4:
                        return app
            return None
        app = wait_for("the page's 196 bit cells on the accessibility bus", program, seconds=90)
        tabs = [tab for tab in find_all(app, pyatspi.ROLE_PAGE_TAB) if tab.name]
        selected = [tab.name for tab in tabs if tab.getState().contains(pyatspi.STATE_SELECTED)]
        assert len(tabs) == 6 and selected == ["n進数について", "16進⇒2進"], (tabs, selected)
        places = [(dict(a.split(":", 1) for a in tab.getAttributes()).get("posinset"),
                   dict(a.split(":", 1) for a in tab.getAttributes()).get("setsize"))
                  for tab in tabs]
        assert places == [(str(i), "3") for i in (1, 2, 3)] * 2, places

        act(find(app, pyatspi.ROLE_PUSH_BUTTON, "例開始"))
        cells = wait_for("the example's cells named after its digit", lambda: [
            cell for cell in find_all(app, pyatspi.ROLE_CHECK_BOX, CELL.pattern)[:4]
            if CELL.fullmatch(cell.name).group(1) != "0"] or None)
        assert len(cells) == 4, [cell.name for cell in cells]
        wanted = []
        for cell in cells:
            digit, weight = CELL.fullmatch(cell.name).groups()
            if int(digit, 16) & int(weight):
                act(cell)
                wanted.append(cell.name)
        wait_for("the activated cells checked", lambda: [
            cell.name for cell in cells if checked(cell)] == wanted)
        act(find(app, pyatspi.ROLE_PUSH_BUTTON, "例終了"))
        wait_for("the example's verdict on its cells", lambda: all(
            cell.description == "正解" for cell in cells))
        pump()
        print(f"webkit screen reader: example {CELL.fullmatch(cells[0].name).group(1)} done "
              f"through AT-SPI, cells {wanted} checked, verdict 正解")
    finally:
        browser.terminate()
        browser.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:2]))
