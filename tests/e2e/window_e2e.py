#!/usr/bin/env python3
"""Starts the real program on its own Xvfb and checks what a person would see.

    window_e2e.py PATH-TO-TARROWIN [--screenshot FILE.png] [--timeout SECONDS]

After the splash (and the circuit's title intro) the main window, titled
"Tarrowin - Single Bulb", must show the ball model: a grey background, a thick
black loop of wire round a grey middle, and many green electrons that move.
The last screenshot is written as a PNG for a person to look at.
"""

import argparse
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

TITLE = "Tarrowin - Single Bulb"
SCREEN_W, SCREEN_H = 1920, 1080
SPLASH_SECONDS = 3.0

# Thresholds. A white splash or intro, an empty window or a frozen picture fails
# each of them by a wide margin; the ball model passes each by a wide margin.
MIN_GREY_SHARE = 0.10        # exact (128,128,128) pixels, share of the window
MIN_BAND_BLACK_SHARE = 0.15  # black in each outer quarter of the wire loop
MAX_CENTRE_BLACK_SHARE = 0.05
MIN_CENTRE_GREY_SHARE = 0.50
MIN_ELECTRONS = 10           # separate green blobs
MIN_BLOB_PIXELS = 12
MIN_MOVED_SHARE = 0.10       # green pixels that differ between two shots


class Failure(Exception):
    pass


def log(msg):
    print(f"e2e_window: {msg}", flush=True)


# ----------------------------------------------------------------- images

class Image:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def crop(self, x, y, w, h):
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.width, x + w), min(self.height, y + h)
        if x1 <= x0 or y1 <= y0:
            raise Failure(f"window {w}x{h}+{x}+{y} lies outside the {self.width}x{self.height} screen")
        rows = [self.rgb[(r * self.width + x0) * 3:(r * self.width + x1) * 3] for r in range(y0, y1)]
        return Image(x1 - x0, y1 - y0, b"".join(rows))


def parse_ppm(data):
    """Binary PPM (P6), as ImageMagick writes it; comments allowed in the header."""
    fields, pos = [], 0
    while len(fields) < 4:
        while pos < len(data) and data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while end < len(data) and not data[end:end + 1].isspace():
            end += 1
        if end == pos:
            raise Failure("screenshot is not a complete PPM header")
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6":
        raise Failure(f"screenshot is not a binary PPM (magic {fields[0]!r})")
    width, height, maxval = (int(f) for f in fields[1:])
    pixels = data[pos + 1:]  # exactly one whitespace byte ends the header
    if maxval > 255:
        pixels = pixels[0::2]  # 16-bit samples, big-endian: keep the high byte
    if len(pixels) < width * height * 3:
        raise Failure(f"screenshot has {len(pixels)} bytes of pixels, expected {width * height * 3}")
    return Image(width, height, bytes(pixels[:width * height * 3]))


