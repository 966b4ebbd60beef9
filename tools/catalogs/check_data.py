#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Re-reads every catalogue file of data/ with the exact scan patterns of the program's readers
(through the fscanf emulation of scanf.py), checks the capacities of the model and the sizes of
the char[N] fields, and prints counts and (fields read - 1) totals. Exits with status 1 when a
total is negative, a field would overflow, a capacity is passed or a value is out of range.

Usage: check_data.py [file ...]   (default: every catalogue file)"""

import math
import os
import sys

from common import DATA
from scanf import Scanner

# Capacities of the model (src/catalog/records.h).
MAX_CONSTELLATIONS = 100
MAX_CONSTELLATION_STARS = 50
MAX_LINKS = 8
MAX_DEEP_SKY = 400
MAX_COMETS = 3000
MAX_MW1, MAX_MW2 = 500, 499
MAX_BORDER_POINTS = 1000
MAX_BORDER_LINES = 300
MAX_BORDER_LINE_POINTS = 50

problems = []


def problem(name, text):
    problems.append(f"{name}: {text}")


def word(name, value, size, what):
    """A %s field read into char[size]: at most size - 1 bytes."""
    if len(value) > size - 1:
        problem(name, f"{what} {value!r} has {len(value)} bytes, more than {size - 1}")
    return value


def open_scanner(name):
    path = os.path.join(DATA, name)
    with open(path, "rb") as f:
        return Scanner(f.read())


def check_constellations(name="constel.syt"):
    s = open_scanner(name)
    r, v = s.scan("Nombre de constellations:%d")
    count = v[0] if r == 1 else 0
    if count > MAX_CONSTELLATIONS:
        problem(name, f"{count} constellations, more than {MAX_CONSTELLATIONS}")
    nstars = nlinks = 0
    per = []
    for k in range(min(count, MAX_CONSTELLATIONS)):
        r, v = s.scan("\n%d %s %s %d %d %d %d %d")
        if r != 8:
            problem(name, f"constellation {k}: header read {r} fields")
            break
        cname = word(name, v[1], 30, "name")
        word(name, v[2], 5, "abbreviation")
        stars = v[7]
        if stars > MAX_CONSTELLATION_STARS:
            problem(name, f"{cname!r}: {stars} stars, more than {MAX_CONSTELLATION_STARS}")
        per.append((v[2].decode("cp1252"), stars))
        for j in range(stars):
            r, v = s.scan("\n%d %s %s %s %d %d %d %d %d %d %lf %d")
            if r != 12:
                problem(name, f"{cname!r} star {j}: read {r} fields")
                break
            word(name, v[1], 15, "designation")
            word(name, v[2], 15, "star name")
            word(name, v[3], 20, "spectral type")
            h, m, sec, dd, dm, ds = v[4:10]
            sign = -1 if dd < 0 or dm < 0 else 1
            dec = sign * (abs(dd) + abs(dm) / 60 + abs(ds) / 3600)
            ra = (abs(h) + abs(m) / 60 + abs(sec) / 3600) * 15
            if not (0 <= ra < 360 and -90 <= dec <= 90 and m < 60 and sec < 60):
                problem(name, f"{cname!r} star {j}: position out of range")
            last = v[11]
            stored = 0
            while last >= 0 and last <= count and stored < MAX_LINKS:
                if last >= stars:
                    problem(name, f"{cname!r} star {j}: link {last} beyond its {stars} stars")
                stored += 1
                r, lv = s.scan(" %d")
                last = lv[0] if r == 1 else -1
            if last >= 0:
                problem(name, f"{cname!r} star {j}: link list not ended by a negative value")
            nlinks += stored
            nstars += 1
    print(f"{name}: {count} constellations, {nstars} stars, {nlinks} links, total {s.total}")
    return s.total, per


def check_star_file(name):
    s = open_scanner(name)
    r, v = s.scan("%d")
    n = v[0] if r == 1 else 0
    read = 0
    lo, hi = 99.0, -99.0
    for k in range(n):
        r, v = s.scan("%f %f %f")
        if r != 3:
            problem(name, f"star {k}: read {r} fields")
            break
        ra, dec, mag = v
        if not (0 <= ra < 360 and -90 <= dec <= 90):
            problem(name, f"star {k}: position out of range")
        lo, hi = min(lo, mag), max(hi, mag)
        read += 1
    s._skip_ws()
    if not s.at_end():
        problem(name, "bytes after the last star")
    print(f"{name}: {read} stars, magnitudes {lo:.2f} to {hi:.2f}, total {s.total}")
    return s.total


def check_messier(name="messier.syt"):
    s = open_scanner(name)
    r, v = s.scan("Nombre d'objets:%d")
    count = v[0] if r == 1 else 0
    if count > MAX_DEEP_SKY:
        problem(name, f"{count} objects, more than {MAX_DEEP_SKY}")
    types = {}
    for k in range(min(count, MAX_DEEP_SKY)):
        r, v = s.scan("\n\nM:%d\nType:%d\nNom:%s\nCoordonnées:%d %lf %d %d %lf")
        if r != 8:
            problem(name, f"object {k}: read {r} fields")
            break
        word(name, v[2], 30, "name")
        if not 1 <= v[1] <= 8:
            problem(name, f"M{v[0]}: type {v[1]} outside 1-8")
        types[v[1]] = types.get(v[1], 0) + 1
        ra = (v[3] + v[4] / 60) * 15
        dec = v[5] + v[6] / 60 if v[5] >= 0 else v[5] - v[6] / 60
        if not (0 <= ra < 360 and -90 <= dec <= 90):
            problem(name, f"M{v[0]}: position out of range")
    print(f"{name}: {count} objects, types {dict(sorted(types.items()))}, total {s.total}")
    return s.total, count


NGC_TRANSLATION = {7: 4, 6: 8, 4: 6, 3: 2, 2: 3}


def check_ngc(name="ngc.syt", messier_count=None):
    if messier_count is None:
        # The NGC objects share the 400 deep-sky slots with the Messier objects read before them.
        messier_count = 0
        if os.path.exists(os.path.join(DATA, "messier.syt")):
            r, v = open_scanner("messier.syt").scan("Nombre d'objets:%d")
            messier_count = min(v[0], MAX_DEEP_SKY) if r == 1 else 0
    s = open_scanner(name)
    r, v = s.scan("Nombre:%d")
    count = v[0] if r == 1 else 0
    if messier_count + count > MAX_DEEP_SKY:
        problem(name, f"{messier_count} Messier + {count} NGC objects, more than {MAX_DEEP_SKY}")
    types = {}
    for k in range(count):
        r, v = s.scan("\nNGC:%d\n%d %d %lf %d %d")
        if r != 6:
            problem(name, f"object {k}: read {r} fields")
            break
        t = NGC_TRANSLATION.get(v[1], v[1])
        if not 1 <= t <= 8:
            problem(name, f"NGC{v[0]}: type {t} outside 1-8")
        types[t] = types.get(t, 0) + 1
        ra = (v[2] + v[3] / 60) * 15
        dec = v[4] + v[5] / 60 if v[4] >= 0 else v[4] - v[5] / 60
        if not (0 <= ra < 360 and -90 <= dec <= 90):
            problem(name, f"NGC{v[0]}: position out of range")
    print(f"{name}: {count} objects, stored types {dict(sorted(types.items()))}, total {s.total}")
    return s.total


def check_ngc2000(name="ngc2000.dat"):
    with open(os.path.join(DATA, name), "rb") as f:
        data = f.read()
    if len(data) % 98:
        problem(name, f"{len(data)} bytes, not a whole number of 97-column records")
    kinds = {}
    n = 0
    for off in range(0, len(data) - 97, 98):
        rec = data[off:off + 98]
        if rec[97:98] != b"\n":
            problem(name, f"record {n}: no line feed after column 97")
            break
        col = lambda a, b: rec[a - 1:b].decode("cp1252")  # 1-based columns, inclusive
        digits = lambda t: int("".join(ch for ch in t if ch.isdigit()) or 0)
        ra = (digits(col(11, 12)) + digits(col(14, 15)) / 60 + digits(col(17, 17)) / 600) * 15
        dec = (1 if col(20, 20) == "+" else -1) * (digits(col(21, 22)) + digits(col(24, 25)) / 60)
        if not (0 <= ra < 360 and -90 <= dec <= 90):
            problem(name, f"record {n}: position out of range")
        a, b = col(8, 8), col(9, 9)
        if b == "l" or (a, b) == ("N", "b"):
            kind = "nebula"
        elif (a, b) == ("G", "b"):
            kind = "globular"
        elif b == "C":
            kind = "open cluster"
        elif b == "x":
            kind = "galaxy"
        else:
            kind = "not drawn"
        kinds[kind] = kinds.get(kind, 0) + 1
        n += 1
    print(f"{name}: {n} records, {dict(sorted(kinds.items()))}")
    return 0


def check_milky_way(name="lactee.syt"):
    s = open_scanner(name)
    counts = []
    for head, cap in (("Ligne_1\nN1:%d", MAX_MW1), ("\nFin_1\n\nLigne_2\nN2:%d", MAX_MW2)):
        r, v = s.scan(head)
        n = v[0] if r == 1 else 0
        if n > cap:
            problem(name, f"a line of {n} points, more than {cap}")
        for k in range(min(n, cap)):
            r, v = s.scan("\nPt:%d %lf %lf")
            if r != 3:
                problem(name, f"point {k}: read {r} fields")
                break
            ra = (v[0] + v[1] / 60) * 15
            if not (0 <= ra < 360 and -90 <= v[2] <= 90):
                problem(name, f"point {k}: position out of range")
        counts.append(n)
    print(f"{name}: lines of {counts[0]} and {counts[1]} points, total {s.total}")
    return s.total


def check_borders(name="frontier.syt"):
    s = open_scanner(name)
    r, v = s.scan("%d\n")
    npoints = v[0] if r == 1 else 0
    if npoints > MAX_BORDER_POINTS:
        problem(name, f"{npoints} points, more than {MAX_BORDER_POINTS}")
    for k in range(min(npoints, MAX_BORDER_POINTS)):
        r, v = s.scan("%d %d %lf %d %d %d\n")
        if r != 6:
            problem(name, f"point {k}: read {r} fields")
            break
        ra = (v[0] + v[1] / 60 + v[2] / 3600) * 15
        dec = v[3] + v[4] / 60 + v[5] / 3600
        if not (0 <= ra < 360 and -90 <= dec <= 90):
            problem(name, f"point {k}: position out of range")
    r, v = s.scan("\n%d\n%s\n")
    nlines = v[0] if r >= 1 else 0
    if r == 2:
        word(name, v[1], 15, "title")
    if nlines > MAX_BORDER_LINES:
        problem(name, f"{nlines} lines, more than {MAX_BORDER_LINES}")
    nidx = 0
    for k in range(min(nlines, MAX_BORDER_LINES)):
        r, v = s.scan("%d")
        n = v[0] if r == 1 else 0
        if n > MAX_BORDER_LINE_POINTS:
            problem(name, f"line {k}: {n} points, more than {MAX_BORDER_LINE_POINTS}")
        for j in range(n):
            r, iv = s.scan(" %d")
            if r != 1 or not 0 <= iv[0] < npoints:
                problem(name, f"line {k}: index {j} missing or outside the {npoints} points")
                break
            nidx += 1
        r, v = s.scan("\n%s\n")
        if r == 1:
            word(name, v[0], 15, "line name")
        else:
            problem(name, f"line {k}: no name")
    print(f"{name}: {npoints} points, {nlines} lines, {nidx} indices, total {s.total}")
    return s.total


def reader_jd(month, day, year):
    """JD at 0 h of month/day/year by the comet reader's calendar rule."""
    y, m = (year - 1, month + 12) if month < 3 else (year, month)
    a = y // 100
    b = 2 - a + a // 4 if (year, month, day) >= (1582, 10, 15) else 0
    return math.floor(365.25 * y) + math.floor(30.6001 * (m + 1)) + day + b + 1720994.5


