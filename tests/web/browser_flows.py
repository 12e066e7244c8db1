#!/usr/bin/env python3
"""Radixtrek in a web browser, driven through WebDriver by real key, mouse and touch events and
judged by what the page shows: the canvas's pictures, compared with the desktop program's own
pictures of the same states, and the sentences the page's live region says.

usage: browser_flows.py chromium|webkit URL WEB_REFERENCE OUTDIR

The page is opened with a fixed seed, so the desktop program (WEB_REFERENCE, offscreen) knows
the questions and where every widget is. The browser performs the flows; the desktop program
then performs the same actions, with its clock advanced by the times the browser measured, and
saves its pictures of the same states.
"""
import base64
import io
import json
import os
import pathlib
import re
import subprocess
import sys
import time

import numpy
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.interaction import POINTER_TOUCH
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.keys import Keys

SEED = 2026
WIDTH, HEIGHT = 1016, 594
ADDRESS = "http://radixtrek.example.org/"

# A pixel differs when a colour channel differs by more than this from every pixel within one
# pixel of it in the other picture: glyphs rasterised apart differ in edges moved by a pixel at
# most, which this forgives, while another character, colour or place does not.
CHANNEL_TOLERANCE = 64
# A picture matches when no 16×16 square anywhere holds more than this many differing pixels:
# glyphs rasterised apart leave a few scattered edge pixels, while one character drawn otherwise
# leaves a cluster.
SQUARE = 16
MAX_DIFFERING_IN_SQUARE = 24


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


def start_browser(kind):
    if kind == "chromium":
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new --no-sandbox --disable-gpu --enable-unsafe-swiftshader "
                         "--disable-quic --no-first-run --disable-background-networking "
                         "--disable-component-update --disable-sync --window-size=1200,800 "
                         "--force-device-scale-factor=1 --lang=ja").split():
            options.add_argument(argument)
        service = ChromeService("/usr/bin/chromedriver")
        return webdriver.Chrome(service=service, options=options)
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    options.add_argument("--geometry=1200x800")
    return webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)