def write_png(path, img):
    raw = b"".join(b"\x00" + img.rgb[r * img.width * 3:(r + 1) * img.width * 3] for r in range(img.height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", img.width, img.height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def pixel_mask(img, r_ok, g_ok, b_ok):
    """One byte per pixel, 1 where all three channel tests hold.

    Works a channel at a time through translate tables and big-integer AND, so a
    full-screen picture takes a fraction of a second without third-party code."""
    n = img.width * img.height
    result = -1
    for offset, ok in ((0, r_ok), (1, g_ok), (2, b_ok)):
        table = bytes(1 if ok(v) else 0 for v in range(256))
        result &= int.from_bytes(img.rgb[offset::3].translate(table), "big")
    return result.to_bytes(n, "big")


def count_in(mask, width, x0, y0, x1, y1):
    return sum(mask[r * width + x0:r * width + x1].count(1) for r in range(y0, y1))


def dense_span(counts, min_count):
    idx = [i for i, c in enumerate(counts) if c >= min_count]
    return (idx[0], idx[-1] + 1) if idx else None


def blobs(mask, width, x0, y0, x1, y1):
    """Sizes of the 4-connected groups of set pixels inside the box."""
    pixels = set()
    for r in range(y0, y1):
        row = mask[r * width + x0:r * width + x1]
        c = row.find(1)
        while c != -1:
            pixels.add((x0 + c, r))
            c = row.find(1, c + 1)
    sizes = []
    while pixels:
        stack = [pixels.pop()]
        size = 0
        while stack:
            x, y = stack.pop()
            size += 1
            for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if q in pixels:
                    pixels.remove(q)
                    stack.append(q)
        sizes.append(size)
    return sizes


def is_grey(v):
    return v == 128


def is_dark(v):
    return v <= 40


def green_masks(img):
    return pixel_mask(img, lambda v: v <= 110, lambda v: v >= 160, lambda v: v <= 110)


def analyse(win):
    """Returns (problems, facts, view box, green mask) for one picture of the window."""
    w, h = win.width, win.height
    grey = pixel_mask(win, is_grey, is_grey, is_grey)
    dark = pixel_mask(win, is_dark, is_dark, is_dark)
    green = green_masks(win)
    problems, facts = [], {}

    n_grey = grey.count(1)
    facts["grey"] = f"{n_grey} px ({n_grey / (w * h):.0%} of the window)"
    if n_grey < MIN_GREY_SHARE * w * h:
        problems.append(f"too little grey (128,128,128) background: {facts['grey']}, need {MIN_GREY_SHARE:.0%}")
        return problems, facts, None, green

    # The view is where the grey rows and columns are dense; stray grey pixels in
    # the bars do not count.
    row_counts = [grey[r * w:(r + 1) * w].count(1) for r in range(h)]
    col_counts = [0] * w
    for r in range(h):
        row = grey[r * w:(r + 1) * w]
        c = row.find(1)
        while c != -1:
            col_counts[c] += 1
            c = row.find(1, c + 1)
    ys = dense_span(row_counts, max(row_counts) * 0.2)
    xs = dense_span(col_counts, max(col_counts) * 0.2)
    vx0, vx1 = xs
    vy0, vy1 = ys
    facts["view"] = f"{vx1 - vx0}x{vy1 - vy0}+{vx0}+{vy0}"

    # The wire loop: the span of dense dark rows and columns inside the view.
    dark_rows = [dark[r * w + vx0:r * w + vx1].count(1) for r in range(vy0, vy1)]
    dark_cols = [0] * (vx1 - vx0)
    for r in range(vy0, vy1):
        row = dark[r * w + vx0:r * w + vx1]
        c = row.find(1)
        while c != -1:
            dark_cols[c] += 1
            c = row.find(1, c + 1)
    ry = dense_span(dark_rows, (vx1 - vx0) * 0.05)
    rx = dense_span(dark_cols, (vy1 - vy0) * 0.05)
    if ry is None or rx is None:
        problems.append("no black wire loop in the view")
    else:
        lx0, lx1 = vx0 + rx[0], vx0 + rx[1]
        ly0, ly1 = vy0 + ry[0], vy0 + ry[1]
        lw, lh = lx1 - lx0, ly1 - ly0
        facts["loop"] = f"{lw}x{lh}+{lx0}+{ly0}"
        if lw < 0.3 * (vx1 - vx0) or lh < 0.3 * (vy1 - vy0):
            problems.append(f"the black wires span only {lw}x{lh} of a {vx1 - vx0}x{vy1 - vy0} view")
        qw, qh = lw // 4, lh // 4
        bands = {
            "top": (lx0, ly0, lx1, ly0 + qh),
            "bottom": (lx0, ly1 - qh, lx1, ly1),
            "left": (lx0, ly0, lx0 + qw, ly1),
            "right": (lx1 - qw, ly0, lx1, ly1),
        }
        shares = []
        for name, (x0, y0, x1, y1) in bands.items():
            share = count_in(dark, w, x0, y0, x1, y1) / max(1, (x1 - x0) * (y1 - y0))
            shares.append(f"{name} {share:.0%}")
            if share < MIN_BAND_BLACK_SHARE:
                problems.append(f"the {name} side of the loop is only {share:.0%} black")
        facts["black by side"] = ", ".join(shares)
        cx0, cx1 = lx0 + int(lw * 0.35), lx0 + int(lw * 0.65)
        cy0, cy1 = ly0 + int(lh * 0.35), ly0 + int(lh * 0.65)
        area = max(1, (cx1 - cx0) * (cy1 - cy0))
        c_dark = count_in(dark, w, cx0, cy0, cx1, cy1) / area
        c_grey = count_in(grey, w, cx0, cy0, cx1, cy1) / area
        facts["middle"] = f"{c_grey:.0%} grey, {c_dark:.0%} black"
        if c_dark > MAX_CENTRE_BLACK_SHARE or c_grey < MIN_CENTRE_GREY_SHARE:
            problems.append(f"the middle of the loop is not grey: {facts['middle']}")

    sizes = [s for s in blobs(green, w, vx0, vy0, vx1, vy1) if s >= MIN_BLOB_PIXELS]
    facts["electrons"] = f"{len(sizes)} green blobs"
    if len(sizes) < MIN_ELECTRONS:
        problems.append(f"only {len(sizes)} green electrons in the view, need {MIN_ELECTRONS}")
    return problems, facts, (vx0, vy0, vx1, vy1), green


def moved_share(green_a, green_b, width, box):
    x0, y0, x1, y1 = box
    a = b = diff = 0
    for r in range(y0, y1):
        ra = int.from_bytes(green_a[r * width + x0:r * width + x1], "big")
        rb = int.from_bytes(green_b[r * width + x0:r * width + x1], "big")
        a += bin(ra).count("1")
        b += bin(rb).count("1")
        diff += bin(ra ^ rb).count("1")
    return diff / max(1, a + b)


# ----------------------------------------------------------------- X side

def need_tools():
    missing = [t for t in ("Xvfb", "xwininfo", "import") if shutil.which(t) is None]
    if missing:
        raise Failure(f"missing {', '.join(missing)}; run scripts/install-deps.sh "
                      "(packages xvfb, x11-utils, imagemagick)")


def start_xvfb(log_path):
    with open(log_path, "wb") as logfile:
        try:
            return _start_xvfb(logfile)
        except Failure as e:
            logfile.flush()
            with open(log_path, "rb") as f:
                tail = f.read()[-1500:].decode(errors="replace").strip()
            raise Failure(f"{e}\nXvfb said:\n{tail}" if tail else str(e))


def _start_xvfb(logfile):
    read_fd, write_fd = os.pipe()
    proc = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_fd,), stdout=logfile, stderr=subprocess.STDOUT, start_new_session=True)
    os.close(write_fd)
    text = b""
    deadline = time.monotonic() + 15
    try:
        while not text.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or proc.poll() is not None:
                raise Failure("Xvfb did not start (no display number within 15 s)")
            ready, _, _ = select.select([read_fd], [], [], min(left, 0.5))
            if ready:
                chunk = os.read(read_fd, 64)
                if not chunk:
                    raise Failure("Xvfb closed its display pipe without a display number")
                text += chunk
    except Failure:
        stop(proc, "Xvfb")
        raise
    finally:
        os.close(read_fd)
    return proc, ":" + text.decode().strip()


