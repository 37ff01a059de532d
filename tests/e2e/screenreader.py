#!/usr/bin/python3
"""The program as a blind user hears it: Orca, the screen reader, reads the
window while real keys (XTEST, through xdotool) drive it on an X server of the
test's own. Orca speaks into a log instead of a speech synthesizer, and the
test checks what it said after each step.

    screenreader.py PROGRAM ARTIFACT_DIR [REGION]

The test gives itself a private HOME and XDG_RUNTIME_DIR and a D-Bus session
of its own, so that it shares neither Orca's settings nor the accessibility bus
with anyone, and it never has Orca replace another Orca. Whatever step fails,
it ends what it started: the program, then Orca, then the X server.
"""
import importlib.machinery
import importlib.util
import json
import logging
import os
import re
import subprocess
import sys
import tempfile
import time

TIMEOUT = 20.0
SCREEN = (1024, 768)
DECIMAL = {"en_US": ".", "de_DE": ","}
# Orca's settings: no speech server, so that every utterance goes to the log.
SETTINGS = {"general": {"speechServerFactory": ""},
            "profiles": {"default": {"profile": ["Default", "default"],
                                     "speechServerFactory": ""}},
            "pronunciations": {}, "keybindings": {}}


class Failure(Exception):
    pass


def wait_until(what, condition, timeout=TIMEOUT):
    """Polls condition() until it returns something true; fails after timeout."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        try:
            last = condition()
        except Exception as error:  # the accessible tree may change under a query
            last = error
        if last and not isinstance(last, Exception):
            return last
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what} (last: {last!r})")


class OneLine(logging.Formatter):
    """The time, then the message as a JSON string: one line, whatever it holds."""

    def format(self, record):
        return "%.3f %s" % (record.created, json.dumps(record.getMessage()))


def run_orca(log_path, prefs):
    """Runs Orca in this process, its speech logger copied to log_path, a line
    an utterance, each written at once. Orca's own check for other Orcas of
    the user is left out, as is its process name, by which other Orcas would
    find this one: each test's Orca has a bus of its own."""
    handler = logging.FileHandler(log_path)
    handler.setFormatter(OneLine())
    logging.getLogger("speech").addHandler(handler)
    loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
    launcher = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
    loader.exec_module(launcher)
    launcher.otherOrcas = lambda: []
    launcher.setProcessName = lambda name: False
    sys.argv = ["orca", "--user-prefs", prefs]
    return launcher.main()


class Speech:
    """What Orca has said, read from its log as it grows."""

    def __init__(self, path):
        self.path = path
        self.said = []  # every utterance so far, in order
        self.offset = 0

    def read(self):
        with open(self.path, encoding="utf-8") as log:
            log.seek(self.offset)
            lines = log.read()
        complete = lines[:lines.rfind("\n") + 1]
        self.offset += len(complete.encode("utf-8"))
        for line in complete.splitlines():
            message = json.loads(line.split(" ", 1)[1])
            # Key echo carries the voice after the text: "'tab ' {...}".
            match = re.match(r"SPEECH OUTPUT: '(.*)'( \{.*\})?$", message, re.S)
            if match:
                self.said.append(match.group(1))
        return self.said

    def mark(self):
        return len(self.read())

    def since(self, mark):
        return self.read()[mark:]

    def wait_for(self, what, mark, predicate):
        """Waits until an utterance since mark fulfils predicate; returns it."""
        try:
            return wait_until(what, lambda: next(
                (said for said in self.since(mark) if predicate(said)), None))
        except Failure:
            raise Failure(f"Orca did not say {what}; it said {self.since(mark)!r}")


class Session:
    def __init__(self, artifacts):
        self.artifacts = artifacts
        self.processes = []  # ended in reverse order
        self.speech = None

    def open(self, program, private, region):
        """The X server, Orca on it, and the program, with Orca reading it."""
        artifacts = self.artifacts
        self.start_xvfb()
        import pyatspi  # after DISPLAY: it connects to the session's buses
        self.pyatspi = pyatspi
        # The accessibility bus is up before Orca and the program look for it.
        pyatspi.Registry.getDesktop(0)
        log_path = os.path.join(artifacts, f"orca-speech-{region}.log")
        open(log_path, "w").close()
        prefs = os.path.join(private, "orca")
        os.mkdir(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
            json.dump(SETTINGS, settings)
        with open(os.path.join(artifacts, f"orca-output-{region}.log"), "w") as output:
            self.start([sys.executable, __file__, "--orca", log_path, prefs], stdout=output,
                       stderr=subprocess.STDOUT)
        self.speech = Speech(log_path)
        self.speech.wait_for("that it is on", 0, lambda said: said == "Screen reader on.")
        mark = self.speech.mark()
        self.start([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                       LC_ALL=f"{region}.UTF-8", LANG=f"{region}.UTF-8"),
                   stderr=subprocess.DEVNULL)
        window = wait_until("the window", lambda: self.xdotool(
            "search", "--onlyvisible", "--name", "^Brantile$").split()[:1])[0]
        self.xdotool("windowfocus", "--sync", window)
        self.speech.wait_for("the focused button", mark, lambda said: said == "Convert push button.")
        self.app = wait_until("the program on the accessibility bus", self.find_app)

    def start(self, command, **options):
        self.processes.append(subprocess.Popen(command, **options))
        return self.processes[-1]

    def start_xvfb(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0",
                    f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"], pass_fds=(write,),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        os.environ["DISPLAY"] = f":{number}"

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:  # Orca, after "Shutdown complete"
                process.kill()
                process.wait()

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        return next((app for app in desktop if app is not None and app.name == "Brantile"), None)

    def control(self, **wanted):
        def matches(accessible):
            return all(getattr(accessible, key) == value for key, value in wanted.items())
        return wait_until(f"a control with {wanted}",
                          lambda: self.pyatspi.findDescendant(self.app, matches))

    def entry_text(self):
        return self.control(name="Dimension in inches").queryText().getText(0, -1)

    def time_shown(self):
        label = self.control(description="Time")
        label.clearCache()  # the clock tells no changes: read it afresh
        return label.name

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                              text=True).stdout

    def keys(self, *names):
        self.xdotool("key", "--clearmodifiers", *names)

    def type(self, text):
        self.xdotool("type", "--delay", "90", text)

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(self.artifacts, name)],
                       check=True)


