#!/usr/bin/env python3
"""screenreader_e2e.py PATH-TO-TARROWIN: what a screen reader hears of the real program.

Its own Xvfb, session bus and accessibility bus, the program with Qt's AT-SPI bridge
always on, and the client library a screen reader uses to read and press it."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi  # noqa: F401  (only checked here; used after the buses are up)
except ImportError:
    # Debian's python3-pyatspi is installed for the system's Python only.
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("screenreader_e2e: FAILED: no pyatspi; run scripts/install-deps.sh (python3-pyatspi)", file=sys.stderr)
    sys.exit(1)

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from window_e2e import Failure, start_xvfb, stop, x_env  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def log(msg):
    print(f"screenreader_e2e: {msg}", flush=True)


def start_session_bus(env):
    proc = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, start_new_session=True)
    address = proc.stdout.readline().decode().strip()
    if not address:
        stop(proc, "dbus-daemon")
        raise Failure("dbus-daemon gave no address")
    return proc, address


def walk(node, depth=0):
    """Every accessible under node, depth first; a broken branch is skipped."""
    if node is None or depth > 30:
        return
    yield node
    try:
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return
    for child in children:
        yield from walk(child, depth + 1)


def wait_for(what, probe, timeout, pump):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump()
        try:
            found = probe()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure(f"{what} within {timeout:.0f} s")


def check(program, timeout):
    for tool in ("Xvfb", "dbus-daemon", BUS_LAUNCHER):
        if shutil.which(tool) is None:
            raise Failure(f"missing {tool}; run scripts/install-deps.sh")
    work = tempfile.mkdtemp(prefix="tarrowin-a11y-")
    xvfb = bus = launcher = app = None
    try:
        xvfb, display = start_xvfb(os.path.join(work, "xvfb.log"))
        env = x_env(display)
        for var in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"):
            env[var] = os.path.join(work, var.lower())
            os.mkdir(env[var], 0o700)
        bus, address = start_session_bus(env)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL, start_new_session=True)
        log(f"Xvfb on {display}, session bus and accessibility bus started")

        app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        app_log = open(os.path.join(work, "program.log"), "wb")
        app = subprocess.Popen([program], env=app_env, stdin=subprocess.DEVNULL, stdout=app_log,
                               stderr=subprocess.STDOUT, start_new_session=True)

        # The client library finds the buses through the environment it starts with.
        os.environ.update(env)
        import pyatspi
        from gi.repository import GLib
        context = GLib.MainContext.default()

        def pump():
            while context.iteration(False):
                pass
            if app.poll() is not None:
                raise Failure(f"the program exited with status {app.returncode}")

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                child = desktop.getChildAtIndex(i)
                if child is not None and child.name == "tarrowin":
                    return child
            return None

        def find(root, name, role=None, description=""):
            for node in walk(root):
                if node.name == name and (role is None or node.getRole() == role) and \
                        node.description.startswith(description):
                    return node
            return None

        root = wait_for("no application 'tarrowin' on the accessibility bus", application, timeout, pump)
        # The view is named after its circuit and describes it once the logo has gone.
        view = wait_for("no view named 'Single Bulb' describing its circuit",
                        lambda: find(root, "Single Bulb", pyatspi.ROLE_ANIMATION,
                                     "Single Bulb. 1 cell, the right way round."),
                        timeout, pump)
        log(f"view: {view.description!r}")
        for words in ("current: about", "light bulb:"):
            if words not in view.description:
                raise Failure(f"the description lacks {words!r}: {view.description!r}")

        meter = find(root, "Current at Power Supply", pyatspi.ROLE_DIAL)
        if meter is None:
            raise Failure("no dial named 'Current at Power Supply'")
        value = meter.queryValue()
        wait_for("the meter's value never leaves 0 with a cell in the circuit",
                 lambda: value.currentValue > 0.5, 10, pump)
        if (value.minimumValue, value.maximumValue) != (-10.0, 10.0):
            raise Failure(f"the meter reads from {value.minimumValue} to {value.maximumValue}, not -10 to 10")
        log(f"meter: {value.currentValue:.2f} marks, {meter.description!r}")

        # What a screen reader is told, as it is told: the events, not the values polled.
        heard = []
        told = {}

        def description_changed(event):
            told.setdefault(event.source.name, []).append(event.source.description)
            if event.source.name == "Single Bulb":
                heard.append(event.source.description)
        pyatspi.Registry.registerEventListener(description_changed, "object:property-change:accessible-description")
        needle = []
        pyatspi.Registry.registerEventListener(
            lambda event: needle.append(value.currentValue) if event.source.name == meter.name else None,
            "object:property-change:accessible-value")
        if find(root, "2 cells") is None:
            raise Failure("no button named '2 cells'")
        item = find(root, "2 Cells", pyatspi.ROLE_MENU_ITEM)
        if item is None:
            raise Failure("no menu item '2 Cells'")
        action = item.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            raise Failure(f"the menu item '2 Cells' cannot be pressed, only {names}")
        action.doAction(names.index("Press"))
        log("pressed the menu item '2 Cells'")
        wait_for("no announcement of a description with '2 cells'",
                 lambda: any("2 cells, the right way round." in text for text in heard), 5, pump)
        log(f"announced: {heard[-1]!r}")
        wait_for("no announcement of the meter's needle rising with 2 cells",
                 lambda: len(needle) > 1 and needle[-1] > needle[0], 5, pump)
        log(f"meter announced: {needle[0]:.2f} to {needle[-1]:.2f} marks")
        # Each change is told once: the same words twice in a row would be read twice.
        for name, texts in told.items():
            if any(a == b for a, b in zip(texts, texts[1:])):
                raise Failure(f"{name!r} announced the same description twice in a row: {texts}")
    except Failure:
        try:
            with open(os.path.join(work, "program.log"), "rb") as f:
                tail = f.read()[-2000:].decode(errors="replace").strip()
            if tail:
                log("program output (end):\n" + tail)
        except OSError:
            pass
        raise
    finally:
        stop(app, "the program")
        stop(launcher, "the accessibility bus")
        stop(bus, "the session bus")
        stop(xvfb, "Xvfb")
        shutil.rmtree(work, ignore_errors=True)


def main():
    try:
        check(os.path.abspath(sys.argv[1]), 20.0)
    except Failure as e:
        print(f"screenreader_e2e: FAILED: {e}", file=sys.stderr, flush=True)
        return 1
    print("screenreader_e2e: passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
