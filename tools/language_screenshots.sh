#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's pictures of the window program in another language, taken
# under Xvfb (packages xvfb, x11-apps, xdotool):
#   tools/language_screenshots.sh de     -> docs/main-window-de.png, docs/edit-memory-de.png
# Run from the source folder after a build (build/bin/csq5).
set -euo pipefail
cd "$(dirname "$0")/.."
lang=${1:?language code, e.g. de}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# A profile that knows the receiver's version, so that the main window
# opens, and no backups or settings of the user's are touched.
mkdir -p "$work/config/CS-Q5" "$work/data"
printf '[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n' \
    >"$work/config/CS-Q5/CSQ5.rs"

# Xvfb picks a free display and names it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1100x760x24 -nolisten tcp 3>"$work/display" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=xcb \
    build/bin/csq5 --lang "$lang" &

main=$(xdotool search --sync --onlyvisible --name ' - CS-Q5')
sleep 1
shot() {  # window id, picture
    xwd -id "$1" -silent >"$work/shot.xwd"
    python3 tools/xwd_png.py "$work/shot.xwd" "$2"
}
shot "$main" "docs/main-window-$lang.png"

# Edit Memory on a VFO channel: a double-click on the row of 145 MHz.
xdotool mousemove --window "$main" 320 178 click --repeat 2 --delay 80 1
sleep 1
dialog=
for w in $(xdotool search --onlyvisible --class csq5); do
    [ "$w" = "$main" ] || dialog=$w
done
[ -n "$dialog" ] || { echo "Edit Memory did not open" >&2; exit 1; }
shot "$dialog" "docs/edit-memory-$lang.png"
