#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Soak test: many clone reads and writes of csq5-cli against csq5-sim.

Each operation starts a simulated receiver (unpaced, so an operation takes
well under a second) with a random fault switch or none, runs one clone read
or write, and sometimes kills csq5-cli or the simulator at a random moment
with a random signal. Before a write the data file is edited at random
(import-csv, sort), and such an edit may be killed too. The receiver's
memory goes from one operation to the next through the simulator's saved
image, and every outcome is checked against it:

  false success   exit 0, but the receiver's memory (write) or the file
                  read (read) is not what it should be
  no message      a failure (exit status other than 0, not ended by a
                  signal) with nothing on stderr
  missed failure  no fault, no kill, and still a failure
  partial         a data file that is neither its old bytes nor a
                  complete file holding what it should hold
  temp left       a temporary file of a save beside its target, other than
                  one of a process ended by SIGKILL (which cannot remove
                  it; the next save of that file does); at the end every
                  file is saved once more and none may be left at all
  hang            an operation past its time limit (--time-limit)
  over cpu        a process that used more CPU time than --cpu-limit
  sanitizer       an AddressSanitizer or UndefinedBehaviorSanitizer report

It prints a table per build and exits with 1 when any of these is not 0.
Python standard library only.

  python3 tools/soak.py --ops 200 --seed 7
  python3 tools/soak.py --ops 200 --asan-bin build-asan/bin --asan-share 0.25