_comets_read = {}


def check_comets(name="comet.syt"):
    if name in _comets_read:
        return _comets_read[name]
    s = open_scanner(name)
    r, v = s.scan("Nombre:%d\n")
    count = v[0] if r == 1 else 0
    if count > MAX_COMETS:
        problem(name, f"{count} bodies, more than {MAX_COMETS}")
    bodies = {}
    for k in range(min(count, MAX_COMETS)):
        got = [s.scan("\nNom:%s"), s.scan("\na:%lf\ne:%lf\nI:%lf\no:%lf\nO:%lf\n"),
               s.scan("\ntperi:%d/%d/%d\n"), s.scan("tequi:%f\n"), s.scan("mag:%f "),
               s.scan("%f\n")]
        if [g[0] for g in got] != [1, 5, 3, 1, 1, 1]:
            problem(name, f"body {k}: fields read {[g[0] for g in got]}")
            break
        nom = word(name, got[0][1][0], 15, "name").decode("cp1252")
        a, e, i, o, node = got[1][1]
        month, day, year = got[2][1]
        if not (a > 0 and 0 <= e < 1 and 0 <= i <= 180 and 1 <= month <= 12 and 1 <= day <= 31):
            problem(name, f"{nom}: elements out of range")
        bodies[nom] = (a, e, i, o, node, reader_jd(month, day, year))
    print(f"{name}: {count} bodies, total {s.total}")
    _comets_read[name] = (s.total, bodies)
    return s.total, bodies


