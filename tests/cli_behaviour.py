#!/usr/bin/env python3
"""Behaviour of the headless runner seen from outside: exit codes, error
lines, the trace's tick lines, region maps and the pictures it writes.

usage: cli_behaviour.py PATH_TO_tarrowin-sim

Prints one line per failure and a summary "N passed, M failed"; exits 1 when
anything failed.
"""

import json
import os
import struct
import subprocess
import sys
import tempfile
import zlib

SIM = None
TMP = None
ENV = None
RESULTS = {"passed": 0, "failed": 0}


def check(name, condition, detail=""):
    if condition:
        RESULTS["passed"] += 1
    else:
        RESULTS["failed"] += 1
        print("FAIL %s%s" % (name, (": " + detail) if detail else ""))
    return condition


def run(args, timeout=30):
    proc = subprocess.run([SIM] + list(args), stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, env=ENV, timeout=timeout)
    return proc.returncode, proc.stdout, proc.stderr.decode("utf-8", "replace")


# --- PNG reading -----------------------------------------------------------

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_chunks(data):
    pos = len(PNG_SIGNATURE)
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        yield kind, body
        pos += 12 + length


def png_size(data):
    """(width, height) from IHDR, or None when it is not a PNG."""
    if not data.startswith(PNG_SIGNATURE):
        return None
    kind, body = next(png_chunks(data))
    if kind != b"IHDR" or len(body) != 13:
        return None
    return struct.unpack(">II", body[:8])


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_png(data):
    """(width, height, rows) with rows a list of bytearrays of RGB triples,
    for 8-bit RGB or RGBA non-interlaced images."""
    ihdr = None
    idat = b""
    for kind, body in png_chunks(data):
        if kind == b"IHDR":
            ihdr = body
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", ihdr)
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError("unexpected PNG format depth=%d colour=%d interlace=%d"
                         % (depth, colour, interlace))
    bpp = 3 if colour == 2 else 4
    stride = width * bpp
    raw = zlib.decompress(idat)
    rows = []
    prev = bytearray(stride)
    pos = 0
    for _ in range(height):
        ftype = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        if ftype == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 0xFF
        elif ftype == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 0xFF
        elif ftype == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 0xFF
        elif ftype == 4:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                upleft = prev[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + paeth(left, prev[i], upleft)) & 0xFF
        elif ftype != 0:
            raise ValueError("bad filter type %d" % ftype)
        prev = line
        if bpp == 4:
            rgb = bytearray()
            for i in range(0, stride, 4):
                rgb += line[i:i + 3]
            rows.append(rgb)
        else:
            rows.append(line)
    return width, height, rows


def pixel(rows, x, y):
    return tuple(rows[y][3 * x:3 * x + 3])


def colour_counts(rows, x0, y0, x1, y1):
    counts = {}
    for y in range(y0, y1):
        row = rows[y]
        for x in range(x0, x1):
            key = bytes(row[3 * x:3 * x + 3])
            counts[key] = counts.get(key, 0) + 1
    return counts


# --- the checks ------------------------------------------------------------

def check_bad_inputs():
    png = os.path.join(TMP, "never.png")
    cases = [
        (["--bogus"], "--bogus"),
        (["--ticks"], "--ticks"),
        (["--circuit", "0"], "--circuit"),
        (["--circuit", "15"], "--circuit"),
        (["--cells", "-1"], "--cells"),
        (["--cells", "4"], "--cells"),
        (["--ticks", "-1"], "--ticks"),
        (["--every", "0"], "--every"),
        (["--regions", "0"], "--regions"),
        (["--png", png, "--size", "800"], "--size"),
        (["--png", png, "--size", "0x600"], "--size"),
        (["--png", png, "--size", "800x600x2"], "--size"),
        (["--png", png, "--mode", "sketch"], "--mode"),
        (["--png", png, "--palette", "colorblind"], "--palette"),
        (["--palette", "colourblind"], "--palette"),
        (["--size", "800x600"], "--size"),
        (["--mode", "diagram"], "--mode"),
        (["--labels"], "--labels"),
        (["--measure", "0"], "--measure"),
        (["--measure", "nan"], "--measure"),
        (["--measure", "30", "--ticks", "5"], "--measure"),
        (["--measure", "30", "--png", png], "--measure"),
        (["--seed", "3"], "--seed"),
        (["--measure", "30", "--seed", "-1"], "--seed"),
    ]
    for args, option in cases:
        name = "bad input %s" % " ".join(args)
        rc, out, err = run(args)
        check(name + " exits 2", rc == 2, "exit %d" % rc)
        check(name + " prints nothing on stdout", out == b"", repr(out[:80]))
        lines = err.splitlines()
        check(name + " gives one stderr line", len(lines) == 1, repr(err))
        check(name + " names " + option, option in err, repr(err))
    check("no picture written by rejected runs", not os.path.exists(png))


