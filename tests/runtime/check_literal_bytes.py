#!/usr/bin/env python3
"""Fails when a string or character literal in the sources below the given
folders holds a UTF-8 multi-byte sequence. Every text of the runtime and the
layers above it is a single-byte code-page string; a non-ASCII character
belongs in a literal only as an escape such as "\\xFC". Comments may use any
encoding and are skipped."""

import pathlib
import re
import sys

UTF8_SEQUENCE = re.compile(rb"[\xC2-\xF4][\x80-\xBF]+")


def literals(text):
    """Yields (line, bytes) for every string and character literal."""
    i, line, n = 0, 1, len(text)
    while i < n:
        c = text[i:i + 1]
        if text.startswith(b"//", i):
            end = text.find(b"\n", i)
            i = n if end < 0 else end
        elif text.startswith(b"/*", i):
            end = text.find(b"*/", i + 2)
            end = n if end < 0 else end + 2
            line += text.count(b"\n", i, end)
            i = end
        elif c == b"R" and text.startswith(b'R"', i) and (i == 0 or not text[i - 1:i].isalnum()):
            open_paren = text.find(b"(", i + 2)
            delimiter = text[i + 2:open_paren]
            end = text.find(b")" + delimiter + b'"', open_paren)
            end = n if end < 0 else end + len(delimiter) + 2
            yield line, text[i:end]
            line += text.count(b"\n", i, end)
            i = end
        elif c in (b'"', b"'"):
            j = i + 1
            while j < n and text[j:j + 1] not in (c, b"\n"):
                j += 2 if text[j:j + 1] == b"\\" else 1
            yield line, text[i:j + 1]
            i = j + 1
        else:
            if c == b"\n":
                line += 1
            i += 1


def main(folders):
    faults = []
    for folder in folders:
        for path in sorted(pathlib.Path(folder).rglob("*.[ch]*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for line, literal in literals(path.read_bytes()):
                if UTF8_SEQUENCE.search(literal):
                    faults.append(f"{path}:{line}: UTF-8 in a literal: {literal.decode('utf-8', 'replace')}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
