#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/frontier.syt, the whole IAU constellation boundary network, from npm
d3-celestial 0.7.35 `constellations.borders.json` (Davenhall & Leggett 1989, VizieR VI/49,
J2000; BSD-3-Clause). Each source segment is the border shared by two constellations between two
junctions; it becomes one border line named after the pair ("And-Lac"), its vertices indices
into one table of the distinct points (a junction is stored once and shared by its lines).

Format: "%d\\n" points, "%d %d %lf %d %d %d\\n" each (RA h m s, Dec d m s each part signed),
"\\n%d\\n%s\\n" line count and title, then per line "%d", " %d" per index, "\\n%s\\n" its name.
"""

from common import d3_json, ra360, split_dms, split_hms, write_cp1252

MAX_LINE_POINTS = 50
TITLE = "Frontieres"


def main():
    segments = d3_json("constellations.borders.json")["features"]
    points, index = [], {}
    lines = []
    for f in segments:
        pair = "-".join(f["ids"].split(","))
        for part in f["geometry"]["coordinates"]:
            ids = []
            for lon, lat in part:
                key = (round(lon, 4), round(lat, 4))
                if key not in index:
                    index[key] = len(points)
                    points.append((ra360(lon), lat))
                ids.append(index[key])
            # A segment longer than a border line holds is split, its pieces sharing their ends.
            start = 0
            while start < len(ids) - 1:
                piece = ids[start:start + MAX_LINE_POINTS]
                lines.append((pair, piece))
                start += MAX_LINE_POINTS - 1

    out = [f"{len(points)}\n"]
    for ra, dec in points:
        h, m, s = split_hms(ra, 2)
        sign, d, dm, ds = split_dms(dec)
        out.append(f"{h} {m} {s:.2f} {sign * d} {sign * dm} {sign * ds}\n")
    out.append(f"\n{len(lines)}\n{TITLE}\n")
    for name, ids in lines:
        out.append(f"{len(ids)}" + "".join(f" {i}" for i in ids) + f"\n{name}\n")
    write_cp1252("frontier.syt", "".join(out))

    degree = {}
    for _, ids in lines:
        for end in (ids[0], ids[-1]):
            degree[end] = degree.get(end, 0) + 1
    odd = sum(1 for d in degree.values() if d % 2)
    print(f"frontier.syt: {len(points)} points, {len(lines)} lines "
          f"({sum(len(i) for _, i in lines)} indices, longest {max(len(i) for _, i in lines)}); "
          f"chaining could not go below {odd // 2} polylines ({odd} odd junctions)")


if __name__ == "__main__":
    main()
