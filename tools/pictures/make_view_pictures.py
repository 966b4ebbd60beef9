#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the three pictures of the satellite views, built into the program as resources.

    python3 tools/pictures/make_view_pictures.py [OUTPUT_DIR]      (default: src/views/pictures)

- 2.png, 212 x 198: Jupiter for the Jupiter's satellites view, the oblate globe filling the frame,
  with its belts and zones, south up and east to the right as the view shows Jupiter (through an
  astronomical telescope). The Great Red Spot is left out: the view draws it where the central
  meridian puts it.
- 8.png, 99 x 86: Saturn for the Saturn's satellites view, the banded globe filling the frame and
  the rings nearly edge-on across it (the view draws the rings' line beyond the globe).
- 10.png, 197 x 200: Saturn's globe for the 3D view, banded, on black: the view combines it with
  an orange disc (255, 125, 0) by a bitwise OR, so black stays transparent; the rings come from
  anneau3d.nal. The OR leaves red at 255 and green at 125 or 253 (bits 1 and 7 are the only free
  ones), so the picture is drawn for what the OR makes of it: blue carries the bands and the limb,
  and green is dithered between 125 and 253 (4 x 4 ordered dither) to give the pale gold of the
  real planet's zones and the deeper gold of its belts.

The globes come from make_pictures.py's orthographic renderer and band colours (after the real
appearance of the planets). Python 3 standard library only; the output is deterministic.
"""
import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_pictures as mp  # noqa: E402


def globe(width, height, surface, strength, tilt_deg=0.0, supersample=2):
    """Rows of RGB floats: an ellipsoid globe filling width x height, on black."""
    ct, st = math.cos(math.radians(tilt_deg)), math.sin(math.radians(tilt_deg))
    rx, ry = width / 2.0, height / 2.0
    img = []
    for j in range(height):
        row = []
        for i in range(width):
            acc = [0.0, 0.0, 0.0]
            for sj in range(supersample):
                for si in range(supersample):
                    x = (i + (si + 0.5) / supersample - rx) / rx
                    y = (ry - (j + (sj + 0.5) / supersample)) / ry
                    r2 = x * x + y * y
                    if r2 >= 1.0:
                        continue
                    z = math.sqrt(1.0 - r2)
                    by, bz = y * ct + z * st, -y * st + z * ct
                    lat = math.degrees(math.asin(max(-1.0, min(1.0, by))))
                    lon = math.degrees(math.atan2(x, bz))
                    c = mp.scale(surface(lat, lon, (x, by, bz)), mp.limb(z, strength))
                    for k in range(3):
                        acc[k] += c[k]
            n = supersample * supersample
            row.append(tuple(v / n for v in acc))
        img.append(row)
    return img


def jupiter_without_spot(lat, lon, p):
    wave = 2.5 * math.sin(math.radians(lon * 6 + lat * 4)) * mp.fbm(*p, seed=51, octaves=2, freq=3.0)
    c = mp._band(mp.JUPITER_BANDS, lat + wave)
    return mp.scale(c, 0.92 + 0.16 * mp.fbm(p[0] * 2, p[1] * 8, p[2] * 2, seed=53, octaves=3, freq=2.0))


def saturn_small(width, height):
    img = globe(width, height, mp.saturn_globe, 0.45, tilt_deg=8.0)
    # The rings seen nearly edge-on: a thin bright band across the middle and its shadow above.
    cy = height / 2.0
    for j in range(height):
        for i in range(width):
            d = (j + 0.5) - cy
            if abs(d) < 1.6:
                img[j][i] = mp.mix(img[j][i], (225, 205, 160), 0.9)
            elif -4.0 < d < -2.0 and img[j][i] != (0.0, 0.0, 0.0):
                img[j][i] = mp.scale(img[j][i], 0.55)
    return img


ORANGE = (255, 125, 0)  # palette brush 7, the disc the 3D view ORs the picture with
BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def saturn_for_or(width, height, tilt_deg):
    """Saturn's globe whose bitwise OR with ORANGE looks like the banded planet."""
    flat = globe(width, height, mp.saturn_globe, 0.0, tilt_deg=tilt_deg)  # colour without limb
    lit = globe(width, height, lambda la, lo, p: (255.0, 255.0, 255.0), 0.45, tilt_deg=tilt_deg)
    img = []
    for j in range(height):
        row = []
        for i in range(width):
            r, g, b = flat[j][i]
            cover = lit[j][i][0] / 255.0  # limb darkening times the antialiased edge
            if r <= 0.0 or cover <= 0.02:
                row.append((0.0, 0.0, 0.0))
                continue
            # The colour brought to full red, as the OR makes it, its bands' contrast raised
            # (full red flattens them), then darkened towards the orange disc at the limb.
            L = max(0.0, min(1.0, cover))
            # At most 240: a zone of pure 253 green is the lemon yellow again.
            green = min(240.0, 230.0 + (g * 255.0 / r - 230.0) * 3.0)
            blue = 175.0 + (b * 255.0 / r - 175.0) * 2.5
            green = ORANGE[1] + (green - ORANGE[1]) * L
            blue = blue * L
            f = (green - ORANGE[1]) / (253.0 - ORANGE[1])
            high = f * 16.0 > BAYER4[j % 4][i % 4] + 0.5
            row.append((128.0, 128.0 if high else 0.0, max(1.0, min(255.0, blue))))
        img.append(row)
    return img


def png(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(max(0, min(255, int(round(v)))) for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "src/views/pictures"
    os.makedirs(out, exist_ok=True)
    pictures = {
        "2.png": [row[::-1] for row in globe(212, 198, jupiter_without_spot, 0.5)[::-1]],  # turned 180 degrees
        "8.png": saturn_small(99, 86),
        "10.png": saturn_for_or(197, 200, 12.0),
    }
    for name, rows in pictures.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(png(rows))


if __name__ == "__main__":
    main()
