#!/usr/bin/env python3
"""How long the browser site takes to its first frame in headless Chromium, and what it fetches:
a cold start (a browser that has never seen the site) and a warm start (the same browser
again, its service worker installed), on an unthrottled line and on one pupil's share of a
busy school line (2.5 Mbit/s, 100 ms before each answer starts), and a warm start with the
server gone. The line is throttled at the server, which slows the service worker's fetches as
much as the page's. After the first cold start of each round the renderer's memory is read. Each
site given (this build, and for instance the last release's build beside it) runs every
condition once a round, the sites and conditions in turn, five rounds; the figures are medians
with their range.

usage: web_start.py OUT_JSON NAME=SITE_DIR [NAME=SITE_DIR ...]
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
GOALS = {"cold, 2.5 Mbit/s": 7.5, "warm": 1.5}
SITE_GOAL_MB, SITE_MOONSHOT_MB = 2.0, 1.5
# Starts that must be no slower than the first other site's (the build before).
NO_SLOWER = ("cold, unthrottled", "warm, unthrottled", "warm, offline", "warm, 2.5 Mbit/s")
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


def descendants(pid):
    """The processes started, directly or not, by the given one."""
    children = {}
    for entry in pathlib.Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            parent = int((entry / "stat").read_text().rsplit(")", 1)[1].split()[1])
        except (OSError, ValueError, IndexError):
            continue
        children.setdefault(parent, []).append(int(entry.name))
    found, waiting = [], list(children.get(pid, []))
    while waiting:
        process = waiting.pop()
        found.append(process)
        waiting += children.get(process, [])
    return found


def renderer_megabytes(driver):
    """The resident memory of the browser's largest renderer process (the page's), in MB."""
    largest = 0
    for process in descendants(driver.service.process.pid):
        try:
            if b"--type=renderer" not in pathlib.Path(f"/proc/{process}/cmdline").read_bytes():
                continue
            status = pathlib.Path(f"/proc/{process}/status").read_text()
        except OSError:
            continue
        rss = next(int(line.split()[1]) for line in status.splitlines()
                   if line.startswith("VmRSS:"))
        largest = max(largest, rss)
    return largest / 1024


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
                if not kbit:
                    results.setdefault("renderer memory, MB", []).append(
                        renderer_megabytes(driver))
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


def figure(values, unit=""):
    return (f"{statistics.median(values):.2f}{unit} "
            f"[{min(values):.2f}–{max(values):.2f}]")


def main(out, *sites):
    sites = dict(site.split("=", 1) for site in sites)
    results = {name: {} for name in sites}
    for number in range(ROUNDS):
        for name, folder in sites.items():
            one_round(folder, results[name])
        print(f"round {number + 1} of {ROUNDS} done", flush=True)
    report = {name: {} for name in sites}
    first, *others = sites
    print(f"{'start':22} {'site':12} {'first frame, s: median [range]':34} {'bytes fetched':>14} "
          f"{'of the program':>14}  goal")
    for condition in results[first]:
        for name in sites:
            runs = results[name][condition]
            if condition.startswith("keeping"):
                print(f"{condition:22} {name:12} {'(the worker copying the site)':34} "
                      f"{statistics.median(run[1] for run in runs):14,.0f}")
                report[name][condition] = {"bytes": [run[1] for run in runs]}
                continue
            if condition.startswith("renderer"):
                print(f"{condition:22} {name:12} {figure(runs, ' MB'):34}")
                report[name][condition] = runs
                continue
            seconds = [run[0] for run in runs]
            fetched = statistics.median(run[1] for run in runs)
            program = max(run[2] for run in runs)
            goal = next((limit for prefix, limit in GOALS.items()
                         if condition.startswith(prefix)), None)
            verdicts = []
            if goal is not None:
                met = statistics.median(seconds) <= goal and \
                    (not condition.startswith("warm") or program == 0)
                verdicts.append(f"≤ {goal} s: " + ("met" if met else "MISSED"))
            if name == first and others and condition in NO_SLOWER:
                before = statistics.median(run[0] for run in results[others[0]][condition])
                verdicts.append(f"no slower than {others[0]} ({before:.2f} s): " +
                                ("met" if statistics.median(seconds) <= before else "MISSED"))
            report[name][condition] = {
                "seconds": seconds, "bytes": [run[1] for run in runs],
                "program_bytes": [run[2] for run in runs], "goal_seconds": goal}
            print(f"{condition:22} {name:12} {figure(seconds):34} {fetched:14,.0f} "
                  f"{program:14,}  {'; '.join(verdicts)}")
    for name in sites:
        sent = statistics.median(report[name]["cold, unthrottled"]["bytes"])
        print(f"{name}: the site as sent to a browser new to it: {sent / 1e6:.2f} MB, "
              f"≤ {SITE_GOAL_MB} MB: " + ("met" if sent <= SITE_GOAL_MB * 1e6 else "MISSED") +
              f"; moonshot ≤ {SITE_MOONSHOT_MB} MB: " +
              ("met" if sent <= SITE_MOONSHOT_MB * 1e6 else "missed"))
    pathlib.Path(out).write_text(json.dumps(report, indent=1))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
