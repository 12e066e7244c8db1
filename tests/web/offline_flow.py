#!/usr/bin/env python3
"""The site without a network, in headless Chromium: loaded once, it starts again from the
service worker's cache without asking for the program's files, when its web server has gone,
within 5 s when the server never answers, and when a Wi-Fi login page answers for every address;
a new version cut short on the server replaces nothing, and a whole one is what a later load
shows, and what is kept for the next time without a network. First, a browser without
WebAssembly is told in Japanese that it cannot run the program.

usage: offline_flow.py SITE_DIR OUTDIR
"""
import contextlib
import functools
import http.server
import pathlib
import re
import shutil
import socket
import subprocess
import sys
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from browser_flows import Failure, Page, check, start_browser  # noqa: E402
from selenium.common.exceptions import WebDriverException  # noqa: E402

MARKER = "Radixtrek (new version)"
WEB = pathlib.Path(__file__).resolve().parents[2] / "app" / "web"
PROGRAM = {"/", "/index.html", "/page.js", "/qtloader.js", "/radixtrek.js", "/radixtrek.wasm"}
LOGIN = b"<html><body><form>Wi-Fi login</form></body></html>\n"


class Server:
    """A web server on 127.0.0.1 that can go away and come back on the same port: the site, a
    Wi-Fi login page for every address, or one that never answers. It notes the paths asked."""

    def __init__(self):
        self.port = 0
        self.httpd = self.silent = None
        self.paths = []

    def start(self, folder=None):
        handler = functools.partial(QuietHandler if folder else LoginHandler, directory=str(folder))
        self.httpd = QuietServer(("127.0.0.1", self.port), handler)
        self.httpd.paths, self.httpd.connections = self.paths, []
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def start_silent(self):
        self.silent = socket.create_server(("127.0.0.1", self.port), backlog=64)

    def stop(self):
        if self.silent:
            self.silent.close()
            self.silent = None
        else:
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
    def send_head(self):
        del self.headers["If-Modified-Since"]  # the versions here differ within one second
        return super().send_head()

    def log_request(self, code="-", size="-"):
        self.server.paths.append(self.path.split("?")[0])

    def log_message(self, *args):
        pass


class LoginHandler(QuietHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(LOGIN)))
        self.end_headers()
        self.wfile.write(LOGIN)


def new_version(site, folder, title="Radixtrek", program_end=b""):
    """A copy of the site with its page's title or its program changed, and its worker stamped
    with its files as a build does."""
    shutil.copytree(site, folder)
    index = folder / "index.html"
    index.write_text(index.read_text("utf-8").replace("<title>Radixtrek</title>",
                                                      f"<title>{title}</title>"), "utf-8")
    with open(folder / "radixtrek.wasm", "ab") as wasm:
        wasm.write(program_end)
    shutil.copy(WEB / "sw.js", folder)
    subprocess.run(["cmake", f"-DSITE={folder}", "-P", str(WEB / "StampSite.cmake")],
                   check=True)


def wait_for(condition, failure):
    """Waits up to 60 s for condition; failure is the message, or what makes it then."""
    deadline = time.time() + 60
    while not condition():
        if time.time() >= deadline:
            check(False, f"{failure() if callable(failure) else failure} within 60 s")
        time.sleep(0.5)


def wait_for_cache(driver, site):
    """Waits until the service worker controls the page with the site's version alone kept."""
    kept = [re.search(r"radixtrek-[0-9a-f]+", (site / "sw.js").read_text()).group()]
    wait_for(lambda: kept == driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        if (!navigator.serviceWorker.controller) { done(null); return; }
        caches.keys().then(done);"""), lambda: f"the service worker did not keep {kept}: " +
        driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        navigator.serviceWorker.getRegistration().then((r) => caches.keys().then((names) =>
            done(JSON.stringify({installing: !!(r && r.installing), waiting: !!(r && r.waiting),
                                 active: !!(r && r.active), kept: names}))));"""))


def main():
    site, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]) / "offline"
    shutil.rmtree(out, ignore_errors=True)
    first, second, cut = out / "site-1", out / "site-2", out / "site-cut"
    shutil.copytree(site, first)
    new_version(site, second, MARKER)
    # A new version whose program arrives cut short.
    new_version(site, cut, program_end=b"\0" * 16)
    wasm = (cut / "radixtrek.wasm").read_bytes()
    (cut / "radixtrek.wasm").write_bytes(wasm[:len(wasm) // 2])
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
        wait_for_cache(driver, first)
        server.paths.clear()
        Page(driver, url + "?seed=7", out)
        asked = PROGRAM.intersection(server.paths)
        check(not asked, f"a warm start asked the server for {sorted(asked)}")
        print("offline: a warm start asks the server for none of the program's files")

        server.stop()
        Page(driver, url, out)
        print("offline: the program starts again without its web server")

        server.start_silent()
        began = time.time()
        driver.set_page_load_timeout(5)
        Page(driver, url, out)
        driver.set_page_load_timeout(300)
        waited = time.time() - began
        check(waited < 5, f"with a server that never answers the program took {waited:.1f} s")
        server.stop()
        print(f"offline: with a server that never answers the program starts in {waited:.1f} s")

        server.start()
        server.paths.clear()
        Page(driver, url, out)
        check(driver.title == "Radixtrek", f"behind a login page the title is {driver.title!r}")
        wait_for(lambda: "/sw.js" in server.paths, "no new worker was looked for")
        server.stop()
        Page(driver, url, out)
        print("offline: a Wi-Fi login page for every address replaces nothing")

        server.start(cut)
        server.paths.clear()
        Page(driver, url, out)
        wait_for(lambda: "/radixtrek.wasm" in server.paths and driver.execute_async_script(
            "navigator.serviceWorker.getRegistration()"
            "  .then((r) => arguments[0](!r.installing && !r.waiting));"),
            "the new version was not tried")
        wait_for_cache(driver, first)
        Page(driver, url, out)
        server.stop()
        print("offline: a new version whose program arrives cut short replaces nothing")

        server.start(second)
        Page(driver, url, out)
        wait_for_cache(driver, second)
        Page(driver, url, out)
        check(driver.title == MARKER, f"the new version was not loaded: title {driver.title!r}")
        server.stop()
        Page(driver, url, out)
        check(driver.title == MARKER, f"the new version was not kept: title {driver.title!r}")
        print("offline: a new version is loaded at a later visit and kept for use offline")
    except (Failure, WebDriverException) as failure:
        print(f"offline: FAILED: {getattr(failure, 'msg', failure)}")
        return 1
    finally:
        driver.quit()
    return 0


if __name__ == "__main__":
    sys.exit(main())