def x_env(display):
    env = dict(os.environ)
    env["DISPLAY"] = display
    env.pop("WAYLAND_DISPLAY", None)
    return env


def run_x(cmd, env, timeout=15):
    try:
        return subprocess.run(cmd, env=env, capture_output=True, timeout=timeout, check=True).stdout
    except subprocess.CalledProcessError as e:
        raise Failure(f"{cmd[0]} failed ({e.returncode}): {e.stderr.decode(errors='replace').strip()}")
    except subprocess.TimeoutExpired:
        raise Failure(f"{cmd[0]} did not answer within {timeout} s")


WINDOW_LINE = re.compile(
    r'^\s*(0x[0-9a-f]+) "(.*)":.*?\s(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+?(-?\d+)\+?(-?\d+)\s*$')


def find_window(env):
    """(id, x, y, w, h) of the viewable window with the title, and the titles seen."""
    tree = run_x(["xwininfo", "-root", "-tree"], env).decode(errors="replace")
    seen, found = [], None
    for line in tree.splitlines():
        m = WINDOW_LINE.match(line)
        if not m:
            continue
        wid, name, w, h, x, y = m.group(1), m.group(2), *map(int, m.groups()[2:])
        seen.append(name)
        if name == TITLE and found is None:
            info = run_x(["xwininfo", "-id", wid], env).decode(errors="replace")
            if "IsViewable" in info:
                found = (wid, x, y, w, h)
    return found, seen


def screenshot(env):
    return parse_ppm(run_x(["import", "-silent", "-window", "root", "ppm:-"], env, timeout=20))


