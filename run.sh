#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the three programs and starts CS-Q5.
# Arguments go to the program as they were typed: the script stays in the
# caller's folder, so a relative path names a file there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/deps.sh"
# Only what is started here; ./test.sh builds the tests and benchmarks. The
# note is for a start that will wait: a program is missing or older than a
# source (the build itself decides exactly what to redo).
for program in csq5 csq5-cli csq5-sim; do
  binary=$here/build/bin/$program
  if [ ! -x "$binary" ] ||
    [ -n "$(find "$here/src" "$here/CMakeLists.txt" -newer "$binary" -print -quit 2>/dev/null)" ]; then
    echo "Building CS-Q5; the first build takes a few minutes."
    break
  fi
done
"$here/scripts/build.sh" build --target csq5 --target csq5-cli --target csq5-sim \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x "$here/build/bin/csq5" ]; then
  exec "$here/build/bin/csq5" "$@"
fi
exec "$here/build/bin/csq5-cli" --help
