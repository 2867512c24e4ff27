#!/usr/bin/env python3
"""Run the headless simulator and compare its trace with the Python model.

usage: compare_trace.py SIM_BINARY [runner args...]

Every double must be bit-identical (compared through float.hex; the runner
prints %.17g, which round-trips), every int equal. Exit 0 when identical,
1 on the first difference or when the binary fails, 2 on bad usage.
"""

import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import circuit_model  # noqa: E402


class Raw(str):
    """A JSON number kept as its source text, so '-0' and '1e-05' are read
    as doubles with their sign and exact value intact."""


def parse_line(text):
    return json.loads(text, parse_int=Raw, parse_float=Raw,
                      parse_constant=Raw)


def as_double(v):
    if not isinstance(v, str):
        raise ValueError("not a number: %r" % (v,))
    return float(v)


def as_int(v):
    if not isinstance(v, str):
        raise ValueError("not a number: %r" % (v,))
    return int(v)


ELECTRON_FIELDS = [("x", as_double), ("y", as_double), ("vx", as_double),
                   ("vy", as_double), ("glow", as_int), ("half1", as_int),
                   ("half2", as_int)]


def same(kind, a, b):
    if kind is as_double:
        return a.hex() == b.hex()
    return a == b


def show(kind, v):
    if kind is as_double:
        return "%.17g (%s)" % (v, v.hex())
    return str(v)


def fail(msg):
    print(msg)
    sys.exit(1)


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    binary = argv[1]
    args = argv[2:]

    try:
        expected = [parse_line(line) for line in circuit_model.trace_lines(args)]
    except ValueError as exc:
        sys.stderr.write("model cannot reproduce these settings: %s\n" % exc)
        return 2

    try:
        proc = subprocess.run([binary] + args, capture_output=True, text=True)
    except OSError as exc:
        print("cannot run %s: %s" % (binary, exc))
        return 1
    if proc.returncode != 0:
        print("%s exited with status %d" % (binary, proc.returncode))
        sys.stdout.write(proc.stderr)
        return 1

    out_lines = [line for line in proc.stdout.splitlines() if line.strip()]
    actual = []
    for n, line in enumerate(out_lines, 1):
        try:
            actual.append(parse_line(line))
        except ValueError as exc:
            fail("output line %d is not JSON (%s): %.200s" % (n, exc, line))

    electrons = 0
    for n in range(max(len(expected), len(actual))):
        if n >= len(actual):
            fail("simulator output ends after %d lines; model expects tick %s next"
                 % (len(actual), expected[n]["tick"]))
        if n >= len(expected):
            fail("simulator prints an extra line %d (tick %s)"
                 % (n + 1, actual[n].get("tick")))
        exp, act = expected[n], actual[n]
        try:
            tick = as_int(act["tick"])
            if tick != as_int(exp["tick"]):
                fail("line %d: tick %d, model expects tick %s"
                     % (n + 1, tick, exp["tick"]))
            for field, kind in (("meter", as_double), ("cells", as_int)):
                a, e = kind(act[field]), kind(exp[field])
                if not same(kind, a, e):
                    fail("tick %d: %s differs: simulator %s, model %s"
                         % (tick, field, show(kind, a), show(kind, e)))
            counts = [("glows", ["1", "2", "3"], act["glows"], exp["glows"])]
            if "energy" in exp:
                if list(act["energy"]) != list(exp["energy"]):
                    fail("tick %d: loads %s, model has %s"
                         % (tick, list(act["energy"]), list(exp["energy"])))
                counts.append(("energy", list(exp["energy"]), list(act["energy"].values()),
                               list(exp["energy"].values())))
            for field, keys, act_v, exp_v in counts:
                if len(act_v) != len(exp_v):
                    fail("tick %d: %s has %d entries, model has %d"
                         % (tick, field, len(act_v), len(exp_v)))
                for key, av, ev in zip(keys, act_v, exp_v):
                    if as_int(av) != as_int(ev):
                        fail("tick %d: %s %s differs: simulator %s, model %s"
                             % (tick, field, key, av, ev))
            act_el, exp_el = act["electrons"], exp["electrons"]
            if len(act_el) != len(exp_el):
                fail("tick %d: %d electrons, model has %d"
                     % (tick, len(act_el), len(exp_el)))
            for i, (ae, ee) in enumerate(zip(act_el, exp_el)):
                if len(ae) != len(ELECTRON_FIELDS):
                    fail("tick %d: electron %d has %d fields, expected %d"
                         % (tick, i, len(ae), len(ELECTRON_FIELDS)))
                for (name, kind), av, ev in zip(ELECTRON_FIELDS, ae, ee):
                    a, e = kind(av), kind(ev)
                    if not same(kind, a, e):
                        fail("tick %d: electron %d: %s differs: simulator %s, model %s"
                             % (tick, i, name, show(kind, a), show(kind, e)))
            electrons = len(exp_el)
        except (KeyError, TypeError, ValueError) as exc:
            fail("line %d: malformed simulator output (%s: %s)"
                 % (n + 1, type(exc).__name__, exc))

    print("trace identical: %d lines, %d electrons" % (len(expected), electrons))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
