# SPDX-License-Identifier: GPL-3.0-or-later
"""The constellation of a position, from the IAU boundary polygons of d3-celestial
`constellations.bounds.json` (J2000 vertices of the 1875 boundaries).

The boundaries run along arcs of constant right ascension or declination, so a ray cast from
the point towards the north celestial pole along its own meridian is intersected with each edge by
linear interpolation in (right ascension, declination). An odd number of crossings means inside,
except for the polygon that holds the north pole (Ursa Minor), where it means outside."""

import json

from common import d3_json, ra360


def _wrap(d):
    """Angle difference in degrees into (-180, 180]."""
    d = (d + 180.0) % 360.0 - 180.0
    return 180.0 if d == -180.0 else d


class ConstellationFinder:
    def __init__(self, path=None):
        """`path`: a boundary file of the same form (the tests' extract); None reads d3-celestial's."""
        if path is None:
            source = d3_json("constellations.bounds.json")
        else:
            with open(path, encoding="utf-8") as f:
                source = json.load(f)
        self.polygons = []
        for f in source["features"]:
            ring = [(ra360(lon), lat) for lon, lat in f["geometry"]["coordinates"][0]]
            if ring[0] != ring[-1]:
                ring.append(ring[0])
            lats = [p[1] for p in ring]
            self.polygons.append({"id": f["id"], "ring": ring, "dmin": min(lats), "dmax": max(lats)})
        for p in self.polygons:
            p["north_pole"] = False
        # The polygon holding the north pole is the one whose ring winds once around it.
        for p in self.polygons:
            turn = sum(_wrap(b[0] - a[0]) for a, b in zip(p["ring"], p["ring"][1:]))
            p["north_pole"] = abs(turn) > 180 and p["dmax"] > 0
        holders = [p["id"] for p in self.polygons if p["north_pole"]]
        if holders != ["UMi"]:
            raise SystemExit(f"north pole polygon: {holders}, expected Ursa Minor")

    def _crossings(self, poly, ra, dec):
        n = 0
        for (ra1, dec1), (ra2, dec2) in zip(poly["ring"], poly["ring"][1:]):
            d1, d2 = _wrap(ra1 - ra), _wrap(ra2 - ra)
            if (d1 > 0) == (d2 > 0) or abs(d1 - d2) >= 180:
                continue
            cross = dec1 + (dec2 - dec1) * d1 / (d1 - d2)
            if cross > dec:
                n += 1
        return n

    def find_all(self, ra, dec):
        """Every polygon that holds the point (normally exactly one)."""
        found = []
        for p in self.polygons:
            if not p["north_pole"] and dec > p["dmax"]:
                continue
            if p["north_pole"] and dec < p["dmin"]:
                continue
            odd = self._crossings(p, ra, dec) % 2 == 1
            if odd != p["north_pole"]:
                found.append(p["id"])
        return found

    def find(self, ra, dec):
        found = self.find_all(ra, dec)
        return found[0] if len(found) == 1 else None
