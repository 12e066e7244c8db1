#!/usr/bin/env python3
"""Writes every character the program can show: printable ASCII, every other character of its
own sources, and Qt's Japanese texts that it shows (the translation as cut for the program).
usage: font-text.py OUTPUT QTBASE_JA.qm SOURCE_DIR..."""
import pathlib
import sys

import qm


def main():
    output, translation, *folders = sys.argv[1:]
    characters = {chr(c) for c in range(0x20, 0x7F)}
    for folder in folders:
        for source in sorted(pathlib.Path(folder).rglob("*")):
            if source.suffix in (".cpp", ".h"):
                characters |= {c for c in source.read_text("utf-8") if ord(c) >= 0x80}
    for text in qm.translations(translation):
        characters |= set(text)
    pathlib.Path(output).write_text("".join(sorted(characters)), "utf-8")


if __name__ == "__main__":
    main()
