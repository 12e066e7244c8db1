#!/usr/bin/env python3
"""Writes every character the program can show: printable ASCII, every other character of its
own sources, and Qt's Japanese texts for the answer fields' context menu.
usage: font-text.py OUTPUT QTBASE_JA.qm SOURCE_DIR..."""
import pathlib
import struct
import sys

# The contexts of Qt's texts that the program shows: the line edit's context menu.
QT_CONTEXTS = {b"QLineEdit"}


def qm_translations(path):
    """The translations of the given contexts in a Qt .qm file."""
    data = pathlib.Path(path).read_bytes()
    sections, pos = {}, 16  # after the magic number
    while pos < len(data):
        tag, length = data[pos], struct.unpack(">I", data[pos + 1:pos + 5])[0]
        sections[tag] = data[pos + 5:pos + 5 + length]
        pos += 5 + length
    messages, pos, fields = sections.get(0x69, b""), 0, {}
    while pos < len(messages):
        tag = messages[pos]
        pos += 1
        if tag == 1:  # end of a message
            if fields.get(7) in QT_CONTEXTS and 3 in fields:
                yield fields[3].decode("utf-16-be")
            fields = {}
        elif tag == 5:  # a hash: fixed size
            pos += 4
        elif tag in (3, 6, 7, 8):  # translation, source text, context, comment
            length = struct.unpack(">I", messages[pos:pos + 4])[0]
            pos += 4
            if length == 0xFFFFFFFF:
                length = 0
            fields[tag] = messages[pos:pos + length]
            pos += length
        else:
            raise SystemExit(f"{path}: unknown message field {tag}")


def main():
    output, qm, *folders = sys.argv[1:]
    characters = {chr(c) for c in range(0x20, 0x7F)}
    for folder in folders:
        for source in sorted(pathlib.Path(folder).rglob("*")):
            if source.suffix in (".cpp", ".h"):
                characters |= {c for c in source.read_text("utf-8") if ord(c) >= 0x80}
    for text in qm_translations(qm):
        characters |= set(text)
    pathlib.Path(output).write_text("".join(sorted(characters)), "utf-8")


if __name__ == "__main__":
    main()
