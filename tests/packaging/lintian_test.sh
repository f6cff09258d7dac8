#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Debian's lintian on the package that packaging_deb built: no error and
# no warning; informational tags are listed but allowed.
# Usage: lintian_test.sh BUILD_DIR
set -eu
build=$1
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }
set -- "$build"/packaging-test/out/*.deb
[ -f "$1" ] || { echo "SKIP: no package was built (packaging_deb did not run)"; exit 77; }
# lintian refuses nothing as root but says so on stderr; keep the output.
if ! lintian --fail-on error,warning --info --display-info "$1"; then
    echo "FAIL: lintian reports errors or warnings for $(basename "$1")"
    exit 1
fi
echo "$(basename "$1"): no lintian errors or warnings"
