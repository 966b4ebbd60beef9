#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the catalog library in build-data (or $NALVO_BUILD), compiles verify_readers.cpp against
# it, reads data/ with the program's readers and compares their totals with check_data.py's.
# NALVO_SANITIZE=1 does the same with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-data-asan), so the readers' memory handling is checked on the real files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
if [ "${NALVO_SANITIZE:-0}" = 1 ]; then
  build="${NALVO_BUILD:-$repo/build-data-asan}"
  config=(-DNALVO_SANITIZE=ON -DNALVO_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  flags=(-g -O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
else
  build="${NALVO_BUILD:-$repo/build-data}"
  config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  flags=(-O1)
fi
[ -f "$build/build.ninja" ] || cmake -S "$repo" -B "$build" -G Ninja "${config[@]}" >/dev/null
ninja -C "$build" -j2 catalog >/dev/null
exe="$build/verify_readers"
g++ -std=c++20 "${flags[@]}" -Wall -Wextra -I"$repo/src" -DNALVO_SOURCE_DATA_DIR="\"$repo/data\"" \
    "$here/verify_readers.cpp" "$build/src/catalog/libcatalog.a" "$build/src/astro/libastro.a" -ldate-tz -o "$exe"
cpp="$("$exe" "$repo/data")" || { echo "$cpp"; echo "verify_readers: the readers reported problems"; exit 1; }
echo "$cpp"
py="$(python3 "$here/check_data.py" constel.syt messier.syt ngc.syt lactee.syt comet.syt frontier.syt)"
status=0
while read -r name _ total _; do
  want="$(echo "$py" | grep "^$name:" | head -1 | sed -n 's/.*total \(-\?[0-9]*\)$/\1/p')"
  total="${total%:}"
  if [ "$want" != "$total" ]; then
    echo "verify_readers: $name total $total from the readers, $want from check_data.py"; status=1
  fi
done < <(echo "$cpp" | grep ' total ')
[ $status -eq 0 ] && echo "verify_readers: the program's readers and check_data.py agree on every total"
exit $status
