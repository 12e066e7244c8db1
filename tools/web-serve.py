#!/usr/bin/env python3
"""Serves the browser site on this machine only: each file as its brotli or gzip form when the
site holds one (make web writes them) and the browser accepts it, as a well-set web server
would; everything else as Python's own static server does. Given a rate and a latency, it
serves as one pupil's share of a busy school line: every answer starts that much later, and all
answers together share that many kilobits a second.

usage: web-serve.py PORT SITE_DIR [KBIT_PER_SECOND LATENCY_MS]
"""
import functools
import http.server
import os
import sys
import threading
import time

ENCODINGS = (("br", ".br"), ("gzip", ".gz"))
CHUNK = 16384


class Line:
    """The line between the site and one browser, and what went over it."""

    def __init__(self, kbit_per_second=0, latency_ms=0):
        self.bytes_per_second = kbit_per_second * 1000 / 8
        self.latency = latency_ms / 1000
        self.lock = threading.Lock()
        self.free_at = 0.0
        self.sent = {}  # bytes of answer bodies, by path

    def carry(self, path, size):
        """Waits until the line has carried size more bytes of the answer for path."""
        with self.lock:
            self.sent[path] = self.sent.get(path, 0) + size
            if not self.bytes_per_second:
                return
            self.free_at = max(time.monotonic(), self.free_at) + size / self.bytes_per_second
            done = self.free_at
        time.sleep(max(0.0, done - time.monotonic()))


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, line, **kwargs):
        self.line = line
        super().__init__(*args, **kwargs)

    def send_head(self):
        time.sleep(self.line.latency)
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        accepted = {part.split(";")[0].strip()
                    for part in self.headers.get("Accept-Encoding", "").split(",")}
        for encoding, suffix in ENCODINGS:
            if encoding in accepted and os.path.isfile(path) and os.path.isfile(path + suffix):
                file = open(path + suffix, "rb")
                stat = os.fstat(file.fileno())
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(path))
                self.send_header("Content-Encoding", encoding)
                self.send_header("Content-Length", str(stat.st_size))
                self.send_header("Last-Modified", self.date_time_string(stat.st_mtime))
                self.send_header("Vary", "Accept-Encoding")
                self.end_headers()
                return file
        return super().send_head()

    def copyfile(self, source, outputfile):
        path = self.path.split("?")[0]
        while chunk := source.read(CHUNK):
            self.line.carry(path, len(chunk))
            outputfile.write(chunk)


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that goes away in the middle of a file is no fault of the site.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def server(port, site, line):
    handler = functools.partial(Handler, directory=site, line=line)
    return Server(("127.0.0.1", int(port)), handler)


def main(port, site, kbit_per_second="0", latency_ms="0"):
    with server(port, site, Line(float(kbit_per_second), float(latency_ms))) as serving:
        serving.serve_forever()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
