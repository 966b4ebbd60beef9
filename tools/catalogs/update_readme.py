#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts readme_section.md into data/README.md between the catalogue marker comment and the end
marker that follows it (added when missing), leaving every other section as it stands."""

import os

from common import DATA

START = "<!-- catalogues: constellations, stars, deep sky, Milky Way, borders, asteroids, cities -->"
END = "<!-- end of catalogues -->"


def main():
    path = os.path.join(DATA, "README.md")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "readme_section.md"), encoding="utf-8") as f:
        section = f.read().strip("\n")
    if START not in text:
        raise SystemExit(f"{path}: catalogue marker missing")
    head, rest = text.split(START, 1)
    tail = rest.split(END, 1)[1] if END in rest else rest
    text = f"{head}{START}\n\n{section}\n\n{END}\n{tail.lstrip(chr(10)) and chr(10) + tail.lstrip(chr(10))}"
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(tmp, path)


if __name__ == "__main__":
    main()
