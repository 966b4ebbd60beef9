#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every catalogue file of data/ from its public source, then checks them all: the
# fscanf emulation (check_data.py), the tools' tests, and the program's own readers
# (verify_readers.sh, which builds the catalog library; skipped with NALVO_NO_CXX=1).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/fetch_sources.sh"
for script in make_stars make_deepsky make_milkyway make_borders make_asteroids make_cities; do
  python3 "$here/$script.py"
done
python3 "$here/update_readme.py"
python3 "$here/check_data.py"
python3 "$here/test_tools.py" 2>&1 | tail -3
[ "${NALVO_NO_CXX:-0}" = 1 ] || "$here/verify_readers.sh"
