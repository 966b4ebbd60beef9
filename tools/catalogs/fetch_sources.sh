#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fetches the public sources of the catalogue files into tools/node_modules and tools/.cache:
#   npm d3-celestial@0.7.35 (BSD-3-Clause): stars, names, figures, borders, deep sky, Milky Way;
#   Debian kstars-data: only usr/share/kstars/asteroids.dat (NASA/JPL Small-Body Database facts).
# The cities come from the machine's own tzdata (/usr/share/zoneinfo), nothing to fetch.
set -euo pipefail
tools="$(cd "$(dirname "$0")/.." && pwd)"
if [ ! -f "$tools/node_modules/d3-celestial/data/stars.14.json" ]; then
  npm install d3-celestial@0.7.35 --ignore-scripts --no-save --no-package-lock --prefix "$tools" >/dev/null
fi
cache="$tools/.cache"
mkdir -p "$cache"
if [ ! -f "$cache/asteroids.dat" ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  # apt-get download needs the package lists; fetch them once when it cannot find the package.
  (cd "$work" && { apt-get download kstars-data >/dev/null 2>&1 ||
                   { apt-get update -qq && apt-get download kstars-data >/dev/null; }; } &&
   dpkg -x kstars-data_*.deb "$work/x")
  cp "$work/x/usr/share/kstars/asteroids.dat" "$cache/asteroids.dat.tmp"
  mv "$cache/asteroids.dat.tmp" "$cache/asteroids.dat"
fi
for f in /usr/share/zoneinfo/zone.tab /usr/share/zoneinfo/iso3166.tab; do
  [ -f "$f" ] || { echo "fetch_sources: $f missing (install tzdata)" >&2; exit 1; }
done
echo "sources ready"
