#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes testdata/constellations.bounds.json: the IAU boundary polygons of d3-celestial
(`constellations.bounds.json`, npm d3-celestial 0.7.35, BSD-3-Clause) that the constellation
test needs, so that the test runs without the fetched package. Kept: Ursa Minor (the polygon
around the north pole, which the finder requires) and every polygon whose declination range
holds one of the test's places, i.e. every polygon that could claim it.
Run after tools/catalogs/fetch_sources.sh: python3 tools/catalogs/make_testdata.py"""

import json
import os
import sys

from common import d3_json, ra360

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "testdata", "constellations.bounds.json")

# The places (right ascension, declination, degrees) of test_tools.ConstellationOfTest.
PLACES = [(37.95456, 89.26411), (101.28715, -16.71612), (88.79294, 7.40706), (10.68471, 41.26875),
          (0.0, 0.0), (120.0, -89.5), (354.83665, 77.63231), (266.41683, -29.00781)]


def holds_box(ring, ra, dec):
    """True when (ra, dec) lies in the polygon's range of declination and of right ascension
    (taken around the place, so that a polygon across 0h counts)."""
    lats = [p[1] for p in ring]
    offsets = [(ra360(lon) - ra + 180.0) % 360.0 - 180.0 for lon, _ in ring]
    turn = sum(((b - a + 180.0) % 360.0) - 180.0 for a, b in zip(offsets, offsets[1:] + offsets[:1]))
    if abs(turn) > 180:  # a ring around a pole reaches the pole
        return dec >= min(lats) if max(lats) > 0 else dec <= max(lats)
    return min(lats) <= dec <= max(lats) and min(offsets) <= 0 <= max(offsets)


def main():
    source = d3_json("constellations.bounds.json")
    kept = []
    for f in source["features"]:
        ring = f["geometry"]["coordinates"][0]
        if f["id"] == "UMi" or any(holds_box(ring, ra, dec) for ra, dec in PLACES):
            kept.append(f)
    out = {"type": source["type"], "features": kept}
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT + ".tmp", "w", encoding="utf-8") as f:
        f.write(json.dumps(out, separators=(",", ":")) + "\n")
    os.replace(OUT + ".tmp", OUT)
    print(f"{OUT}: {len(kept)} of {len(source['features'])} polygons")
    return 0


if __name__ == "__main__":
    sys.exit(main())
