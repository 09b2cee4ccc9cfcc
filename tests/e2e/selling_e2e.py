#!/usr/bin/python3
"""One run of the real desktop program, driven as a person would.

Starts a virtual X display, a session bus and the accessibility bus, launches
quillmere, opens Selling from the main menu, types a price, presses
Calculate, reads the net back through the accessibility tree (as a screen
reader would), returns to the menu and exits. Screenshots go to the
artifacts folder. Everything it started is stopped again, and every wait has
a deadline, so it fails instead of hanging.

    selling_e2e.py QUILLMERE QUILLMERE_CALC ARTIFACTS_DIR
    selling_e2e.py --read APP_NAME   (internal: prints the tree's findings as JSON)
"""
import ctypes
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WHOLE_RUN_SECONDS = 100   # below the CTest timeout, so the cleanup still runs
APP_NAME = "Quillmere 1.0"
PRICE = "250000"

# Client coordinates (96-dpi layout) of what is clicked.
MENU_SELLING = (376 + 32, 380 + 12)
MENU_EXIT = (544 + 36, 380 + 12)
SCREEN_PRICE_FIELD = (146 + 40, 68 + 12)
SCREEN_CALCULATE = (8 + 37, 372 + 8 + 12)
SCREEN_MAIN_MENU = (544 + 38, 372 + 8 + 12)

TOOLS = ["Xvfb", "xdotool", "import", "dbus-daemon"]
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Failure(Exception):
    pass


def log(*args):
    print("[e2e]", *args, flush=True)


# ---------------------------------------------------------------- tree reading

def read_tree(app_name):
    """Runs in a child process (the accessibility calls can block): prints the
    fields and labels of the program's tree, by accessible name."""
    import pyatspi  # noqa: imported here so the bus addresses are already set

    found = {"apps": [], "labels": {}, "fields": {}}
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        found["apps"].append(app.name)
        if app.name != app_name:
            continue

        def walk(node, depth=0):
            if node is None or depth > 30:
                return
            role = node.getRoleName()
            if role == "label" and node.name:
                labelled_by = [r for r in node.getRelationSet()
                               if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
                if labelled_by:  # a result label, named after its caption
                    found["labels"][node.name] = node.description
            elif role in ("text", "entry") and node.name:
                text = node.queryText()
                found["fields"][node.name] = text.getText(0, text.characterCount)
            for child in node:
                walk(child, depth + 1)

        walk(app)
    print(json.dumps(found))


# ---------------------------------------------------------------- processes

def die_with_parent():
    # PR_SET_PDEATHSIG: if this script is killed, its children go too.
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)