def stop(proc, name):
    if proc is None or proc.poll() is not None:
        return
    try:
        os.killpg(proc.pid, signal.SIGTERM)
        proc.wait(timeout=5)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        proc.wait(timeout=5)
    log(f"stopped {name}")


# ----------------------------------------------------------------- the test

def check(program, shot_path, timeout):
    need_tools()
    if not os.access(program, os.X_OK):
        raise Failure(f"{program} is not an executable file")
    work = tempfile.mkdtemp(prefix="tarrowin-e2e-")
    xvfb = app = None
    last_shot = None
    app_log_path = os.path.join(work, "program.log")
    try:
        xvfb, display = start_xvfb(os.path.join(work, "xvfb.log"))
        log(f"Xvfb on {display} at {SCREEN_W}x{SCREEN_H}x24")
        env = x_env(display)
        app_env = dict(env)
        # The test runner asks other tests for the offscreen platform: this one
        # needs real X windows. A private home keeps the user's settings out.
        app_env["QT_QPA_PLATFORM"] = "xcb"
        for var in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"):
            app_env[var] = os.path.join(work, var.lower())
            os.mkdir(app_env[var], 0o700)
        with open(app_log_path, "wb") as alog:
            app = subprocess.Popen([program], env=app_env, stdin=subprocess.DEVNULL,
                                   stdout=alog, stderr=subprocess.STDOUT, start_new_session=True)
        started = time.monotonic()
        deadline = started + timeout
        log(f"started {program} (pid {app.pid})")

        window, seen, problems, facts, first = None, [], ["no picture taken yet"], {}, None
        while time.monotonic() < deadline:
            if app.poll() is not None:
                raise Failure(f"the program exited with status {app.returncode} after "
                              f"{time.monotonic() - started:.1f} s")
            window, seen = find_window(env)
            if window is None or time.monotonic() - started < SPLASH_SECONDS + 0.5:
                time.sleep(0.25)
                continue
            wid, x, y, w, h = window
            shot = screenshot(env)
            last_shot = shot
            problems, facts, box, green = analyse(shot.crop(x, y, w, h))
            if problems:
                first = None
                time.sleep(0.5)
                continue
            if first is None or first[2] != window:
                first = (green, box, window)
                time.sleep(0.5)
                continue
            # Two ball-model pictures half a second apart: the electrons must move.
            share = moved_share(first[0], green, w, box)
            facts["moved"] = f"{share:.0%} of green pixels changed in 0.5 s"
            if share >= MIN_MOVED_SHARE:
                log(f"window {wid} {w}x{h}+{x}+{y} shows the ball model after "
                    f"{time.monotonic() - started:.1f} s")
                for k, v in facts.items():
                    log(f"  {k}: {v}")
                return
            problems = [f"the electrons do not move: {facts['moved']}"]
            first = (green, box, window)
            time.sleep(0.5)

        if window is None:
            raise Failure(f"no viewable window titled {TITLE!r} within {timeout:.0f} s; "
                          f"windows seen: {sorted(set(seen)) or 'none'}")
        details = "; ".join(f"{k}: {v}" for k, v in facts.items())
        raise Failure(f"the window never showed the ball model within {timeout:.0f} s: "
                      f"{'; '.join(problems)} ({details})")
    except Failure:
        try:
            with open(app_log_path, "rb") as f:
                tail = f.read()[-2000:].decode(errors="replace").strip()
            if tail:
                log("program output (end):\n" + tail)
        except OSError:
            pass
        raise
    finally:
        stop(app, "the program")
        stop(xvfb, "Xvfb")
        if last_shot is not None and shot_path:
            write_png(shot_path, last_shot)
            log(f"screenshot: {shot_path}")
        shutil.rmtree(work, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("program", help="path to the tarrowin binary")
    ap.add_argument("--screenshot", default="e2e_window.png",
                    help="where to write the last screenshot (PNG); '' for none")
    ap.add_argument("--timeout", type=float, default=30.0,
                    help="seconds from start for the ball model to appear")
    args = ap.parse_args()
    try:
        check(os.path.abspath(args.program), args.screenshot, args.timeout)
    except Failure as e:
        print(f"e2e_window: FAILED: {e}", file=sys.stderr, flush=True)
        return 1
    print("e2e_window: passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
