#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the already built tree, checks its control
# fields and contents, unpacks it into a scratch root and runs the installed
# csq5-cli and csq5-sim from there against the system's libraries.
# Usage: deb_test.sh CPACK BUILD_DIR VERSION WITH_GUI WITH_PNGS APP_ID
set -eu
cpack=$1 build=$2 version=$3 with_gui=$4 with_pngs=$5 id=$6

for tool in dpkg-deb dpkg-shlibdeps ldd; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$build/packaging-test
rm -rf "$work"
mkdir -p "$work/home" "$work/config"
fail() { echo "FAIL: $*"; exit 1; }

if ! (cd "$build" && "$cpack" -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack could not build the package"
fi
set -- "$work"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one .deb in $work/out, found: $*"
deb=$1

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = csq5 ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = hamradio ] || fail "Section is '$(field Section)'"
# The project maintains it, under an address of its own (not a person's,
# not a placeholder).
case "$(field Maintainer)" in
    "CS-Q5 developers <"*@*">") ;;
    *) fail "Maintainer is '$(field Maintainer)'" ;;
esac
case "$(field Maintainer)" in
    *@example.* | *@localhost*) fail "Maintainer has a placeholder address: $(field Maintainer)" ;;
esac
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
# The library scan must have found the C++ runtime and Qt.
for dep in libc6 libstdc++6 libqt6core6 libqt6serialport6; do
    case ", $depends," in
        *", $dep "* | *", $dep,"*) ;;
        *) fail "Depends lacks $dep: $depends" ;;
    esac
done
if [ "$with_gui" = 1 ]; then
    echo "$depends" | grep -q libqt6widgets6 || fail "Depends lacks libqt6widgets6: $depends"
fi

# Contents.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents.txt"
expect="./usr/bin/csq5-cli ./usr/bin/csq5-sim
./usr/share/applications/$id.desktop
./usr/share/mime/packages/$id.xml
./usr/share/metainfo/$id.metainfo.xml
./usr/share/icons/hicolor/scalable/apps/csq5.svg
./usr/share/doc/csq5/manual/index.html
./usr/share/doc/csq5/README.md ./usr/share/doc/csq5/docs/main-window.png
./usr/share/doc/csq5/copyright ./usr/share/doc/csq5/changelog.gz
./usr/share/doc-base/csq5
./usr/share/man/man1/csq5-cli.1.gz ./usr/share/man/man1/csq5-sim.1.gz"
[ "$with_gui" = 1 ] && expect="$expect ./usr/bin/csq5 ./usr/share/man/man1/csq5.1.gz"
if [ "$with_pngs" = 1 ]; then
    for size in 16 32 48 64 128 256; do
        expect="$expect ./usr/share/icons/hicolor/${size}x${size}/apps/csq5.png"
    done
fi
for path in $expect; do
    grep -qx "$path" "$work/contents.txt" || fail "the package lacks $path"
done
# Nothing of the build's own libraries, headers or test programs.
if grep -E '^\./usr/(lib|include)/|/test_|/ui_' "$work/contents.txt"; then
    fail "the package holds files that are not for installing"
fi

# Unpacked, the programs run on the system's libraries alone.
root=$work/root
dpkg-deb -x "$deb" "$root"

# The changelog's latest entry is this version; the copyright file names
# the licence in Debian's machine-readable form; the manual's registration
# points at the installed manual.
top=$(gzip -dc "$root/usr/share/doc/csq5/changelog.gz" | head -n 1)
[ "$top" = "csq5 ($version) unstable; urgency=medium" ] || fail "the changelog starts '$top'"
copyright=$root/usr/share/doc/csq5/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file does not name GPL-3+"
grep -qx 'Index: /usr/share/doc/csq5/manual/index.html' "$root/usr/share/doc-base/csq5" ||
    fail "the doc-base entry does not point at the installed manual"
for program in "$root"/usr/bin/*; do
    if env -u LD_LIBRARY_PATH ldd "$program" | grep -q 'not found'; then
        env -u LD_LIBRARY_PATH ldd "$program"
        fail "$program needs a library the system lacks"
    fi
done
run() {
    env -u LD_LIBRARY_PATH HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$@"
}
out=$(run "$root/usr/bin/csq5-cli" --version) || fail "csq5-cli --version failed"
[ "$out" = "csq5-cli $version" ] || fail "csq5-cli --version printed '$out'"
run "$root/usr/bin/csq5-cli" new -o "$work/new.acf" || fail "csq5-cli new failed"
[ -s "$work/new.acf" ] || fail "csq5-cli new wrote no file"
run "$root/usr/bin/csq5-cli" check "$work/new.acf" || fail "the new file does not load"
run "$root/usr/bin/csq5-sim" --help >/dev/null || fail "csq5-sim --help failed"

echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, $(wc -l <"$work/contents.txt") entries"
