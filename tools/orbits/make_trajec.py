#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/trajec.nal, the planets' orbits of the heliocentric view, from the shipped planet
files' own element polynomials (data/Sys.syt and the planet files it names), so that the orbits
pass through the places where the program puts the planets.

Each orbit is the ellipse of the elements at the epoch J2000.0 (T = 1.0 Julian centuries from
JD 2415020.0), sampled at equal steps of eccentric anomaly (denser near perihelion than equal
steps of time) and closed by repeating its first point. The position of a sample follows the
program's planet algorithm: r = a (1 - e cos E), the argument of latitude u = L + nu - (M + Omega),
the ecliptic longitude from tan l = tan u cos i in the quadrant of u, lambda = l + Omega,
beta = asin(sin u sin i). Points are heliocentric ecliptic rectangular coordinates in the view's
model unit, AU x pi/180.

usage: make_trajec.py [DATA_DIR] [--points N]   (default: the repository's data/, 720 points)
"""
import math
import os
import sys

EPOCH_T = 1.0  # J2000.0
DEFAULT_POINTS = 720
MODEL_UNIT = math.pi * 0.005555555555555556  # the factor the view multiplies AU and degrees by


def read_text(path):
    with open(path, 'rb') as f:
        return f.read().decode('cp1252')


def planet_files(data_dir):
    """Names of the planet files, in the order of Sys.syt."""
    files = []
    for line in read_text(os.path.join(data_dir, 'Sys.syt')).splitlines():
        if line.startswith('Fichier de la planete:'):
            files.append(line.split(':', 1)[1].strip())
    if not files:
        raise SystemExit('make_trajec: no planet named in Sys.syt')
    return files


def read_planet(path):
    """The name and the seven element lists of a planet file (a list ends at its first 0)."""
    name = None
    elements = {}
    for line in read_text(path).splitlines():
        if line.startswith('Nom:'):
            name = line[4:].strip()
            continue
        words = line.split()
        if len(words) >= 2 and words[0] in ('L', 'a', 'e', 'i', 'o', 'O', 'M') and words[0] not in elements:
            coefficients = []
            for w in words[1:]:
                v = float(w)
                if v == 0 and coefficients:
                    break
                coefficients.append(v)
                if v == 0:
                    break
            elements[words[0]] = (coefficients + [0.0] * 4)[:4]
    missing = [k for k in ('L', 'a', 'e', 'i', 'O', 'M') if k not in elements]
    if name is None or missing:
        raise SystemExit(f'make_trajec: {path}: missing {"Nom" if name is None else ", ".join(missing)}')
    return name, elements


def polynomial(c, t):
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]))


def orbit_points(elements, n):
    t = EPOCH_T
    L = polynomial(elements['L'], t) % 360
    a = polynomial(elements['a'], t)
    e = polynomial(elements['e'], t)
    inc = math.radians(polynomial(elements['i'], t) % 360)
    node = polynomial(elements['O'], t) % 360
    M = polynomial(elements['M'], t) % 360
    if not (0 <= e < 1) or a <= 0:
        raise SystemExit(f'make_trajec: elements give no ellipse (a={a}, e={e})')
    points = []
    for k in range(n):
        E = 2 * math.pi * k / n
        nu = 2 * math.atan2(math.sqrt(1 + e) * math.sin(E / 2), math.sqrt(1 - e) * math.cos(E / 2))
        r = a * (1 - e * math.cos(E))
        u = math.radians(L - M - node) + nu
        l = math.atan2(math.sin(u) * math.cos(inc), math.cos(u))
        lam = l + math.radians(node)
        beta = math.asin(math.sin(u) * math.sin(inc))
        R = r * MODEL_UNIT
        points.append((R * math.cos(beta) * math.cos(lam), R * math.cos(beta) * math.sin(lam), R * math.sin(beta)))
    points.append(points[0])  # closed: the last point repeats the first
    return points


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    data_dir = os.path.join(here, '..', '..', 'data')
    n = DEFAULT_POINTS
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == '--points':
            n = int(args.pop(0))
            if n < 3:
                raise SystemExit('make_trajec: --points needs at least 3')
        else:
            data_dir = a
    out = []
    orbits = 0
    for name in planet_files(data_dir):
        planet, elements = read_planet(os.path.join(data_dir, name))
        points = orbit_points(elements, n)
        out.append(planet)
        out.append(str(len(points)))
        out.extend(f'{x:.9f} {y:.9f} {z:.9f}' for x, y, z in points)
        orbits += 1
    out.append('fin')
    target = os.path.join(data_dir, 'trajec.nal')
    temp = target + '.tmp'
    with open(temp, 'w', encoding='cp1252', newline='\n') as f:
        f.write('\n'.join(out) + '\n')
    os.replace(temp, target)
    print(f'make_trajec: {orbits} orbits of {n + 1} points written to {os.path.normpath(target)}')


if __name__ == '__main__':
    main(sys.argv[1:])
