#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's command-line examples run as a user pastes them, against the
# receiver simulator, and the manual pages against the programs' own help.
#  - "Command line": every line, with COM1 tied to the simulator by a
#    ComDevice(1) line in the profile, as "Troubleshooting" tells;
#  - "Troubleshooting": the simulator block, with its /tmp/ paths moved to a
#    folder of this run (other copies of the suite run at the same time): it
#    leaves nothing in the folder it runs in and keeps its read apart from
#    the real backups;
#  - csq5-cli(1) and csq5-sim(1) describe every command, option and fault
#    that --help lists.
# Usage: readme_test.sh SOURCE_DIR BIN_DIR
set -eu
src=$1 bin=$2
readme=$src/README.md
fail() {
    echo "FAIL: $*"
    exit 1
}
# A profile beside the programs would be used instead of the one set up here.
if [ -e "$bin/CSQ5.rs" ]; then
    echo "SKIP: $bin/CSQ5.rs exists; the programs would use that profile"
    exit 77
fi

work=$(mktemp -d)
sims=()
cleanup() {
    for pid in "${sims[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export PATH=$bin:$PATH
mkdir -p "$HOME" "$work/tmp"

# The lines of the README's ```sh block that contains the text $1 (its
# indentation taken off).
block() {
    awk -v pat="$1" '
        /^ *```sh$/ { inb = 1; b = ""; next }
        inb && /^ *```$/ { inb = 0; if (index(b, pat)) { printf "%s", b; exit } next }
        inb { line = $0; sub(/^ +/, "", line); b = b line "\n" }' "$readme"
}

# Starts csq5-sim with --link in the background, in the folder $1, by the
# command $2, and waits until the simulator has printed its terminal: by
# then the link is there. Its output stays open until the end; the command
# replaces the shell that runs it, so its process id is the simulator's.
n=0
start_sim() {
    n=$((n + 1))
    fifo=$work/sim$n.out
    mkfifo "$fifo"
    (cd "$1" && eval "exec $2") >"$fifo" &
    sims+=($!)
    exec {fd}<"$fifo"
    read -r -u "$fd" tty || fail "the simulator did not start: $2"
    case $tty in /dev/*) ;; *) fail "the simulator printed '$tty'" ;; esac
}

# Runs the lines of a block in a folder of their own; each must succeed.
# A line ending in "&" starts the simulator, "kill %1" ends it.
run_block() {
    local name=$1 dir=$2 lines=$3
    mkdir -p "$dir"
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        command=${line%%#*}
        command=${command%"${command##*[! ]}"}
        case $command in
            *"&")
                start_sim "$dir" "${command%&}"
                ;;
            "kill %1")
                kill "${sims[-1]}" || fail "$name: $line"
                wait "${sims[-1]}" || true
                ;;
            *)
                out=$(cd "$dir" && eval "$command" 2>&1) || fail "$name: '$line' failed:
$out"
                echo "$out" >>"$dir/output.txt"
                ;;
        esac
    done <<<"$lines"
}

# --- Command line: COM1 is the simulator, through the profile.
lines=$(block "csq5-cli setup --port COM1")
[ -n "$lines" ] || fail "the README has no csq5-cli block"
lines=${lines//build\/bin\//$bin/}
start_sim "$work" "csq5-sim -q --link '$work/tmp/rxq5'"
mkdir -p "$XDG_CONFIG_HOME/CS-Q5"
printf '[OPTION]\r\nComDevice(1)=%s\r\n' "$work/tmp/rxq5" >"$XDG_CONFIG_HOME/CS-Q5/CSQ5.rs"
run_block "Command line" "$work/cli" "$lines"
[ "$(grep -c "^Receiver version 0 (--ver 0 .*) stored in $XDG_CONFIG_HOME/CS-Q5/CSQ5.rs$" \
    "$work/cli/output.txt")" = 2 ] || fail "setup and setup --show printed: $(cat "$work/cli/output.txt")"
for f in my.acf mem.csv new.acf sorted.acf channels.pdf; do
    [ -s "$work/cli/$f" ] || fail "the Command line examples made no $f"
done
ls "$XDG_DATA_HOME/CS-Q5/backups/"backup-*.acf >/dev/null || fail "the read left no backup copy"
grep -q "/backup-.*acf	" "$work/cli/output.txt" || fail "csq5-cli backups listed no backup"

# --- Troubleshooting: the simulator block, from the source folder.
lines=$(block "csq5-sim --link")
[ -n "$lines" ] || fail "the README has no csq5-sim block"
# The README's /tmp/ first: the build folder may itself lie below /tmp.
lines=${lines//\/tmp\//$work/tmp/}
lines=${lines//build\/bin\//$bin/}
backups=$(ls "$XDG_DATA_HOME/CS-Q5/backups/")
run_block "Troubleshooting" "$work/trouble" "$lines"
[ -s "$work/tmp/sim.acf" ] || fail "the Troubleshooting example made no sim.acf"
[ -s "$work/tmp/sim.rs" ] || fail "the Troubleshooting example stored no profile"
# Nothing left in the folder it ran in (the source folder), and the
# simulator's read kept apart from the real receiver's backups.
[ "$(ls "$work/trouble")" = output.txt ] || fail "the Troubleshooting example left: $(ls "$work/trouble")"
[ "$(ls "$XDG_DATA_HOME/CS-Q5/backups/")" = "$backups" ] ||
    fail "the simulator's read went among the receiver's backups"
ls "$work/tmp/sim-data/CS-Q5/backups/"backup-*.acf >/dev/null || fail "the simulator's read left no backup"

# --- The manual pages list what the programs' help lists.
man_text() { sed 's/\\-/-/g' "$src/packaging/man/$1"; }
help_commands=$("$bin/csq5-cli" --help |
    awk '/^Commands:/ { on = 1; next } on && /^$/ { exit } on && /^  [a-z]/ { print $1 }')
[ "$(echo "$help_commands" | wc -l)" -ge 10 ] || fail "csq5-cli --help lists: $help_commands"
described=$(man_text csq5-cli.1 | awk '
    /^\.SH / { section = $2 }
    section == "COMMANDS" && previous == ".TP" { sub(/^\.BI? "?/, ""); print $1 }
    section == "SYNOPSIS" && previous ~ /^\.RI \[ options \]/ { print "synopsis:" $2 }
    { previous = $0 }')
for c in $help_commands; do
    echo "$described" | grep -qx "$c" || fail "csq5-cli(1) does not describe the command $c"
    echo "$described" | grep -qx "synopsis:$c" || fail "csq5-cli(1) has no synopsis of $c"
done
programs="csq5-cli csq5-sim"
if [ -x "$bin/csq5" ]; then
    programs="$programs csq5"
    # Help and version need no display; an unknown option is a usage error.
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin/csq5" --help | grep -q "^Usage: csq5 " ||
        fail "csq5 --help printed no usage"
    version=$("$bin/csq5-cli" --version)
    [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/csq5" --version)" = "csq5 ${version#* }" ] ||
        fail "csq5 --version does not print the version"
    status=0
    QT_QPA_PLATFORM=offscreen "$bin/csq5" --foo 2>"$work/usage.txt" >/dev/null || status=$?
    [ $status = 2 ] && grep -q "unknown option '--foo'" "$work/usage.txt" ||
        fail "csq5 --foo is no usage error (exit 2)"
fi
for program in $programs; do
    page=$(man_text "$program.1")
    for option in $("$bin/$program" --help | grep -oE -- '--[a-z]+( [a-z]+-[a-z]+)?' | sort -u |
        sed 's/ /:/'); do
        option=${option/:/ }
        case $option in --fault\ *) option=${option#--fault } ;; --*\ *) option=${option%% *} ;; esac
        echo "$page" | grep -qF -- "$option" || fail "$program(1) does not describe $option"
    done
done
echo "README examples ran against csq5-sim; the manual pages match the programs' help"
