#!/usr/bin/env python3
"""Runs the real program under Xvfb and reports what a classroom sees of it:
ticks per second, CPU use, resident memory and the time to the first frame.

    bench/window_run.py build/app/tarrowin [--seconds 60] [--size 1920x1080] [--keys KEY ...]

--keys presses keys (xdotool's names: space, bracketleft...) once the first
frame shows, after a click in the middle of the screen gives the window the
keyboard: `--keys space` measures the paused program, `--keys bracketleft
bracketleft` the quarter speed. --repeat KEY ... --every S then presses
those keys one at a time, one every S seconds, in turn until the end:
`--keys g --repeat 2 1` changes the cells each second with the measurements
panel shown, so a long-run measurement is running most of the time.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time


def read_stat(pid):
    """(user + system CPU seconds, resident kB, peak resident kB) of a process."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])
    rss = hwm = 0
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                rss = int(line.split()[1])
            elif line.startswith("VmHWM:"):
                hwm = int(line.split()[1])
    return ticks / os.sysconf("SC_CLK_TCK"), rss, hwm


def start_xvfb(size):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{size}x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        display = f.readline().strip()
    if not display:
        xvfb.kill()
        sys.exit("window_run: Xvfb did not start")
    return xvfb, ":" + display


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--seconds", type=float, default=60.0)
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--keys", nargs="*", default=[])
    parser.add_argument("--repeat", nargs="*", default=[])
    parser.add_argument("--every", type=float, default=1.0)
    args = parser.parse_args()

    xvfb, display = start_xvfb(args.size)
    log = tempfile.TemporaryFile(mode="w+")
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LOGGING_RULES="tarrowin.ticks.debug=true")
    started = time.monotonic()
    program = subprocess.Popen([args.program], env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        # The log line arrives as the first frame is composed.
        first_frame = None
        while first_frame is None and time.monotonic() - started < 10.0:
            log.seek(0)
            if "first frame after" in log.read():
                first_frame = time.monotonic() - started
            else:
                time.sleep(0.005)
        if args.keys:
            width, height = (int(v) for v in args.size.split("x"))
            subprocess.run(["xdotool", "mousemove", str(width // 2), str(height // 2), "click", "1", "sleep", "0.2",
                            "key", *args.keys], env=env, check=True)
        samples = {}
        presses = 0
        for mark in (10.0, args.seconds):
            while args.repeat and time.monotonic() + args.every < started + mark:
                time.sleep(args.every)
                subprocess.run(["xdotool", "key", args.repeat[presses % len(args.repeat)]], env=env, check=True)
                presses += 1
            time.sleep(max(0.0, started + mark - time.monotonic()))
            if program.poll() is not None:
                sys.exit(f"window_run: the program ended early with status {program.returncode}")
            samples[mark] = read_stat(program.pid)
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
        xvfb.kill()

    log.seek(0)
    text = log.read()
    rates = [float(r) for r in re.findall(r"ticks in \d+ ms: ([\d.]+) ticks/s", text)]
    cpu10, rss10, _ = samples[10.0]
    cpu_end, rss_end, hwm = samples[args.seconds]
    span = args.seconds - 10.0
    shown = f"{first_frame * 1000:.0f} ms" if first_frame is not None else "not seen"
    print(f"time from start to the first frame after the splash: {shown} (the splash lasts 3000 ms)")
    if rates:
        print(f"ticks per second: median {sorted(rates)[len(rates) // 2]:.1f} over {len(rates)} reports")
    print(f"CPU from 10 s to {args.seconds:.0f} s: {100.0 * (cpu_end - cpu10) / span:.1f}% of one core")
    print(f"resident memory: {rss10 / 1024:.1f} MB at 10 s, {rss_end / 1024:.1f} MB at {args.seconds:.0f} s, "
          f"peak {hwm / 1024:.1f} MB")


if __name__ == "__main__":
    main()
