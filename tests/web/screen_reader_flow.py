#!/usr/bin/env python3
"""Radixtrek in Chromium as a screen reader finds it: the page's accessibility tree, read and
used through Chrome's DevTools protocol alone, without a canvas coordinate. The example, a whole
timed drill and the decimal⇔hexadecimal drill are done by finding items by their accessible
names and roles and activating or focusing their page elements, each verdict read from the tree
and from the page's live region.

usage: screen_reader_flow.py URL WEB_REFERENCE OUTDIR
"""
import json
import pathlib
import re
import subprocess
import sys
import time

from browser_flows import SEED, Failure, Page, check, start_browser

CELL = re.compile(r"16進 ([0-9A-F]) の ([1248]) の位")
FIELD = re.compile(r"([0-9A-F]+) を(10|16)進で")


class Tree:
    """The page's accessibility tree as Chromium gives it to a screen reader."""

    def __init__(self, driver):
        self.driver = driver

    def cdp(self, command, **arguments):
        return self.driver.execute_cdp_cmd(command, arguments)

    def nodes(self, role=None):
        return [node for node in self.cdp("Accessibility.getFullAXTree")["nodes"]
                if not node.get("ignored") and (role is None or node["role"]["value"] == role)]

    def find(self, role, name):
        found = [node for node in self.nodes(role) if node.get("name", {}).get("value") == name]
        check(len(found) == 1, f"{len(found)} {role}s named {name!r} in the tree")
        return found[0]

    def call(self, node, function):
        target = self.cdp("DOM.resolveNode", backendNodeId=node["backendDOMNodeId"])
        self.cdp("Runtime.callFunctionOn", objectId=target["object"]["objectId"],
                 functionDeclaration=f"function () {{ {function} }}")

    def activate(self, node):
        """What a screen reader's click, Enter or Space does: the element's default action."""
        self.call(node, "this.click();")

    def box(self, node):
        quad = self.cdp("DOM.getBoxModel", backendNodeId=node["backendDOMNodeId"])["model"]["border"]
        return round(quad[0]), round(quad[1]), round(quad[2] - quad[0]), round(quad[5] - quad[1])


def state(node, name):
    return next((p["value"]["value"] for p in node.get("properties", []) if p["name"] == name),
                None)


def press(page, tree, name, pattern):
    count = len(page.said())
    tree.activate(tree.find("button", name))
    return page.wait_saying(count, pattern)


def answer_cells(tree, cells):
    """Activates the cells whose bits the digits their names ask for hold, each once."""
    wanted = []
    for cell in cells:
        digit, weight = CELL.fullmatch(cell["name"]["value"]).groups()
        if int(digit, 16) & int(weight):
            tree.activate(cell)
            wanted.append(cell["nodeId"])
    time.sleep(0.3)
    return wanted


