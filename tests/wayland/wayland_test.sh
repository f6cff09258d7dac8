#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window program's Wayland check on a compositor of its own: Weston
# with its headless backend, in a private runtime folder, so that it meets
# no other session and no other copy of this test. Reported as skipped where
# weston or Qt's Wayland platform plug-in (qt6-wayland) is not installed.
# PROGRAM is a QtTest program; the test functions named after it are left
# out (what the platform itself cannot do; a name it does not have leaves
# nothing out).
# Usage: wayland_test.sh QT_PLUGIN_DIR PROGRAM [FUNCTION_LEFT_OUT...]
set -eu
plugins=$1 program=$2
shift 2
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
[ -f "$plugins/platforms/libqwayland-generic.so" ] ||
    { echo "SKIP: Qt's Wayland platform plug-in (qt6-wayland) is not installed"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=csq5-wayland-test
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --no-config --idle-time=0 \
    --socket="$socket" --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
# The compositor is ready when its socket is there (at most 20 s).
tries=0
while [ ! -S "$runtime/$socket" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        cat "$runtime/weston.log"
        echo "FAIL: weston did not start"
        exit 1
    fi
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ]; then
        cat "$runtime/weston.log"
        echo "FAIL: weston's socket did not appear"
        exit 1
    fi
    sleep 0.1
done

functions=""
if [ $# -gt 0 ]; then
    all=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime "$program" -functions 2>/dev/null | sed -n 's/()$//p')
    for f in $all; do
        case " $* " in *" $f "*) ;; *) functions="$functions $f" ;; esac
    done
fi
# shellcheck disable=SC2086 # one word per test function
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" $functions
