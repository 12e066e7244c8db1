#!/usr/bin/env python3
"""Serves the browser site on this machine only: each file as its brotli or gzip form when the
site holds one (make web writes them) and the browser accepts it, as a well-set web server
would; everything else as Python's own static server does.

usage: web-serve.py PORT SITE_DIR
"""
import functools
import http.server
import os
import sys

ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class Handler(http.server.SimpleHTTPRequestHandler):
    def send_head(self):
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


def main(port, site):
    handler = functools.partial(Handler, directory=site)
    with http.server.ThreadingHTTPServer(("127.0.0.1", int(port)), handler) as server:
        server.serve_forever()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
