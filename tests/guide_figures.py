#!/usr/bin/env python3
"""guide_figures.py SIM_BINARY GUIDE_HTML: every long-run figure the guide quotes is the runner's.

The guide marks each figure as
  <span class="figure" data-run="RUNNER SETTINGS" data-of="current|LOAD NAME">MEAN +/- HALF</span>
and the runner's --measure 600 (the panel's long run, seed 1) must give exactly that text, so the guide
cannot drift from the model. Exit 0 when all agree, 1 otherwise."""

import html
import json
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

FIGURE = re.compile(r'<span class="figure" data-run="([^"]*)" data-of="([^"]*)">([^<]*)</span>')


def main():
    sim, guide = sys.argv[1], sys.argv[2]
    with open(guide, encoding="utf-8") as f:
        figures = [(html.unescape(r), html.unescape(o), t) for r, o, t in FIGURE.findall(f.read())]
    if len(figures) < 40:
        print("guide_figures: only %d figures found in %s" % (len(figures), guide))
        return 1

    def measure(run):
        out = subprocess.run([sim, *run.split(), "--measure", "600"], capture_output=True, text=True, timeout=600)
        return run, json.loads(out.stdout) if out.returncode == 0 else None

    with ThreadPoolExecutor(2) as pool:
        results = dict(pool.map(measure, sorted({run for run, _, _ in figures})))
    wrong = 0
    for run, of, text in figures:
        result = results[run]
        value = None if result is None else result["current"] if of == "current" else result["energy"].get(of)
        expected = "?" if value is None else "%.2f +/- %.2f" % (value[0], (value[2] - value[1]) / 2)
        if text != expected:
            wrong += 1
            print("guide_figures: %s, %s: the guide says %s, the runner %s" % (run, of, text, expected))
    print("guide_figures: %d figures from %d runs, %d differ" % (len(figures), len(results), wrong))
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
