#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The scripts a newcomer runs first, as the README has them run: ./run.sh
# from another folder hands relative paths on as they were typed, builds
# only the three programs and says so only when it has something to build; fuzz/run.sh with a misspelt target is a usage
# error that lists the targets.
# Usage: scripts_test.sh SOURCE_DIR
set -eu
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# run.sh in a source folder of its own whose helpers stand in for the real
# ones: nothing to install, a build that records what it was asked for, and
# a program that reports the folder it runs in and what its arguments name.
repo=$work/repo
mkdir -p "$repo/scripts" "$repo/build/bin" "$work/elsewhere"
cp "$src/run.sh" "$repo/run.sh"
printf '#!/bin/sh\nexit 0\n' >"$repo/scripts/deps.sh"
printf '#!/bin/sh\necho "$*" >"%s/build-args"\n' "$work" >"$repo/scripts/build.sh"
cat >"$repo/build/bin/csq5" <<'PROGRAM'
#!/bin/sh
pwd -P
for a in "$@"; do
    if [ -f "$a" ]; then echo "file $a"; else echo "argument $a"; fi
done
PROGRAM
chmod +x "$repo/run.sh" "$repo/scripts/deps.sh" "$repo/scripts/build.sh" "$repo/build/bin/csq5"

cd "$work/elsewhere"
: >my.acf
here=$(pwd -P)
note="Building CS-Q5; the first build takes a few minutes."
# The build note shows only when a program is missing or older than a
# source: first csq5-cli and csq5-sim are missing, then all three are there,
# then a source has changed since.
mkdir -p "$repo/src"
for script in ../repo/run.sh "$repo/run.sh" ../repo/run.sh; do
    out=$("$script" my.acf /S) || fail "$script my.acf /S failed"
    expected="$here
file my.acf
argument /S"
    [ -x "$repo/build/bin/csq5-sim" ] || expected="$note
$expected"
    [ "$out" = "$expected" ] || fail "$script my.acf /S printed:
$out"
    if [ -x "$repo/build/bin/csq5-sim" ]; then
        touch -d '+1 hour' "$repo/src/changed.cpp"
        out=$("$script") || fail "$script failed"
        [ "$(echo "$out" | head -n 1)" = "$note" ] || fail "$script after a change printed: $out"
        rm "$repo/src/changed.cpp"
    fi
    cp "$repo/build/bin/csq5" "$repo/build/bin/csq5-cli"
    cp "$repo/build/bin/csq5" "$repo/build/bin/csq5-sim"
    touch "$repo/build/bin/"*  # built after the last change
done
case " $(cat "$work/build-args") " in
    " build "*"--target csq5 --target csq5-cli --target csq5-sim "*) ;;
    *) fail "run.sh built: $(cat "$work/build-args")" ;;
esac

# A target name the fuzzing script does not know: a usage error naming the
# targets, before anything is installed or built.
set +e
err=$("$src/fuzz/run.sh" 1 nosuch 2>&1 >/dev/null)
rc=$?
set -e
[ $rc -eq 2 ] || fail "fuzz/run.sh 1 nosuch ended with $rc: $err"
for t in acf_file clone_driver csv_import; do
    echo "$err" | grep -q "$t" || fail "fuzz/run.sh 1 nosuch does not list $t: $err"
done
echo "run.sh and fuzz/run.sh behave as the README says"
