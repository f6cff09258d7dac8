#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program as a screen reader meets it: on an X server of its own
# (Xvfb) and a private D-Bus session with the accessibility bus, the program
# starts on a profile of its own and atspi_tree.py reads its tree. Reported
# as skipped where a tool is not installed (Xvfb, dbus-run-session,
# at-spi2-core, python3-pyatspi).
# Usage: atspi_test.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed (xvfb)"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed (dbus)"; exit 77; }
[ -x "$launcher" ] || { echo "SKIP: $launcher is not installed (at-spi2-core)"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: pyatspi is not installed (python3-pyatspi)"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A profile that knows the receiver's version: the main window opens.
mkdir -p "$work/config/CS-Q5"
printf '[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n' \
    >"$work/config/CS-Q5/CSQ5.rs"

# A display of our own. Xvfb -displayfd would pick the first free number
# itself, but on its way past a display in use it removes that server's
# socket file, and another test's program can then no longer connect. With
# a number given, a display in use only makes Xvfb stop: the next is tried.
# Xvfb writes the number to fd 3 when it is ready.
display=$((100 + $$ % 800))
xvfb_pid=
for attempt in $(seq 1 40); do
    : >"$work/display"
    Xvfb ":$display" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ "$tries" -le 300 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
    [ -s "$work/display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    display=$((display + 1))
done
if [ -z "$xvfb_pid" ]; then
    cat "$work/xvfb.log"
    echo "FAIL: Xvfb did not start"
    exit 1
fi

export DISPLAY=":$(cat "$work/display")" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work" HOME="$work" \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset WAYLAND_DISPLAY
# Inside the session: the accessibility bus, the program, then the reader;
# the program ends with the session.
dbus-run-session -- sh -c '
    "$1" --launch-immediately >/dev/null 2>&1 &
    "$2" >"$4/program.log" 2>&1 &
    program_pid=$!
    status=0
    /usr/bin/python3 "$3" || status=$?
    kill "$program_pid" 2>/dev/null || true
    exit $status
' sh "$launcher" "$program" "$here/atspi_tree.py" "$work" 2>"$work/dbus.log" || {
    status=$?
    echo "--- D-Bus session:"; cat "$work/dbus.log"
    echo "--- program:"; cat "$work/program.log"
    exit $status
}
