# SPDX-License-Identifier: GPL-3.0-or-later
# Fits the constants of the Saturn satellite theory (src/astro/satellites.cpp) to PyEphem 4.1.4
# (Debian python3-ephem, Bureau des Longitudes ephemeris of the moons, valid 1999-2039):
#   lambda = lambda0 + n (d - tau)     mean longitude in Saturn's equatorial plane, counted from
#                                      the ascending node of that plane on the Earth's equator of
#                                      date, in the direction of the motion; d days from
#                                      JD 2444238.5 (UT), tau = delta / 173.83 days the light time
#   Titan adds the equation of the centre, 2 e sin M + 5/4 e^2 sin 2M with M = lambda - varpi,
#   varpi = varpi0 + varpi1 (d - tau), and the radius a (1 - e cos M), e = 0.0288; Mimas adds
#   the libration of its resonance with Tethys, A sin(2 pi (d - tau) / P + phi), P = 70.8 years.
# The theory turns lambda into the angle from the Earth with the Earth's longitude in the same
# plane, found from Saturn's geocentric right ascension and declination of date and the pole the
# program uses for the ring tilt (RA 40.27, Dec 83.51); the fit does the same with PyEphem's
# Saturn of date. Prints the constants and the errors of x (Saturn radii) per moon.
#
#   /usr/bin/python3 tools/satellites/fit_saturn_moons.py
import math
import os
import sys

import ephem

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "data"))
import saturn_moons_reference as ref  # noqa: E402

NAMES = ["Mimas", "Enceladus", "Tethys", "Dione", "Rhea", "Titan"]
RADIUS_DIAMETERS = [1.5382, 1.97331, 2.4424, 3.12862, 4.3693, 10.12431]  # the theory's table
PRIOR_MOTION = [381.994497, 262.7318996, 190.6979085, 131.5349316, 79.6900478, 22.5769768]
TITAN_E = 0.0288
MIMAS_LIBRATION_DAYS = 70.8 * 365.25  # period of the Mimas-Tethys libration (Allan 1969)
POLE_RA, POLE_DEC = math.radians(40.27), math.radians(83.51)
EPOCH_JD = 2444238.5


def wrap(a):
    return (a + 180.0) % 360.0 - 180.0


def earth_longitude(ra, dec):
    """Saturnicentric longitude of the Earth in the ring plane from the node on the equator (deg)."""
    s = (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))
    e = (-s[0], -s[1], -s[2])
    n = (math.cos(POLE_DEC) * math.cos(POLE_RA), math.cos(POLE_DEC) * math.sin(POLE_RA), math.sin(POLE_DEC))
    q = (-math.sin(POLE_RA), math.cos(POLE_RA), 0.0)
    r = (n[1] * q[2] - n[2] * q[1], n[2] * q[0] - n[0] * q[2], n[0] * q[1] - n[1] * q[0])
    return math.degrees(math.atan2(sum(a * b for a, b in zip(e, r)), sum(a * b for a, b in zip(e, q))))


def samples(count):
    out = []
    for date in ref.instants(count):
        saturn = ephem.Saturn()
        saturn.compute(date, epoch=date)
        le = earth_longitude(float(saturn.a_ra), float(saturn.a_dec))
        tau = saturn.earth_distance * 0.005752746936662256
        t = ephem.julian_date(date) - EPOCH_JD - tau
        cos_b = math.cos(saturn.earth_tilt)
        for i, (_, x, _, z) in enumerate(ref.ring_frame(date)):
            lam_earth = math.degrees(math.atan2(-x, z / cos_b))
            out.append((i, t, le, lam_earth + le, x))
    return out


def solve(a, b):
    """Least squares a p = b by the normal equations (a few unknowns)."""
    k = len(a[0])
    m = [[sum(r[i] * r[j] for r in a) for j in range(k)] + [sum(r[i] * y for r, y in zip(a, b))] for i in range(k)]
    for c in range(k):
        p = max(range(c, k), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(k):
            if r != c:
                f = m[r][c] / m[c][c]
                m[r] = [u - f * v for u, v in zip(m[r], m[c])]
    return [m[i][k] / m[i][i] for i in range(k)]


def titan_longitude(p, t):
    l0, n, w0, w1 = p
    mean = l0 + n * t
    anomaly = math.radians(mean - (w0 + w1 * t))
    return mean + math.degrees(2 * TITAN_E * math.sin(anomaly) + 1.25 * TITAN_E ** 2 * math.sin(2 * anomaly)), anomaly


def fit_moon(i, rows):
    n0 = PRIOR_MOTION[i]
    # The longitude less n0 t, unwrapped from one instant to the next (a few days apart, over
    # which the libration of Mimas and the error of n0 move it by well under 180 degrees).
    res, last = [], None
    for (_, t, _, lam, _) in rows:
        r = wrap(lam - n0 * t)
        last = r if last is None else last + wrap(r - last)
        res.append(last)
    if i == 0:  # Mimas: the line and the libration of its resonance with Tethys
        w = 2 * math.pi / MIMAS_LIBRATION_DAYS
        c, dn, s, k = solve([[1.0, t, math.sin(w * t), math.cos(w * t)] for (_, t, _, _, _) in rows], res)
        return [c % 360.0, n0 + dn, math.hypot(s, k), math.degrees(math.atan2(k, s)) % 360.0]
    c, dn = solve([[1.0, t] for (_, t, _, _, _) in rows], res)
    l0, n = c % 360.0, n0 + dn
    if i < 5:
        return [l0, n]
    p = [l0, n, 180.0, 0.0014]  # Titan: Gauss-Newton on lambda0, n, varpi0, varpi1
    for _ in range(12):
        jac, res = [], []
        for (_, t, _, lam, _) in rows:
            model, _ = titan_longitude(p, t)
            row = []
            for k, h in enumerate((1e-4, 1e-9, 1e-3, 1e-9)):
                q = list(p)
                q[k] += h
                row.append((titan_longitude(q, t)[0] - model) / h)
            jac.append(row)
            res.append(wrap(lam - model))
        step = solve(jac, res)
        p = [u + v for u, v in zip(p, step)]
    p[0] %= 360.0
    p[2] %= 360.0
    return p


def x_of(i, p, t, le):
    a = 2 * RADIUS_DIAMETERS[i]
    if i == 0:
        lam = p[0] + p[1] * t + p[2] * math.sin(2 * math.pi * t / MIMAS_LIBRATION_DAYS + math.radians(p[3]))
        return -a * math.sin(math.radians(lam - le))
    if i < 5:
        return -a * math.sin(math.radians(p[0] + p[1] * t - le))
    lam, anomaly = titan_longitude(p, t)
    return -a * (1 - TITAN_E * math.cos(anomaly)) * math.sin(math.radians(lam - le))


def main():
    rows = samples(6000)
    print("moon       lambda0 (deg at JD 2444238.5)  n (deg/day)     extra        max x err  rms x err (radii)")
    for i, name in enumerate(NAMES):
        mine = [r for r in rows if r[0] == i]
        p = fit_moon(i, mine)
        errs = [x_of(i, p, t, le) - x for (_, t, le, _, x) in mine]
        extra = ("libration %.4f deg, phase %.4f deg" % (p[2], p[3]) if i == 0 else
                 "varpi0 %.4f varpi1 %.8f" % (p[2], p[3]) if i == 5 else "")
        print("%-10s %12.6f %18.9f  %s  %7.3f  %7.3f" % (
            name, p[0], p[1], extra, max(abs(e) for e in errs), math.sqrt(sum(e * e for e in errs) / len(errs))))


if __name__ == "__main__":
    main()
