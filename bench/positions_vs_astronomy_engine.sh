#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rate of nalvo-cli positions against Astronomy Engine over the same instants: body positions per
# second of each (the Sun, the Moon and the planets Mercury to Pluto: 10 per instant; the Earth's
# row of zeros is not counted) and their ratio.
#   bench/positions_vs_astronomy_engine.sh [FROM TO STEP]   default 1900-01-01T00:00 2100-01-01T00:00 16h
# Needs a built build/nalvo-cli and node; installs astronomy-engine into bench/node_modules once.
set -euo pipefail
cd "$(dirname "$0")/.."
from=${1:-1900-01-01T00:00}
to=${2:-2100-01-01T00:00}
step=${3:-16h}
case $step in
  *m) step_min=${step%m} ;;
  *h) step_min=$((${step%h} * 60)) ;;
  *d) step_min=$((${step%d} * 1440)) ;;
  *) echo "step must be N{m,h,d}" >&2; exit 2 ;;
esac
if [ ! -d bench/node_modules/astronomy-engine ]; then
  npm install --no-save --no-package-lock --prefix bench astronomy-engine@2.1.19 >/dev/null
fi

start=$(date +%s.%N)
build/nalvo-cli positions --from "$from" --to "$to" --step "$step" --data data >/dev/null
end=$(date +%s.%N)
# Rows of instants (header line excluded), 10 bodies each.
instants=$(build/nalvo-cli positions --from "$from" --to "$to" --step "$step" --data data | awk -F, 'NR > 1 && $2 == "Sun"' | wc -l)
nalvo_positions=$((instants * 10))
nalvo_seconds=$(echo "$end - $start" | bc -l)

read -r ae_positions ae_seconds _ < <(node bench/positions_vs_astronomy_engine.mjs "$from" "$to" "$step_min")

awk -v np="$nalvo_positions" -v ns="$nalvo_seconds" -v ap="$ae_positions" -v as="$ae_seconds" 'BEGIN {
  nr = np / ns; ar = ap / as;
  printf "nalvo-cli positions   %9d positions  %8.3f s  %12.0f positions/s\n", np, ns, nr;
  printf "Astronomy Engine      %9d positions  %8.3f s  %12.0f positions/s\n", ap, as, ar;
  printf "ratio                 %.1f\n", nr / ar;
}'
