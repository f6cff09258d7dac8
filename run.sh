#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the three programs and starts CS-Q5.
# Arguments go to the program as they were typed: the script stays in the
# caller's folder, so a relative path names a file there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/deps.sh"
# Only what is started here; ./test.sh builds the tests and benchmarks.
echo "Building CS-Q5; the first build takes a few minutes."
"$here/scripts/build.sh" build --target csq5 --target csq5-cli --target csq5-sim \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x "$here/build/bin/csq5" ]; then
  exec "$here/build/bin/csq5" "$@"
fi
exec "$here/build/bin/csq5-cli" --help