class Session:
    def __init__(self, artifacts):
        self.artifacts = artifacts
        self.started = []  # (name, Popen), stopped in reverse order
        self.env = dict(os.environ)
        self.runtime = tempfile.mkdtemp(prefix="quillmere-e2e-")
        os.chmod(self.runtime, 0o700)
        self.env.update({
            "XDG_RUNTIME_DIR": self.runtime,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "QT_QPA_PLATFORM": "xcb",
            "NO_AT_BRIDGE": "0",
        })
        for var in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(var, None)
        # United States settings where the locale exists, as in the documented
        # examples; the expected texts come from the same settings either way.
        locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
        if "en_US.utf8" in locales:
            self.env["LC_ALL"] = "en_US.UTF-8"

    def start(self, name, argv, **kw):
        proc = subprocess.Popen(argv, env=self.env, preexec_fn=die_with_parent, **kw)
        self.started.append((name, proc))
        return proc

    def stop_all(self):
        for name, proc in reversed(self.started):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait(timeout=5)
        self.started.clear()
        shutil.rmtree(self.runtime, ignore_errors=True)

    def read_line(self, fd, what, timeout=10):
        deadline = time.monotonic() + timeout
        data = b""
        while not data.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                raise Failure(f"no {what} within {timeout} s")
            chunk = os.read(fd, 256)
            if not chunk:
                raise Failure(f"{what}: the process ended without one")
            data += chunk
        return data.decode().strip()

    def start_display(self):
        read_end, write_end = os.pipe()
        self.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                            "-nolisten", "tcp", "-noreset"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = self.read_line(read_end, "display number from Xvfb")
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number
        log("display", self.env["DISPLAY"])

    def start_buses(self):
        bus = self.start("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.read_line(bus.stdout.fileno(), "session bus address")
        self.start("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately", "--a11y=1"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The registry is started on demand by the accessibility bus.

    def run(self, argv, timeout=10, check=True):
        done = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=timeout)
        if check and done.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed: {done.stderr.strip()}")
        return done.stdout

    def window(self, title, timeout=15):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            out = self.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"], check=False)
            if out.split():
                return out.split()[0]
            time.sleep(0.2)
        raise Failure(f'no window "{title}" within {timeout} s')

    def window_gone(self, title, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            out = self.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"], check=False)
            if not out.split():
                return
            time.sleep(0.2)
        raise Failure(f'window "{title}" still open after {timeout} s')

    def click(self, window, at):
        self.run(["xdotool", "mousemove", "--window", window, str(at[0]), str(at[1]), "click", "1"])

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        self.run(["import", "-window", "root", path], timeout=20)
        log("screenshot", path)

    def tree(self, timeout=15):
        done = subprocess.run(["/usr/bin/python3", os.path.abspath(__file__), "--read", APP_NAME],
                              env=self.env, capture_output=True, text=True, timeout=timeout)
        if done.returncode != 0:
            raise Failure("reading the accessibility tree failed: " + done.stderr.strip()[-2000:])
        return json.loads(done.stdout)


def wait_for(what, probe, timeout=20):
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        try:
            last = probe()
            if last[0]:
                return last[1]
        except (subprocess.TimeoutExpired, Failure, json.JSONDecodeError) as e:
            last = (False, str(e))
        time.sleep(0.5)
    raise Failure(f"{what} not seen within {timeout} s; last seen: {last}")


# ---------------------------------------------------------------- the run

def drive(quillmere, calc, session):
    session.start_display()
    session.start_buses()
    app = session.start("quillmere", [quillmere])

    menu = session.window("QM Main Menu")
    time.sleep(0.5)  # let it paint
    session.screenshot("e2e-main-menu.png")

    session.click(menu, MENU_SELLING)
    screen = session.window("QM Selling")
    session.click(screen, SCREEN_PRICE_FIELD)
    session.run(["xdotool", "key", "--clearmodifiers", "ctrl+a"])
    session.run(["xdotool", "type", "--delay", "20", PRICE])
    session.click(screen, SCREEN_CALCULATE)

    # What the calculation gives for the same text, under the same settings.
    expected = {}
    for line in session.run([calc, "selling", "esp=" + PRICE]).splitlines():
        label, _, text = line.partition("\t")
        expected[label] = text

    def net_written():
        tree = session.tree()
        if APP_NAME not in tree["apps"]:
            return False, tree
        return tree["labels"].get("Net from sale:") == expected["net"], tree

    tree = wait_for("the net in the accessibility tree", net_written)
    log("read back:", tree["labels"], tree["fields"])
    if tree["fields"].get("Estimated selling price") != PRICE:
        raise Failure(f"the price field reads {tree['fields']!r}")
    for label, name in (("oesp", "Estimated selling price:"), ("comm", "Realtor commission:"),
                        ("poc", "Payoffs and costs:")):
        if tree["labels"].get(name) != expected[label]:
            raise Failure(f"{name} reads {tree['labels'].get(name)!r}, the calculation gives {expected[label]!r}")
    session.screenshot("e2e-selling-after-calculate.png")

    session.click(screen, SCREEN_MAIN_MENU)
    session.window_gone("QM Selling")
    session.click(menu, MENU_EXIT)
    try:
        code = app.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end after Exit")
    if code != 0:
        raise Failure(f"the program ended with status {code}")
    log("passed: net", expected["net"])


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--read":
        read_tree(sys.argv[2])
        return 0
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 64
    quillmere, calc, artifacts = sys.argv[1:]
    missing = [t for t in TOOLS if not shutil.which(t)] + ([] if os.path.exists(BUS_LAUNCHER) else [BUS_LAUNCHER])
    if missing:
        print("missing: " + ", ".join(missing) + " (scripts/install-deps.sh test installs them)", file=sys.stderr)
        return 1
    os.makedirs(artifacts, exist_ok=True)

    def out_of_time(*_):
        raise Failure(f"the whole run took more than {WHOLE_RUN_SECONDS} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # run the cleanup below
    signal.alarm(WHOLE_RUN_SECONDS)
    session = Session(artifacts)
    try:
        drive(quillmere, calc, session)
        return 0
    except Failure as e:
        try:
            session.screenshot("e2e-failure.png")
        except Exception:
            pass
        print("FAILED:", e, file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        session.stop_all()


if __name__ == "__main__":
    sys.exit(main())