def say_road(session, region):
    """The road of one request, a failed one, and the clock left alone."""
    speech = session.speech
    decimal = DECIMAL[region]

    mark = speech.mark()
    session.keys("Tab")
    speech.wait_for("the whole entry, 0.000", mark, lambda said: said == "0.000 selected.")

    session.type(f"1{decimal}3")
    wait_until("the entry to read 1.3", lambda: session.entry_text() == f"1{decimal}3")
    mark = speech.mark()
    session.keys("Tab")
    speech.wait_for("the button", mark, lambda said: said == "Convert push button.")

    mark = speech.mark()
    session.keys("space")
    results = f"20 whole turns and 50{decimal} divisions"
    speech.wait_for(f"the results, {results}", mark, lambda said: results in said)

    mark = speech.mark()
    session.keys("Tab")
    speech.wait_for("the whole entry, 1.3", mark, lambda said: said == f"1{decimal}3 selected.")

    session.type("5 ")
    session.keys("Home", "Delete")
    wait_until("an entry of one blank", lambda: session.entry_text() == " ")
    session.keys("Tab")
    mark = speech.mark()
    session.keys("space")
    notice = ("Blanks alone are not a number.\n"
              f"Type a dimension such as 1{decimal}250 or 0{decimal}250.")
    speech.wait_for("the notice", mark, lambda said: notice in said)
    session.screenshot(f"orca-notice-{region}.png")

    # Idle while the clock ticks three times, then Tab: Orca, still listening,
    # reads the entry, and said no time in between.
    mark = speech.mark()
    times = [session.time_shown()]
    for _ in range(3):
        wait_until("the clock to tick", lambda: session.time_shown() != times[-1])
        times.append(session.time_shown())
    idle = speech.since(mark)
    session.keys("Tab")
    speech.wait_for("the entry after the idle time", mark + len(idle),
                    lambda said: said == "Dimension in inches text.")
    spoken_times = [said for said in idle if re.search(r"\d:\d\d", said)]
    if spoken_times:
        raise Failure(f"Orca spoke the time while idle: {spoken_times!r} (clock: {times!r})")
    print(f"Idle while the clock went {times[0]} to {times[-1]}: Orca said {idle!r}")

    # Quiet, yet there to read: Orca's flat review, line by line down from the
    # entry, comes to the time.
    mark = speech.mark()
    session.keys("KP_Subtract")
    speech.wait_for("that it reviews", mark, lambda said: said == "Entering flat review.")
    for _ in range(8):
        mark = speech.mark()
        session.keys("KP_Prior")
        if re.search(r"\d:\d\d", speech.wait_for("a line", mark, lambda said: True)):
            return
    raise Failure(f"flat review did not come to the time; Orca said {speech.since(0)!r}")


def in_session(program, artifacts, private, region):
    session = Session(artifacts)
    try:
        session.open(program, private, region)
        say_road(session, region)
        print("Orca said:", *session.speech.read(), sep="\n  ")
        return 0
    except Failure as failure:
        print(f"FAIL: {failure}")
        if "DISPLAY" in os.environ:
            session.screenshot(f"orca-failure-{region}.png")
        return 1
    finally:
        session.close()


def main():
    if sys.argv[1] == "--orca":
        return run_orca(*sys.argv[2:4])
    if sys.argv[1] == "--session":
        return in_session(*sys.argv[2:6])
    program, artifacts = sys.argv[1], sys.argv[2]
    region = sys.argv[3] if len(sys.argv) > 3 else "en_US"
    os.makedirs(artifacts, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="brantile-orca-") as private:
        home = os.path.join(private, "home")
        runtime = os.path.join(private, "runtime")
        os.mkdir(home)
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime)
        for inherited in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                          "AT_SPI_BUS_ADDRESS"):
            env.pop(inherited, None)
        return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, "--session",
                               program, os.path.abspath(artifacts), private, region],
                              env=env).returncode


if __name__ == "__main__":
    sys.exit(main())
