"""Radixtrek in Chromium with the Orca screen reader, judged only by what Orca says.

Runs in the Orca test's own X display, D-Bus session and home (tools/orca-test.sh). Opens the
page in Chromium with its accessibility on, then works as a blind learner does there, by real
key presses: Tab to the example's button, Space to start it, the browse mode's arrows to its bit
cells, Space on each cell whose bit the digit holds, the arrows on to the button that ends it,
and Space; then to the decimal⇔hexadecimal drill, where Tab goes from answer field to answer
field, each heard with its question, two answered right and one wrong, that one heard back by
where-am-I, and the check heard naming it; browse mode then reads each field with what it holds.
Orca reads the page from the program's accessible objects mirrored beside the canvas; it is set
not to read the page aloud as it loads, and Control stops any reading all the same.

usage: orca_browser_flow.py URL PREFS_DIR LOG_DIR
"""
import json
import os
import re
import subprocess
import sys

import pyatspi

for folder in ("orca", "atspi"):
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", folder))
from atspi_client import find_all, wait_for  # noqa: E402
from orca_client import Orca, key  # noqa: E402

CELL = re.compile(r"16進 ([0-9A-F]) の ([1248]) の位 check box")
FIELD = re.compile(r"([0-9A-F]+) を(10|16)進で")
BROWSER = ("chromium --no-sandbox --enable-unsafe-swiftshader --disable-quic --no-first-run "
           "--no-default-browser-check --disable-background-networking --disable-component-update "
           "--disable-sync --disable-features=Translate --lang=ja --window-size=1200,850 "
           "--force-renderer-accessibility").split()


def first_tab():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "chromium":
            return find_all(app, pyatspi.ROLE_PAGE_TAB, "n進数について")
    return None


def press(orca, name, expect, seconds=10):
    """Presses a key and returns what Orca said once it said something that matches expect."""
    mark = orca.mark()
    key(name)
    orca.wait_for(expect, mark, lambda s: any(re.search(expect, u) for u in s), seconds)
    return " ".join(orca.quiet(mark, settle=0.5))


def main(url, prefs, logs):
    # Orca reads a page aloud as it loads; when that starts only after the key that would stop it,
    # the key that ends it later moves the focus to where the reading stopped.
    with open(os.path.join(prefs, "user-settings.conf"), "w") as file:
        json.dump({"general": {}, "pronunciations": {}, "keybindings": {}, "profiles": {"default": {
            "profile": ["Default", "default"], "pronunciations": {}, "keybindings": {},
            "sayAllOnLoad": False}}}, file)
    orca = Orca(prefs, os.path.join(logs, "orca-browser.log"))
    browser = None
    try:
        start = orca.wait_until_on()
        browser = subprocess.Popen(BROWSER + [f"--user-data-dir={prefs}/chromium", url],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The program is there when its first tab is; Control silences what Orca still says.
        wait_for("the program's first tab", first_tab, seconds=120)
        mark = orca.mark()
        key("Control_L")
        orca.quiet(mark, settle=1.0)
        press(orca, "Tab", r"16進⇒2進 page tab")
        press(orca, "Tab", r"例開始 push button")
        heard = press(orca, "space", r"例を開始。16進 [0-9A-F]。")
        digit = re.search(r"例を開始。16進 ([0-9A-F])", heard).group(1)
        print(f"Orca in the browser: {heard}")

        # Up from the button, line by line, to the line of the example's four cells.
        for _ in range(5):
            heard = press(orca, "Up", r".")
            if CELL.search(heard):
                break
        cells = CELL.findall(heard)
        assert [c[0] for c in cells] == [digit] * 4, f"the example's cells read as {heard!r}"
        for i, (_, weight) in enumerate(cells):
            if i:
                press(orca, "Right", r"checked")
            if int(digit, 16) & int(weight):
                heard = press(orca, "space", rf"16進 {digit} の {weight} の位 1")
                assert heard.count(f"の {weight} の位 1") == 1, f"one Space heard as {heard!r}"
        for _ in range(5):
            heard = press(orca, "Down", r".")
            if "例終了 push button" in heard:
                break
        heard = press(orca, "space", r"例を終了。")
        print(f"Orca in the browser: {heard}")
        assert "例を終了。正解。" in heard, heard

        press(orca, "shift+Tab", r"16進⇒2進 page tab")
        press(orca, "Right", r"演習グラフ page tab")
        press(orca, "Right", r"10進⇔16進 page tab")
        press(orca, "Tab", r"演習開始 push button")
        press(orca, "space", r"演習を開始。36問")
        typed = []
        for n in range(3):
            heard = press(orca, "Tab", FIELD.pattern)
            question, base = FIELD.search(heard).groups()
            value = int(question, 16 if base == "10" else 10) + (n == 2)
            typed.append((FIELD.search(heard).group(0), str(value) if base == "10" else f"{value:x}"))
            mark = orca.mark()
            key(*typed[-1][1])
            orca.quiet(mark, settle=0.5)
        print(f"Orca in the browser: fields heard and typed {typed}")
        heard = press(orca, "KP_Enter", typed[2][1])
        print(f"Orca in the browser, where am I: {heard}")
        for _ in range(3):
            heard = press(orca, "shift+Tab", r".")
        assert "演習終了 push button" in heard, heard
        heard = press(orca, "space", r"不正解")
        print(f"Orca in the browser: {heard}")
        wrong = heard.split(": ", 1)[1].split("。")[0].split(", ")
        assert [field.split()[0] in wrong for field, _ in typed] == [False, False, True], heard
        # Browse mode walks on from the button through the fields, each read with what it holds.
        for _ in range(8):
            heard = press(orca, "Down", r".")
            if f"{typed[0][0]} entry" in heard:
                break
        for field, answer in typed[1:]:
            heard = press(orca, "Down", r".") + press(orca, "Down", r".")
            assert f"{field} entry 0{answer}" in heard, (field, heard)
        # Only what does something offers a click, and nothing empty is read.
        odd = [s for s in orca.said_since(start) if "clickable" in s or s.startswith("blank")]
        assert not odd, f"Orca said {odd}"
    finally:
        if browser:
            browser.terminate()
            browser.wait(10)
        orca.stop()
    print("Orca in the browser: the example done by keys, every step heard")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
