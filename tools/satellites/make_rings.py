#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the ring model of the Saturn 3D view, "anneau3d.nal".

    python3 tools/satellites/make_rings.py [OUTPUT]        (default: data/anneau3d.nal)

Ring radii from the NASA Saturnian Rings Fact Sheet (NSSDC, D. R. Williams): C ring 74,658 to
92,000 km, B ring 92,000 to 117,580 km, Cassini division 117,580 to 122,170 km, A ring 122,170
to 136,775 km; Saturn's equatorial radius 60,268 km. The model unit is the one in which a
satellite stands at 0.8 times its orbit radius in Saturn diameters, so one Saturn radius is 0.4
units. Each record is one sector of the ring plane (z = 0) holding three quadrilaterals, the C,
B and A rings; the Cassini division is the gap left between the B and A rings. The header gives
the number of records and the globe size (Saturn's equatorial radius in model units).
"""
import math
import sys

SATURN_RADIUS_KM = 60268.0
UNIT_PER_KM = 0.4 / SATURN_RADIUS_KM
ZONES_KM = [  # inner and outer radius, km
    (74658.0, 92000.0),    # C ring
    (92000.0, 117580.0),   # B ring
    (122170.0, 136775.0),  # A ring (the Cassini division 117,580-122,170 km stays empty)
]
SECTORS = 180  # 2 degrees each: at the largest zoom a chord of the A ring departs from the
               # ellipse by less than a tenth of a pixel


def quadrilateral(inner, outer, a0, a1):
    corners = [(inner, a0), (outer, a0), (outer, a1), (inner, a1)]
    return "/".join("%.6f %.6f" % (r * math.cos(a), r * math.sin(a)) for r, a in corners)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "data/anneau3d.nal"
    lines = ["%d %.6f" % (SECTORS, SATURN_RADIUS_KM * UNIT_PER_KM)]
    for k in range(SECTORS):
        a0 = 2 * math.pi * k / SECTORS
        a1 = 2 * math.pi * (k + 1) / SECTORS
        quads = [quadrilateral(i * UNIT_PER_KM, o * UNIT_PER_KM, a0, a1) for i, o in ZONES_KM]
        lines.append(" - ".join(quads))
    with open(out, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