def check_help_and_measure():
    rc, out, err = run(["--help"])
    check("--help exits 0 with the usage on stdout", rc == 0 and out.startswith(b"usage: tarrowin-sim") and
          b"--measure SECONDS" in out and err == "", repr(err))
    rc, out, err = run(["--circuit", "8", "--cells", "2", "--measure", "40", "--seed", "4"])
    lines = out.decode().splitlines()
    check("--measure prints one JSON line", rc == 0 and len(lines) == 1, repr(out[:200]))
    if rc == 0 and len(lines) == 1:
        m = json.loads(lines[0])
        bounds = [m["current"]] + list(m["energy"].values())
        check("--measure gives the current and each load as mean within its interval",
              sorted(m["energy"]) == ["light bulb", "resistor"] and m["seed"] == 4 and
              all(len(b) == 3 and b[1] <= b[0] <= b[2] for b in bounds) and m["current"][0] > 0, lines[0])
        rc2, out2, _ = run(["--circuit", "8", "--cells", "2", "--measure", "40", "--seed", "4"])
        check("--measure repeats itself", out2 == out)


def check_unwritable_outputs():
    rc, out, err = run(["--png", "/nonexistent-dir/x.png", "--ticks", "2"])
    check("png into missing directory exits 2", rc == 2, "exit %d" % rc)
    check("png into missing directory names --png",
          len(err.splitlines()) == 1 and "--png" in err, repr(err))
    check("png into missing directory writes nothing", out == b""
          and not os.path.exists("/nonexistent-dir/x.png"))

    target = os.path.join(TMP, "a-directory")
    os.mkdir(target)
    rc, out, err = run(["--png", target, "--ticks", "2"])
    check("png onto a directory exits 2", rc == 2, "exit %d" % rc)
    check("png onto a directory names --png",
          len(err.splitlines()) == 1 and "--png" in err, repr(err))
    check("png onto a directory leaves it alone",
          os.path.isdir(target) and os.listdir(target) == [])
    check("png onto a directory leaves no stray file",
          sorted(os.listdir(TMP)) == ["a-directory"], repr(os.listdir(TMP)))

    plain = os.path.join(TMP, "plain-file")
    with open(plain, "w") as f:
        f.write("x")
    rc, out, err = run(["--frames", plain, "--ticks", "2"])
    check("frames into a file exits 2", rc == 2, "exit %d" % rc)
    check("frames into a file names --frames",
          len(err.splitlines()) == 1 and "--frames" in err, repr(err))
    with open(plain) as f:
        check("frames into a file leaves it alone", f.read() == "x")


def tick_lines(args):
    rc, out, err = run(args)
    if not check("run %s succeeds" % " ".join(args), rc == 0, err):
        return None
    states = [json.loads(line) for line in out.decode().splitlines()]
    return states


def check_trace_lines():
    cases = [
        (["--ticks", "10", "--every", "5"], [0, 5, 10]),
        (["--ticks", "7", "--every", "5"], [0, 5, 7]),
        (["--ticks", "0"], [0]),
        (["--ticks", "3"], [0, 3]),
        (["--ticks", "4", "--every", "1"], [0, 1, 2, 3, 4]),
        (["--ticks", "5", "--every", "9"], [0, 5]),
    ]
    for args, ticks in cases:
        states = tick_lines(args)
        if states is None:
            continue
        got = [s["tick"] for s in states]
        check("ticks printed for %s" % " ".join(args), got == ticks, repr(got))
        check("50 electrons of 7 fields for %s" % " ".join(args),
              all(len(s["electrons"]) == 50 and all(len(e) == 7 for e in s["electrons"])
                  for s in states))
        check("fields in order for %s" % " ".join(args),
              all(list(s) == ["tick", "meter", "cells", "glows", "electrons"] for s in states))

    states = tick_lines(["--circuit", "11", "--energy", "--ticks", "400", "--every", "200"])
    if states:
        check("--energy adds each load's count after the glows, from 0",
              list(states[0]) == ["tick", "meter", "cells", "glows", "energy", "electrons"]
              and states[0]["energy"] == {"resistor 1": 0, "resistor 2": 0}
              and sum(states[-1]["energy"].values()) > 0, repr(states[-1]))

    states = tick_lines(["--cells", "2", "--reverse", "--ticks", "1"])
    if states:
        check("reversed two cells report -2",
              [s["cells"] for s in states] == [-2, -2], repr([s["cells"] for s in states]))
    states = tick_lines(["--cells", "0"])
    if states:
        check("no cells report 0", states[0]["cells"] == 0)
        check("meter starts at 0", states[0]["meter"] == 0)


