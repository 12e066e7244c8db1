"""Reading and cutting down Qt's compiled translation files (.qm)."""
import pathlib
import struct

MAGIC_LENGTH = 16
HASHES, MESSAGES = 0x42, 0x69
END, OBSOLETE_HASH = 1, 5
TRANSLATION, SOURCE_TEXT, CONTEXT, COMMENT = 3, 6, 7, 8


def sections(data):
    """The file's sections in their order: (tag, bytes)."""
    found, pos = [], MAGIC_LENGTH
    while pos < len(data):
        tag, length = data[pos], struct.unpack(">I", data[pos + 1:pos + 5])[0]
        found.append((tag, data[pos + 5:pos + 5 + length]))
        pos += 5 + length
    return found


def messages(block):
    """Each message of a messages section: (offset, its bytes, {field tag: bytes})."""
    pos, start, fields = 0, 0, {}
    while pos < len(block):
        tag = block[pos]
        pos += 1
        if tag == END:
            yield start, block[start:pos], fields
            start, fields = pos, {}
        elif tag == OBSOLETE_HASH:
            pos += 4
        elif tag in (TRANSLATION, SOURCE_TEXT, CONTEXT, COMMENT):
            length = struct.unpack(">I", block[pos:pos + 4])[0]
            pos += 4
            if length == 0xFFFFFFFF:  # a null text
                length = 0
            fields[tag] = block[pos:pos + length]
            pos += length
        else:
            raise ValueError(f"unknown message field {tag}")


def translations(path):
    """Every translated text in a .qm file."""
    for tag, block in sections(pathlib.Path(path).read_bytes()):
        if tag == MESSAGES:
            for _, _, fields in messages(block):
                if TRANSLATION in fields:
                    yield fields[TRANSLATION].decode("utf-16-be")


def cut(source, output, contexts):
    """Writes the .qm file with only the messages of the given contexts. The lookup table of
    source-text hashes keeps each kept message's hash, at the message's new place; the other
    sections (the language, plural rules) are kept as they are, but the table of contexts, which
    only speeds up a lookup that fails, is left out."""
    data = pathlib.Path(source).read_bytes()
    parts = dict(sections(data))
    kept, moved = bytearray(), {}
    for offset, message, fields in messages(parts[MESSAGES]):
        if fields.get(CONTEXT) in contexts:
            moved[offset] = len(kept)
            kept += message
    hashes = parts[HASHES]
    table = sorted((struct.unpack(">I", hashes[i:i + 4])[0],
                    moved[struct.unpack(">I", hashes[i + 4:i + 8])[0]])
                   for i in range(0, len(hashes), 8)
                   if struct.unpack(">I", hashes[i + 4:i + 8])[0] in moved)
    out = bytearray(data[:MAGIC_LENGTH])
    for tag, block in sections(data):
        if tag == HASHES:
            block = b"".join(struct.pack(">II", *entry) for entry in table)
        elif tag == MESSAGES:
            block = bytes(kept)
        elif tag == 0x2F:  # contexts
            continue
        out += struct.pack(">BI", tag, len(block)) + block
    pathlib.Path(output).write_bytes(bytes(out))
