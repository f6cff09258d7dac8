#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the RPM from the already built tree, as the Debian package is built
# from it: its header (name, version, licence, the library dependencies
# rpmbuild found), its files (the same as the Debian package's), its
# changelog, and rpmlint with no error.
# Usage: rpm_test.sh CPACK BUILD_DIR VERSION WITH_GUI APP_ID
set -eu
cpack=$1 build=$2 version=$3 with_gui=$4 id=$5
for tool in rpmbuild rpm rpmlint; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

work=$build/packaging-rpm-test
rm -rf "$work"
mkdir -p "$work"
if ! (cd "$build" && "$cpack" -G RPM -B "$work/out") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack could not build the RPM"
fi
set -- "$work"/out/*.rpm
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one .rpm in $work/out, found: $*"
rpm=$1
case $(basename "$rpm") in csq5-"$version"-1.*.rpm) ;; *) fail "the RPM is named $(basename "$rpm")" ;; esac

tag() { rpm -qp --qf "%{$1}" "$rpm" 2>/dev/null; }
[ "$(tag NAME)" = csq5 ] || fail "Name is '$(tag NAME)'"
[ "$(tag VERSION)" = "$version" ] || fail "Version is '$(tag VERSION)', not $version"
[ "$(tag LICENSE)" = GPL-3.0-or-later ] || fail "License is '$(tag LICENSE)'"
requires=$(rpm -qp --requires "$rpm" 2>/dev/null)
libraries="libQt6Core.so.6 libQt6SerialPort.so.6 libstdc++.so.6 libc.so.6"
[ "$with_gui" = 1 ] && libraries="$libraries libQt6Widgets.so.6"
for lib in $libraries; do
    echo "$requires" | grep -q "^$lib(" || fail "Requires lacks $lib: $requires"
done

rpm -qpl "$rpm" 2>/dev/null >"$work/contents.txt"
expect="/usr/bin/csq5-cli /usr/bin/csq5-sim
/usr/share/applications/$id.desktop
/usr/share/mime/packages/$id.xml
/usr/share/metainfo/$id.metainfo.xml
/usr/share/icons/hicolor/scalable/apps/csq5.svg
/usr/share/doc/csq5/manual/index.html /usr/share/doc/csq5/README.md
/usr/share/doc/csq5/copyright /usr/share/doc/csq5/changelog.gz /usr/share/doc/csq5/LICENSE
/usr/share/man/man1/csq5-cli.1.gz /usr/share/man/man1/csq5-sim.1.gz"
[ "$with_gui" = 1 ] && expect="$expect /usr/bin/csq5 /usr/share/man/man1/csq5.1.gz"
for path in $expect; do
    grep -qx "$path" "$work/contents.txt" || fail "the RPM lacks $path"
done
# It owns no folder of the system (rpm would refuse to install it beside
# the packages that own them).
for dir in /usr/share/applications /usr/share/man/man1 /usr/share/icons/hicolor \
    /usr/share/icons/hicolor/scalable/apps /usr/share/mime/packages /usr/share/metainfo; do
    if grep -qx "$dir" "$work/contents.txt"; then fail "the RPM owns $dir"; fi
done
rpm -qpL "$rpm" 2>/dev/null | grep -qx /usr/share/doc/csq5/LICENSE || fail "the RPM marks no licence file"
rpm -qp --changelog "$rpm" 2>/dev/null | head -n 1 | grep -q "> - $version-1$" ||
    fail "the RPM's changelog starts: $(rpm -qp --changelog "$rpm" 2>/dev/null | head -n 1)"

# rpmlint judges by Fedora's and openSUSE's rules (rpmlint.toml beside this
# script: the few settings of a build from source); errors fail, warnings
# are listed.
rpmlint -c "$(dirname "$0")/rpmlint.toml" "$rpm" >"$work/rpmlint.txt" 2>&1 || true
cat "$work/rpmlint.txt"
if grep -q ': E: ' "$work/rpmlint.txt"; then fail "rpmlint reports errors for $(basename "$rpm")"; fi
grep -qE '[0-9]+ packages and [0-9]+ specfiles checked; 0 errors' "$work/rpmlint.txt" ||
    fail "rpmlint did not check the package"
echo "$(basename "$rpm"): $(stat -c %s "$rpm") bytes, $(wc -l <"$work/contents.txt") files, no rpmlint error"
