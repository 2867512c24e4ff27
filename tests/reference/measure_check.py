#!/usr/bin/env python3
"""Check the runner's long-run measurement against the Python model.

usage: measure_check.py SIM_BINARY SECONDS [runner settings...]

The model measures a copy of the circuit as the program does: a generator
of its own seeded with the run's seed, five seconds to settle, then twenty
equal batches whose rates give the mean and the 95% interval. With the
runner's seed every mean and half-width must agree with the runner's (the
counts are the same ones, so only rounding may differ) and lie inside its
interval; with another seed the two means must agree within their combined
interval. Exit 0 when all agree, 1 otherwise, 2 on bad usage.
"""

import json
import math
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import circuit_model  # noqa: E402

SECONDS_PER_TICK = 0.016
SETTLE_TICKS = 313
BATCHES = 20
STUDENT_T = 2.093024054408263   # 95%, 19 degrees of freedom


def estimate(rates):
    mean = sum(rates) / len(rates)
    squares = sum((r - mean) ** 2 for r in rates)
    return mean, STUDENT_T * math.sqrt(squares / (len(rates) - 1) / len(rates))


def measure(settings, seconds, seed):
    """{"current": (mean, half), "energy": {name: (mean, half)}} for the settings."""
    c = circuit_model.CIRCUIT_CLASSES[settings.circuit](circuit_model.Random(seed), circuit_model.StepClock())
    c.build_labels()
    if settings.reverse:
        c.switch_polarity()
    c.set_cells(1 if settings.cells is None else settings.cells)
    if settings.switch_open:
        c.set_switch_open(True)
    c.vary_mean_speed = settings.vary
    for _ in range(abs(settings.resistor or 0)):
        c.increase_resistance() if settings.resistor > 0 else c.decrease_resistance()
    loads = [name for name, _ in c.labels if name not in ("power supply", "switch")]
    batch_ticks = max(1, round(seconds / SECONDS_PER_TICK) // BATCHES)
    passages, batches = 0, []
    for tick in range(1, SETTLE_TICKS + batch_ticks * BATCHES + 1):
        c.step()
        passages += c.supply_count
        c.supply_count = 0.0
        if tick >= SETTLE_TICKS and (tick - SETTLE_TICKS) % batch_ticks == 0:
            batches.append((passages, {n: c.energy.get(n, 0) for n in loads}))
    batch_seconds = batch_ticks * SECONDS_PER_TICK
    deltas = list(zip(batches, batches[1:]))
    current = estimate([(b[0] - a[0]) / batch_seconds for a, b in deltas])
    energy = {n: estimate([(b[1][n] - a[1][n]) / batch_seconds for a, b in deltas]) for n in loads}
    return {"current": current, "energy": energy}


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    binary, seconds, args = argv[1], float(argv[2]), argv[3:]
    settings = circuit_model.parse_args(args)
    ran = subprocess.run([binary, *args, "--measure", argv[2], "--seed", "1"], capture_output=True, text=True)
    if ran.returncode != 0:
        print("runner failed: " + ran.stderr)
        return 1
    runner = json.loads(ran.stdout)
    quantities = [("current", runner["current"])] + [(n, v) for n, v in runner["energy"].items()]
    same, other = measure(settings, seconds, 1), measure(settings, seconds, 2)
    ok = True
    for name, (mean, low, high) in quantities:
        ours = same["current"] if name == "current" else same["energy"][name]
        theirs = other["current"] if name == "current" else other["energy"][name]
        half = (high - low) / 2
        close = abs(ours[0] - mean) <= 1e-9 * max(1.0, abs(mean)) and abs(ours[1] - half) <= 1e-9 * max(1.0, half)
        inside = low - 1e-9 <= ours[0] <= high + 1e-9
        agree = abs(theirs[0] - mean) <= math.hypot(theirs[1], half) + 1e-12
        print("%-20s runner %.4f +/- %.4f, model %.4f +/- %.4f, model with seed 2 %.4f +/- %.4f%s"
              % (name, mean, half, ours[0], ours[1], theirs[0], theirs[1],
                 "" if close and inside and agree else "  <-- DIFFERS"))
        ok = ok and close and inside and agree
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
