#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures how many small deliberate faults the core tests catch.

A fault is one small change to one line of a core source file: a comparison
flipped (< to <=, == to !=), an arithmetic or logical operator swapped, a
constant moved by one, true and false exchanged. The sample is drawn at random
with a fixed seed and written to a file, so the very same faults can be put in
again after the tests changed and the two shares compared.

  tools/fault_sample.py pick  [--count 120] [--seed 5] [--out FILE]
  tools/fault_sample.py run   [--sample FILE] [--build DIR] [--jobs N] [--only src/model,...]

`run` puts each fault in alone, rebuilds the core tests in a build folder of
its own (default build-faults), runs them, and puts the line back. A fault
that does not compile is not counted; one that makes a test fail, crash or
run past the time limit counts as caught. The sources are left as they were,
even when the run is interrupted.
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

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORE_DIRS = ["src/app", "src/image", "src/model", "src/clone", "src/file"]
SKIP_FILES = {"src/image/initial_images_data.cpp"}
CORE_TESTS = ["test_app", "test_image", "test_model", "test_clone", "test_file"]
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


def core_files():
    files = []
    for d in CORE_DIRS:
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
    for no, line in enumerate(lines):
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


def pick(args):
    rng = random.Random(args.seed)
    pool = []
    for rel in core_files():
        lines, found = candidates(rel)
        for rel_, no, col, old, new in found:
            pool.append({"file": rel_, "line": lines[no], "col": col, "old": old, "new": new})
    sample = rng.sample(pool, min(args.count, len(pool)))
    sample.sort(key=lambda f: (f["file"], f["line"], f["col"]))
    with open(args.out, "w", encoding="utf-8") as out:
        json.dump(sample, out, indent=1)
    print(f"{len(sample)} faults picked from {len(pool)} places in {len(core_files())} files -> {args.out}")


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
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, start_new_session=True)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return "timeout", ""


def run(args):
    sample = json.load(open(args.sample, encoding="utf-8"))
    if args.only:
        prefixes = tuple(p.rstrip("/") + "/" for p in args.only.split(","))
        sample = [f for f in sample if f["file"].startswith(prefixes)]
    build = os.path.abspath(args.build)
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        rc, out = sh(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                      "-DCSQ5_BUILD_GUI=OFF", "-DCSQ5_BUILD_BENCH=OFF"])
        if rc != 0:
            sys.exit(out)
    build_cmd = ["cmake", "--build", build, "-j", str(args.jobs), "--target"] + CORE_TESTS
    rc, out = sh(build_cmd)
    if rc != 0:
        sys.exit("the core tests do not build without faults:\n" + out)
    for t in CORE_TESTS:
        rc, out = sh([os.path.join(build, "bin", t)], timeout=args.timeout)
        if rc != 0:
            sys.exit(f"{t} fails without faults:\n{out[-2000:]}")

    restore = {}

    def put_back(*_):
        for path, text in restore.items():
            open(path, "w", encoding="utf-8").write(text)
        restore.clear()

    signal.signal(signal.SIGINT, lambda *a: (put_back(), sys.exit(130)))
    signal.signal(signal.SIGTERM, lambda *a: (put_back(), sys.exit(143)))

    caught = survived = stillborn = missing = 0
    survivors = []
    started = time.time()
    for i, fault in enumerate(sample, 1):
        path, where = locate(fault)
        if where is None:
            missing += 1
            print(f"[{i}/{len(sample)}] not found: {fault['file']}: {fault['line'].strip()}", flush=True)
            continue
        text, lines, no = where
        line = lines[no]
        col = fault["col"]
        lines[no] = line[:col] + fault["new"] + line[col + len(fault["old"]):]
        restore[path] = text
        open(path, "w", encoding="utf-8").write("\n".join(lines))
        try:
            rc, _ = sh(build_cmd)
            if rc != 0:
                stillborn += 1
                verdict = "does not compile"
            else:
                verdict = "survived"
                for t in CORE_TESTS:
                    rc, _ = sh([os.path.join(build, "bin", t), "--gtest_brief=1"], timeout=args.timeout)
                    if rc != 0:
                        verdict = "caught by " + t
                        break
                if verdict == "survived":
                    survived += 1
                    survivors.append(fault)
                else:
                    caught += 1
        finally:
            put_back()
        print(f"[{i}/{len(sample)}] {verdict}: {fault['file']}:{no + 1}: "
              f"{fault['old']} -> {fault['new']}: {line.strip()}", flush=True)
    sh(build_cmd)  # leave the build folder matching the sources again
    counted = caught + survived
    share = 100.0 * caught / counted if counted else 0.0
    print(f"\ncaught {caught} of {counted} faults that compile ({share:.1f} %); "
          f"{stillborn} did not compile, {missing} not found; {time.time() - started:.0f} s")
    if args.survivors:
        with open(args.survivors, "w", encoding="utf-8") as out:
            json.dump(survivors, out, indent=1)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("pick", help="draw a sample of faults")
    p.add_argument("--count", type=int, default=120)
    p.add_argument("--seed", type=int, default=5)
    p.add_argument("--out", default=DEFAULT_SAMPLE)
    r = sub.add_parser("run", help="put each fault in and run the core tests")
    r.add_argument("--sample", default=DEFAULT_SAMPLE)
    r.add_argument("--build", default=os.path.join(ROOT, "build-faults"))
    r.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    r.add_argument("--timeout", type=int, default=120, help="seconds per test program")
    r.add_argument("--survivors", help="write the faults no test caught to this file")
    r.add_argument("--only", help="only the faults in these source folders, e.g. src/model,src/image")
    args = parser.parse_args()
    pick(args) if args.command == "pick" else run(args)


if __name__ == "__main__":
    main()
