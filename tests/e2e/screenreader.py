#!/usr/bin/python3
"""The program as a blind user hears it: Orca, the screen reader, reads the
window while real keys drive it on an X server of the test's own. Orca speaks
into a log instead of a speech synthesizer; the test checks what it said
after each step.

    screenreader.py PROGRAM ARTIFACT_DIR REGION

The test gives itself a private HOME and XDG_RUNTIME_DIR and a D-Bus session
of its own, so that it shares neither Orca's settings nor the accessibility bus
with anyone, and never has Orca replace another. Whatever step fails, it ends
what it started: the program, then Orca, then the X server.
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

from e2e import Driver, Failure, start_xvfb, wait_until, xdotool

DECIMAL = {"en_US": ".", "de_DE": ","}
# No speech server: Orca only logs what it would say.
SETTINGS = {"general": {"speechServerFactory": ""},
            "profiles": {"default": {"profile": ["Default", "default"],
                                     "speechServerFactory": ""}},
            "pronunciations": {}, "keybindings": {}}


class OneLine(logging.Formatter):
    """The time, then the message as a JSON string: one line, whatever it holds."""

    def format(self, record):
        return "%.3f %s" % (record.created, json.dumps(record.getMessage()))


def run_orca(log_path, prefs):
    """Runs Orca here, its speech logger copied to log_path a line at a time.
    Left out: Orca's check for other Orcas of the user, and the process name
    by which they would find this one; each test's Orca has a bus of its own."""
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
    """What Orca has said, read from its log."""

    def __init__(self, path):
        self.path = path

    def said(self):
        with open(self.path, encoding="utf-8") as log:
            messages = [json.loads(line.split(" ", 1)[1]) for line in log if line.endswith("\n")]
        # Key echo carries its voice after the text: "'tab ' {...}".
        found = (re.match(r"SPEECH OUTPUT: '(.*)'( \{.*\})?$", message, re.S)
                 for message in messages)
        return [match.group(1) for match in found if match]

    def after(self, action, what, wanted):
        """Does action, then waits until Orca says something that wanted()
        accepts; returns it and all said since action."""
        mark = len(self.said())
        action()
        try:
            return wait_until(what, lambda: next(
                ((said, self.said()[mark:]) for said in self.said()[mark:] if wanted(said)), None))
        except Failure:
            raise Failure(f"Orca did not say {what}; it said {self.said()[mark:]!r}")


class Session(Driver):
    def __init__(self, artifacts, region):
        self.artifacts, self.region = artifacts, region
        self.processes = []  # ended last first
        self.speech = Speech(os.path.join(artifacts, f"orca-speech-{region}.log"))

    def open(self, program, private):
        xvfb, os.environ["DISPLAY"] = start_xvfb()
        self.processes.append(xvfb)
        import pyatspi  # the accessibility bus up before Orca and the program look for it
        pyatspi.Registry.getDesktop(0)
        prefs = os.path.join(private, "orca")
        os.mkdir(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
            json.dump(SETTINGS, settings)
        open(self.speech.path, "w").close()
        with open(os.path.join(self.artifacts, f"orca-output-{self.region}.log"), "w") as output:
            self.speech.after(lambda: self.start(
                [sys.executable, __file__, "--orca", self.speech.path, prefs], stdout=output,
                stderr=subprocess.STDOUT), "that it is on", lambda said: said == "Screen reader on.")
        self.speech.after(lambda: self.start_program(program), "the focused button",
                          lambda said: said == "Convert push button.")
        super().__init__()

    def start(self, command, **options):
        self.processes.append(subprocess.Popen(command, **options))

    def start_program(self, program):
        self.start([program], stderr=subprocess.DEVNULL, env=dict(
            os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            LC_ALL=f"{self.region}.UTF-8", LANG=f"{self.region}.UTF-8"))
        window = wait_until("the window", lambda: xdotool(
            "search", "--onlyvisible", "--name", "^Brantile$").split()[:1])[0]
        xdotool("windowfocus", "--sync", window)

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:  # Orca, after "Shutdown complete"
                process.kill()
                process.wait()

    def time_shown(self):
        label = self.control(description="Time")
        label.clearCache()  # the clock tells no changes: read afresh
        return label.name

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(self.artifacts, name)],
                       check=True)


def hear_the_road(session):
    """Tab into the entry, type 1.3, Tab, Space on Convert, Tab back, 1/, a
    blank entry, Convert, and the clock left alone."""
    speech, decimal = session.speech, DECIMAL[session.region]
    speech.after(lambda: session.keys("Tab"), "the whole entry, 0.000",
                 lambda said: said == "0.000 selected.")
    session.type(f"1{decimal}3")
    wait_until("the entry to read 1.3", lambda: session.entry_text() == f"1{decimal}3")
    speech.after(lambda: session.keys("Tab"), "the button",
                 lambda said: said == "Convert push button.")
    results = f"20 whole turns and 50{decimal} divisions"
    speech.after(lambda: session.keys("space"), results, lambda said: results in said)
    speech.after(lambda: session.keys("Tab"), "the whole entry, 1.3",
                 lambda said: said == f"1{decimal}3 selected.")
    # What the entry takes back, it tells.
    refusal = "\u201C/\u201D was taken back: type fractions as decimals."
    speech.after(lambda: session.type("1/"), "the refusal", lambda said: refusal in said)

    session.keys("Tab", "Tab")
    session.type("5 ")
    session.keys("Home", "Delete")
    wait_until("an entry of one blank", lambda: session.entry_text() == " ")
    session.keys("Tab")
    notice = (f"Blanks alone are not a number.\n"
              f"Type a dimension such as 1{decimal}250 or 0{decimal}250.")
    speech.after(lambda: session.keys("space"), "the notice", lambda said: notice in said)
    session.screenshot(f"orca-notice-{session.region}.png")

    # Idle while the clock ticks three times; then Tab, which Orca, still
    # listening, reads. It said no time in between.
    times = []

    def idle():
        times.append(session.time_shown())
        for _ in range(3):
            wait_until("the clock to tick", lambda: session.time_shown() != times[-1])
            times.append(session.time_shown())
        session.keys("Tab")
    _, said = speech.after(idle, "the entry after the idle time",
                           lambda said: said == "Dimension in inches text.")
    if any(re.search(r"\d:\d\d", each) for each in said):
        raise Failure(f"Orca spoke the time while the clock went {times}: {said!r}")

    # Quiet, yet there to read: flat review, line by line down from the entry,
    # comes to the time.
    speech.after(lambda: session.keys("KP_Subtract"), "that it reviews",
                 lambda said: said == "Entering flat review.")
    for _ in range(8):
        line, _ = speech.after(lambda: session.keys("KP_Prior"), "a line", lambda said: True)
        if re.search(r"\d:\d\d", line):
            return
    raise Failure(f"flat review did not come to the time; Orca said {speech.said()!r}")


def in_session(program, artifacts, private, region):
    session = Session(artifacts, region)
    try:
        session.open(program, private)
        hear_the_road(session)
        print("Orca said:", *session.speech.said(), sep="\n  ")
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
    if len(sys.argv) == 5:
        return in_session(*sys.argv[1:5])
    program, artifacts, region = sys.argv[1:4]
    os.makedirs(artifacts, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="brantile-orca-") as private:
        home, runtime = os.path.join(private, "home"), os.path.join(private, "runtime")
        os.mkdir(home)
        os.mkdir(runtime, 0o700)
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, program,
                               os.path.abspath(artifacts), private, region],
                              env=dict(env, HOME=home, XDG_RUNTIME_DIR=runtime)).returncode


if __name__ == "__main__":
    sys.exit(main())
