#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/ville.syt (cities) and data/pays.syt (countries' winter and summer offsets) from
the time-zone database of the machine (Debian tzdata, public domain): /usr/share/zoneinfo/zone.tab
(one line per country and zone, with the coordinates of the zone's principal town),
iso3166.tab (country names) and the zone rules through Python's zoneinfo.

ville.syt: "Nombre:%d" then "\\n%s %lf %lf" per city: "Country-Town" (at most 29 bytes), latitude
(north positive), longitude (east negative, the program's convention). Cities are in
alphabetical order, except France-Annecy, the program's default place, which is added to the
database's towns and stands at index 31 where the default city number points.

pays.syt: "%s %f %f\\n" per country: name, offset in January, offset in July (hours to add to UT),
the order of the program's season rule (summer time from April to September); the list ends with
"# 0 0". A country whose zones differ gets one entry per pair of offsets, named with the January
offset ("United_States_W5" is 5 hours west of Greenwich in January), and its cities that name.

zones.syt: "%s %s\n" per city of ville.syt, in the same order: the city's name and the zone of
zone.tab it was made from (an IANA name such as "Europe/Paris"), whose rules give the city's real
offset at any instant.
"""

import datetime
import os
import re
import unicodedata
import zoneinfo

from common import ZONEINFO, write_cp1252

YEAR = 2026            # the year whose January 15 and July 15 give the offsets
DEFAULT_INDEX = 31     # the program's default city number
DEFAULT_CITY = ("France", "Annecy", 45.90, 6.13)  # 45 deg 54' N, 6 deg 08' E
NAME_BYTES = 29

# Shorter names for the few countries whose database name does not leave room for a town.
SHORT = {
    "Bosnia & Herzegovina": "Bosnia_Herzegovina",
    "British Indian Ocean Territory": "British_Indian_Ocean",
    "Congo (Dem. Rep.)": "Congo_DR",
    "Congo (Rep.)": "Congo",
    "Dominican Republic": "Dominican_Rep",
    "French Polynesia": "Fr_Polynesia",
    "Northern Mariana Islands": "N_Mariana_Islands",
    "Papua New Guinea": "PNG",
    "Sao Tome & Principe": "Sao_Tome_Principe",
    "South Georgia & the South Sandwich Islands": "South_Georgia",
    "St Maarten (Dutch)": "St_Maarten",
    "St Pierre & Miquelon": "St_Pierre_Miquelon",
    "Svalbard & Jan Mayen": "Svalbard",
    "Trinidad & Tobago": "Trinidad_Tobago",
    "Turks & Caicos Is": "Turks_Caicos",
    "US minor outlying islands": "US_minor_islands",
    "United States": "USA",
}


def country_word(name):
    """One word without blank or hyphen (the part of a city name before its first "-")."""
    if name in SHORT:
        return SHORT[name]
    w = name.replace("&", "and").replace("(", "").replace(")", "").replace(".", "")
    w = re.sub(r"[\s\-,]+", "_", w.strip())
    return w


def coordinate(text):
    """ISO 6709 +-DDMM[SS] or +-DDDMM[SS] -> degrees."""
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    deg_len = 2 if len(digits) in (4, 6) else 3
    d, rest = int(digits[:deg_len]), digits[deg_len:]
    m = int(rest[:2])
    s = int(rest[2:4]) if len(rest) >= 4 else 0
    return sign * (d + m / 60 + s / 3600)


def split_coordinates(text):
    k = max(text.rfind("+"), text.rfind("-"))
    return coordinate(text[:k]), coordinate(text[k:])


def offsets(zone):
    tz = zoneinfo.ZoneInfo(zone)
    out = []
    for month in (1, 7):
        t = datetime.datetime(YEAR, month, 15, 12, tzinfo=datetime.timezone.utc)
        out.append(t.astimezone(tz).utcoffset().total_seconds() / 3600)
    return tuple(out)


def offset_tag(hours):
    """January offset as a name suffix without a minus sign: W5 for -5 h, E5.5 for +5.5 h."""
    text = f"{abs(hours):g}"
    return ("W" if hours < 0 else "E") + text


def sort_key(name):
    """Alphabetical order that files accented letters with their base letter (Åland with A)."""
    return unicodedata.normalize("NFKD", name).encode("ascii", "ignore").decode().casefold()


def read_tab(name):
    with open(os.path.join(ZONEINFO, name), encoding="utf-8") as f:
        return [l.rstrip("\n").split("\t") for l in f if l.strip() and not l.startswith("#")]


def build():
    countries = {code: name for code, name in read_tab("iso3166.tab")}
    rows = []
    for fields in read_tab("zone.tab"):
        code, coords, zone = fields[:3]
        lat, lon = split_coordinates(coords)
        rows.append((countries[code], zone.split("/")[-1], lat, lon, offsets(zone), zone))
    france = next(r for r in rows if r[0] == "France")
    rows.append((DEFAULT_CITY[0], DEFAULT_CITY[1], DEFAULT_CITY[2], DEFAULT_CITY[3], france[4], france[5]))

    # Country entries: one per country, or one per pair of offsets when its zones differ.
    pairs = {}
    for country, _, _, _, off, _ in rows:
        pairs.setdefault(country, set()).add(off)
    key_of = {}
    for country, offs in pairs.items():
        base = country_word(country)
        if len(offs) == 1:
            key_of[(country, next(iter(offs)))] = base
            continue
        januaries = [o[0] for o in offs]
        for off in offs:
            tag = offset_tag(off[0])
            if januaries.count(off[0]) > 1:
                tag += offset_tag(off[1])  # same January offset, different summer
            key_of[(country, off)] = f"{base}_{tag}"

    cities = []
    too_long = []
    for country, town, lat, lon, off, zone in rows:
        name = f"{key_of[(country, off)]}-{town}"
        if len(name.encode("cp1252")) > NAME_BYTES:
            too_long.append(name)
            continue
        cities.append((name, lat, -lon, zone))  # the program's longitudes are east negative
    if too_long:
        raise SystemExit(f"more than {NAME_BYTES} bytes, add short country names: {too_long}")
    default = f"{key_of[(DEFAULT_CITY[0], france[4])]}-{DEFAULT_CITY[1]}"
    others = sorted((c for c in cities if c[0] != default), key=lambda c: sort_key(c[0]))
    cities = others[:DEFAULT_INDEX] + [c for c in cities if c[0] == default] + others[DEFAULT_INDEX:]
    names = [c[0] for c in cities]
    if len(set(names)) != len(names):
        raise SystemExit("two cities share a name")
    table = sorted({(k, off) for (_, off), k in key_of.items()}, key=lambda x: sort_key(x[0]))
    return cities, table


def main():
    cities, table = build()
    lines = [f"Nombre:{len(cities)}"]
    for name, lat, lon, _ in cities:
        lines.append(f"\n{name} {lat:.4f} {lon:.4f}")
    lines.append("\n")
    write_cp1252("ville.syt", "".join(lines))
    write_cp1252("zones.syt", "".join(f"{name} {zone}\n" for name, _, _, zone in cities))
    text = "".join(f"{k} {w:g} {s:g}\n" for k, (w, s) in table) + "# 0 0\n"
    write_cp1252("pays.syt", text)
    split = len({k.split("_W")[0].split("_E")[0] for k, _ in table if re.search(r"_[WE]\d", k)})
    print(f"ville.syt: {len(cities)} cities, {cities[DEFAULT_INDEX][0]} at {DEFAULT_INDEX}")
    print(f"pays.syt: {len(table)} entries ({split} countries split by offset)")
    print(f"zones.syt: {len(cities)} cities, {len({c[3] for c in cities})} zones")


if __name__ == "__main__":
    main()
