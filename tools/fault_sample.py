#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures how many small deliberate faults the core tests catch.

A fault is one small change to one line of a core source file: a comparison
flipped (< to <=, == to !=), an arithmetic or logical operator swapped, a
constant moved by one, true and false exchanged.

  tools/fault_sample.py run   [--seed N] [--count 100] [--only src/model,...] [--e2e]
                              [--sample FILE] [--build DIR] [--jobs N] [--survivors FILE]
  tools/fault_sample.py pick  [--count 100] [--seed N] [--only ...] [--out FILE]

`run` draws a fresh sample from the sources as they are now, seeded by today's
date unless --seed names one (the seed is printed, so the same sample can be
drawn again). A sample the tests were written against flatters them: use a
fixed seed, or a sample file written by `pick`, only to compare two versions
of the tests on the very same faults. --only draws from (or, with --sample,
keeps) the faults of some folders.

Each fault is put in alone; the core tests (with --e2e also the simulator's
tests and the end-to-end csq5-cli tests) are rebuilt in a build folder of
their own (default build-faults) and run, and the line is put back. A fault
that does not compile is not counted; one that makes a test fail, crash or run
past the time limit counts as caught. A fault of a sample file whose line no
longer stands in the source is listed as stale and not counted. The sources are
left as they were, even when the run is interrupted.
"""
import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from datetime import date

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORE_DIRS = ["src/app", "src/image", "src/model", "src/clone", "src/file"]
SKIP_FILES = {"src/image/initial_images_data.cpp"}
CORE_TESTS = ["test_app", "test_image", "test_model", "test_clone", "test_file"]
# The simulator's tests and csq5-cli run end to end against csq5-sim.
E2E_TESTS = ["test_sim", "test_cli", "test_integration"]
DEFAULT_SAMPLE = os.path.join(ROOT, "tools", "fault_sample.json")

# (pattern, replacement) applied to one occurrence in a line. Patterns avoid
# the insides of <<, >>, ->, ++, --, +=, -= and the like.
OPERATORS = [
    (r"(?<![<>=!])==(?!=)", "!="),
    (r"!=", "=="),
    (r"(?<![<>\-])<=", "<"),
    (r"(?<![<>\-])>=", ">"),
    (r"(?<![<>\-=])<(?![<=])", "<="),
    (r"(?<![<>\-=])>(?![>=])", ">="),
    (r"&&", "||"),
    (r"\|\|", "&&"),
    (r"(?<![+\-=<>!*/])\+(?![+=])", "-"),
    (r"(?<![+\-=<>!*/e])-(?![-=>])", "+"),
    (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"),
]
NUMBER = re.compile(r"(?<![\w.])(0x[0-9A-Fa-f]+|\d+)(?![\w.])")


def core_files(dirs=CORE_DIRS):
    files = []
    for d in dirs:
        for name in sorted(os.listdir(os.path.join(ROOT, d))):
            rel = f"{d}/{name}"
            if name.endswith((".cpp", ".h")) and rel not in SKIP_FILES:
                files.append(rel)
    return files


def code_part(line):
    """The line without strings, character literals and comments (blanked)."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
            out.append(" ")
        elif c in "\"'":
            quote = c
            out.append(" ")
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def candidates(rel):
    lines = open(os.path.join(ROOT, rel), encoding="utf-8").read().split("\n")
    found = []
    raw_end = None  # the end of a raw string literal that runs over lines
    for no, line in enumerate(lines):
        # The text of a raw string literal (a help text) is no code.
        if raw_end is not None:
            if raw_end not in line:
                continue
            line = " " * (line.index(raw_end) + len(raw_end)) + line[line.index(raw_end) + len(raw_end):]
            raw_end = None
        raw = re.search(r'R"([^(\s]*)\(', line)
        if raw and (")" + raw.group(1) + '"') not in line[raw.end():]:
            raw_end = ")" + raw.group(1) + '"'
            line = line[:raw.start()]
        s = line.strip()
        if not s or s.startswith(("#", "//", "*", "/*", "static_assert", "template")):
            continue
        if "include" in s or "operator" in s:
            continue
        code = code_part(line)
        for pattern, repl in OPERATORS:
            for m in re.finditer(pattern, code):
                # < and > of templates and casts are not comparisons.
                if m.group(0) in ("<", ">", "<=", ">=") and re.search(
                        r"(template|static_cast|std::\w+|<\w+>)", line[max(0, m.start() - 30):m.end() + 10]):
                    continue
                found.append((rel, no, m.start(), m.group(0), repl))
        for m in NUMBER.finditer(code):
            text = m.group(0)
            value = int(text, 16) if text.lower().startswith("0x") else int(text)
            repl = hex(value + 1) if text.lower().startswith("0x") else str(value + 1)
            found.append((rel, no, m.start(), text, repl))
    return lines, found


