# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared helpers of the catalogue data tools: source paths, atomic Windows-1252 writing,
sexagesimal splitting and word cleaning for the fixed char[N] fields of the readers."""

import json
import os
import re
import unicodedata

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO = os.path.dirname(TOOLS)
DATA = os.path.join(REPO, "data")
D3 = os.path.join(TOOLS, "node_modules", "d3-celestial", "data")
CACHE = os.path.join(TOOLS, ".cache")
ZONEINFO = "/usr/share/zoneinfo"


def d3_json(name):
    path = os.path.join(D3, name)
    if not os.path.exists(path):
        raise SystemExit(f"{path} missing: run tools/catalogs/fetch_sources.sh first")
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def write_cp1252(name, text):
    """Writes data/<name> as Windows-1252 bytes with LF line ends, through a temporary file
    renamed over the target, so a failed run never leaves a half-written data file."""
    path = os.path.join(DATA, name)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(text.encode("cp1252"))
    os.replace(tmp, path)
    return path


def ra360(lon_deg):
    """d3-celestial longitudes run from -180 to 180 degrees; right ascension runs 0 to 360."""
    ra = lon_deg % 360.0
    return 0.0 if ra >= 360.0 else ra


def split_hms(ra_deg, sec_decimals=0):
    """Right ascension in degrees -> (hours, minutes, seconds) with seconds rounded to the given
    decimals and carried, hours in 0-23."""
    scale = 10 ** sec_decimals
    total = round(ra_deg / 15.0 * 3600.0 * scale)
    total %= 24 * 3600 * scale
    h, rest = divmod(total, 3600 * scale)
    m, s = divmod(rest, 60 * scale)
    return int(h), int(m), s / scale


def split_dms(dec_deg):
    """Declination in degrees -> (sign, degrees, minutes, seconds), seconds rounded to whole."""
    sign = -1 if dec_deg < 0 else 1
    total = round(abs(dec_deg) * 3600.0)
    d, rest = divmod(total, 3600)
    m, s = divmod(rest, 60)
    return sign, int(d), int(m), int(s)


def split_hm(ra_deg, min_decimals):
    """Right ascension in degrees -> (hours, decimal minutes) rounded to the decimals given."""
    scale = 10 ** min_decimals
    total = round(ra_deg / 15.0 * 60.0 * scale) % (24 * 60 * scale)
    h, m = divmod(total, 60 * scale)
    return int(h), m / scale


def split_dm(dec_deg):
    """Declination in degrees -> (sign, degrees, whole minutes)."""
    sign = -1 if dec_deg < 0 else 1
    total = round(abs(dec_deg) * 60.0)
    d, m = divmod(total, 60)
    return sign, int(d), int(m)


def cp1252_word(text, size, fill="_"):
    """One blank-free word for a char[size] field (at most size-1 bytes in Windows-1252):
    blanks become `fill`, characters outside the code page lose their accents or are dropped."""
    out = []
    for ch in text.strip():
        if ch.isspace():
            ch = fill
        try:
            ch.encode("cp1252")
        except UnicodeEncodeError:
            ch = unicodedata.normalize("NFKD", ch).encode("ascii", "ignore").decode()
        out.append(ch)
    word = re.sub(re.escape(fill) + "+", fill, "".join(out)) if fill else "".join(out)
    word = word[: size - 1].rstrip(fill) if fill else word[: size - 1]
    return word


def short_name(text, size):
    """A name of several words as one word for a char[size] field: words joined by `_`; when too
    long, the longest word after the first loses letters one by one and takes a full stop
    ("Asellus_Austr.", "Al_Thal._Post."), so that names that differ stay apart."""
    words = cp1252_word(text, 10 ** 6).split("_")
    limit = size - 1
    stems, cut = list(words), [False] * len(words)

    def render():
        return "_".join(s + ("." if c else "") for s, c in zip(stems, cut))

    while len(render().encode("cp1252")) > limit:
        cand = [i for i in range(1, len(stems)) if len(stems[i]) > 1] or \
               [i for i in range(len(stems)) if len(stems[i]) > 1]
        if not cand:
            return render()[:limit]
        i = max(cand, key=lambda k: (len(stems[k]), -k))
        stems[i], cut[i] = stems[i][:-1], True
    return render()
