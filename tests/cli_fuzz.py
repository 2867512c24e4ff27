#!/usr/bin/env python3
"""Seeded random command lines for the real headless runner: bad ones must
end with exit status 2, nothing on stdout, exactly one line on stderr naming
the problem and no file written; good ones (kept tiny) with status 0 and the
output they ask for.

usage: cli_fuzz.py PATH_TO_tarrowin-sim [--runs N] [--seed S]

Prints one line per failure and a summary; exits 1 when anything failed.
"""

import argparse
import json
import os
import random
import subprocess
import sys
import tempfile

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# name -> (lowest, highest) of the whole-number options.
RANGES = {"--circuit": (1, 14), "--cells": (0, 3), "--resistor": (-1000, 1000),
          "--ticks": (0, 2 ** 63 - 1), "--every": (1, 2 ** 63 - 1), "--regions": (1, 200)}

NOT_WHOLE = ["", " 5", "5 ", "+5", "5.0", "1e3", "0x1A", "five", "5\n", "\u0663", "-", "--",
             "\t", "--tag", "1,000", "NaN", "\x7f", "\u00bd", b"\xff"]

# None of them is an option.
UNKNOWN = ["--colour", "-x", "", "--", "-", "--ticks=5", "--TICKS", "\u2014ticks", "ticks", "5",
           " --tag", "--tag ", "--circuit\n", "--help", "-h", "--png\t", "\x1b[31m", b"\xff\xfe",
           "a\nb", "\r", "--no-vary", "x" * 3000]


