#!/usr/bin/env python3
"""Where the browser program's bytes are: the code of each function in the final radixtrek.wasm,
named through the link's symbol map and traced to the library and object that defined it,
summed by library and by object, beside the wasm's data and other sections.

emcc drops a linker map option (-Map) before the linker sees it, so the map is made this way.
usage: web-map.py WASM SYMBOLS ARCHIVE_OR_OBJECT..."""
import collections
import pathlib
import re
import subprocess
import sys

TOP = 25
# Debian's emscripten brings LLVM 14, whose tools need not be on the PATH.
LLVM_NM = "/usr/lib/llvm-14/bin/llvm-nm"


def leb128(data, pos):
    value = shift = 0
    while True:
        byte = data[pos]
        pos += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, pos


def sections(data):
    """(id, name, start, end) of each section of a wasm module."""
    pos = 8
    while pos < len(data):
        kind, pos = data[pos], pos + 1
        size, pos = leb128(data, pos)
        name = ""
        if kind == 0:
            length, start = leb128(data, pos)
            name = data[start:start + length].decode()
        yield kind, name, pos, pos + size
        pos += size


def imported_functions(data, start, end):
    count, pos = leb128(data, start)
    functions = 0
    for _ in range(count):
        for _ in range(2):  # module and field names
            length, pos = leb128(data, pos)
            pos += length
        kind, pos = data[pos], pos + 1
        if kind == 0:  # a function: its type index
            _, pos = leb128(data, pos)
            functions += 1
        elif kind == 1:  # a table: element type and limits
            pos += 1
            flags, pos = leb128(data, pos)
            _, pos = leb128(data, pos)
            if flags & 1:
                _, pos = leb128(data, pos)
        elif kind == 2:  # a memory: limits
            flags, pos = leb128(data, pos)
            _, pos = leb128(data, pos)
            if flags & 1:
                _, pos = leb128(data, pos)
        elif kind == 3:  # a global: type and mutability
            pos += 2
        else:
            raise SystemExit(f"unknown import kind {kind}")
    return functions


def function_sizes(data, start, end):
    count, pos = leb128(data, start)
    for _ in range(count):
        size, body = leb128(data, pos)
        yield body + size - pos
        pos = body + size


def definitions(inputs):
    """Each defined symbol's library (or object file) and object."""
    found = {}
    for path in inputs:
        listing = subprocess.run([LLVM_NM, "--defined-only", "--print-file-name", "--demangle",
                                  path],
                                 capture_output=True, text=True).stdout
        library = pathlib.Path(path).name
        for line in listing.splitlines():
            where, _, rest = line.partition(": ")
            fields = rest.split(maxsplit=2)
            if len(fields) < 3:
                continue
            member = where.rsplit(":", 1)[-1] if ".a:" in where else library
            found.setdefault(fields[2], (library, member))
    return found


def main(wasm, symbols, *inputs):
    data = pathlib.Path(wasm).read_bytes()
    names = {}
    for line in pathlib.Path(symbols).read_text().splitlines():
        index, _, name = line.partition(":")
        # The map writes a name's spaces, commas and brackets as \\ and two hex digits.
        names[int(index)] = re.sub(r"\\([0-9a-f]{2})", lambda code: chr(int(code[1], 16)), name)
    defined = definitions(inputs)
    by_library, by_object, other = collections.Counter(), collections.Counter(), {}
    imports = 0
    for kind, name, start, end in sections(data):
        if kind == 2:
            imports = imported_functions(data, start, end)
        elif kind == 10:
            for index, size in enumerate(function_sizes(data, start, end), imports):
                library, member = defined.get(names.get(index, ""), ("(not traced: emscripten's own)", ""))
                by_library[library] += size
                by_object[f"{library} {member}".strip()] += size
        else:
            label = {11: "data: fonts, texts, resources and tables", 0: f"custom: {name}"}.get(
                kind, f"section {kind}")
            other[label] = other.get(label, 0) + end - start
    total = len(data)
    print(f"radixtrek.wasm: {total:,} bytes; code {sum(by_library.values()):,}")
    print(f"{'code by library':54} {'bytes':>10} {'share':>6}")
    for library, size in by_library.most_common():
        print(f"  {library:52} {size:10,} {size / total:6.1%}")
    print(f"{'largest objects':54} {'bytes':>10} {'share':>6}")
    for member, size in by_object.most_common(TOP):
        print(f"  {member:52} {size:10,} {size / total:6.1%}")
    print(f"{'other sections':54} {'bytes':>10} {'share':>6}")
    for label, size in sorted(other.items(), key=lambda item: -item[1]):
        print(f"  {label:52} {size:10,} {size / total:6.1%}")


if __name__ == "__main__":
    main(*sys.argv[1:])
