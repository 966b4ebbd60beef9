#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/constel.syt (88 constellations with their figure stars, brightest designated stars
and figure links) and the star streams data/star6.syt, star7.syt, star8.syt from the Hipparcos
stars of npm d3-celestial 0.7.35 (BSD-3-Clause).

Constellation file, read with "Nombre de constellations:%d", per constellation
"\\n%d %s %s %d %d %d %d %d" and per star "\\n%d %s %s %s %d %d %d %d %d %d %lf %d" plus " %d" links.
Star files: "%d" then lines "%f %f %f" (right ascension and declination in degrees, magnitude).
"""

import math
import sys

from common import (cp1252_word, d3_json, ra360, short_name, split_dms, split_hms,
                    write_cp1252)
from constellation_of import ConstellationFinder

MAX_STARS = 50   # stars per constellation in the model
MAX_LINKS = 8    # stored links per star
MATCH_DEG = 0.05 # figure vertex to Hipparcos star, largest separation accepted
NAKED_EYE = 6.0  # undesignated stars brighter than this fill the room left in a constellation

GREEK = {
    "α": "alpha", "β": "beta", "γ": "gamma", "δ": "delta", "ε": "epsilon", "ζ": "zeta",
    "η": "eta", "θ": "theta", "ι": "iota", "κ": "kappa", "λ": "lambda", "μ": "mu", "ν": "nu",
    "ξ": "xi", "ο": "omicron", "π": "pi", "ρ": "rho", "σ": "sigma", "τ": "tau",
    "υ": "upsilon", "φ": "phi", "χ": "chi", "ψ": "psi", "ω": "omega",
}

# Main-sequence B-V colour of each spectral subclass (rounded from Pecaut & Mamajek 2013,
# "A Modern Mean Dwarf Stellar Color and Effective Temperature Sequence"); a star gets the class
# whose colour is nearest to its own. Only the first letter reaches the map (the star colour).
BV_CLASSES = [
    (-0.32, "O9"), (-0.30, "B0"), (-0.26, "B1"), (-0.24, "B2"), (-0.20, "B3"), (-0.17, "B5"),
    (-0.13, "B7"), (-0.10, "B8"), (-0.07, "B9"), (0.00, "A0"), (0.04, "A1"), (0.07, "A2"),
    (0.10, "A3"), (0.15, "A5"), (0.21, "A7"), (0.30, "F0"), (0.36, "F2"), (0.44, "F5"),
    (0.53, "F8"), (0.59, "G0"), (0.65, "G2"), (0.69, "G5"), (0.74, "G8"), (0.82, "K0"),
    (0.87, "K1"), (0.92, "K2"), (1.00, "K3"), (1.10, "K4"), (1.15, "K5"), (1.34, "K7"),
    (1.41, "M0"), (1.48, "M1"), (1.50, "M2"), (1.53, "M3"), (1.64, "M4"), (1.80, "M5"),
]


def spectral_from_bv(bv):
    if bv is None:
        return "?"
    return min(BV_CLASSES, key=lambda c: abs(c[0] - bv))[1]


def parse_bv(text):
    try:
        return float(text)
    except (TypeError, ValueError):
        return None


def designation(entry, hip):
    """Bayer letter (Greek letters spelled out, component digit kept), else Flamsteed number,
    else the Hipparcos number."""
    bayer = (entry or {}).get("bayer", "")
    if bayer:
        word = GREEK.get(bayer[0], bayer[0]) + bayer[1:]
        return cp1252_word(word, 15)
    flam = (entry or {}).get("flam", "")
    if flam:
        return cp1252_word(flam, 15)
    return f"HIP{hip}"


def load_stars():
    stars = {}
    for f in d3_json("stars.14.json")["features"]:
        lon, lat = f["geometry"]["coordinates"]
        stars[int(f["id"])] = {
            "ra": ra360(lon), "dec": lat, "mag": float(f["properties"]["mag"]),
            "bv": parse_bv(f["properties"].get("bv")),
        }
    return stars


class SkyGrid:
    """Stars binned by whole degrees of declination and right ascension, for position lookups."""

    def __init__(self, stars):
        self.cells = {}
        for hip, s in stars.items():
            self.cells.setdefault((int(math.floor(s["dec"])), int(s["ra"]) % 360), []).append(hip)
        self.stars = stars

    def nearest(self, ra, dec):
        best, best_d = None, 1e9
        d0, r0 = int(math.floor(dec)), int(ra) % 360
        span = 1 if abs(dec) < 80 else 180
        for dd in (-1, 0, 1):
            for dr in range(-span, span + 1):
                for hip in self.cells.get((d0 + dd, (r0 + dr) % 360), ()):
                    s = self.stars[hip]
                    d = separation(ra, dec, s["ra"], s["dec"])
                    if d < best_d:
                        best, best_d = hip, d
        return best, best_d


def separation(ra1, dec1, ra2, dec2):
    r = math.radians
    c = (math.sin(r(dec1)) * math.sin(r(dec2))
         + math.cos(r(dec1)) * math.cos(r(dec2)) * math.cos(r(ra1 - ra2)))
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def build():
    stars = load_stars()
    names = d3_json("starnames.json")
    grid = SkyGrid(stars)

    # Constellations: Serpens comes as two features (Caput, Cauda) and is one constellation.
    consts = {}
    for f in d3_json("constellations.json")["features"]:
        cid = f["id"]
        name = f["properties"]["name"]
        if cid == "Ser":
            name = "Serpens"
        if cid not in consts:
            lon, lat = f["geometry"]["coordinates"]
            consts[cid] = {"id": cid, "name": name, "label": (ra360(lon), lat),
                           "stars": [], "edges": []}

    unmatched = 0
    for f in d3_json("constellations.lines.json")["features"]:
        c = consts[f["id"]]
        for line in f["geometry"]["coordinates"]:
            prev = None
            for lon, lat in line:
                hip, dist = grid.nearest(ra360(lon), lat)
                if dist > MATCH_DEG:
                    unmatched += 1
                    prev = None
                    continue
                if hip not in c["stars"]:
                    c["stars"].append(hip)
                if prev is not None and prev != hip:
                    c["edges"].append((prev, hip))
                prev = hip
    if unmatched:
        print(f"warning: {unmatched} figure vertices without a Hipparcos star", file=sys.stderr)

    # Fill each constellation up to 50 stars: first its naked-eye stars (V < 6, the ones the map
    # draws from this file) by magnitude, then its fainter designated stars by magnitude. A
    # designated star belongs to the constellation of its designation; an undesignated one to
    # the constellation whose IAU boundaries hold it.
    finder = ConstellationFinder()
    members = {}
    for key, e in names.items():
        hip = int(key)
        if hip in stars and e.get("c") in consts:
            members.setdefault(e["c"], []).append((hip, True))
    designated = {h for lst in members.values() for h, _ in lst}
    for hip, st in stars.items():
        if st["mag"] < NAKED_EYE and hip not in designated:
            cid = finder.find(st["ra"], st["dec"])
            if cid is not None:
                members.setdefault(cid, []).append((hip, False))
    for cid, c in consts.items():
        if len(c["stars"]) > MAX_STARS:
            raise SystemExit(f"{cid}: {len(c['stars'])} figure stars, more than {MAX_STARS}")
        cand = [(h, named) for h, named in members.get(cid, []) if h not in c["stars"]]
        bright = sorted((h for h, _ in cand if stars[h]["mag"] < NAKED_EYE),
                        key=lambda h: (stars[h]["mag"], h))
        faint = sorted((h for h, named in cand if named and stars[h]["mag"] >= NAKED_EYE),
                       key=lambda h: (stars[h]["mag"], h))
        c["stars"] += (bright + faint)[: MAX_STARS - len(c["stars"])]

    # Each figure edge is stored once, at the end that has fewer links so far.
    dropped = 0
    for c in consts.values():
        index = {h: k for k, h in enumerate(c["stars"])}
        c["links"] = [[] for _ in c["stars"]]
        seen = set()
        for a, b in c["edges"]:
            key = tuple(sorted((a, b)))
            if key in seen:
                continue
            seen.add(key)
            ia, ib = index[a], index[b]
            first, second = (ia, ib) if len(c["links"][ia]) <= len(c["links"][ib]) else (ib, ia)
            if len(c["links"][first]) >= MAX_LINKS:
                dropped += 1
                continue
            c["links"][first].append(second)
        c["nlinks"] = len(seen)
    if dropped:
        raise SystemExit(f"{dropped} figure links beyond {MAX_LINKS} per star")

    order = sorted(consts.values(), key=lambda c: c["name"])
    return stars, names, order


def constellation_text(stars, names, order):
    out = [f"Nombre de constellations:{len(order)}"]
    for k, c in enumerate(order):
        lra, ldec = c["label"]
        h, m, _ = split_hms(lra)
        sign, d, dm, _ = split_dms(ldec)
        # The four header values: label position of the name, RA h m and Dec d m (signed).
        out.append(f"\n{k + 1} {cp1252_word(c['name'], 30)} {c['id']} {h} {m} {sign * d} {sign * dm}"
                   f" {len(c['stars'])}")
        for j, hip in enumerate(c["stars"]):
            s = stars[hip]
            e = names.get(str(hip))
            proper = short_name(e["name"], 15) if e and e.get("name") else "-"
            rh, rm, rs = split_hms(s["ra"])
            sign, d, dm, ds = split_dms(s["dec"])
            # Declination sign: the reader takes it from the degrees or the minutes, so a star
            # between 0 and -1 degree carries it on the minutes; under 1' south it is rounded to
            # the nearest whole minute (0 or -1'), since seconds carry no sign for the reader.
            if sign < 0 and d == 0:
                if dm == 0:
                    dec_text = "0 -1 0" if ds >= 30 else "0 0 0"
                else:
                    dec_text = f"0 {-dm} {ds}"
            else:
                dec_text = f"{sign * d} {sign * dm} {sign * ds}" if sign < 0 else f"{d} {dm} {ds}"
            links = " ".join(str(x) for x in c["links"][j] + [-1])
            out.append(f"\n{j + 1} {designation(e, hip)} {proper} {spectral_from_bv(s['bv'])} "
                       f"{rh} {rm} {int(rs)} {dec_text} {s['mag']:.2f} {links}")
    out.append("\n")
    return "".join(out)


def star_file_text(rows):
    lines = [f"{len(rows)}\n"]
    for ra, dec, mag in rows:
        ra = 0.0 if round(ra, 3) >= 360.0 else ra
        # 0.001 degree (3.6") is far below a pixel of the narrowest map window.
        lines.append(f"{ra:.3f} {dec:.3f} {mag:.2f}\n")
    return "".join(lines)


def main():
    stars, names, order = build()
    write_cp1252("constel.syt", constellation_text(stars, names, order))
    in_figures = {h for c in order for h in c["stars"]}

    bands = {6: [], 7: [], 8: []}
    leftover = 0
    for hip in sorted(stars, key=lambda h: (stars[h]["ra"], stars[h]["dec"])):
        s = stars[hip]
        m = s["mag"]
        if m < 6.0:
            # Bright stars that found no room in the constellation file go to the first stream,
            # so that the map is complete to magnitude 7 when that stream is on.
            if hip in in_figures:
                continue
            leftover += 1
            band = 6
        elif m < 9.0:
            band = int(math.floor(m))
        else:
            continue
        bands[band].append((s["ra"], s["dec"], m))
    for band, rows in bands.items():
        write_cp1252(f"star{band}.syt", star_file_text(rows))

    nstars = sum(len(c["stars"]) for c in order)
    nlinks = sum(c["nlinks"] for c in order)
    print(f"constel.syt: {len(order)} constellations, {nstars} stars, {nlinks} figure links")
    for band, rows in bands.items():
        print(f"star{band}.syt: {len(rows)} stars" +
              (f" ({leftover} brighter than 6 not in constel.syt)" if band == 6 else ""))


if __name__ == "__main__":
    main()