def folders(only):
    if not only:
        return CORE_DIRS
    dirs = [p.strip().rstrip("/") for p in only.split(",") if p.strip()]
    unknown = [d for d in dirs if d not in CORE_DIRS]
    if unknown:
        sys.exit(f"not a core folder: {', '.join(unknown)} (the core folders: {', '.join(CORE_DIRS)})")
    return dirs


def seed_of(args):
    return args.seed if args.seed is not None else int(date.today().strftime("%Y%m%d"))


def draw(seed, count, dirs):
    """A random sample of `count` faults from the sources as they are now."""
    rng = random.Random(seed)
    pool = []
    files = core_files(dirs)
    for rel in files:
        lines, found = candidates(rel)
        for rel_, no, col, old, new in found:
            pool.append({"file": rel_, "line": lines[no], "col": col, "old": old, "new": new})
    sample = rng.sample(pool, min(count, len(pool)))
    sample.sort(key=lambda f: (f["file"], f["line"], f["col"]))
    print(f"seed {seed}: {len(sample)} faults drawn from {len(pool)} places in {len(files)} files "
          f"of {', '.join(dirs)}", flush=True)
    return sample


def pick(args):
    sample = draw(seed_of(args), args.count, folders(args.only))
    with open(args.out, "w", encoding="utf-8") as out:
        json.dump(sample, out, indent=1)
    print(f"-> {args.out}")


def locate(fault):
    """Finds the fault's line by its text (line numbers move when code moves)."""
    path = os.path.join(ROOT, fault["file"])
    if not os.path.exists(path):
        # A file that moved to another core folder keeps its name.
        name = os.path.basename(path)
        moved = [os.path.join(ROOT, d, name) for d in CORE_DIRS if os.path.exists(os.path.join(ROOT, d, name))]
        if len(moved) != 1:
            return None, None
        path = moved[0]
    text = open(path, encoding="utf-8").read()
    lines = text.split("\n")
    for no, line in enumerate(lines):
        if line == fault["line"] and line[fault["col"]:].startswith(fault["old"]):
            return path, (text, lines, no)
    return path, None


def sh(cmd, timeout=None, cwd=None):
    try:
        # The tests get the signals as a shell would give them, whatever
        # this script ignores.
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, start_new_session=True,
                           preexec_fn=lambda: signal.signal(signal.SIGHUP, signal.SIG_DFL))
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return "timeout", ""