class Page:
    """The program on the page, and the same actions recorded for the desktop program."""

    def __init__(self, driver, url, folder):
        self.driver = driver
        self.folder = folder
        self.actions = []
        self.shots = []
        driver.get(url)
        deadline = time.time() + 60
        while time.time() < deadline:
            shown = driver.execute_script(
                "return document.getElementById('qtcanvas').style.display === 'block'")
            if shown and self.picture().std() > 10:
                break
            time.sleep(0.5)
        else:
            raise Failure("the program did not appear within 60 s")
        self.canvas = driver.find_element("id", "qtcanvas")
        check((self.canvas.rect["width"], self.canvas.rect["height"]) == (WIDTH, HEIGHT),
              f"the canvas is {self.canvas.rect}, not {WIDTH}×{HEIGHT}")
        # Every sentence the live region is given, in order.
        driver.execute_script("""
            window.said = [];
            new MutationObserver(() => {
                const text = document.getElementById('announcements').textContent;
                if (text) window.said.push(text);
            }).observe(document.getElementById('announcements'),
                       {childList: true, characterData: true, subtree: true});
            window.opened = [];
            const open = window.open;
            window.open = function (url, target) {
                window.opened.push([String(url), String(target)]);
                return open.apply(this, arguments);
            };""")

    def said(self):
        return self.driver.execute_script("return window.said")

    def wait_saying(self, count, pattern):
        """Waits for the sentence after the first count ones, and checks it."""
        deadline = time.time() + 10
        while len(self.said()) <= count and time.time() < deadline:
            time.sleep(0.05)
        said = self.said()
        check(len(said) > count, f"nothing was said after {said[-1:]}")
        check(re.search(pattern, said[-1]), f"said {said[-1]!r}, expected {pattern!r}")
        return said[-1]

    def offset(self, x, y):
        # WebDriver offsets are from the element's centre.
        return x - WIDTH // 2, y - HEIGHT // 2

    def click(self, x, y, button="left"):
        chain = ActionChains(self.driver).move_to_element_with_offset(self.canvas, *self.offset(x, y))
        (chain.context_click() if button == "right" else chain.click()).perform()
        self.actions += ["click" if button == "left" else "rclick", str(x), str(y)]
        time.sleep(0.05)

    def press(self, rect, pattern=None):
        """Clicks a button and, with a pattern, checks what the press is said to have done."""
        count = len(self.said())
        self.click(*centre(rect))
        return self.wait_saying(count, pattern) if pattern else None

    def tap(self, x, y):
        touch(self, x, y, 0.05)
        self.actions += ["tap", str(x), str(y)]

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()
        self.actions += ["type", text]

    def key(self, name):
        ActionChains(self.driver).send_keys(getattr(Keys, name.upper())).perform()
        self.actions += ["key", name]

    def backspace(self, times):
        ActionChains(self.driver).send_keys(Keys.BACK_SPACE * times).perform()
        self.actions += ["type", "\b" * times]

    def wheel(self, x, y, notches):
        origin = ScrollOrigin.from_element(self.canvas, *self.offset(x, y))
        ActionChains(self.driver).scroll_from_origin(origin, 0, 120 * notches).perform()
        # The browser's wheel down by 120 pixels is one notch towards the user.
        self.actions += ["wheel", str(x), str(y), str(-120 * notches)]
        time.sleep(0.3)

    def drag(self, start, end):
        chain = ActionChains(self.driver).move_to_element_with_offset(self.canvas, *self.offset(*start))
        chain.click_and_hold()
        for step in range(1, 5):
            x = start[0] + (end[0] - start[0]) * step // 4
            y = start[1] + (end[1] - start[1]) * step // 4
            chain.move_to_element_with_offset(self.canvas, *self.offset(x, y))
        chain.release().perform()
        self.actions += ["drag", str(start[0]), str(start[1]), str(end[0]), str(end[1])]
        time.sleep(0.3)

    def picture(self):
        canvas = self.driver.find_element("id", "qtcanvas")
        image = Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")
        return numpy.asarray(image)

    def shot(self, name):
        time.sleep(0.3)  # the next frame drawn
        picture = self.picture()
        Image.fromarray(picture).save(self.folder / f"{name}.png")
        self.actions += ["shot", name]
        self.shots.append(name)
        return picture


def one_way(picture, other):
    """Pixels of picture that no pixel within one pixel of it in other matches."""
    height, width = picture.shape[:2]
    padded = numpy.pad(other.astype(int), ((1, 1), (1, 1), (0, 0)), mode="edge")
    nearest = None
    for dy in (0, 1, 2):
        for dx in (0, 1, 2):
            shifted = padded[dy:dy + height, dx:dx + width]
            difference = numpy.abs(picture.astype(int) - shifted).max(axis=2)
            nearest = difference if nearest is None else numpy.minimum(nearest, difference)
    return nearest > CHANNEL_TOLERANCE


def differences(browser, desktop):
    """The share of differing pixels, and the most differing pixels in any 16×16 square."""
    if browser.shape != desktop.shape:
        return 1.0, SQUARE * SQUARE
    differ = one_way(browser, desktop) | one_way(desktop, browser)
    sums = numpy.pad(differ.astype(int).cumsum(axis=0).cumsum(axis=1), ((1, 0), (1, 0)))
    squares = (sums[SQUARE:, SQUARE:] - sums[:-SQUARE, SQUARE:] - sums[SQUARE:, :-SQUARE]
               + sums[:-SQUARE, :-SQUARE])
    return float(differ.mean()), int(squares.max())


def read_picture(path):
    return numpy.asarray(Image.open(path).convert("RGB"))


def matches(name, browser, desktop, remark=""):
    """Whether the browser's picture matches the desktop's, printed with its figures."""
    share, most = differences(browser, desktop)
    good = most <= MAX_DIFFERING_IN_SQUARE
    print(f"  {name:16} {share:.4f} {most:4} {'same' if good else 'DIFFERENT'} {remark}".rstrip())
    return good


