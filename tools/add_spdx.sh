#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file of src, tests, bench, fuzz, tools,
# scripts and cmake and of the top CMakeLists.txt: "// SPDX-License-Identifier: GPL-3.0-or-later"
# in .cpp, .h and .mjs files, "# SPDX-..." in Python, shell and CMake files (after the "#!" line
# when there is one). A file that already has
# the line is left as it is, so a second run changes nothing.
#
#   tools/add_spdx.sh [ROOT]     (ROOT: the source tree, by default the one holding this script)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
tag="SPDX-License-Identifier: GPL-3.0-or-later"
changed=0
while IFS= read -r -d '' f; do
  case $f in
    *.cpp|*.h|*.mjs) line="// $tag" ;;
    *) line="# $tag" ;;
  esac
  # Already there: in the first two lines (the second after a "#!" line).
  head -n 2 "$f" | grep -qF "SPDX-License-Identifier:" && continue
  tmp=$(mktemp "$f.spdx.XXXXXX")
  if [ "$(head -c 2 "$f")" = "#!" ]; then
    { head -n 1 "$f"; echo "$line"; tail -n +2 "$f"; } >"$tmp"
  else
    { echo "$line"; cat "$f"; } >"$tmp"
  fi
  chmod --reference="$f" "$tmp"
  mv "$tmp" "$f"
  changed=$((changed + 1))
done < <(find src tests bench fuzz tools scripts cmake CMakeLists.txt \( -name node_modules -o -name .cache \) -prune -o -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name '*.mjs' -o -name '*.py' -o -name '*.sh' -o -name '*.cmake' \
              -o -name 'CMakeLists.txt' -o -name '*.cmake.in' \) -print0 2>/dev/null)
# Shell scripts without an extension (tools/*/run and the like): those starting with a shell "#!".
while IFS= read -r -d '' f; do
  case $f in *.*) continue ;; esac
  head -n 1 "$f" | grep -qE '^#!.*(bash|sh)$' || continue
  head -n 2 "$f" | grep -qF "SPDX-License-Identifier:" && continue
  tmp=$(mktemp "$f.spdx.XXXXXX")
  { head -n 1 "$f"; echo "# $tag"; tail -n +2 "$f"; } >"$tmp"
  chmod --reference="$f" "$tmp"
  mv "$tmp" "$f"
  changed=$((changed + 1))
done < <(find src tests bench fuzz tools scripts cmake CMakeLists.txt \( -name node_modules -o -name .cache \) -prune -o -type f -print0 2>/dev/null)
echo "add_spdx: $changed files changed"