"""

import argparse
import glob
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

FAULTS = ["no-echo", "no-answer", "wrong-model", "illegal-sub", "other-version",
          "bad-checksum:K", "drop-frame:K", "write-failed", "stall:K", "hangup:K",
          "corrupt-store:A"]
CLI_SIGNALS = [signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGKILL]
SIM_SIGNALS = [signal.SIGINT, signal.SIGTERM, signal.SIGKILL]
SANITIZER = re.compile(rb"ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: \w+Sanitizer")
TEMP_NAME = re.compile(r"^\.(.+)\.tmp(\d+)-\d+-\d+$")
COLUMNS = ["ops", "reads", "writes", "edits", "ok", "failed", "killed", "false success",
           "no message", "missed failure", "partial", "temp left", "hang", "over cpu",
           "sanitizer", "max s", "max cpu s"]
BAD = ["false success", "no message", "missed failure", "partial", "temp left", "hang",
       "over cpu", "sanitizer"]


class Process:
    """A child whose resource use is taken from wait4 when it ends."""

    def __init__(self, argv, env, stdout=subprocess.DEVNULL):
        self.start = time.monotonic()
        # A file, not a pipe: a long sanitizer report cannot block the child.
        self.errors = tempfile.TemporaryFile()
        self.popen = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=stdout,
                                      stderr=self.errors)
        self.status = None
        self.cpu = 0.0
        self.seconds = 0.0
        self.stderr = b""

    def poll(self):
        if self.status is None:
            pid, status, usage = os.wait4(self.popen.pid, os.WNOHANG)
            if pid != 0:
                self.status = status
                self.cpu = usage.ru_utime + usage.ru_stime
                self.seconds = time.monotonic() - self.start
                self.errors.seek(0)
                self.stderr = self.errors.read()
                self.errors.close()
        return self.status is not None

    def wait(self, limit):
        """True when it ended within limit seconds; else it is killed."""
        deadline = time.monotonic() + limit
        while not self.poll():
            if time.monotonic() > deadline:
                self.kill(signal.SIGKILL)
                while not self.poll():
                    time.sleep(0.01)
                return False
            time.sleep(0.002)
        return True

    def kill(self, sig):
        if self.status is None:
            try:
                os.kill(self.popen.pid, sig)
            except ProcessLookupError:
                pass

    def signalled(self):
        return os.WIFSIGNALED(self.status)

    def exit_code(self):
        return os.WEXITSTATUS(self.status) if os.WIFEXITED(self.status) else None


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


class Soak:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(args.seed)
        self.work = tempfile.mkdtemp(prefix="csq5-soak-")
        self.files = os.path.join(self.work, "files")
        self.rx = os.path.join(self.work, "rx")
        for d in (self.files, self.rx, os.path.join(self.work, "home")):
            os.makedirs(d)
        self.env = dict(os.environ, HOME=os.path.join(self.work, "home"),
                        XDG_DATA_HOME=os.path.join(self.work, "data"),
                        XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                        QT_QPA_PLATFORM="offscreen",
                        ASAN_OPTIONS="detect_leaks=1",
                        UBSAN_OPTIONS="print_stacktrace=1")
        self.env.pop("XDG_RUNTIME_DIR", None)
        self.profile = os.path.join(self.work, "sim.rs")
        self.memory = os.path.join(self.rx, "memory.acf")  # what the receiver holds
        self.data = os.path.join(self.files, "data.acf")
        self.read_target = os.path.join(self.files, "read.acf")
        self.sigkilled = set()  # pids whose temporary files may stay
        self.after_sigkill = set()  # such files seen
        self.edit_seconds = 0.05
        self.rows = {}
        self.notes = []

    # -- helpers ---------------------------------------------------------

    def bins(self, asan):
        folder = self.args.asan_bin if asan else self.args.bin
        return os.path.join(folder, "csq5-cli"), os.path.join(folder, "csq5-sim")

    def cli(self, cli, *words, limit=None):
        p = Process([cli, "--profile", self.profile] + list(words), self.env)
        p.wait(limit or self.args.time_limit)
        return p

    def same_memory(self, cli, a, b):
        return self.cli(cli, "diff", a, b).exit_code() == 0

    def row(self, name):
        return self.rows.setdefault(name, {c: 0 for c in COLUMNS})

    def fault(self, row, column, text):
        row[column] += 1
        self.notes.append(f"{column}: {text}")

    def start_sim(self, sim, fault, link, save):
        argv = [sim, "-q", "--ver", str(self.args.ver), "--link", link, "--image", self.memory,
                "--save", save]
        if fault:
            argv += ["--fault", fault]
        p = Process(argv, self.env, stdout=subprocess.PIPE)
        line = p.popen.stdout.readline()  # the pty's path: the line is there
        if not line:
            p.wait(5)
            raise RuntimeError("csq5-sim did not start: " + p.stderr.decode(errors="replace"))
        return p

    def random_fault(self, write, verify):
        if self.rng.random() < 0.5:
            return None
        name = self.rng.choice(FAULTS)
        if name == "corrupt-store:A":
            # Stored wrongly and reported as stored: only a verifying write
            # can know, so it is tried only there.
            if not (write and verify):
                return None
            return "corrupt-store:%X" % self.rng.randrange(0, 0x1F80)
        if name.startswith("stall") and write and self.rng.random() < 0.7:
            return None  # a stalled write waits 20 s for its result: fewer of them
        low = 0 if name.startswith(("stall", "hangup")) else 1
        return name.replace("K", str(self.rng.randint(low, 260)))

    def check_temps(self, row, what):
        for folder in (self.files, self.rx, os.path.join(self.work, "data", "CS-Q5", "backups")):
            for path in glob.glob(os.path.join(folder, ".*.tmp*")):
                m = TEMP_NAME.match(os.path.basename(path))
                if m and int(m.group(2)) in self.sigkilled:
                    self.after_sigkill.add(path)
                    continue
                self.fault(row, "temp left", f"{what}: {path}")
                os.unlink(path)

    def account(self, row, p, what, cpu_limit):
        row["max s"] = max(row["max s"], round(p.seconds, 2))
        row["max cpu s"] = max(row["max cpu s"], round(p.cpu, 2))
        if p.cpu > cpu_limit:
            self.fault(row, "over cpu", f"{what}: {p.cpu:.2f} s")
        if SANITIZER.search(p.stderr):
            self.fault(row, "sanitizer", f"{what}: {p.stderr[-2000:].decode(errors='replace')}")
        if p.signalled() and os.WTERMSIG(p.status) == signal.SIGKILL:
            self.sigkilled.add(p.popen.pid)

    def with_kill(self, p, chance, window):
        """Runs p to its end; at random kills it at a random moment."""
        if self.rng.random() < chance:
            at = time.monotonic() + self.rng.uniform(0, window)
            sig = self.rng.choice(CLI_SIGNALS)
            while not p.poll() and time.monotonic() < at:
                time.sleep(0.002)
            p.kill(sig)
        return p.wait(self.args.time_limit)

    # -- the operations ---------------------------------------------------

    def setup(self):
        cli, sim = self.bins(False)
        p = self.cli(cli, "--ver", str(self.args.ver), "initial", "-o", self.memory)
        if p.exit_code() != 0:
            raise RuntimeError("csq5-cli initial failed: " + p.stderr.decode(errors="replace"))
        link = os.path.join(self.work, "rx-setup")
        s = self.start_sim(sim, None, link, os.path.join(self.rx, "unused.acf"))
        try:
            for words in (["setup", "--port", link], ["read", "--port", link, "-o", self.data]):
                p = self.cli(cli, *words)
                if p.exit_code() != 0:
                    raise RuntimeError(f"csq5-cli {words[0]} failed: "
                                       + p.stderr.decode(errors="replace"))
        finally:
            s.kill(signal.SIGTERM)
            s.wait(5)

    def edit(self, cli, row):
        if self.rng.random() < 0.7:
            csv = os.path.join(self.work, "edit.csv")
            with open(csv, "w") as f:
                f.write("Location,Name,Frequency\n")
                for _ in range(self.rng.randint(1, 12)):
                    mhz = self.rng.choice([(118, 136), (144, 148), (430, 440), (76, 108)])
                    freq = self.rng.randrange(mhz[0] * 200, mhz[1] * 200) / 200
                    name = "".join(self.rng.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789")
                                   for _ in range(self.rng.randint(1, 6)))
                    f.write(f"{self.rng.randrange(400)},{name},{freq:.4f}\n")
            words = ["import-csv", self.data, csv, "-o", self.data]
        else:
            words = ["sort", self.data, "--bank", self.rng.choice("ABCDEFGH"), "--by",
                     self.rng.choice(["frequency", "name"]), "-o", self.data]
        before = read_bytes(self.data)
        p = Process([cli, "--profile", self.profile] + words, self.env)
        # An edit takes some tens of milliseconds: kills come within about
        # as long as the last one took, so that some of them hit the save.
        if not self.with_kill(p, max(self.args.kill_chance, 0.5), 1.2 * self.edit_seconds):
            self.fault(row, "hang", " ".join(words[:1]))
        row["edits"] += 1
        if not p.signalled():
            self.edit_seconds = p.seconds
        self.account(row, p, words[0], self.args.cpu_limit)
        if self.args.verbose:
            how = f"signal {os.WTERMSIG(p.status)}" if p.signalled() else f"exit {p.exit_code()}"
            first = (p.stderr.decode(errors="replace").strip().splitlines() or [""])[0]
            print(f"  edit {words[0]}: {how} {p.seconds:.3f} s {first}", file=sys.stderr)
        after = read_bytes(self.data)
        if after != before and self.cli(cli, "check", self.data).exit_code() != 0:
            self.fault(row, "partial", f"{words[0]} left {self.data} damaged")
            with open(self.data, "wb") as f:  # go on from the old file
                f.write(before)
        if not p.signalled() and p.exit_code() != 0 and not p.stderr.strip():
            self.fault(row, "no message", words[0])
        self.check_temps(row, words[0])

    def operation(self, number):
        asan = self.args.asan_bin is not None and self.rng.random() < self.args.asan_share
        row = self.row("asan" if asan else "release")
        cli, sim = self.bins(asan)
        cpu_limit = self.args.cpu_limit * (10 if asan else 1)
        write = self.rng.random() < 0.5
        verify = write and self.rng.random() < 0.5
        if write and self.rng.random() < 0.6:
            self.edit(cli, row)
        fault = self.random_fault(write, verify)
        link = os.path.join(self.work, f"rx-{number}")
        save = os.path.join(self.rx, "written.acf")
        if os.path.exists(save):
            os.unlink(save)
        target = self.data if (not write and self.rng.random() < 0.3) else self.read_target
        before = read_bytes(self.data if write else target)
        s = self.start_sim(sim, fault, link, save)

        words = (["write", "--port", link, self.data] + (["--verify"] if verify else [])
                 if write else ["read", "--port", link, "-o", target])
        what = f"#{number} {' '.join(words[:1] + (['--verify'] if verify else []))}" \
               f" fault={fault or '-'} {'asan' if asan else ''}"
        p = Process([cli, "--profile", self.profile] + words, self.env)
        killed = None
        if self.rng.random() < self.args.kill_chance:
            killed = self.rng.choice(["cli", "sim"])
            at = time.monotonic() + self.rng.uniform(0, self.args.kill_window)
            while not p.poll() and time.monotonic() < at:
                time.sleep(0.002)
            (p if killed == "cli" else s).kill(
                self.rng.choice(CLI_SIGNALS if killed == "cli" else SIM_SIGNALS))
        ended = p.wait(self.args.time_limit)
        s.kill(signal.SIGTERM)
        if not s.wait(5):
            self.fault(row, "hang", what + ": the simulator did not end")
        row["ops"] += 1
        row["writes" if write else "reads"] += 1
        row["killed"] += 1 if killed else 0
        self.account(row, p, what, cpu_limit)
        self.account(row, s, what + " (simulator)", cpu_limit)
        if os.path.lexists(link):
            os.unlink(link)  # left by a simulator killed outright
        if not ended:
            self.fault(row, "hang", what)
            return
        code = p.exit_code()
        if code == 0:
            row["ok"] += 1
        else:
            row["failed"] += 1
            if not p.signalled() and not p.stderr.strip():
                self.fault(row, "no message", what)
            if fault is None and killed is None:
                self.fault(row, "missed failure",
                           f"{what}: {p.stderr.decode(errors='replace').strip()}")

        if self.args.verbose:
            first = (p.stderr.decode(errors="replace").strip().splitlines() or [""])[0]
            how = f"signal {os.WTERMSIG(p.status)}" if p.signalled() else f"exit {code}"
            print(f"{what} kill={killed or '-'}: {how} {p.seconds:.2f} s {first}",
                  file=sys.stderr)
        written = os.path.exists(save)
        if write:
            if code == 0 and not (written and self.same_memory(cli, save, self.data)):
                self.fault(row, "false success", f"{what}: the receiver does not hold the file")
            if written and self.cli(cli, "check", save).exit_code() != 0:
                self.fault(row, "partial", f"{what}: the simulator's saved memory")
            elif written:
                shutil.copyfile(save, self.memory)  # the receiver's memory from now on
            if read_bytes(self.data) != before:
                self.fault(row, "partial", f"{what}: a write changed its data file")
        else:
            after = read_bytes(target)
            if code == 0 and not (after is not None and self.same_memory(cli, target, self.memory)):
                self.fault(row, "false success", f"{what}: the file read is not the memory")
            elif after != before and not (self.cli(cli, "check", target).exit_code() == 0
                                          and self.same_memory(cli, target, self.memory)):
                self.fault(row, "partial", f"{what}: {target} is neither old nor the memory")
                if target == self.data:
                    with open(self.data, "wb") as f:
                        f.write(before)
        self.check_temps(row, what)

    def finish(self):
        """Every file saved once more: no temporary file may be left at all."""
        cli, _ = self.bins(False)
        row = self.row("release")
        for path in (self.data, self.read_target):
            if os.path.exists(path):
                self.cli(cli, "sort", path, "--bank", "A", "-o", path)
        self.sigkilled.clear()
        for folder in (self.files,):
            for path in glob.glob(os.path.join(folder, ".*.tmp*")):
                self.fault(row, "temp left", f"after the last saves: {path}")

    def run(self):
        self.setup()
        started = time.monotonic()
        for number in range(1, self.args.ops + 1):
            self.operation(number)
        self.finish()
        self.report(time.monotonic() - started)
        if not self.args.keep:
            shutil.rmtree(self.work, ignore_errors=True)
        else:
            print(f"files kept in {self.work}")
        return 1 if any(r[c] for r in self.rows.values() for c in BAD) else 0

    def report(self, seconds):
        print(f"soak: {self.args.ops} operations, seed {self.args.seed}, {seconds:.0f} s; "
              f"{len(self.after_sigkill)} temporary files left by saves ended with SIGKILL "
              "(allowed until the next save of their file)")
        width = {c: max(len(c), 7) for c in COLUMNS}
        print("build    " + " ".join(c.rjust(width[c]) for c in COLUMNS))
        for name, r in sorted(self.rows.items()):
            print(f"{name:8} " + " ".join(str(r[c]).rjust(width[c]) for c in COLUMNS))
        for note in self.notes[:40]:
            print("  " + note)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--ops", type=int, default=50, help="clone operations (default 50)")
    ap.add_argument("--seed", type=int, default=None, help="repeat a run (default: random)")
    ap.add_argument("--bin", default=os.path.join(root, "build", "bin"),
                    help="folder of csq5-cli and csq5-sim (default build/bin)")
    ap.add_argument("--asan-bin", default=None,
                    help="folder of a sanitizer build of both, for a share of the operations")
    ap.add_argument("--asan-share", type=float, default=0.25)
    ap.add_argument("--ver", type=int, default=0, help="receiver version (default 0)")
    ap.add_argument("--kill-chance", type=float, default=0.3)
    ap.add_argument("--kill-window", type=float, default=0.3,
                    help="a kill comes within this many seconds of the start")
    ap.add_argument("--time-limit", type=float, default=60.0, help="seconds per operation")
    ap.add_argument("--cpu-limit", type=float, default=3.0,
                    help="CPU seconds per process (ten times this for the sanitizer build)")
    ap.add_argument("--keep", action="store_true", help="keep the scratch folder")
    ap.add_argument("-v", "--verbose", action="store_true")
    args = ap.parse_args()
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(1 << 31)
    for folder in [args.bin] + ([args.asan_bin] if args.asan_bin else []):
        for name in ("csq5-cli", "csq5-sim"):
            if not os.access(os.path.join(folder, name), os.X_OK):
                ap.error(f"no {name} in {folder}")
    sys.exit(Soak(args).run())


if __name__ == "__main__":
    main()
