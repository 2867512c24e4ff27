#!/usr/bin/env python3
"""guide_figures.py SIM_BINARY GUIDE_HTML: every model figure the guide quotes is the runner's.

The guide marks each figure as
  <span class="figure" data-run="SETTINGS" data-of="QUANTITY">TEXT</span>
QUANTITY is "current" or a load's name (a key of the runner's "energy"), or several loads joined by ", ", which
must each give TEXT (the prose's "each"). The value is the mean from `tarrowin-sim SETTINGS --measure 600` (the
panel's long run, seed 1), and three attributes may follow:
  data-per="N"          the value divided by N: the balls a second through a load that takes N units of each ball
  data-over="SETTINGS"  the value divided by the same quantity's mean in that run: "1.2 times as much"
  data-digits="D"       TEXT is the value alone to D decimals, as the prose's "about 0.97" or "about 1.3";
                        without it TEXT is "MEAN +/- HALF" to 2 decimals, HALF half the 95% interval.

One rule keeps the prose from quoting a figure that nobody checks: every decimal number in the guide's text
(outside tags, style and script) lies in such a figure or alone in <span class="plain">NUMBER</span>, which marks a
number that is not the model's long run: a setting, a unit, an ideal circuit's, an example of what the screen shows.

Identical SETTINGS run once, two at a time. Exit 0 when all agree, 1 otherwise."""

import json
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from html.parser import HTMLParser

DECIMAL = re.compile(r"\d+\.\d+")


class Guide(HTMLParser):
    """Collects the marked figures, and the decimal numbers that are not marked."""

    def __init__(self):
        super().__init__()
        self.figures = []  # (line, attributes, text)
        self.unmarked = []  # (line, number, text around it)
        self.spans = []  # per open span: its figure entry, "plain", or None
        self.skip = 0

    def handle_starttag(self, tag, attrs):
        if tag in ("style", "script"):
            self.skip += 1
        elif tag == "span":
            kind = dict(attrs).get("class")
            if kind == "figure":
                self.figures.append([self.getpos()[0], dict(attrs), ""])
                self.spans.append(self.figures[-1])
            else:
                self.spans.append("plain" if kind == "plain" else None)

    def handle_endtag(self, tag):
        if tag in ("style", "script"):
            self.skip -= 1
        elif tag == "span" and self.spans:
            self.spans.pop()

    def handle_data(self, data):
        marked = next((span for span in reversed(self.spans) if span is not None), None)
        if isinstance(marked, list):
            marked[2] += data
        elif not self.skip and not (marked == "plain" and DECIMAL.fullmatch(data)):
            for number in DECIMAL.finditer(data):
                around = " ".join(data[max(0, number.start() - 30):number.end() + 30].split())
                line = self.getpos()[0] + data.count("\n", 0, number.start())
                self.unmarked.append((line, number.group(), around))


def expected(attrs, results):
    """The text the runner's results give for one figure, or None when they give none."""
    def quantity(run, of):
        result = results.get(run)
        return None if result is None else result["current"] if of == "current" else result["energy"].get(of)

    per = float(attrs.get("data-per", 1))
    digits = attrs.get("data-digits")
    if "data-over" in attrs and digits is None:
        return None  # a ratio has no interval of its own
    texts = set()
    for of in attrs.get("data-of", "").split(", "):
        value = quantity(attrs.get("data-run"), of)
        base = quantity(attrs["data-over"], of) if "data-over" in attrs else [1]
        if value is None or base is None or base[0] == 0:
            return None
        mean = value[0] / base[0] / per
        texts.add("%.*f" % (int(digits), mean) if digits else "%.2f +/- %.2f" % (mean, (value[2] - value[1]) / 2 / per))
    return texts.pop() if len(texts) == 1 else " or ".join(sorted(texts))


def main():
    sim, path = sys.argv[1], sys.argv[2]
    guide = Guide()
    with open(path, encoding="utf-8") as f:
        guide.feed(f.read())
    guide.close()
    if len(guide.figures) < 40:
        print("guide_figures: only %d figures found in %s" % (len(guide.figures), path))
        return 1

    def measure(run):
        out = subprocess.run([sim, *run.split(), "--measure", "600"], capture_output=True, text=True, timeout=600)
        return run, json.loads(out.stdout) if out.returncode == 0 else None

    runs = {attrs[key] for _, attrs, _ in guide.figures for key in ("data-run", "data-over") if key in attrs}
    with ThreadPoolExecutor(2) as pool:
        results = dict(pool.map(measure, sorted(runs)))
    wrong = 0
    for line, attrs, text in guide.figures:
        want = expected(attrs, results) or "?"
        if text != want:
            wrong += 1
            quantity = attrs.get("data-of", "?") + (" / %s" % attrs["data-per"] if "data-per" in attrs else "")
            quantity += " over %s" % attrs["data-over"] if "data-over" in attrs else ""
            print("guide_figures: line %d, %s, %s: the guide says %s, the runner %s"
                  % (line, attrs.get("data-run", "?"), quantity, text, want))
    for line, number, around in guide.unmarked:
        print("guide_figures: line %d: %s is marked neither as a figure nor as plain: ...%s..." % (line, number, around))
    print("guide_figures: %d figures from %d runs, %d differ; %d numbers unmarked"
          % (len(guide.figures), len(results), wrong, len(guide.unmarked)))
    return 1 if wrong or guide.unmarked else 0


if __name__ == "__main__":
    sys.exit(main())
