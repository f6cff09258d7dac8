#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts CS-Q5. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x build/bin/csq5 ]; then
  exec build/bin/csq5 "$@"
fi
exec build/bin/csq5-cli --help