class Fuzz:
    def __init__(self, sim, seed, base):
        self.sim = sim
        self.rng = random.Random(seed)
        self.base = base
        runtime = os.path.join(base, "runtime")
        os.mkdir(runtime, 0o700)
        # Qt would note a missing runtime directory on stderr.
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime)
        self.passed = 0
        self.failed = 0
        self.counts = {"bad": 0, "good": 0}

    def check(self, name, condition, detail=""):
        if condition:
            self.passed += 1
        else:
            self.failed += 1
            print("FAIL %s%s" % (name, (": " + detail) if detail else ""))
        return condition

    def run(self, args, cwd):
        proc = subprocess.run([self.sim] + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              env=self.env, cwd=cwd, timeout=60)
        return proc.returncode, proc.stdout, proc.stderr

    # --- building command lines ----------------------------------------------

    def good_items(self, out_dir):
        """Tokens of one valid item that keeps the run tiny."""
        r = self.rng
        kind = r.randrange(12)
        if kind == 0:
            return [r.choice(["--reverse", "--vary", "--no-pulsate", "--switch-open", "--tag", "--energy"])]
        if kind == 1:
            return ["--circuit", str(r.randint(1, 14))]
        if kind == 2:
            return ["--cells", str(r.randint(0, 3))]
        if kind == 3:
            return ["--resistor", str(r.randint(-20, 20))]
        if kind == 4:
            return ["--ticks", r.choice(["0", "1", "2", "3", "007"])]
        if kind == 5:
            return ["--every", str(r.choice([1, 2, 5, 2 ** 63 - 1]))]
        if kind == 6:
            return ["--size", "%dx%d" % (r.randint(1, 48), r.randint(1, 48))]
        if kind == 7:
            return r.choice([["--mode", r.choice(["ball", "diagram", "picture"])],
                             ["--palette", r.choice(["standard", "colourblind"])]])
        if kind == 8:
            return ["--labels"]
        if kind == 9:
            return ["--png", os.path.join(out_dir, r.choice(["a.png", "b c.png", "\u00fc.png", "-x.png"]))]
        if kind == 10:
            return ["--frames", os.path.join(out_dir, r.choice(["frames", "f r", "deep/er"]))]
        return ["--circuit", str(r.randint(1, 14))]

    def bad_item(self, out_dir):
        """One invalid item: (tokens, what the message must start with, whether
        it must end the line)."""
        r = self.rng
        kind = r.randrange(11)
        if kind <= 2:
            name = r.choice(sorted(RANGES))
            lo, hi = RANGES[name]
            value = r.choice([str(lo - 1 - r.randrange(3)), str(hi + 1 + r.randrange(3)),
                              "9" * r.randint(20, 40), r.choice(NOT_WHOLE)])
            return [name, value], name, False
        if kind == 3:
            w, h = r.randint(1, 48), r.randint(1, 48)
            value = r.choice(["0x%d" % h, "%dx0" % w, "16385x%d" % h, str(w), "%dX%d" % (w, h),
                              "%dx%dx2" % (w, h), "", "%dx%d\n" % (w, h), "-%dx%d" % (w, h)])
            return ["--png", os.path.join(out_dir, "never.png"), "--size", value], "--size", False
        if kind == 4:
            name = r.choice(["--mode", "--palette"])
            value = r.choice(["Ball", "", "balls", "1", "diagram\n", "--png", "Standard", "colorblind"])
            return ["--png", os.path.join(out_dir, "never.png"), name, value], name, False
        if kind == 5:
            name = r.choice(["--png", "--frames"])
            return [name, ""], name, False
        if kind in (6, 10):
            token = r.choice(UNKNOWN)
            return [token], "unknown option", False
        if kind == 7:
            # Outputs that cannot be written are refused before any work.
            plain = os.path.join(out_dir, "plain")
            with open(plain, "w") as f:
                f.write("x")
            tokens, name = r.choice([(["--png", os.path.join(out_dir, "missing", "a.png")], "--png"),
                                     (["--png", os.path.join(out_dir, "miss\ning", "a.png")], "--png"),
                                     (["--frames", os.path.join(plain, "new\nline")], "--frames"),
                                     (["--png", out_dir], "--png"),
                                     (["--frames", os.path.join(plain, "sub")], "--frames"),
                                     (["--frames", plain], "--frames")])
            return tokens, name, False
        if kind == 8:
            # A picture's settings with no picture asked for.
            tokens = r.choice([["--size", "2x2"], ["--mode", "ball"], ["--palette", "standard"], ["--labels"]])
            return tokens, tokens[0], False
        name = r.choice(sorted(RANGES) + ["--png", "--frames", "--size", "--mode", "--palette"])
        return [name], name, True

    # --- one run of each kind --------------------------------------------------

    def good_case(self, n):
        case = os.path.join(self.base, "good%03d" % n)
        out_dir = os.path.join(case, "out")
        os.makedirs(out_dir)
        args = []
        for _ in range(self.rng.randint(0, 6)):
            args += self.good_items(out_dir)
        renders = "--png" in args or "--frames" in args
        if not renders and any(a in args for a in ("--size", "--mode", "--palette", "--labels")):
            args += ["--png", os.path.join(out_dir, "late.png")]
            renders = True
        regions = None
        if not renders and self.rng.randrange(8) == 0:
            regions = self.rng.randint(1, 3)
            args += ["--regions", str(regions)]
        label = "good %d: %r" % (n, args)
        rc, out, err = self.run(args, case)
        self.counts["good"] += 1
        if not self.check(label + " exits 0", rc == 0, "exit %d, stderr %r" % (rc, err[:300])):
            return
        self.check(label + " says nothing on stderr", err == b"", repr(err[:300]))
        if regions is not None:
            side = 25 * regions + 1
            lines = out.decode().splitlines()
            self.check(label + " prints the region map", len(lines) == side and
                       all(len(l) == side and l.isdigit() for l in lines), repr(out[:80]))
            return
        ticks = 0
        for i, a in enumerate(args[:-1]):
            if a == "--ticks":
                ticks = int(args[i + 1])
        try:
            states = [json.loads(line) for line in out.decode().splitlines()]
        except ValueError as exc:
            self.check(label + " prints JSON lines", False, str(exc))
            return
        self.check(label + " starts at tick 0 and ends at its last tick",
                   bool(states) and states[0]["tick"] == 0 and states[-1]["tick"] == ticks,
                   repr([s.get("tick") for s in states]))
        self.check(label + " has 50 electrons in every state",
                   all(len(s["electrons"]) == 50 for s in states))
        self.check(label + " has three glow counts, and energy only when asked",
                   all(len(s["glows"]) == 3 and ("energy" in s) == ("--energy" in args) for s in states))
        png = frames = None
        for i, a in enumerate(args[:-1]):
            if a == "--png":
                png = args[i + 1]
            elif a == "--frames":
                frames = args[i + 1]
        if png is not None:
            ok = os.path.isfile(png)
            if self.check(label + " writes its picture", ok) and ok:
                with open(png, "rb") as f:
                    self.check(label + " picture is a PNG", f.read(8) == PNG_SIGNATURE)
        if frames is not None:
            names = sorted(os.listdir(frames)) if os.path.isdir(frames) else None
            want = ["frame_%06d.png" % t for t in range(1, ticks + 1)]
            self.check(label + " writes one frame per tick", names == want, repr(names))

    def bad_case(self, n):
        case = os.path.join(self.base, "bad%03d" % n)
        out_dir = os.path.join(case, "out")
        os.makedirs(out_dir)
        args = []
        for _ in range(self.rng.randint(0, 3)):
            args += self.safe_good_items(out_dir)
        bad, starts, last = self.bad_item(out_dir)
        args += bad
        if not last:
            for _ in range(self.rng.randint(0, 2)):
                args += self.safe_good_items(out_dir)
        before = sorted(os.listdir(out_dir))
        shown = [a if isinstance(a, str) else repr(a) for a in args]
        label = "bad %d: %r" % (n, [s[:60] for s in shown])
        rc, out, err = self.run(args, case)
        self.counts["bad"] += 1
        self.check(label + " exits 2", rc == 2, "exit %d, stderr %r" % (rc, err[:300]))
        self.check(label + " prints nothing on stdout", out == b"", repr(out[:80]))
        lines = err.split(b"\n")
        one_line = len(lines) == 2 and lines[1] == b"" and b"\r" not in err
        self.check(label + " gives exactly one stderr line", one_line, repr(err[:300]))
        text = err.decode("utf-8", "replace")
        self.check(label + " names " + starts, text.startswith("tarrowin-sim: " + starts), repr(text[:200]))
        self.check(label + " writes nothing", sorted(os.listdir(out_dir)) == before,
                   repr(sorted(os.listdir(out_dir))))

    def safe_good_items(self, out_dir):
        """Valid items that need no output to be valid themselves."""
        while True:
            items = self.good_items(out_dir)
            if items[0] not in ("--size", "--mode", "--palette", "--labels", "--png", "--frames"):
                return items


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("--seed", type=int, default=20240)
    opts = parser.parse_args()
    with tempfile.TemporaryDirectory() as base:
        fuzz = Fuzz(os.path.abspath(opts.sim), opts.seed, base)
        for n in range(opts.runs):
            try:
                if fuzz.rng.randrange(5) < 3:
                    fuzz.bad_case(n)
                else:
                    fuzz.good_case(n)
            except Exception as exc:  # one broken run must not hide the rest
                fuzz.check("run %d ran" % n, False, "%s: %s" % (type(exc).__name__, exc))
    print("%d runs (%d bad, %d good): %d checks passed, %d failed"
          % (opts.runs, fuzz.counts["bad"], fuzz.counts["good"], fuzz.passed, fuzz.failed))
    return 1 if fuzz.failed else 0


if __name__ == "__main__":
    sys.exit(main())