def find_dialog(picture, dialog):
    """Where the dialog's picture lies in the window's: the best match, coarse then fine."""
    small = picture[::4, ::4].astype(int)
    template = dialog[::4, ::4].astype(int)
    best = None
    for y in range(small.shape[0] - template.shape[0] + 1):
        rows = small[y:y + template.shape[0]]
        for x in range(small.shape[1] - template.shape[1] + 1):
            score = numpy.abs(rows[:, x:x + template.shape[1]] - template).mean()
            if best is None or score < best[0]:
                best = (score, x * 4, y * 4)
    _, x0, y0 = best
    fine = []
    for y in range(max(0, y0 - 4), min(picture.shape[0] - dialog.shape[0], y0 + 4) + 1):
        for x in range(max(0, x0 - 4), min(picture.shape[1] - dialog.shape[1], x0 + 4) + 1):
            region = picture[y:y + dialog.shape[0], x:x + dialog.shape[1]].astype(int)
            fine.append((numpy.abs(region - dialog.astype(int)).mean(), x, y))
    _, x, y = min(fine)
    return x, y


def touch(page, x, y, seconds):
    finger = PointerInput(POINTER_TOUCH, "finger")
    actions = ActionBuilder(page.driver, mouse=finger)
    actions.pointer_action.move_to(page.canvas, *page.offset(x, y))
    actions.pointer_action.pointer_down().pause(seconds).pointer_up()
    actions.perform()
    time.sleep(0.5)


def touch_and_hold(page, margin, desktop_dialog):
    touch(page, *margin, 0.8)
    page.actions += ["rclick", str(margin[0]), str(margin[1]), "held-dialog"]
    window = page.picture()
    dialog = numpy.asarray(Image.open(desktop_dialog).convert("RGB"))
    x, y = find_dialog(window, dialog)
    Image.fromarray(window[y:y + dialog.shape[0], x:x + dialog.shape[1]]).save(
        page.folder / "held-dialog.png")
    page.shots.append("held-dialog")
    # The close button stands at the right end of the title bar just above the dialog; the
    # desktop closed its dialog already.
    touch(page, x + dialog.shape[1] - 12, y - 11, 0.05)
    page.shot("held-dialog-closed")


# What the loading page's progress bar showed, noted from the page's first moment.
WATCH_PROGRESS = """
window.progressSeen = [];
document.addEventListener('DOMContentLoaded', function () {
    const bar = document.getElementById('progress');
    new MutationObserver(function () {
        window.progressSeen.push([bar.hidden, bar.getAttribute('value'), bar.max,
                                  bar.getAttribute('aria-valuetext'),
                                  document.getElementById('message').textContent]);
    }).observe(bar, {attributes: true});
});"""


def check_progress(driver):
    """The bar appeared, filled with the program's bytes as they came, said it was preparing once
    all had come and went with the loading page."""
    seen = driver.execute_script("return window.progressSeen")
    values = [float(value) for hidden, value, *_ in seen if not hidden and value is not None]
    total = seen[0][2] if seen else 0
    check(len(values) > 2 and values == sorted(values) and all(0 < v < total for v in values),
          f"the progress bar did not fill step by step to {total}: {values[:3]}…{values[-3:]}")
    preparing = [state for state in seen if not state[0] and state[3] == "準備しています"]
    check(preparing and preparing[0][1] is None and "準備" in preparing[0][4],
          f"the progress bar did not say it was preparing: {seen[-3:]}")
    check(seen[-1][0], "the progress bar stayed after the program appeared")
    print(f"progress bar: {len(values)} steps to {total} bytes, then preparing")


