#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates one part of the desktop integration, each with its own tool, so
# that a missing tool skips only its part (exit 77, reported as skipped):
#   desktop    the desktop entry (desktop-file-validate: no error, no warning)
#   appstream  the AppStream metadata (appstreamcli --pedantic: no remark)
#   filetype   the .acf file type as a desktop's MIME database sees it
#   manpages   the manual pages, and the icon the desktop entry names
# All parts check that the files name one another alike.
# Usage: metadata_test.sh PART PACKAGING_SOURCE_DIR PACKAGING_BUILD_DIR APP_ID
set -eu
part=$1 src=$2 bin=$3 id=$4
mime=application/x-csq5-acf

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop=$src/$id.desktop
metainfo=$bin/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
[ -f "$metainfo" ] || fail "no AppStream metadata $id.metainfo.xml"
key() { sed -n "s/^$1=//p" "$desktop"; }

case $part in
desktop)
    need desktop-file-validate
    # Exit status 0 allows warnings; hints (suggestions) are fine.
    desktop-file-validate "$desktop" >"$work/out" 2>&1 || { cat "$work/out"; fail "the desktop entry is not valid"; }
    cat "$work/out"
    if grep -E ': (error|warning):' "$work/out" >/dev/null; then fail "the desktop entry has errors or warnings"; fi
    [ "$(key Name)" = CS-Q5 ] || fail "Name is '$(key Name)'"
    [ "$(key Exec)" = "csq5 %f" ] || fail "Exec is '$(key Exec)'"
    echo "$(key Categories)" | grep -q 'HamRadio;' || fail "Categories lack HamRadio"
    echo "$(key MimeType)" | grep -q "^$mime;" || fail "MimeType is '$(key MimeType)'"
    ;;
appstream)
    need appstreamcli
    appstreamcli validate --pedantic --no-net "$metainfo" >"$work/out" 2>&1 ||
        { cat "$work/out"; fail "the AppStream metadata is not valid"; }
    cat "$work/out"
    # Every remark, pedantic ones included, is a line "X: id:line: tag ...".
    if grep -E '^[EWIP]: ' "$work/out" >/dev/null; then fail "appstreamcli has remarks"; fi
    grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $id.desktop"
    grep -q "<mediatype>$mime</mediatype>" "$metainfo" || fail "the metadata does not provide $mime"
    grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
        fail "the metadata does not name the licence"
    ;;
filetype)
    need update-mime-database
    # *.acf is ours once the MIME database is rebuilt, and nothing else
    # claims it; the package installs the type under the program's id.
    mkdir -p "$work/mime/packages"
    cp "$src/csq5-mime.xml" "$work/mime/packages/$id.xml"
    XDG_DATA_DIRS=$work update-mime-database "$work/mime" || fail "update-mime-database refused the file type"
    grep -qx "50:$mime:\*\.acf" "$work/mime/globs2" || fail "*.acf is not $mime: $(cat "$work/mime/globs2")"
    grep -qx "$mime text/plain" "$work/mime/subclasses" || fail "$mime is not a kind of text/plain"
    ;;
manpages)
    need xmllint groff
    [ -f "$src/icons/$(key Icon).svg" ] || fail "no icon named '$(key Icon)'"
    xmllint --noout "$src/icons/$(key Icon).svg" || fail "the icon is not well-formed"
    for page in "$src"/man/*.1; do
        warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
        [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
        name=$(basename "$page" .1)
        grep -q "^$name \\\\- " "$page" || fail "$(basename "$page") has no NAME line for $name"
    done
    ;;
*)
    fail "no part '$part'"
    ;;
esac
echo "$part: valid"
