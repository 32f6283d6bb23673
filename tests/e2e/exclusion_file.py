"""Umbrix's window exclusion file, Exclude.ini, written from outside the program: by the tests,
the demo, the run command and the Wine benchmark, before Umbrix starts (it reads the file once).

The file is one 768-byte record per window: three fields (handle text, title, executable path),
each a length byte and 255 bytes of text in the ANSI code page.

As a command:  python3 exclusion_file.py FILE TITLE...   excludes the windows with these titles.
"""

import sys
from pathlib import Path

FIELD_SIZE = 256


def _field(text):
    data = text.encode("cp1252")[:FIELD_SIZE - 1]
    return bytes([len(data)]) + data.ljust(FIELD_SIZE - 1, b"\0")


def window_exclusions(titles):
    """The file's bytes for exclusions of the windows with these titles, whatever their handle
    and program."""
    return b"".join(_field("0") + _field(title) + _field("") for title in titles)


def write_window_exclusions(path, titles):
    Path(path).write_bytes(window_exclusions(titles))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(f"usage: {sys.argv[0]} FILE TITLE...")
    write_window_exclusions(sys.argv[1], sys.argv[2:])
