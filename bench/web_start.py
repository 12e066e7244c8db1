#!/usr/bin/env python3
"""How long the browser site takes to its first frame in headless Chromium, and what it fetches:
a cold start (a browser that has never seen the site) and a warm start (the same browser
again, its service worker installed), on an unthrottled line and on one pupil's share of a
busy school line (2.5 Mbit/s, 100 ms before each answer starts), and a warm start with the
server gone. The line is throttled at the server, which slows the service worker's fetches as
much as the page's. Every condition runs once a round, in turn, five rounds; the figures are
medians with their range.

usage: web_start.py SITE_DIR OUT_JSON
"""
import importlib.util
import json
import pathlib
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromeService

TOOLS = pathlib.Path(__file__).resolve().parent.parent / "tools"
found = importlib.util.spec_from_file_location("web_serve", TOOLS / "web-serve.py")
web_serve = importlib.util.module_from_spec(found)
found.loader.exec_module(web_serve)

ROUNDS = 5
SCHOOL_LINE = (2500, 100)  # kbit/s, ms
PROGRAM = ("/radixtrek.wasm", "/radixtrek.js")
GOALS = {"cold, 2.5 Mbit/s": 16.0, "warm": 1.5}
SITE_GOAL_MB = 4.5
# The time from the start of the navigation to the first frame drawn after the program's window
# took the place of the loading page.
WATCH_FIRST_FRAME = """
window.firstFrame = null;
document.addEventListener('DOMContentLoaded', function () {
    const canvas = document.getElementById('qtcanvas');
    new MutationObserver(function () {
        if (canvas.style.display === 'block' && window.firstFrame === null)
            requestAnimationFrame(function () { window.firstFrame = performance.now(); });
    }).observe(canvas, {attributes: true});
});"""


def browser(profile):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new --no-sandbox --disable-gpu --enable-unsafe-swiftshader "
                     "--disable-quic --no-first-run --disable-background-networking "
                     "--disable-component-update --disable-sync --window-size=1200,800 "
                     f"--user-data-dir={profile}").split():
        options.add_argument(argument)
    driver = webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_FIRST_FRAME})
    return driver


class Site:
    """The site served on a line of its own, which can be taken away."""

    def __init__(self, folder, kbit=0, latency=0):
        self.line = web_serve.Line(kbit, latency)
        self.serving = web_serve.server(0, folder, self.line)
        self.port = self.serving.server_address[1]
        threading.Thread(target=self.serving.serve_forever, daemon=True).start()

    def stop(self):
        self.serving.shutdown()
        self.serving.server_close()


def start(driver, url):
    """Seconds to the first frame, and the bytes of the site and of the program that came."""
    driver.get(url)
    deadline = time.time() + 120
    while (first := driver.execute_script("return window.firstFrame")) is None:
        if time.time() > deadline:
            raise RuntimeError(f"no first frame within 120 s from {url}")
        time.sleep(0.05)
    return first / 1000


def kept(driver):
    """Whether the service worker has the whole site in its cache and controls the page."""
    return driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        if (!navigator.serviceWorker.controller) { done(false); return; }
        caches.keys().then(names => Promise.all(names.map(name => caches.open(name)
              .then(cache => cache.keys())))).then(lists =>
              done(lists.some(list => list.length >= 8)));""")


def one_round(folder, results):
    for kbit, latency, line in ((0, 0, "unthrottled"), (*SCHOOL_LINE, "2.5 Mbit/s")):
        with tempfile.TemporaryDirectory() as profile:
            site = Site(folder, kbit, latency)
            url = f"http://127.0.0.1:{site.port}/"
            driver = browser(profile)
            try:
                seconds = start(driver, url)
                results.setdefault(f"cold, {line}", []).append(
                    (seconds, sum(site.line.sent.values()),
                     sum(site.line.sent.get(path, 0) for path in PROGRAM)))
                deadline = time.time() + 300
                while not kept(driver):
                    if time.time() > deadline:
                        raise RuntimeError("the service worker kept no copy within 300 s")
                    time.sleep(0.5)
                # What the worker fetched to keep its copy, after the first start.
                results.setdefault(f"keeping, {line}", []).append(
                    (0, sum(site.line.sent.values()) - results[f"cold, {line}"][-1][1], 0))
                site.line.sent.clear()
                seconds = start(driver, url)
                results.setdefault(f"warm, {line}", []).append(
                    (seconds, sum(site.line.sent.values()),
                     sum(site.line.sent.get(path, 0) for path in PROGRAM)))
                if not kbit:
                    site.stop()
                    seconds = start(driver, url)
                    results.setdefault("warm, offline", []).append((seconds, 0, 0))
            finally:
                driver.quit()
                site.stop()


def main(folder, out):
    results = {}
    for number in range(ROUNDS):
        one_round(folder, results)
        print(f"round {number + 1} of {ROUNDS} done", flush=True)
    report = {}
    print(f"{'start':22} {'first frame, s: median [range]':50} {'bytes fetched':>14} "
          f"{'of the program':>14}  goal")
    for name, runs in results.items():
        if name.startswith("keeping"):
            print(f"{name:22} {'(the worker copying the site after the start)':50} "
                  f"{statistics.median(run[1] for run in runs):14,.0f}")
            report[name] = {"bytes": [run[1] for run in runs]}
            continue
        seconds = [run[0] for run in runs]
        fetched = statistics.median(run[1] for run in runs)
        program = max(run[2] for run in runs)
        goal = next((limit for prefix, limit in GOALS.items() if name.startswith(prefix)), None)
        met = goal is None or (statistics.median(seconds) <= goal and
                               (not name.startswith("warm") or program == 0))
        report[name] = {"seconds": seconds, "bytes": [run[1] for run in runs],
                        "program_bytes": [run[2] for run in runs], "goal_seconds": goal}
        verdict = "" if goal is None else (f"≤ {goal} s: " + ("met" if met else "MISSED"))
        figure = f"{statistics.median(seconds):.2f} [{min(seconds):.2f}–{max(seconds):.2f}]"
        print(f"{name:22} {figure:50} {fetched:14,.0f} {program:14,}  {verdict}")
    sent = statistics.median(report["cold, unthrottled"]["bytes"])
    print(f"the site as sent to a browser new to it: {sent / 1e6:.2f} MB, ≤ {SITE_GOAL_MB} MB: "
          + ("met" if sent <= SITE_GOAL_MB * 1e6 else "MISSED"))
    pathlib.Path(out).write_text(json.dumps(report, indent=1))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
