#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds CS-Q5 into a build folder:
#   scripts/build.sh [FOLDER] [--target NAME]... [cmake options...]
# Without --target everything is built (tests and benchmarks included).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
targets=()
options=()
while [ $# -gt 0 ]; do
  if [ "$1" = --target ]; then
    [ $# -ge 2 ] || { echo "scripts/build.sh: --target needs a name" >&2; exit 2; }
    targets+=(--target "$2")
    shift 2
  else
    options+=("$1")
    shift
  fi
done
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${generator[@]}" "${options[@]}"
else
  cmake -S . -B "$dir" "${options[@]}" >/dev/null
fi
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
