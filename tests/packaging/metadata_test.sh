#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry, the AppStream metadata, the .acf file type,
# the icon and the manual pages, and that they name one another alike.
# Usage: metadata_test.sh PACKAGING_SOURCE_DIR PACKAGING_BUILD_DIR
set -eu
src=$1 bin=$2
id=io.github.csq5.CSQ5
mime=application/x-csq5-acf

for tool in desktop-file-validate appstreamcli update-mime-database xmllint groff; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop=$src/$id.desktop
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = CS-Q5 ] || fail "Name is '$(key Name)'"
[ "$(key Exec)" = "csq5 %f" ] || fail "Exec is '$(key Exec)'"
echo "$(key Categories)" | grep -q 'HamRadio;' || fail "Categories lack HamRadio"
echo "$(key MimeType)" | grep -q "^$mime;" || fail "MimeType is '$(key MimeType)'"
[ -f "$src/icons/$(key Icon).svg" ] || fail "no icon named '$(key Icon)'"
xmllint --noout "$src/icons/$(key Icon).svg" || fail "the icon is not well-formed"

metainfo=$bin/$id.metainfo.xml
appstreamcli validate --no-net --strict "$metainfo" || fail "the AppStream metadata is not valid"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
grep -q "<mediatype>$mime</mediatype>" "$metainfo" || fail "the metadata does not provide $mime"

# The file type as a desktop sees it once the MIME database is rebuilt:
# *.acf is ours, and nothing else claims it.
mkdir -p "$work/mime/packages"
cp "$src/csq5-mime.xml" "$work/mime/packages/$id.xml"
XDG_DATA_DIRS=$work update-mime-database "$work/mime" || fail "update-mime-database refused the file type"
grep -qx "50:$mime:\*\.acf" "$work/mime/globs2" || fail "*.acf is not $mime: $(cat "$work/mime/globs2")"
grep -qx "$mime text/plain" "$work/mime/subclasses" || fail "$mime is not a kind of text/plain"

for page in "$src"/man/*.1; do
    warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    name=$(basename "$page" .1)
    grep -q "^$name \\\\- " "$page" || fail "$(basename "$page") has no NAME line for $name"
done
echo "desktop entry, metadata, file type, icon and manual pages are valid"