def run(args):
    dirs = folders(args.only)
    if args.sample:
        sample = json.load(open(args.sample, encoding="utf-8"))
        prefixes = tuple(d + "/" for d in dirs)
        sample = [f for f in sample if f["file"].startswith(prefixes)]
        print(f"{len(sample)} faults of {args.sample}", flush=True)
    else:
        sample = draw(seed_of(args), args.count, dirs)
    tests = CORE_TESTS + (E2E_TESTS if args.e2e else [])
    build = os.path.abspath(args.build)
    # csq5-cli needs the Qt layers; the core tests alone build without them.
    gui = "ON" if args.e2e else "OFF"
    rc, out = sh(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                  f"-DCSQ5_BUILD_GUI={gui}", "-DCSQ5_BUILD_BENCH=OFF"])
    if rc != 0:
        sys.exit(out)
    def build_cmd(targets):
        return ["cmake", "--build", build, "-j", str(args.jobs), "--target"] + targets

    rc, out = sh(build_cmd(tests))
    if rc != 0:
        sys.exit("the tests do not build without faults:\n" + out)
    # A test program past many times its clean running time hangs (a busy
    # machine slows it down too).
    limit = {}
    for t in tests:
        began = time.time()
        rc, out = sh([os.path.join(build, "bin", t)], timeout=args.timeout)
        if rc != 0:
            sys.exit(f"{t} fails without faults:\n{out[-2000:]}")
        limit[t] = min(args.timeout, max(60, 10 * (time.time() - began)))

    restore = {}

    def put_back(*_):
        for path, text in restore.items():
            open(path, "w", encoding="utf-8").write(text)
        restore.clear()

    # A fault may signal the wrong process: one in the code that clears up
    # after ended processes sends SIGHUP to the test's parent, this script.
    signal.signal(signal.SIGHUP, signal.SIG_IGN)
    signal.signal(signal.SIGINT, lambda *a: (put_back(), sys.exit(130)))
    signal.signal(signal.SIGTERM, lambda *a: (put_back(), sys.exit(143)))

    caught = survived = stillborn = stale = 0
    survivors = []
    started = time.time()
    for i, fault in enumerate(sample, 1):
        path, where = locate(fault)
        if where is None:
            stale += 1
            print(f"[{i}/{len(sample)}] stale, the line no longer stands there: "
                  f"{fault['file']}: {fault['line'].strip()}", flush=True)
            continue
        text, lines, no = where
        line = lines[no]
        col = fault["col"]
        lines[no] = line[:col] + fault["new"] + line[col + len(fault["old"]):]
        restore[path] = text
        open(path, "w", encoding="utf-8").write("\n".join(lines))
        try:
            # The fault's own folder's tests first: most faults are caught
            # there, and the other programs need not even be linked.
            own = "test_" + os.path.relpath(path, ROOT).split(os.sep)[1]
            order = sorted(tests, key=lambda t: t != own)
            verdict = "survived"
            for n, t in enumerate(order):
                # The first program alone, then all the others at once.
                if n < 2 and sh(build_cmd([t] if n == 0 else order[1:]))[0] != 0:
                    verdict = "does not compile"
                    break
                rc, _ = sh([os.path.join(build, "bin", t), "--gtest_brief=1"], timeout=limit[t])
                if rc != 0:
                    verdict = "caught by " + t
                    break
            if verdict == "does not compile":
                stillborn += 1
            elif verdict == "survived":
                survived += 1
                survivors.append(fault)
            else:
                caught += 1
        finally:
            put_back()
        print(f"[{i}/{len(sample)}] {verdict}: {fault['file']}:{no + 1}: "
              f"{fault['old']} -> {fault['new']}: {line.strip()}", flush=True)
    sh(build_cmd(tests))  # leave the build folder matching the sources again
    counted = caught + survived
    share = 100.0 * caught / counted if counted else 0.0
    print(f"\ncaught {caught} of {counted} faults that compile ({share:.1f} %); "
          f"{stillborn} did not compile, {stale} stale; {time.time() - started:.0f} s")
    for f in survivors:
        print(f"survived: {f['file']}: {f['old']} -> {f['new']}: {f['line'].strip()}")
    if args.survivors:
        with open(args.survivors, "w", encoding="utf-8") as out:
            json.dump(survivors, out, indent=1)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("pick", help="draw a sample of faults into a file, to run again later")
    p.add_argument("--count", type=int, default=100)
    p.add_argument("--seed", type=int, help="default: today's date, YYYYMMDD")
    p.add_argument("--only", help="draw only from these source folders, e.g. src/model,src/image")
    p.add_argument("--out", default=DEFAULT_SAMPLE)
    r = sub.add_parser("run", help="put each fault in and run the tests")
    r.add_argument("--seed", type=int, help="seed of the fresh sample; default: today's date, YYYYMMDD")
    r.add_argument("--count", type=int, default=100, help="size of the fresh sample")
    r.add_argument("--sample", help="run the faults of this file (written by pick) instead of a fresh sample")
    r.add_argument("--e2e", action="store_true",
                   help="also run the simulator's tests and the end-to-end csq5-cli tests")
    r.add_argument("--build", default=os.path.join(ROOT, "build-faults"))
    r.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    r.add_argument("--timeout", type=int, default=120, help="at most this many seconds per test program (default 120; ten times its clean run, at least 60)")
    r.add_argument("--survivors", help="write the faults no test caught to this file")
    r.add_argument("--only", help="only the faults in these source folders, e.g. src/model,src/image")
    args = parser.parse_args()
    pick(args) if args.command == "pick" else run(args)


if __name__ == "__main__":
    main()