def check_edb(name="asteroids.edb"):
    """The XEphem file: 13 comma-separated fields per line; its elements must give, through the
    perihelion dates of comet.syt and the program's mean motion, its own mean anomaly."""
    with open(os.path.join(DATA, name), "rb") as f:
        lines = f.read().decode("cp1252").splitlines()
    comets = check_comets()[1] if os.path.exists(os.path.join(DATA, "comet.syt")) else {}
    n = 0
    worst = 0.0
    for line in lines:
        if line.startswith("#") or not line.strip():
            continue
        fields = line.split(",")
        if len(fields) != 13 or fields[1] != "e":
            problem(name, f"line {line[:30]!r}: not an elliptic record of 13 fields")
            continue
        n += 1
        nom = fields[0].replace(" ", "")
        a, mean = float(fields[5]), float(fields[8])
        month, day, year = fields[9].split("/")
        epoch = reader_jd(int(month), 0, int(year)) + float(day)
        if nom not in comets:
            problem(name, f"{nom}: not in comet.syt")
            continue
        ca, ce, ci, co, cnode, tperi = comets[nom]
        if (abs(ca - a) > 1e-6 or abs(ce - float(fields[7])) > 1e-6
                or abs(ci - float(fields[2])) > 1e-5 or abs(co - float(fields[4])) > 1e-5
                or abs(cnode - float(fields[3])) > 1e-5):
            problem(name, f"{nom}: elements differ from comet.syt")
        m = (0.985609 / (a * math.sqrt(a)) * (epoch - tperi)) % 360
        worst = max(worst, abs((m - mean + 180) % 360 - 180))
    if comets and n != len(comets):
        problem(name, f"{n} bodies, comet.syt has {len(comets)}")
    if worst > 0.2:
        problem(name, f"mean anomaly from the comet.syt perihelion off by {worst:.3f} deg")
    print(f"{name}: {n} bodies; comet.syt perihelion dates give the mean anomaly at the epoch "
          f"within {worst:.4f} deg")
    return 0