def scaled_pictures(driver, url, folder, reference):
    """The window whole and crisp on a narrow screen that shows the page zoomed out, on screens
    of two and of 1.25 device pixels per pixel, and zoomed in twice by a pinch: each picture
    taken at the whole scale the window must be drawn at (the next one up from the screen's),
    against the desktop's at that scale."""
    pictures = {}
    for name, width, height, ratio, mobile, pinch, expected, drawn in (
            ("scale-0.74", 768, 1024, 1, True, 1, 0.74, 1),
            ("device-scale-2", 1200, 800, 2, False, 1, 1, 2),
            ("device-scale-1.25", 1200, 800, 1.25, False, 1, 1, 2),
            ("page-scale-2", 1200, 800, 1, False, 2, 2, 2)):
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})
        page = Page(driver, url, folder)
        if pinch != 1:
            driver.execute_cdp_cmd("Emulation.setPageScaleFactor", {"pageScaleFactor": pinch})
            time.sleep(1)  # the window drawn again at the new scale
        zoom = driver.execute_cdp_cmd("Page.getLayoutMetrics", {})["cssVisualViewport"]["scale"]
        check(abs(zoom - expected) < 0.01, f"{name}: the page is shown at scale {zoom}")
        area = page.canvas.rect
        shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
            "captureBeyondViewport": True, "clip": {
                "x": area["x"], "y": area["y"], "width": area["width"],
                "height": area["height"], "scale": drawn / ratio}})
        picture = Image.open(io.BytesIO(base64.b64decode(shot["data"]))).convert("RGB")
        picture.save(folder / f"{name}.png")
        pictures[name] = (numpy.asarray(picture), drawn, zoom)
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    failures = []
    for name, (picture, scale, zoom) in pictures.items():
        desktop = folder.parent / f"desktop-{scale}"
        if not (desktop / "start.png").exists():
            subprocess.run([reference, "shots", str(SEED), str(desktop), "shot", "start"],
                           check=True, env=dict(os.environ, QT_SCALE_FACTOR=str(scale)))
        if not matches(name, picture, read_picture(desktop / "start.png"),
                       f"(page scale {zoom:.2f}, {picture.shape[1]}×{picture.shape[0]})"):
            failures.append(name)
    return failures


def elapsed_ms(sentence):
    minutes, seconds, milliseconds = re.search(r"タイム (\d+):(\d+)\.(\d+)", sentence).groups()
    return (int(minutes) * 60 + int(seconds)) * 1000 + int(milliseconds)


def bits_to_click(frame, digit):
    return [centre(frame["bits"][bit]) for bit in range(4) if digit >> bit & 1]


def drill(page, widgets, frames, questions):
    page.press(widgets["ExamBtn"], r"演習を開始。48問")
    for name, digit in questions["drill"].items():
        for point in bits_to_click(frames[name], digit):
            page.click(*point)
    count = len(page.said())
    end_click = len(page.actions)
    page.click(*centre(widgets["ExamBtn"]))
    verdict = page.wait_saying(count, r"全問正解オメデトウ！タイム")
    # The desktop's clock runs exactly as long as the browser's drill took.
    page.actions[end_click:end_click] = ["advance", str(elapsed_ms(verdict))]


