#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/lactee.syt, the two boundary lines of the Milky Way, from the faintest outline
(level 1) of npm d3-celestial 0.7.35 `mw.json` (J. R. Vieira's Milky Way Outline Catalog;
BSD-3-Clause). Its first two rings are the northern and southern edges of the band (the other
rings are dark rifts inside it). Each edge is thinned to the 500 and 499 points the model holds by
Visvalingam-Whyatt elimination (the point spanning the smallest triangle goes first), and stays
closed (last point = first).

Format: "Ligne_1\\nN1:%d", points "\\nPt:%d %lf %lf" (right ascension hours, decimal minutes,
declination degrees), "\\nFin_1\\n\\nLigne_2\\nN2:%d", points.
"""

import heapq
import math

from common import d3_json, ra360, split_hm, write_cp1252

LINE1_POINTS = 500
LINE2_POINTS = 499


def unwrap(ring):
    """Longitudes made continuous along the ring (no jump of 360 degrees between neighbours)."""
    out = [tuple(ring[0])]
    for lon, lat in ring[1:]:
        prev = out[-1][0]
        while lon - prev > 180:
            lon -= 360
        while lon - prev < -180:
            lon += 360
        out.append((lon, lat))
    return out


def area(a, b, c):
    """Triangle area on the local plane, right ascension scaled by cos(declination)."""
    k = math.cos(math.radians(b[1]))
    return abs((b[0] - a[0]) * k * (c[1] - a[1]) - (c[0] - a[0]) * k * (b[1] - a[1])) / 2


def thin(ring, keep):
    """Visvalingam-Whyatt on a closed ring given without its closing point; keeps `keep` points."""
    n = len(ring)
    prev = [(i - 1) % n for i in range(n)]
    nxt = [(i + 1) % n for i in range(n)]
    alive = [True] * n
    heap = [(area(ring[prev[i]], ring[i], ring[nxt[i]]), i) for i in range(n)]
    heapq.heapify(heap)
    count = n
    current = {i: a for a, i in heap}
    while count > keep:
        a, i = heapq.heappop(heap)
        if not alive[i] or current[i] != a:
            continue
        alive[i] = False
        count -= 1
        p, q = prev[i], nxt[i]
        nxt[p], prev[q] = q, p
        for j in (p, q):
            current[j] = area(ring[prev[j]], ring[j], ring[nxt[j]])
            heapq.heappush(heap, (current[j], j))
    return [ring[i] for i in range(n) if alive[i]]


def edge(ring, points):
    open_ring = [tuple(p) for p in ring[:-1]] if ring[0] == ring[-1] else [tuple(p) for p in ring]
    start = max(range(len(open_ring)), key=lambda i: -open_ring[i][0])  # start at the lowest lon
    open_ring = open_ring[start:] + open_ring[:start]
    kept = thin(unwrap(open_ring), points - 1)
    return kept + [kept[0]]


def _segment_distance(lon, lat, seg):
    (x1, y1), (x2, y2) = seg
    best = 1e9
    k = math.cos(math.radians(lat))
    for shift in (-360, 0, 360):
        px = lon + shift
        ax, ay, bx, by = (x1 - px) * k, y1 - lat, (x2 - px) * k, y2 - lat
        dx, dy = bx - ax, by - ay
        t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, -(ax * dx + ay * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(ax + t * dx, ay + t * dy))
    return best


def deviation(original, kept, window=2.0):
    """Largest distance, degrees, from a source point to the thinned line (local plane), by brute
    force over the segments within `window` degrees of declination (all of them when none is
    nearer than that)."""
    src = unwrap([tuple(p) for p in original])
    segs = [(s, min(s[0][1], s[1][1]) - window, max(s[0][1], s[1][1]) + window)
            for s in zip(kept, kept[1:])]
    worst = 0.0
    for lon, lat in src:
        best = min((_segment_distance(lon, lat, s) for s, lo, hi in segs if lo <= lat <= hi),
                   default=1e9)
        if best > window:
            best = min(_segment_distance(lon, lat, s) for s, _, _ in segs)
        worst = max(worst, best)
    return worst


def line_text(points):
    out = []
    for lon, lat in points:
        h, m = split_hm(ra360(lon), 3)
        out.append(f"\nPt:{h} {m:.3f} {lat:.3f}")
    return "".join(out)


def main():
    level1 = next(f for f in d3_json("mw.json")["features"] if f["id"] == "ol1")
    rings = level1["geometry"]["coordinates"][0]
    north, south = edge(rings[0], LINE1_POINTS), edge(rings[1], LINE2_POINTS)
    text = (f"Ligne_1\nN1:{len(north)}{line_text(north)}\nFin_1\n\n"
            f"Ligne_2\nN2:{len(south)}{line_text(south)}\nFin_2\n")
    write_cp1252("lactee.syt", text)
    print(f"lactee.syt: line 1 {len(north)} points (of {len(rings[0])}), "
          f"line 2 {len(south)} points (of {len(rings[1])}); largest departure from the source "
          f"{deviation(rings[0], north):.2f} and {deviation(rings[1], south):.2f} degrees")


if __name__ == "__main__":
    main()
