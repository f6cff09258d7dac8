#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# An install from source into a prefix of its own, as `cmake --install` does
# it into the running system: the desktop caches know the .acf type, its
# launcher and the icon at once, the manual page names the HTML manual of
# this prefix, every link of the installed documents resolves; the uninstall then leaves the prefix exactly as it was. A
# staged install (DESTDIR, as package builds do) builds no cache and does not
# mislead the uninstall.
# The build folder's own record of a real install is put back afterwards.
# Usage: install_test.sh BUILD_DIR APP_ID
set -eu
build=$1 id=$2
mime=application/x-csq5-acf
fail() { echo "FAIL: $*"; exit 1; }
for tool in update-mime-database update-desktop-database xdg-mime; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
saved="install_manifest.txt install_record.txt"
for f in $saved; do
    [ ! -e "$build/$f" ] || cp -p "$build/$f" "$work/$f" || fail "cannot keep $build/$f"
done
restore() {
    for f in $saved; do
        if [ -e "$work/$f" ]; then cp -p "$work/$f" "$build/$f"; else rm -f "$build/$f"; fi
    done
    rm -rf "$work"
}
trap restore EXIT

# A prefix that already holds something of its own: a program, an empty
# manual folder, a launcher of another program and its file type.
prefix=$work/prefix
mkdir -p "$prefix/bin" "$prefix/share/man/man1" "$prefix/share/applications" \
    "$prefix/share/mime/packages"
echo '#!/bin/sh' >"$prefix/bin/other"
printf '[Desktop Entry]\nType=Application\nName=Other\nExec=other\n' \
    >"$prefix/share/applications/other.desktop"
snapshot() { (cd "$prefix" && find . \( -type f -printf '%p %s\n' \) -o -printf '%p %y\n' | sort); }
snapshot >"$work/before"

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
[ -s "$prefix/share/mime/mime.cache" ] || fail "the install built no MIME cache"
grep -qx "50:$mime:\*\.acf" "$prefix/share/mime/globs2" || fail "*.acf is not $mime in the prefix"
grep -q "^$mime=$id.desktop;" "$prefix/share/applications/mimeinfo.cache" ||
    fail "the launcher cache does not open $mime with $id.desktop"
if command -v gtk-update-icon-cache >/dev/null; then
    [ -s "$prefix/share/icons/hicolor/icon-theme.cache" ] || fail "the install built no icon cache"
fi
# What a desktop asks: which program opens .acf files.
opener=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_DIRS="$prefix/share" \
    XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" xdg-mime query default $mime)
[ "$opener" = "$id.desktop" ] || fail "xdg-mime opens $mime with '$opener'"
gzip -dc "$prefix/share/man/man1/csq5-cli.1.gz" >/dev/null || fail "csq5-cli.1.gz is not gzip"
if [ -f "$prefix/share/man/man1/csq5.1.gz" ]; then
    gzip -dc "$prefix/share/man/man1/csq5.1.gz" | grep -qF "$prefix/share/doc/csq5/manual" ||
        fail "csq5(1) does not name $prefix/share/doc/csq5/manual"
fi

# Every link of the installed README and HTML manual leads to an installed
# file (addresses on the net and places within a page aside).
doc=$prefix/share/doc/csq5
for page in "$doc/README.md" "$doc"/manual/*.html; do
    case $page in
        *.md) links=$(grep -oE '\]\([^) ]+\)' "$page" | sed -E 's/^\]\(//; s/\)$//') ;;
        *) links=$(grep -oE '(href|src)="[^"]+"' "$page" | sed -E 's/^[a-z]+="//; s/"$//') ;;
    esac
    for link in $links; do
        case $link in *:* | "#"*) continue ;; esac
        [ -e "$(dirname "$page")/${link%%#*}" ] ||
            fail "the installed $(basename "$page") links $link, which is not installed"
    done
done

# Staged, as a package build does: files only and no cache; and the
# uninstall below still follows the real install, although the staged one
# wrote the build folder's install manifest anew.
DESTDIR=$work/stage cmake --install "$build" --prefix /usr >"$work/stage.log" 2>&1 ||
    { cat "$work/stage.log"; fail "the staged install failed"; }
[ -f "$work/stage/usr/share/mime/packages/$id.xml" ] || fail "the staged install lacks the file type"
if find "$work/stage" -name mime.cache -o -name mimeinfo.cache -o -name icon-theme.cache | grep .; then
    fail "the staged install built desktop caches"
fi
cmake -P "$build/uninstall.cmake" >"$work/uninstall.log" 2>&1 ||
    { cat "$work/uninstall.log"; fail "the uninstall failed"; }
snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "the uninstall left the prefix changed (< before, > after)"

echo "install and uninstall in $prefix: caches built, the prefix as it was afterwards"