def run_flows(page, layout, desktop_dialog, chromium):
    widgets, questions = layout["widgets"], layout["questions"]
    frames = {frame["name"]: frame for frame in widgets["hexFrames"]}
    page.shot("start")
    page.driver.save_screenshot(str(page.folder / "page.png"))

    # The example, wrong then right: the same seed gives the same digit each time.
    example = questions["example"]
    check(example != 0, "the seed must give an example other than 0")
    page.press(widgets["ExBtn"], r"例を開始。16進 " + format(example, "X"))
    page.press(widgets["ExBtn"], r"例を終了。不正解")
    page.shot("example-wrong")
    page.press(widgets["ExBtn"], r"例を開始")
    for point in bits_to_click(frames["THFr1"], example):
        page.click(*point)
    page.press(widgets["ExBtn"], r"例を終了。正解")
    page.shot("example-right")

    # Two timed drills answered all right, then their line and records on the graph.
    drill(page, widgets, frames, questions)
    page.shot("drill-done")
    drill(page, widgets, frames, questions)
    page.click(*centre(widgets["PgControl2Tabs"][1]))
    page.shot("graph")
    chart = widgets["Chart1"]
    inside = (chart[0] + chart[2] // 2, chart[1] + chart[3] // 2)
    page.wheel(*inside, 3)
    page.shot("graph-wheel")
    page.drag((chart[0] + chart[2] * 3 // 10, chart[1] + chart[3] * 3 // 10),
              (chart[0] + chart[2] * 7 // 10, chart[1] + chart[3] * 7 // 10))
    page.shot("graph-zoomed")
    page.drag((chart[0] + chart[2] * 7 // 10, chart[1] + chart[3] * 7 // 10),
              (chart[0] + chart[2] * 3 // 10, chart[1] + chart[3] * 3 // 10))
    page.shot("graph-unzoomed")

    # The decimal⇔hexadecimal drill, typed: letters that the field's base has no digit for
    # are refused, one answer is wrong, then put right.
    page.click(*centre(widgets["PgControl2Tabs"][2]))
    page.press(widgets["ExamBtn2"], r"演習を開始。36問")
    items = questions["decHex"]
    first = items[0]
    # A field starts with "0": the caret goes to its end and takes the 0 away.
    page.click(*centre(first["field"]))
    page.key("End")
    page.backspace(1)
    page.type("1a2g3z" if first["decimal"] else "1a2g3z".upper())
    page.shot("dechex-filter")
    page.backspace(3)
    for index, item in enumerate(items):
        if index:
            page.click(*centre(item["field"]))
            page.key("End")
            page.backspace(1)
        answer = item["answer"]
        if index == 1:  # a wrong last digit
            answer = answer[:-1] + ("1" if answer[-1] != "1" else "2")
        page.type(answer)
    page.press(widgets["ExamBtn2"], r"不正解")
    page.shot("dechex-wrong")
    page.click(*centre(items[1]["field"]))
    page.key("End")
    page.backspace(len(items[1]["answer"]))
    page.type(items[1]["answer"])
    page.press(widgets["ExamBtn2"], r"全問正解")
    page.shot("dechex-right")

    # The version dialog: a right click on the window's own surface shows it (the desktop saves
    # its picture as version.png), and its address opens in a new tab and closes it.
    page.click(*widgets["margin"], button="right")
    page.actions.append("version")
    time.sleep(0.5)
    window = page.picture()
    Image.fromarray(window).save(page.folder / "version-window.png")
    dialog = numpy.asarray(Image.open(desktop_dialog).convert("RGB"))
    x, y = find_dialog(window, dialog)
    Image.fromarray(window[y:y + dialog.shape[0], x:x + dialog.shape[1]]).save(
        page.folder / "version.png")
    page.shots.append("version")
    if not chromium:
        # WebKitGTK's driver never lets the right button go after a context-menu event, and then
        # sends no more pointer input to the page: the WebKit flows end here.
        return
    page.driver.execute_script("window.opened = []")
    # The address label lies at (16, 104) in the dialog; this click is the browser's alone.
    ActionChains(page.driver).move_to_element_with_offset(
        page.canvas, *page.offset(x + 40, y + 110)).click().perform()
    time.sleep(0.5)
    Image.fromarray(page.picture()).save(page.folder / "version-address-clicked.png")
    opened = page.driver.execute_script("return window.opened")
    check(opened == [[ADDRESS, "_blank"]],
          f"the address opened {opened}, not {ADDRESS} in a new tab")
    page.driver.switch_to.window(page.driver.window_handles[0])
    page.shot("after-dialog")

    # Touch (Chromium's driver has touch input): a tap on a bit cell flips it once.
    if chromium:
        page.click(*centre(widgets["PgControl2Tabs"][0]))
        page.press(widgets["ExBtn"], r"例を開始")
        page.tap(*centre(frames["THFr1"]["bits"][0]))
        page.shot("touch-tap")
        # Touch-and-hold on the margin opens the version dialog, as a right click does, and a tap
        # on its close button closes it.
        touch_and_hold(page, widgets["margin"], desktop_dialog)
        # A tapped answer field gives the page's text box the focus, which brings up a touch
        # screen's keyboard, and what is typed there reaches the field through the same filter.
        page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": True, "maxTouchPoints": 5})
        page.click(*centre(widgets["PgControl2Tabs"][2]))
        page.press(widgets["ExamBtn2"], r"演習を開始。36問")
        field = questions["decHex"][0]
        page.tap(*centre(field["field"]))
        focused = page.driver.execute_script(
            "const box = document.activeElement; return [box.id, box.inputMode]")
        check(focused == ["keyboard", "numeric" if field["decimal"] else "text"],
              f"a tapped answer field focused {focused}, not the page's text box")
        page.key("End")
        page.type("12a3z")
        page.backspace(1)
        page.shot("touch-keyboard")
        text_routes(page, widgets, questions)


def full_width(text):
    return "".join(chr(ord(c) + 0xFEE0) for c in text)


def focused_box(page):
    return page.driver.execute_script("return document.activeElement.id") == "keyboard"


def text_routes(page, widgets, questions):
    """Text that reaches answer fields otherwise than by typed keys, with the decimal⇔hex drill
    running: an input method composing and committing, on the mouse's path and the touch's; the
    page's box giving the keyboard back after a tap and a click elsewhere; pastes of a clipboard
    that changes in between, by Shift+Insert and by the field's menu (the Menu key, then P, and
    a right click where the field was clicked, then P); Ctrl+V, which does nothing. Judged by the window's picture against the desktop's after the
    same digits typed, and by the check's verdict."""
    driver = page.driver
    items = questions["decHex"]
    origin = re.match(r"https?://[^/]+", driver.current_url).group(0)
    driver.execute_cdp_cmd("Browser.grantPermissions", {
        "origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

    def clipboard(text):
        driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)

    def empty(item, touch=False):
        (page.tap if touch else page.click)(*centre(item["field"]))
        check(focused_box(page), f"an answer field {'tapped' if touch else 'clicked'} left the "
                                 "page's text box without the focus")
        page.key("End")
        page.backspace(1)

    def compose(item, steps, commit, digits):
        for text in steps:
            driver.execute_cdp_cmd("Input.imeSetComposition", {
                "text": text, "selectionStart": len(text), "selectionEnd": len(text)})
        driver.execute_cdp_cmd("Input.insertText", {"text": commit})
        time.sleep(0.1)
        page.actions += ["type", digits]  # what the desktop types for the same digits

    # Composed in full width and committed, by the mouse's path and the touch's: only the
    # committed digits go in, once.
    first, second = items[1], items[20]
    empty(first)
    answer = first["answer"]
    compose(first, [full_width(answer[:n]) for n in range(1, len(answer) + 1)],
            full_width(answer), answer)
    empty(second, touch=True)
    answer = second["answer"].lower()
    compose(second, [answer[:n] for n in range(1, len(answer) + 1)], full_width(answer), answer)

    # A click elsewhere after a tap gives the keyboard back to the program, even on the
    # window's bare margin, which leaves the field its focus.
    page.click(*widgets["margin"])
    check(not focused_box(page), "the page's text box kept the focus after a click elsewhere")

    # Pasted: Shift+Home selects what was typed, Shift+Insert pastes over it; then the clipboard
    # changes and is pasted again, by the key and by the menu. Each paste reads the clipboard
    # of its moment.
    third, fourth, fifth = items[2], items[3], items[4]
    folded = str(int(third["answer"]) // 10 - 1) + chr(ord("0") + 10 + int(third["answer"]) % 10)
    empty(third, touch=True)
    page.type("12")
    ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.HOME).key_up(Keys.SHIFT).perform()
    clipboard(folded)
    ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.INSERT).key_up(Keys.SHIFT).perform()
    time.sleep(0.2)
    page.actions += ["type", "\b\b" + folded[:-1]]
    empty(fourth)
    clipboard(fourth["answer"])
    ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.INSERT).key_up(Keys.SHIFT).perform()
    time.sleep(0.2)
    page.actions += ["type", fourth["answer"]]
    empty(fifth)
    clipboard(fifth["answer"])
    for kind in ("rawKeyDown", "keyUp"):  # the Menu key, which WebDriver has no name for
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": kind, "key": "ContextMenu", "code": "ContextMenu",
            "windowsVirtualKeyCode": 93})
    time.sleep(0.3)
    ActionChains(driver).send_keys("p").perform()
    time.sleep(0.5)
    ActionChains(driver).key_down(Keys.CONTROL).send_keys("v").key_up(Keys.CONTROL).perform()
    time.sleep(0.2)
    page.actions += ["type", fifth["answer"]]
    # A right click where the field was just clicked, on the page's text box standing there,
    # opens the field's own menu all the same.
    sixth = items[5]
    empty(sixth)
    clipboard(sixth["answer"])
    ActionChains(driver).move_to_element_with_offset(
        page.canvas, *page.offset(*centre(sixth["field"]))).context_click().perform()
    time.sleep(0.3)
    ActionChains(driver).send_keys("p").perform()
    time.sleep(0.3)
    page.actions += ["type", sixth["answer"]]
    page.shot("text-routes")

    # Only the third is wrong: it holds the digits of "4541:" for 45420, not the answer.
    count = len(page.said())
    page.click(*centre(widgets["ExamBtn2"]))
    verdict = page.wait_saying(count, r"不正解")
    wrong = verdict.split(": ", 1)[1].split("。")[0].split(", ")
    for item in (first, second, third, fourth, fifth, sixth):
        check((item["question"] in wrong) == (item is third),
              f"{item['question']} {'not ' if item is third else ''}judged wrong: {verdict}")
    page.shot("text-routes-judged")


def main():
    kind, url, reference, out = sys.argv[1:]
    folder = pathlib.Path(out) / kind
    (folder / "browser").mkdir(parents=True, exist_ok=True)
    layout_file = folder / "layout.json"
    subprocess.run([reference, "layout", str(SEED), str(layout_file)], check=True)
    layout = json.loads(layout_file.read_text())
    # The desktop's dialog, to find the browser's in its window.
    margin = layout["widgets"]["margin"]
    subprocess.run([reference, "shots", str(SEED), str(folder / "dialog"),
                    "rclick", str(margin[0]), str(margin[1]), "version"], check=True)

    driver = start_browser(kind)
    failures = []
    try:
        if kind == "chromium":
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": WATCH_PROGRESS})
        page = Page(driver, f"{url}?seed={SEED}", folder / "browser")
        if kind == "chromium":
            check_progress(driver)
        run_flows(page, layout, folder / "dialog" / "version.png", kind == "chromium")
        # The desktop program's pictures of the same states.
        (folder / "actions.json").write_text(json.dumps(page.actions, ensure_ascii=False))
        subprocess.run([reference, "shots", str(SEED), str(folder / "desktop")] + page.actions,
                       check=True)
        print(f"{kind}: {len(page.said())} sentences said; pictures compared with the desktop's "
              f"(share of differing pixels, most in a {SQUARE}×{SQUARE} square):")
        for name in page.shots:
            if not matches(name, read_picture(folder / "browser" / f"{name}.png"),
                           read_picture(folder / "desktop" / f"{name}.png")):
                failures.append(name)
        if kind == "chromium":
            failures += scaled_pictures(driver, f"{url}?seed={SEED}", folder / "browser",
                                        reference)
    except Failure as failure:
        failures.append(str(failure))
    finally:
        driver.quit()
    if failures:
        print(f"{kind}: FAILED: {'; '.join(failures)}")
        return 1
    print(f"{kind}: all flows passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
