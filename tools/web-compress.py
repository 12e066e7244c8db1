#!/usr/bin/env python3
"""Writes beside each of the site's files that compress well its brotli (FILE.br) and gzip
(FILE.gz) forms, which a server sends in place of the file to a browser that accepts them.

usage: web-compress.py SITE_DIR
"""
import gzip
import pathlib
import sys

import brotli

# Pictures in PNG are compressed already.
COMPRESSED = {".html", ".js", ".wasm", ".webmanifest", ".svg", ".json"}


def main(site):
    for path in sorted(pathlib.Path(site).iterdir()):
        if path.suffix not in COMPRESSED or not path.is_file():
            continue
        data = path.read_bytes()
        path.with_name(path.name + ".br").write_bytes(brotli.compress(data, quality=11))
        # No name or time in the header, so that the same file gives the same bytes.
        path.with_name(path.name + ".gz").write_bytes(gzip.compress(data, 9, mtime=0))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
