#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the help pages (data/help/images), drawn by the program itself through
# `nalvo-cli render` from the shipped data: a winter evening at Annecy, default settings.
# Usage: tools/help/make_screenshots.sh [path/to/nalvo-cli]   (default: build/nalvo-cli)
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${1:-build/nalvo-cli}"
out=data/help/images
mkdir -p "$out"
# A private settings folder, so that the user's own Nalvo.ini does not change the pictures.
export XDG_CONFIG_HOME="$(mktemp -d)" XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
export NALVO_DATA="$PWD/data"
when=2026-12-15T19:00
place=(--lat 45.9 --lon 6.2)
"$cli" render --view 13 --date "$when" "${place[@]}" --out "$out/circular.png"
"$cli" render --view 14 --date "$when" "${place[@]}" --out "$out/azimutal.png"
"$cli" render --view 10 --date "$when" "${place[@]}" --out "$out/equidistant.png"
"$cli" render --view 11 --date "$when" "${place[@]}" --out "$out/quadratic.png"
"$cli" render --view 12 --date "$when" "${place[@]}" --out "$out/trajectories.png"
"$cli" render --view 13 --date "$when" "${place[@]}" --scheme white --out "$out/circular-white.png"
"$cli" render --view 13 --date "$when" "${place[@]}" --scheme bw --out "$out/circular-bw.png"
