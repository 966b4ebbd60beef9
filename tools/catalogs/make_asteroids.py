#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/comet.syt (the comet and asteroid file of the program) and data/asteroids.edb (the
same bodies in XEphem's database format, for the converter) from the NASA/JPL Small-Body Database
elements that Debian's kstars-data ships as usr/share/kstars/asteroids.dat (tools/.cache, fetched
by fetch_sources.sh). Only facts of that file are used: H, G, a, e, i, node, argument of
perihelion, mean anomaly and epoch.

The bodies: the 300 numbered asteroids that are brightest at a mean opposition, ranked by
H + 5 log10(a (a - 1)) (a in AU), Pluto left out (the program has it as a planet).

The program places a body from its time of perihelion with the mean motion 0.985609 / a^1.5
degrees per day, and the comet reader takes that time as a whole date at 0 h. So the perihelion
time is epoch - M / n with the program's own n, and of the perihelion passages within three
orbits of the nearest one, the one whose time falls closest to 0 h is written; the mean anomaly
this gives at the epoch is within a few hundredths of a degree of the source's.
"""

import json
import math
import os
import re

from common import CACHE, cp1252_word, write_cp1252

COUNT = 300
PROGRAM_MOTION = 0.985609      # deg/day at 1 AU, the program's comet position routine
GAUSS_MOTION = 0.9856076686    # deg/day at 1 AU (Gaussian constant), for XEphem's daily motion
DEFAULT_G = 0.15               # IAU H-G slope parameter when the source gives none
SEARCH_ORBITS = 3


def jd_to_calendar(jd):
    """Julian Day -> (year, month, day with fraction), Meeus, Astronomical Algorithms ch. 7."""
    z = math.floor(jd + 0.5)
    f = jd + 0.5 - z
    if z < 2299161:
        a = z
    else:
        alpha = math.floor((z - 1867216.25) / 36524.25)
        a = z + 1 + alpha - math.floor(alpha / 4)
    b = a + 1524
    c = math.floor((b - 122.1) / 365.25)
    d = math.floor(365.25 * c)
    e = math.floor((b - d) / 30.6001)
    day = b - d - math.floor(30.6001 * e) + f
    month = e - 1 if e < 14 else e - 13
    year = c - 4716 if month > 2 else c - 4715
    return int(year), int(month), day


def reader_jd(month, day, year):
    """JD of month/day/year at 0 h as the comet reader computes it (its calendar rule)."""
    y, m = (year - 1, month + 12) if month < 3 else (year, month)
    a = y // 100
    b = 2 - a + a // 4 if (year, month, day) >= (1582, 10, 15) else 0
    count = math.floor(365.25 * y) + math.floor(30.6001 * (m + 1)) + day + b
    return count - 694025.5 + 2415020.0


def perihelion_date(epoch_jd, mean_anomaly, a):
    n = PROGRAM_MOTION / (a * math.sqrt(a))
    period = 360.0 / n
    m = mean_anomaly % 360.0
    nearest = epoch_jd - (m if m <= 180 else m - 360) / n
    best = None
    for k in range(-SEARCH_ORBITS, SEARCH_ORBITS + 1):
        tp = nearest + k * period
        midnight = math.floor(tp - 0.5 + 0.5) + 0.5  # nearest 0 h
        err = abs(tp - midnight)
        if best is None or err < best[0]:
            best = (err, midnight)
    year, month, day = jd_to_calendar(best[1])
    day = int(round(day))
    written = reader_jd(month, day, year)
    m_at_epoch = (n * (epoch_jd - written)) % 360.0
    diff = (m_at_epoch - m + 180.0) % 360.0 - 180.0
    return (month, day, year), diff


def day_text(day):
    """Day of month with its fraction, as XEphem writes it: 9.0, 23.25."""
    text = f"{day:.5f}".rstrip("0")
    return text + "0" if text.endswith(".") else text


def load():
    path = os.path.join(CACHE, "asteroids.dat")
    if not os.path.exists(path):
        raise SystemExit(f"{path} missing: run tools/catalogs/fetch_sources.sh first")
    with open(path, encoding="utf-8") as f:
        d = json.load(f)
    rows = [dict(zip(d["fields"], r)) for r in d["data"]]
    bodies = []
    for r in rows:
        m = re.match(r"\s*(\d+) (.*?)(?: \(.*\))?$", r["full_name"])
        if not m or r["H"] is None or r["a"] is None or r["ma"] is None:
            continue
        number, name = int(m.group(1)), m.group(2)
        if name.startswith("("):  # numbered but unnamed: its provisional designation
            name = name.strip("()")
        a, e = float(r["a"]), float(r["e"])
        if e >= 1 or a <= 0 or name == "Pluto":
            continue
        h = float(r["H"])
        bodies.append({
            "number": number, "name": cp1252_word(name, 15), "H": h,
            "G": float(r["G"]) if r["G"] is not None else DEFAULT_G,
            "a": a, "e": e, "i": float(r["i"]), "node": float(r["om"]), "peri": float(r["w"]),
            "M": float(r["ma"]), "epoch": float(r["epoch_mjd"]) + 2400000.5,
            "rank": h + 5 * math.log10(a * max(a - 1.0, 0.05)),
        })
    bodies.sort(key=lambda b: (b["rank"], b["number"]))
    chosen = sorted(bodies[:COUNT], key=lambda b: b["number"])
    names = [b["name"] for b in chosen]
    if len(set(names)) != len(names):
        raise SystemExit("two chosen asteroids share a name")
    return chosen


def main():
    bodies = load()
    comet = [f"Nombre:{len(bodies)}\n\n"]
    edb = ["# The 300 numbered asteroids brightest at mean opposition, XEphem format.\n",
           "# Elements: NASA/JPL Small-Body Database (via Debian kstars-data asteroids.dat),\n",
           "# ecliptic and equinox J2000. Written by tools/catalogs/make_asteroids.py.\n"]
    worst = 0.0
    for b in bodies:
        (month, day, year), diff = perihelion_date(b["epoch"], b["M"], b["a"])
        worst = max(worst, abs(diff))
        comet.append(f"Nom:{b['name']}\na:{b['a']:.8f}\ne:{b['e']:.8f}\nI:{b['i']:.6f}\n"
                     f"o:{b['peri']:.6f}\nO:{b['node']:.6f}\ntperi:{month}/{day}/{year}\n"
                     f"tequi:2000.0\nmag:{b['H']:.2f} {b['G']:.2f}\n\n")
        ey, em, ed = jd_to_calendar(b["epoch"])
        daily = GAUSS_MOTION / (b["a"] * math.sqrt(b["a"]))
        edb.append(f"{b['name']},e,{b['i']:.6f},{b['node']:.6f},{b['peri']:.6f},{b['a']:.8f},"
                   f"{daily:.8f},{b['e']:.8f},{b['M'] % 360:.6f},{em}/{day_text(ed)}/{ey},2000,"
                   f"H{b['H']:.2f},{b['G']:.2f}\n")
    comet.append("REM:\n#Asteroids:NASA/JPL_Small-Body_Database_elements,_J2000,"
                 "_via_Debian_kstars-data\n")
    write_cp1252("comet.syt", "".join(comet))
    write_cp1252("asteroids.edb", "".join(edb))
    print(f"comet.syt, asteroids.edb: {len(bodies)} asteroids, H {min(b['H'] for b in bodies):.2f}"
          f" to {max(b['H'] for b in bodies):.2f}, mean-opposition magnitude to "
          f"{max(b['rank'] for b in bodies):.2f}; mean anomaly at the epoch within {worst:.4f} deg")


if __name__ == "__main__":
    main()
