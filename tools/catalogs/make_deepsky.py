#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the deep-sky files from npm d3-celestial 0.7.35 (BSD-3-Clause; Messier data from SEDS,
NGC/IC objects from the Saguaro Astronomy Club database 8.1):

- data/messier.syt: the 110 Messier objects, "Nombre d'objets:%d" then
  "\\n\\nM:%d\\nType:%d\\nNom:%s\\nCoordonnées:%d %lf %d %d %lf";
- data/ngc.syt: the brightest NGC objects that are not Messier objects, as many as the 400 shared
  deep-sky slots leave, "Nombre:%d" then "\\nNGC:%d\\n%d %d %lf %d %d";
- data/ngc2000.dat: every NGC and IC object of the source in the 97-column NGC 2000.0 layout
  (name 1-5, type 7-9, RA h 11-12, RA min 14-17, Dec sign 20, deg 21-22, arcmin 24-25,
  constellation 30-32 from the IAU boundaries, size 34-38, magnitude 41-44, description 47-96),
  for the streamed layer.
"""

import re

from common import cp1252_word, d3_json, ra360, split_dm, split_hm, write_cp1252
from constellation_of import ConstellationFinder

DEEP_SKY_SLOTS = 400

# Stored type codes of the model: 1 nebula, 2 globular cluster, 3 open cluster, 4 galaxy,
# 5 elliptic galaxy, 6 spiral galaxy, 7 spiral galaxy seen edge-on, 8 irregular galaxy.
NEBULA, GLOBULAR, OPEN, GALAXY, ELLIPTIC, SPIRAL, SPIRAL_EDGE_ON, IRREGULAR = range(1, 9)

D3_TYPES = {
    "gc": GLOBULAR, "oc": OPEN, "pos": OPEN,  # asterisms and star clouds draw as clusters
    "g": GALAXY, "gg": GALAXY, "e": ELLIPTIC, "s0": ELLIPTIC, "sd": ELLIPTIC,
    "s": SPIRAL, "i": IRREGULAR,
    "pn": NEBULA, "bn": NEBULA, "en": NEBULA, "rn": NEBULA, "dn": NEBULA, "sfr": NEBULA,
    "snr": NEBULA,
}

# The NGC reader translates the file's code (7 -> 4, 6 -> 8, 4 -> 6, 3 -> 2, 2 -> 3, others
# unchanged); these are the file codes that give each stored code.
NGC_FILE_CODE = {NEBULA: 1, GLOBULAR: 3, OPEN: 2, GALAXY: 7, ELLIPTIC: 5, SPIRAL: 4,
                 SPIRAL_EDGE_ON: 4, IRREGULAR: 6}

# Type letters of ngc2000.dat, columns 7-9: the map draws " Gx", " OC", " Gb", " Nb" and " Pl".
NGC2000_TYPES = {
    "g": " Gx", "gg": " Gx", "e": " Gx", "s0": " Gx", "sd": " Gx", "s": " Gx", "i": " Gx",
    "oc": " OC", "pos": "Ast", "gc": " Gb", "pn": " Pl", "bn": " Nb", "en": " Nb", "rn": " Nb",
    "sfr": " Nb", "snr": " Nb", "dn": " Nb",
}


def axes(dim):
    """Largest and smallest dimension in arcminutes from "a" or "axb"; None when unknown."""
    nums = [float(x) for x in re.findall(r"[0-9.]+", dim or "") if x not in (".",)]
    if not nums:
        return None, None
    return max(nums), min(nums)


def stored_type(d3_type, dim):
    t = D3_TYPES.get(d3_type)
    if t is None:
        raise SystemExit(f"unknown d3-celestial type {d3_type!r}")
    if t == SPIRAL:
        big, small = axes(dim)
        if big and small and small / big < 0.35:
            t = SPIRAL_EDGE_ON
    return t


def magnitude(text):
    try:
        m = float(text)
    except (TypeError, ValueError):
        return None
    return None if m >= 99 else m


def ngc_number(desig):
    m = re.match(r"NGC (\d+)", desig or "")
    return int(m.group(1)) if m else None


def dec_fields(dec):
    """Whole degrees and minutes as the Messier and NGC readers take them: the sign is taken from
    the degrees, so south of the equator within a degree the minutes carry it ("0 -30")."""
    sign, d, m = split_dm(dec)
    if sign < 0:
        return (-d, m) if d else (0, -m)
    return d, m


def messier_objects():
    out = []
    for f in d3_json("messier.json")["features"]:
        p = f["properties"]
        lon, lat = f["geometry"]["coordinates"]
        out.append({
            "number": int(p["name"][1:]), "ra": ra360(lon), "dec": lat, "mag": magnitude(p["mag"]),
            "type": stored_type(p["type"], p["dim"]), "d3type": p["type"], "alt": p["alt"],
            "desig": p["desig"], "dim": p["dim"],
        })
    out.sort(key=lambda o: o["number"])
    if [o["number"] for o in out] != list(range(1, 111)):
        raise SystemExit("messier.json does not hold M1 to M110")
    return out


def messier_text(objs):
    lines = [f"Nombre d'objets:{len(objs)}"]
    for o in objs:
        h, m = split_hm(o["ra"], 2)
        d, dm = dec_fields(o["dec"])
        if o["alt"]:
            name = cp1252_word(o["alt"], 30)
        elif o["desig"]:
            name = cp1252_word(o["desig"].replace(" ", ""), 30)
        else:
            name = "_"
        mag = o["mag"] if o["mag"] is not None else 0.0
        lines.append(f"\n\nM:{o['number']}\nType:{o['type']}\nNom:{name}\n"
                     f"Coordonnées:{h} {m:.2f} {d} {dm} {mag:.1f}")
    lines.append("\n")
    return "".join(lines)


def ngc_ic_objects(messier):
    """Every NGC and IC object of dsos.20.json, plus the Messier objects under their NGC or IC
    number (d3-celestial lists those under M)."""
    names = d3_json("dsonames.json")
    objs = {}
    for f in d3_json("dsos.20.json")["features"]:
        p = f["properties"]
        m = re.match(r"(NGC|IC) (\d+)$", p["desig"])
        if not m:
            continue
        lon, lat = f["geometry"]["coordinates"]
        entry = names.get(p["desig"]) or names.get(f["id"]) or {}
        objs[(m.group(1), int(m.group(2)))] = {
            "cat": m.group(1), "number": int(m.group(2)), "ra": ra360(lon), "dec": lat,
            "d3type": p["type"], "dim": p["dim"], "mag": magnitude(p["mag"]),
            "name": entry.get("name", ""), "morph": p.get("morph", ""), "messier": None,
        }
    for o in messier:
        m = re.match(r"(NGC|IC) (\d+)", o["desig"] or "")
        if not m:
            continue
        key = (m.group(1), int(m.group(2)))
        if key not in objs:
            objs[key] = {
                "cat": key[0], "number": key[1], "ra": o["ra"], "dec": o["dec"],
                "d3type": o["d3type"], "dim": o["dim"], "mag": o["mag"], "name": o["alt"],
                "morph": "", "messier": o["number"], "from_messier": True,
            }
        else:
            objs[key]["messier"] = o["number"]
    return [objs[k] for k in sorted(objs, key=lambda k: (k[0] != "NGC", k[1]))]


def ngc_text(objs):
    lines = [f"Nombre:{len(objs)}"]
    for o in objs:
        h, m = split_hm(o["ra"], 1)
        d, dm = dec_fields(o["dec"])
        code = NGC_FILE_CODE[stored_type(o["d3type"], o["dim"])]
        lines.append(f"\nNGC:{o['number']}\n{code} {h} {m:.1f} {d} {dm}")
    lines.append("\n")
    return "".join(lines)


def ngc2000_line(o, const=""):
    name = f"{o['number']:5d}" if o["cat"] == "NGC" else f"I{o['number']:4d}"
    h, m = split_hm(o["ra"], 1)
    sign, d, dm = split_dm(o["dec"])
    big, _ = axes(o["dim"])
    size = f"{big:5.1f}" if big is not None and big < 1000 else " " * 5
    mag = f"{o['mag']:4.1f}" if o["mag"] is not None and o["mag"] < 100 else " " * 4
    desc = []
    if o["messier"]:
        desc.append(f"M {o['messier']}")
    if o["name"]:
        desc.append(o["name"])
    if o["morph"]:
        desc.append(o["morph"])
    text = "; ".join(desc).encode("cp1252", "replace").decode("cp1252")[:50]
    line = (f"{name} {NGC2000_TYPES[o['d3type']]} {h:02d} {m:04.1f}  {'-' if sign < 0 else '+'}"
            f"{d:02d} {dm:02d}    {const:<3} {size}  {mag}  {text:<50} ")
    if len(line) != 97:
        raise SystemExit(f"ngc2000 record of {len(line)} columns: {line!r}")
    return line + "\n"


def main():
    messier = messier_objects()
    write_cp1252("messier.syt", messier_text(messier))

    all_objs = ngc_ic_objects(messier)
    bright = [o for o in all_objs
              if o["cat"] == "NGC" and o["messier"] is None and o["mag"] is not None]
    bright.sort(key=lambda o: (o["mag"], o["number"]))
    chosen = sorted(bright[: DEEP_SKY_SLOTS - len(messier)], key=lambda o: o["number"])
    write_cp1252("ngc.syt", ngc_text(chosen))

    finder = ConstellationFinder()
    write_cp1252("ngc2000.dat", "".join(ngc2000_line(o, finder.find(o["ra"], o["dec"]) or "")
                                        for o in all_objs))
    n_ngc = sum(1 for o in all_objs if o["cat"] == "NGC")
    print(f"messier.syt: {len(messier)} objects")
    print(f"ngc.syt: {len(chosen)} objects, magnitudes to {max(o['mag'] for o in chosen):.1f}")
    n_m = sum(1 for o in all_objs if o.get("from_messier"))
    print(f"ngc2000.dat: {len(all_objs)} records ({n_ngc} NGC, {len(all_objs) - n_ngc} IC, "
          f"{n_m} of them from the Messier data)")


if __name__ == "__main__":
    main()
