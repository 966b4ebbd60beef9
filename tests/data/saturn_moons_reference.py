# SPDX-License-Identifier: GPL-3.0-or-later
# Reference positions of Saturn's six inner large moons, from PyEphem 4.1.4 (Debian package
# python3-ephem; its Saturn moons come from the Bureau des Longitudes ephemeris, valid 1999-2039),
# written to tests/data/saturn_moons_reference.csv:
#   x_east   along the ring plane's major axis as seen from the Earth centre, positive on the
#            side of increasing right ascension, in Saturn equatorial radii;
#   y_north  across it, positive towards Saturn's north pole, Saturn radii;
#   z_front  along the line of sight, positive towards the Earth (behind the planet when < 0).
# PyEphem gives x east and y south along the sky's axes; they are turned by the position angle of
# Saturn's north pole (IAU pole, J2000: RA 40.589 - 0.036 T, Dec 83.537 - 0.004 T). Instants are
# UT, in whole minutes, one in each of 1000 equal slices of 1999-2039 at a place in the slice that
# moves by the golden ratio from one slice to the next.
#
#   /usr/bin/python3 tests/data/saturn_moons_reference.py
import datetime
import math
import os
import sys

import ephem

MOONS = [("Mimas", ephem.Mimas), ("Enceladus", ephem.Enceladus), ("Tethys", ephem.Tethys),
         ("Dione", ephem.Dione), ("Rhea", ephem.Rhea), ("Titan", ephem.Titan)]


def instants(count, first="1999/01/01", last="2040/01/01"):
    start, end = float(ephem.Date(first)), float(ephem.Date(last))
    width = (end - start) / count
    out = []
    for k in range(count):
        d = start + width * k + ((k * 0.6180339887 + 0.25) % 1) * width
        out.append(ephem.Date(round(d * 1440) / 1440))
    return out


def pole_position_angle(saturn, date):
    """Position angle of Saturn's north pole on the sky, radians, from north through east."""
    t = (ephem.julian_date(date) - 2451545.0) / 36525
    a0, d0 = math.radians(40.589 - 0.036 * t), math.radians(83.537 - 0.004 * t)
    a, d = float(saturn.a_ra), float(saturn.a_dec)
    return math.atan2(math.cos(d0) * math.sin(a0 - a),
                      math.sin(d0) * math.cos(d) - math.cos(d0) * math.sin(d) * math.cos(a0 - a))


def ring_frame(date):
    """Rows (name, x_east, y_north, z_front) at one instant."""
    saturn = ephem.Saturn()
    saturn.compute(date)
    p = pole_position_angle(saturn, date)
    rows = []
    for name, body in MOONS:
        m = body()
        m.compute(date)
        x_east = m.x * math.cos(p) + m.y * math.sin(p)
        y_north = m.x * math.sin(p) - m.y * math.cos(p)
        rows.append((name, x_east, y_north, m.z))
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "saturn_moons_reference.csv")
    lines = ["# Saturn's moons from PyEphem %s (python3-ephem), ring-plane axes seen from the Earth "
             "centre, Saturn radii; tests/data/saturn_moons_reference.py" % ephem.__version__,
             "year,month,day,hour,minute,moon,x_east,y_north,z_front"]
    for date in instants(1000):
        dt = date.datetime() + datetime.timedelta(seconds=30)  # the whole minute it stands at
        stamp = "%d,%d,%d,%d,%d" % (dt.year, dt.month, dt.day, dt.hour, dt.minute)
        for name, x, yn, z in ring_frame(date):
            lines.append("%s,%s,%.4f,%.4f,%.4f" % (stamp, name, x, yn, z))
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    os.replace(tmp, path)
    print("wrote", path, len(lines) - 2, "rows", file=sys.stderr)


if __name__ == "__main__":
    main()