def flows(page, tree, layout):
    driver = page.driver
    # The window's two tab lists, three tabs each, the first of each selected.
    lists = tree.nodes("tablist")
    check(len(lists) == 2, f"{len(lists)} tab lists")
    tabs = tree.nodes("tab")
    check([state(tab, "selected") for tab in tabs] == [True, False, False] * 2,
          f"tabs selected: {[state(tab, 'selected') for tab in tabs]}")

    # The program's focus is the page's: a button focused through its element has both, and
    # Tab pressed there moves both on.
    tree.call(tree.find("button", "例開始"), "this.focus();")
    for kind in ("rawKeyDown", "keyUp"):
        tree.cdp("Input.dispatchKeyEvent", type=kind, key="Tab", code="Tab",
                 windowsVirtualKeyCode=9)
    time.sleep(0.3)
    focused = [node.get("name", {}).get("value") for node in tree.nodes()
               if state(node, "focused") and node["role"]["value"] != "RootWebArea"]
    check(focused == ["演習開始"], f"Tab from 例開始 left the page's focus on {focused}")
    # The example: its four cells come first, placed over the example's cells on the canvas.
    said = press(page, tree, "例開始", r"例を開始。16進 ([0-9A-F])")
    digit = re.search(r"16進 ([0-9A-F])", said).group(1)
    cells = tree.nodes("checkbox")[:4]
    check(all(CELL.fullmatch(c["name"]["value"]).group(1) == digit for c in cells),
          f"the example's cells are not named after {digit}: {[c['name'] for c in cells]}")
    canvas = page.canvas.rect
    example = next(f for f in layout["widgets"]["hexFrames"] if f["name"] == "THFr1")
    bit = example["bits"][3]  # the 8s, the first cell in reading order
    placed = tree.box(cells[0])
    widget = (canvas["x"] + bit[0], canvas["y"] + bit[1], bit[2], bit[3])
    check(all(abs(a - b) <= 1 for a, b in zip(placed, widget)),
          f"the example's first cell lies at {placed}, its widget at {bit}")
    wanted = answer_cells(tree, cells)
    checked = [c["nodeId"] for c in tree.nodes("checkbox")[:4] if state(c, "checked") == "true"]
    check(checked == wanted, f"cells checked {checked}, activated {wanted}")
    press(page, tree, "例終了", r"例を終了。正解")
    time.sleep(0.1)
    verdicts = [c.get("description", {}).get("value") for c in tree.nodes("checkbox")[:4]]
    check(verdicts == ["正解"] * 4, f"the example's cells are described as {verdicts}")

    # A whole timed drill: 48 items of four cells after the example's, in reading order.
    press(page, tree, "演習開始", r"演習を開始。48問")
    items = tree.nodes("checkbox")[4:]
    check(len(items) == 48 * 4, f"{len(items)} drill cells")
    # Two items in different rows are left unanswered at first: the check must name both by
    # row and column, in reading order, and the message line must read as the sentence does.
    groups = [items[start:start + 4] for start in range(0, len(items), 4)]
    corners = [tree.box(group[0])[:2] for group in groups]
    tops = sorted({y for x, y in corners})
    places = [(tops.index(y) + 1, sorted(x2 for x2, y2 in corners if y2 == y).index(x) + 1)
              for x, y in corners]
    check(places == sorted(places), f"the drill's items stand in the tree as {places}")
    digits = [CELL.fullmatch(group[0]["name"]["value"]).group(1) for group in groups]
    left = [i for i, d in enumerate(digits) if d != "0"]
    left = [left[0], next(i for i in left if places[i][0] != places[left[0]][0])]
    for i, group in enumerate(groups):
        if i not in left:
            answer_cells(tree, group)
    named = ", ".join("{}行{}列 {}".format(*places[i], digits[i])
                      for i in sorted(left, key=lambda i: places[i]))
    said = press(page, tree, "演習終了", re.escape(f"不正解 2問: {named}"))
    print(f"screen reader: two items left: {said}")
    alert = [node.get("name", {}).get("value") for node in tree.nodes("alert")]
    check("全問正解になるまでガンバッテ！" in alert, f"the message line reads {alert}")
    for i in left:
        answer_cells(tree, groups[i])
    said = press(page, tree, "演習終了", r"全問正解オメデトウ！")
    print(f"screen reader: a timed drill done through the tree: {said}")
    flipped = sum(state(c, "checked") == "true" for c in tree.nodes("checkbox")[4:])
    ones = sum(bin(int(CELL.fullmatch(c["name"]["value"]).group(1), 16)).count("1")
               for c in items[::4])
    check(flipped == ones, f"{flipped} cells checked for {ones} ones: a click flipped twice")

    # The graph's page lists the drill's record.
    time_taken = re.search(r"タイム (\d\d:\d\d\.\d\d\d)", said).group(1)
    tree.activate(tree.find("tab", "16進⇒2進\u3000演習グラフ"))
    time.sleep(0.3)
    records = [node["name"]["value"] for node in tree.nodes("listitem")]
    check(any(f"1回目 {time_taken}" in record for record in records),
          f"the graph lists {records}, not the drill of {time_taken}")

    # The decimal⇔hexadecimal drill, each field found by its question and direction, focused,
    # keeping the page's focus on its element, and typed into there.
    tree.activate(tree.find("tab", "10進⇔16進"))
    time.sleep(0.3)
    press(page, tree, "演習開始", r"演習を開始。36問")
    fields = [node for node in tree.nodes("textbox")
              if FIELD.fullmatch(node.get("name", {}).get("value", ""))]
    check(len(fields) == 36, f"{len(fields)} answer fields named by question and direction")
    for field in fields:
        question, base = FIELD.fullmatch(field["name"]["value"]).groups()
        value = int(question, 16 if base == "10" else 10)
        tree.call(field, "this.focus();")
        time.sleep(0.1)
        focused = driver.execute_script(
            "const e = document.activeElement; return [e.getAttribute('role'), e.ariaLabel]")
        check(focused == ["textbox", field["name"]["value"]],
              f"focusing {field['name']['value']} focused {focused}")
        page.key("End")
        page.backspace(1)
        page.type(str(value) if base == "10" else f"{value:X}")
    time.sleep(0.3)
    values = {node["name"]["value"]: state(node, "value") or node.get("value", {}).get("value")
              for node in tree.nodes("textbox") if FIELD.fullmatch(node["name"]["value"])}
    print(f"screen reader: 36 fields typed, e.g. {next(iter(values.items()))}")
    press(page, tree, "演習終了", r"全問正解オメデトウ！")

    # Shift+F10 on a button opens the version dialog, which takes the page's focus.
    tree.call(tree.find("button", "演習開始"), "this.focus();")
    for kind in ("rawKeyDown", "keyUp"):
        tree.cdp("Input.dispatchKeyEvent", type=kind, key="F10", code="F10", modifiers=8,
                 windowsVirtualKeyCode=121)
    time.sleep(0.5)
    dialog = tree.find("dialog", "バージョン情報")
    check(state(dialog, "focused"), "the version dialog opened without the page's focus")
    texts = {node.get("name", {}).get("value"): node for node in tree.nodes("StaticText")}
    check("(C) 2026 Radixtrek Project" in texts, f"the version dialog's texts: {list(texts)[:8]}")
    # Its address, a link, clicked, opens in a new tab and closes it.
    tree.call(tree.find("link", "http://radixtrek.example.org"), "this.click();")
    time.sleep(0.5)
    driver.switch_to.window(driver.window_handles[0])
    check(len(driver.window_handles) == 2 and not tree.nodes("dialog"),
          "the version dialog's address, clicked, did not open a tab and close it")


def main():
    url, reference, out = sys.argv[1:]
    folder = pathlib.Path(out) / "screen-reader"
    folder.mkdir(parents=True, exist_ok=True)
    subprocess.run([reference, "layout", str(SEED), str(folder / "layout.json")], check=True)
    layout = json.loads((folder / "layout.json").read_text())
    driver = start_browser("chromium")
    try:
        page = Page(driver, f"{url}?seed={SEED}", folder)
        flows(page, Tree(driver), layout)
    except Failure as failure:
        print(f"screen reader: FAILED: {failure}")
        return 1
    finally:
        driver.quit()
    print("screen reader: the example and both drills done through the accessibility tree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