def check_reproducible():
    args = ["--vary", "--reverse", "--cells", "3", "--tag", "--ticks", "300", "--every", "50"]
    rc1, out1, _ = run(args)
    rc2, out2, _ = run(args)
    check("reproducible run succeeds", rc1 == 0 and rc2 == 0)
    check("same arguments give byte-identical output", out1 == out2 and len(out1) > 0)
    rc3, out3, _ = run(["--vary", "--cells", "3", "--ticks", "300", "--every", "50"])
    check("different arguments give a different trace", rc3 == 0 and out3 != out1)


def check_regions():
    for n, side in ((1, 26), (4, 101)):
        rc, out, err = run(["--regions", str(n)])
        check("regions %d succeeds" % n, rc == 0, err)
        text = out.decode()
        lines = text.split("\n")
        check("regions %d ends with a newline" % n, text.endswith("\n"))
        lines = text.splitlines()
        check("regions %d prints %d lines" % (n, side), len(lines) == side, str(len(lines)))
        check("regions %d lines are %d digits" % (n, side),
              all(len(l) == side and l.isdigit() for l in lines))
        if len(lines) == side:
            # The grid's corner is outside the ring; the hole's middle is wall too.
            check("regions %d corner is wall" % n, lines[0][0] == "1")
            check("regions %d hole is wall" % n, lines[side // 2][side // 2] == "1")
            # The left wire at x = 3.5, y = 12.5 is free conductor (grid 3..4 whole points at n = 1).
            check("regions %d left wire is conductor" % n, lines[12 * n][3 * n] == "0")
    rc, out, _ = run(["--regions", "4"])
    lines = out.decode().splitlines()
    if len(lines) == 101:
        # (12.25, 3.5) is inside the supply; (12.5, 21.5) on the bulb's release line.
        check("regions 4 shows the supply", lines[14][49] == "2", lines[14][45:55])
        check("regions 4 shows the release line", lines[86][50] == "3", lines[86][45:55])


def render(mode, ticks, size="800x600", extra=()):
    path = os.path.join(TMP, "%s-%d.png" % (mode, ticks))
    rc, out, err = run(["--png", path, "--size", size, "--mode", mode,
                        "--ticks", str(ticks)] + list(extra))
    ok = check("render %s after %d ticks succeeds" % (mode, ticks), rc == 0, err)
    if not ok or not check("render %s wrote a file" % mode, os.path.isfile(path)):
        return None
    with open(path, "rb") as f:
        return f.read()


def check_pictures():
    for mode in ("ball", "diagram", "picture"):
        data = render(mode, 400)
        if data is None:
            continue
        check("%s is a PNG" % mode, data.startswith(PNG_SIGNATURE))
        check("%s is 800x600" % mode, png_size(data) == (800, 600), repr(png_size(data)))
        try:
            width, height, rows = decode_png(data)
        except (ValueError, zlib.error, TypeError, IndexError) as exc:
            check("%s decodes" % mode, False, str(exc))
            continue
        counts = colour_counts(rows, 0, 0, width, height)
        total = width * height
        if mode == "ball":
            grey = counts.get(bytes((128, 128, 128)), 0)
            black = counts.get(bytes((0, 0, 0)), 0)
            greenish = sum(n for c, n in counts.items()
                           if c[1] >= 100 and c[1] > c[0] + 60 and c[1] > c[2] + 60)
            check("ball model has a grey background", grey > total // 3, str(grey))
            check("ball model has a black ring", black > total // 10, str(black))
            check("ball model shows green electrons", greenish > 300, str(greenish))
            # 600 / 25 = 24 per unit, the square from x 100: black surround, grey margin, ring at 2..5 units.
            check("ball model black surround, grey margin",
                  (pixel(rows, 50, 300), pixel(rows, 100 + 24, 300)) == ((0, 0, 0), (128, 128, 128)))
            check("ball model no intro left", counts.get(bytes((255, 255, 255)), 0) < total // 100)
        elif mode == "diagram":
            white = counts.get(bytes((255, 255, 255)), 0)
            check("diagram has white paper", white > total // 2, str(white))
            # The paper spans 1..24 units: (100 + 24, 24) to (100 + 576, 576).
            check("diagram paper inside", pixel(rows, 400, 300) == (255, 255, 255))
            check("diagram wire is black", pixel(rows, 100 + 84, 300) == (0, 0, 0),
                  repr(pixel(rows, 184, 300)))
        else:
            centre = colour_counts(rows, 150, 50, 650, 550)
            dark = centre.get(bytes((0, 0, 0)), 0)
            check("picture centre is mostly not black", dark < 500 * 500 // 5, str(dark))
            check("picture fills most of the centre", sum(centre.values()) - dark > 200000)
    data = render("ball", 400, extra=["--palette", "colourblind"])
    if data is not None:
        rows = decode_png(data)[2]
        check("colourblind balls have no green", not any(c[1] > c[0] + 60 and c[1] > c[2] + 60
                                                         for c in colour_counts(rows, 0, 0, 800, 600)))


def check_intro_picture():
    # One tick draws the first intro frame: a white square page with the title in grey 87, black beside it.
    data = render("ball", 1, size="300x200")
    if data is None:
        return
    width, height, rows = decode_png(data)
    check("intro picture is 300x200", (width, height) == (300, 200))
    counts = colour_counts(rows, 0, 0, width, height)
    keys = set(counts)
    check("intro picture is white, grey 87 and black only",
          keys == {bytes((255, 255, 255)), bytes((87, 87, 87)), bytes((0, 0, 0))}, repr(sorted(keys)[:5]))
    check("intro page is the 200-pixel square", (pixel(rows, 49, 100), pixel(rows, 50, 0), pixel(rows, 250, 199)) ==
          ((0, 0, 0), (255, 255, 255), (0, 0, 0)))


def check_frames():
    folder = os.path.join(TMP, "frames")
    rc, out, err = run(["--frames", folder, "--ticks", "3", "--size", "200x150"])
    check("frames run succeeds", rc == 0, err)
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    check("frames writes exactly 3 files", len(names) == 3, repr(names))
    check("frames are PNGs", all(n.endswith(".png") for n in names), repr(names))
    for n in names:
        with open(os.path.join(folder, n), "rb") as f:
            size = png_size(f.read())
        check("frame %s is 200x150" % n, size == (200, 150), repr(size))
    if len(names) == 3:
        with open(os.path.join(folder, names[0]), "rb") as f:
            first = f.read()
        with open(os.path.join(folder, names[2]), "rb") as f:
            third = f.read()
        # The intro's grey changes from frame to frame.
        check("frames differ", first != third)
    states = [json.loads(l) for l in out.decode().splitlines()]
    check("frames run still prints the trace", [s["tick"] for s in states] == [0, 3])


def main():
    global SIM, TMP, ENV
    if len(sys.argv) != 2:
        print("usage: cli_behaviour.py PATH_TO_tarrowin-sim", file=sys.stderr)
        return 2
    SIM = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as base:
        # Qt complains on stderr when it has no runtime directory; give it one
        # so that stderr holds only what the runner says.
        runtime = os.path.join(base, "runtime")
        os.mkdir(runtime, 0o700)
        ENV = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime)
        for step in (check_bad_inputs, check_help_and_measure, check_unwritable_outputs, check_trace_lines,
                     check_reproducible, check_regions, check_pictures,
                     check_intro_picture, check_frames):
            TMP = os.path.join(base, step.__name__)
            os.mkdir(TMP)
            try:
                step()
            except Exception as exc:  # a crash in one group must not hide the others
                check(step.__name__ + " ran", False, "%s: %s" % (type(exc).__name__, exc))
    print("%d passed, %d failed" % (RESULTS["passed"], RESULTS["failed"]))
    return 1 if RESULTS["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
