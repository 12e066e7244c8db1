#!/usr/bin/env python3
"""The site without a network, in headless Chromium: loaded once, it starts again when its web
server has gone; a new version put on the server is what the next load shows, and what is kept
for the next time without a network. First, a browser without WebAssembly is told in Japanese
that it cannot run the program.

usage: offline_flow.py SITE_DIR OUTDIR
"""
import contextlib
import functools
import http.server
import pathlib
import shutil
import socket
import sys
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from browser_flows import Failure, Page, check, start_browser  # noqa: E402

MARKER = "Radixtrek (new version)"


class Server:
    """A static web server on 127.0.0.1 that can go away and come back on the same port."""

    def __init__(self):
        self.port = 0
        self.httpd = None

    def start(self, folder):
        handler = functools.partial(QuietHandler, directory=str(folder))
        self.httpd = QuietServer(("127.0.0.1", self.port), handler)
        self.httpd.connections = []
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        for connection in self.httpd.connections:
            with contextlib.suppress(OSError):
                connection.shutdown(socket.SHUT_RDWR)


class QuietServer(http.server.ThreadingHTTPServer):
    def process_request(self, request, client_address):
        # Those the browser opens ahead of its requests would be answered after a stop.
        self.connections.append(request)
        super().process_request(request, client_address)

    def handle_error(self, request, client_address):
        pass  # a browser that goes away in the middle of a file


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def wait_for_cache(driver):
    """Waits until the service worker controls the page and has kept every file."""
    deadline = time.time() + 60
    while time.time() < deadline:
        kept = driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            if (!navigator.serviceWorker.controller) { done(0); return; }
            caches.keys().then((names) => Promise.all(names.map((name) =>
                caches.open(name).then((cache) => cache.keys()))))
              .then((lists) => done(lists.reduce((sum, list) => sum + list.length, 0)));""")
        if kept >= 9:
            return
        time.sleep(0.5)
    raise Failure("the service worker did not keep the site within 60 s")


def main():
    site, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]) / "offline"
    shutil.rmtree(out, ignore_errors=True)
    first, second = out / "site-1", out / "site-2"
    shutil.copytree(site, first)
    shutil.copytree(site, second)
    index = second / "index.html"
    index.write_text(index.read_text("utf-8").replace("<title>Radixtrek</title>",
                                                      f"<title>{MARKER}</title>"), "utf-8")
    server = Server()
    server.start(first)
    url = f"http://127.0.0.1:{server.port}/"

    # A browser without WebAssembly is told so, in Japanese.
    driver = start_browser("chromium")
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": "delete window.WebAssembly;"})
        driver.get(url)
        message = ""
        for _ in range(100):
            message = driver.execute_script(
                "const status = document.getElementById('status');"
                "return status.style.display === 'none' ? ''"
                "     : document.getElementById('message').textContent;")
            if "動かせません" in message:
                break
            time.sleep(0.1)
        check("このブラウザーでは Radixtrek を動かせません。" == message,
              f"without WebAssembly the page says {message!r}")
        print(f"offline: without WebAssembly the page says {message}")
    except Failure as failure:
        print(f"offline: FAILED: {failure}")
        return 1
    finally:
        driver.quit()

    driver = start_browser("chromium")
    try:
        Page(driver, url, out)
        wait_for_cache(driver)

        server.stop()
        Page(driver, url, out)
        print("offline: the program starts again without its web server")

        server.start(second)
        Page(driver, url, out)
        check(driver.title == MARKER, f"the new version was not loaded: title {driver.title!r}")
        wait_for_cache(driver)
        server.stop()
        Page(driver, url, out)
        check(driver.title == MARKER, f"the new version was not kept: title {driver.title!r}")
        print("offline: a new version is loaded at the next visit and kept for use offline")
    except Failure as failure:
        print(f"offline: FAILED: {failure}")
        return 1
    finally:
        driver.quit()
    return 0


if __name__ == "__main__":
    sys.exit(main())
