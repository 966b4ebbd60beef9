#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the pictures of the Moon and the planets shown by the information dialog.

    python3 tools/pictures/make_pictures.py [OUTPUT_DIR]     (default: data/pictures)

Each picture is a 200 x 200 uncompressed 24-bit Windows bitmap named after the body's English
name ("Jupiter.bmp", "Moon.bmp"), the body drawn full-face on a black sky, north up. The drawings
are our own: an orthographic globe with limb darkening, coloured from the real appearance of each
body (Jupiter's belts and Great Red Spot, Saturn's rings with the Cassini division, Mars's ochre
surface, dark maria and polar cap, the pale cloud deck of Venus, the cyan of Uranus, the blue of
Neptune with its dark spot, Pluto's bright "heart", the lunar maria at their real selenographic
places). The phase is not drawn here: the dialog shades the unlit part from the body's current
illuminated fraction. Only the Python 3 standard library is used; the output is deterministic.
"""
import math
import os
import struct
import sys

SIZE = 200  # pixels, width and height; the information dialog shows the picture at this size


# ---------------------------------------------------------------------------------------------
# Small deterministic value noise on the unit sphere (3-D lattice, smooth interpolation).

def _hash(ix, iy, iz, seed):
    h = (ix * 374761393 + iy * 668265263 + iz * 2147483647 + seed * 144665) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def _smooth(t):
    return t * t * (3 - 2 * t)


def noise3(x, y, z, seed):
    ix, iy, iz = math.floor(x), math.floor(y), math.floor(z)
    fx, fy, fz = _smooth(x - ix), _smooth(y - iy), _smooth(z - iz)
    v = 0.0
    for dx in (0, 1):
        wx = fx if dx else 1 - fx
        for dy in (0, 1):
            wy = fy if dy else 1 - fy
            for dz in (0, 1):
                wz = fz if dz else 1 - fz
                v += wx * wy * wz * _hash(ix + dx, iy + dy, iz + dz, seed)
    return v


def fbm(x, y, z, seed, octaves=4, freq=2.0):
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += amp * noise3(x * freq, y * freq, z * freq, seed + o)
        norm += amp
        amp *= 0.5
        freq *= 2.0
    return total / norm


# ---------------------------------------------------------------------------------------------
# Geometry helpers.

def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def scale(c, f):
    return tuple(v * f for v in c)


def sphere_dir(lat_deg, lon_deg):
    """Unit vector of a point of the globe; lon 0 faces the viewer, positive to the right."""
    la, lo = math.radians(lat_deg), math.radians(lon_deg)
    return (math.cos(la) * math.sin(lo), math.sin(la), math.cos(la) * math.cos(lo))


def angular_distance(p, q):
    d = p[0] * q[0] + p[1] * q[1] + p[2] * q[2]
    return math.degrees(math.acos(max(-1.0, min(1.0, d))))


def limb(z, strength):
    """Limb darkening: 1 at the centre of the disc, 1 - strength at the rim."""
    return 1.0 - strength * (1.0 - math.sqrt(max(z, 0.0)))


def render_globe(surface, radius, strength, cx=SIZE / 2, cy=SIZE / 2, tilt_deg=0.0):
    """Returns SIZE x SIZE rows of RGB floats: a globe of `radius` pixels on black.

    surface(lat_deg, lon_deg, (x, y, z)) gives the colour of a point; the disc edge is
    antialiased from the exact distance to the rim. tilt_deg turns the globe's axis towards the
    viewer (the north pole comes into view), as for Saturn.
    """
    img = [[(0.0, 0.0, 0.0)] * SIZE for _ in range(SIZE)]
    ct, st = math.cos(math.radians(tilt_deg)), math.sin(math.radians(tilt_deg))
    for j in range(SIZE):
        for i in range(SIZE):
            x = (i + 0.5 - cx) / radius
            y = (cy - (j + 0.5)) / radius
            r2 = x * x + y * y
            edge = (1.0 - math.sqrt(r2)) * radius + 0.5  # coverage of the pixel by the disc
            if edge <= 0:
                continue
            z = math.sqrt(max(0.0, 1.0 - r2))
            # Undo the tilt to get body coordinates (rotation about the x axis).
            by = y * ct + z * st
            bz = -y * st + z * ct
            lat = math.degrees(math.asin(max(-1.0, min(1.0, by))))
            lon = math.degrees(math.atan2(x, bz))
            c = scale(surface(lat, lon, (x, by, bz)), limb(z, strength))
            img[j][i] = scale(c, min(1.0, edge))
    return img


# ---------------------------------------------------------------------------------------------
# The bodies.

def mercury(lat, lon, p):
    base = mix((120, 112, 104), (165, 155, 142), fbm(*p, seed=11, octaves=5, freq=3.0))
    for clat, clon, rad, depth in MERCURY_CRATERS:
        d = angular_distance(p, sphere_dir(clat, clon))
        if d < rad:
            base = scale(base, 1.0 - depth * (1 - d / rad))
        elif d < rad * 1.25:
            base = scale(base, 1.0 + 0.25 * depth)  # bright rim
    return base


def _craters(seed, count, rmin, rmax):
    out, state = [], seed
    for _ in range(count):
        vals = []
        for _ in range(4):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            vals.append(state / 0x7FFFFFFF)
        out.append((math.degrees(math.asin(2 * vals[0] - 1)), vals[1] * 360 - 180,
                    rmin + (rmax - rmin) * vals[2] ** 2, 0.15 + 0.2 * vals[3]))
    return out


MERCURY_CRATERS = _craters(7, 45, 2.0, 14.0)


def venus(lat, lon, p):
    # Featureless yellow-white clouds in visible light; a faint sideways "Y" of darker bands.
    n = fbm(p[0] * 0.6, p[1] * 3.0, p[2] * 0.6, seed=21, octaves=3, freq=2.0)
    y_band = 0.5 + 0.5 * math.cos(math.radians(lat * 3.2 + 25 * math.sin(math.radians(lon * 1.5))))
    c = mix((250, 238, 200), (222, 200, 150), 0.35 * y_band + 0.35 * n)
    return c


def earth(lat, lon, p):
    land = fbm(*p, seed=31, octaves=5, freq=1.6)
    cloud = fbm(p[0] * 1.3, p[1] * 2.6, p[2] * 1.3, seed=37, octaves=4, freq=2.5)
    if abs(lat) > 70 + 6 * (land - 0.5):
        c = (235, 240, 245)  # polar ice
    elif land > 0.55:
        dry = max(0.0, 1.0 - abs(abs(lat) - 24) / 14)  # desert belts near the tropics
        c = mix((60, 110, 45), (190, 160, 105), dry * 0.9 + (land - 0.55) * 1.5)
    else:
        c = mix((10, 30, 90), (25, 70, 150), land / 0.55)
    cloud_cover = max(0.0, (cloud - 0.52) * 3.0)
    return mix(c, (245, 245, 250), cloud_cover)


def mars(lat, lon, p):
    n = fbm(*p, seed=41, octaves=5, freq=2.0)
    c = mix((200, 105, 55), (225, 140, 85), n)
    dark = fbm(*p, seed=43, octaves=3, freq=1.8)
    # Dark albedo regions are mostly in the southern mid-latitudes (Syrtis Major, Mare Erythraeum).
    weight = max(0.0, 1.0 - abs(lat + 12) / 40) * (0.6 + 0.8 * noise3(p[0] * 2, p[1] * 2, p[2] * 2, 47))
    if dark * weight > 0.3:
        c = mix(c, (115, 62, 42), (dark * weight - 0.3) * 3.5)
    if lat < -72 + 4 * (n - 0.5):  # southern polar cap, the one turned to the Earth here
        c = (240, 240, 238)
    elif lat > 80:
        c = mix(c, (235, 230, 225), 0.7)
    return c


JUPITER_BANDS = [  # (upper latitude limit, colour): zones cream, belts tan-brown
    (-60, (150, 140, 130)), (-40, (185, 170, 150)), (-30, (200, 180, 150)),
    (-20, (235, 225, 205)), (-8, (170, 120, 85)), (7, (240, 230, 210)),
    (18, (160, 105, 70)), (27, (235, 222, 198)), (35, (185, 150, 115)),
    (45, (225, 212, 190)), (60, (190, 175, 155)), (91, (150, 140, 130)),
]


def _band(bands, lat):
    for k, (limit, col) in enumerate(bands):
        if lat < limit:
            prev = bands[k - 1] if k else (limit - 10, col)
            # Soft transition over the last 3 degrees of a band.
            t = (lat - (limit - 3)) / 3.0
            if t > 0 and k + 1 < len(bands):
                return mix(col, bands[k + 1][1], t * 0.5)
            return col
    return bands[-1][1]


def jupiter(lat, lon, p):
    wave = 2.5 * math.sin(math.radians(lon * 6 + lat * 4)) * fbm(*p, seed=51, octaves=2, freq=3.0)
    c = _band(JUPITER_BANDS, lat + wave)
    c = scale(c, 0.92 + 0.16 * fbm(p[0] * 2, p[1] * 8, p[2] * 2, seed=53, octaves=3, freq=2.0))
    # Great Red Spot near 22 degrees south, an oval about 14 x 10 degrees.
    dl, dp = (lon - 20) / 13.0, (lat + 22) / 6.0
    d = dl * dl + dp * dp
    if d < 1.0:
        c = mix(c, (195, 95, 60), 1.0 - d ** 2)
    elif d < 1.6:
        c = mix(c, (238, 228, 210), 0.5 * (1.6 - d))  # the pale hollow around it
    return c


SATURN_BANDS = [
    (-45, (170, 150, 110)), (-25, (200, 175, 125)), (-12, (215, 190, 140)),
    (10, (235, 215, 165)), (22, (205, 180, 130)), (40, (220, 200, 150)),
    (60, (190, 170, 130)), (91, (160, 150, 125)),
]

SATURN_TILT = 22.0  # degrees of ring opening towards the viewer
SATURN_RADIUS = 42.0  # pixels
RINGS = [  # (inner, outer radius in planet radii, colour, opacity)
    (1.24, 1.53, (120, 105, 85), 0.35),   # C ring, faint
    (1.53, 1.95, (215, 195, 155), 0.95),  # B ring, brightest
    (1.95, 2.03, (0, 0, 0), 0.0),         # Cassini division
    (2.03, 2.27, (190, 170, 135), 0.85),  # A ring
]


def saturn_globe(lat, lon, p):
    c = _band(SATURN_BANDS, lat)
    return scale(c, 0.95 + 0.1 * fbm(p[0] * 2, p[1] * 9, p[2] * 2, seed=61, octaves=2, freq=2.0))


def saturn():
    R = SATURN_RADIUS
    globe = render_globe(saturn_globe, R, 0.45, tilt_deg=SATURN_TILT)
    img = [row[:] for row in globe]
    sin_t = math.sin(math.radians(SATURN_TILT))
    for j in range(SIZE):
        for i in range(SIZE):
            x = (i + 0.5 - SIZE / 2) / R
            y = (SIZE / 2 - (j + 0.5)) / R
            # Ring plane point seen at (x, y): the plane is inclined, its minor axis is sin(tilt).
            ry = y / sin_t
            rr = math.sqrt(x * x + ry * ry)
            col, alpha = None, 0.0
            for inner, outer, rc, op in RINGS:
                if inner <= rr < outer:
                    col, alpha = rc, op
                    # Soft ring edges over about one pixel.
                    px = 1.0 / R
                    alpha *= min(1.0, (rr - inner) / px + 0.5, (outer - rr) / px + 0.5)
                    break
            if col is None or alpha <= 0:
                continue
            on_globe = x * x + y * y < 1.0
            in_front = ry < 0  # the near half of the rings lies below the centre
            if on_globe and not in_front:
                continue  # hidden behind the globe
            # The globe's shadow on the far rings just behind the limb.
            shade = 1.0
            if not in_front and abs(x) < 1.0 and x * x + y * y < 1.15:
                shade = 0.5
            ring = scale(col, shade * (0.9 + 0.1 * math.cos(rr * 40)))
            img[j][i] = mix(img[j][i], ring, alpha)
    return img


def uranus(lat, lon, p):
    return mix((150, 215, 220), (175, 230, 232), 0.5 + 0.5 * math.sin(math.radians(lat)))


def neptune(lat, lon, p):
    c = mix((45, 85, 200), (70, 115, 225), fbm(p[0] * 1.5, p[1] * 6, p[2] * 1.5, seed=81, octaves=3))
    dl, dp = (lon + 15) / 14.0, (lat + 20) / 6.0  # the dark spot of 1989
    d = dl * dl + dp * dp
    if d < 1.0:
        c = mix(c, (20, 35, 110), 1.0 - d)
    for clat, clon, w in ((-28, 5, 10), (-38, -40, 7), (27, 30, 12)):  # bright methane clouds
        dl2, dp2 = (lon - clon) / w, (lat - clat) / 2.2
        d2 = dl2 * dl2 + dp2 * dp2
        if d2 < 1.0:
            c = mix(c, (235, 240, 250), 0.9 * (1.0 - d2))
    return c


def pluto(lat, lon, p):
    n = fbm(*p, seed=91, octaves=5, freq=2.2)
    c = mix((150, 110, 80), (200, 165, 130), n)
    # Dark equatorial region west of the heart (Cthulhu), an elongated patch with a ragged edge.
    dl, dp = (lon + 55) / 40.0, (lat + 5) / 16.0
    belt = 1.0 - (dl * dl + dp * dp) + 0.8 * (fbm(*p, seed=93, octaves=3, freq=3.0) - 0.5)
    if belt > 0:
        c = mix(c, (85, 48, 34), min(1.0, belt * 3) * 0.8)
    # The bright "heart" (Tombaugh Regio): two overlapping lobes north of the equator.
    for hl, hn, rad in ((20, 10, 26), (10, 35, 20)):
        d = angular_distance(p, sphere_dir(hl, hn))
        if d < rad:
            c = mix(c, (240, 230, 215), min(1.0, (rad - d) / 6.0))
    return c


MOON_MARIA = [  # (selenographic latitude, longitude east, angular radius) of the near-side maria
    (32.8, -15.6, 18), (28.0, 17.5, 11), (8.5, 31.4, 13), (17.0, 59.1, 7),
    (-7.8, 51.3, 9), (-21.3, -16.6, 10), (-24.4, -38.6, 7), (-13.3, -24.6, 10),
    (18.4, -57.4, 20), (-3.0, -45.0, 17), (5.0, -53.0, 14), (-15.2, 35.5, 6),
    (56.0, 1.0, 9), (-24.0, -3.0, 6), (-20.0, -92.0, 5),
]


def moon(lat, lon, p):
    c = mix((165, 162, 158), (205, 202, 196), fbm(*p, seed=101, octaves=5, freq=3.0))
    # Maria: the sum of soft discs at their real places, with a ragged noisy shore.
    field = 0.0
    for mlat, mlon, rad in MOON_MARIA:
        d = angular_distance(p, sphere_dir(mlat, mlon))
        field += max(0.0, 1.0 - (d / (rad * 1.2)) ** 2)
    field += 0.6 * (fbm(*p, seed=103, octaves=4, freq=4.0) - 0.5)
    if field > 0.15:
        c = mix(c, (92, 92, 96), min(1.0, (field - 0.15) * 2.5) * 0.9)
    # Tycho and its rays, counted by the direction around the crater on the sphere.
    tycho = sphere_dir(-43.3, -11.2)
    d = angular_distance(p, tycho)
    if d < 2.5:
        c = (235, 235, 235)
    elif d < 50:
        u = (tycho[2], 0.0, -tycho[0])
        un = math.hypot(u[0], u[2])
        u = (u[0] / un, 0.0, u[2] / un)
        v = (tycho[1] * u[2], tycho[2] * u[0] - tycho[0] * u[2], -tycho[1] * u[0])
        ang = math.atan2(sum(a * b for a, b in zip(p, v)), sum(a * b for a, b in zip(p, u)))
        ray = max(0.0, math.cos(ang * 7 + 0.7 * math.sin(ang * 3))) ** 20
        c = mix(c, (220, 220, 220), ray * (1 - d / 50) * 0.5)
    for clat, clon, rad in ((9.6, -20.1, 2.0), (8.1, -38.0, 1.5), (23.7, -47.4, 1.2)):  # Copernicus, Kepler, Aristarchus
        if angular_distance(p, sphere_dir(clat, clon)) < rad:
            c = (230, 230, 228)
    return c


BODIES = {
    "Mercury": lambda: render_globe(mercury, 90, 0.35),
    "Venus": lambda: render_globe(venus, 90, 0.45),
    "Earth": lambda: render_globe(earth, 90, 0.3),
    "Mars": lambda: render_globe(mars, 90, 0.35, tilt_deg=-25.0),
    "Jupiter": lambda: render_globe(jupiter, 90, 0.45),
    "Saturn": saturn,
    "Uranus": lambda: render_globe(uranus, 90, 0.55),
    "Neptune": lambda: render_globe(neptune, 90, 0.5),
    "Pluto": lambda: render_globe(pluto, 90, 0.3),
    "Moon": lambda: render_globe(moon, 90, 0.15),
}


# ---------------------------------------------------------------------------------------------
# 24-bit BMP writer (bottom-up rows, each padded to a multiple of 4 bytes).

def write_bmp(path, img):
    h, w = len(img), len(img[0])
    row_bytes = (w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(img):
        line = bytearray()
        for r, g, b in row:
            line += bytes((int(max(0, min(255, round(b)))), int(max(0, min(255, round(g)))),
                           int(max(0, min(255, round(r))))))
        line += b"\0" * (row_bytes - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(header + info + pixels)
    os.replace(tmp, path)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data", "pictures")
    os.makedirs(out, exist_ok=True)
    names = sys.argv[2:] or list(BODIES)
    for name in names:
        write_bmp(os.path.join(out, name + ".bmp"), BODIES[name]())
        print("wrote", os.path.join(out, name + ".bmp"))


if __name__ == "__main__":
    main()