_countries_read = {}


def check_countries(name="pays.syt"):
    if name in _countries_read:
        return _countries_read[name]
    s = open_scanner(name)
    table = {}
    while True:
        r, v = s.scan("%s %f %f\n")
        if r != 3:
            problem(name, f"entry {len(table)}: read {r} fields before the closing '#' line")
            break
        key = v[0].decode("cp1252")
        if key == "#":
            break
        if key in table:
            problem(name, f"{key} twice (only the first is found)")
        for off in v[1:]:
            if not -12 <= off <= 14 or (off * 4) % 1:
                problem(name, f"{key}: offset {off} h outside -12 to +14 or not whole quarters")
        table[key] = (v[1], v[2])
    print(f"{name}: {len(table)} countries, total {s.total}")
    _countries_read[name] = (s.total, table)
    return s.total, table


def check_cities(name="ville.syt"):
    s = open_scanner(name)
    r, v = s.scan("Nombre:%d")
    n = v[0] if r == 1 else 0
    cities = []
    for k in range(n):
        r, v = s.scan("\n%s %lf %lf")
        if r != 3:
            problem(name, f"city {k}: read {r} fields")
            break
        city = word(name, v[0], 30, "city name").decode("cp1252")
        if not (-90 <= v[1] <= 90 and -180 <= v[2] <= 180):
            problem(name, f"{city}: coordinates out of range")
        if " " in city or "-" not in city:
            problem(name, f"{city}: not one Country-Town word")
        cities.append((city, v[1], v[2]))
    if len(cities) <= 31 or cities[31][0] != "France-Annecy":
        problem(name, "France-Annecy is not city 31")
    wide = []
    if os.path.exists(os.path.join(DATA, "pays.syt")):
        table = check_countries()[1]
        for city, _, _ in cities:
            country = city.split("-")[0]
            if country not in table:
                problem(name, f"{city}: country {country} missing from pays.syt")
            elif max(table[country]) > 11.5:
                wide.append(city)
    print(f"{name}: {len(cities)} cities, city 31 {cities[31][0] if len(cities) > 31 else '-'}, "
          f"{len(wide)} beyond +11.5 h at some season, total {s.total}")
    return s.total


CHECKS = {
    "constel.syt": lambda: check_constellations()[0],
    "star6.syt": lambda: check_star_file("star6.syt"),
    "star7.syt": lambda: check_star_file("star7.syt"),
    "star8.syt": lambda: check_star_file("star8.syt"),
    "messier.syt": lambda: check_messier()[0],
    "ngc.syt": check_ngc,
    "ngc2000.dat": check_ngc2000,
    "lactee.syt": check_milky_way,
    "frontier.syt": check_borders,
    "comet.syt": lambda: check_comets()[0],
    "asteroids.edb": check_edb,
    "pays.syt": lambda: check_countries()[0],
    "ville.syt": check_cities,
}


def main(argv):
    names = argv or list(CHECKS)
    for name in names:
        if name not in CHECKS:
            raise SystemExit(f"no check for {name}")
        if not os.path.exists(os.path.join(DATA, name)):
            problem(name, "missing")
            continue
        total = CHECKS[name]()
        if total < 0:
            problem(name, f"negative total {total}")
    for p in problems:
        print("PROBLEM", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
