#!/usr/bin/env bash
# Regenerates every catalogue file of data/ from its public source and checks them all.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/fetch_sources.sh"
for script in make_stars make_deepsky make_milkyway make_borders make_asteroids make_cities; do
  [ -f "$here/$script.py" ] && python3 "$here/$script.py"
done
python3 "$here/update_readme.py"
python3 "$here/check_data.py"
