#!/usr/bin/python3
"""The program end to end, as a user meets it: a real X server (Xvfb), real
keystrokes and clicks (XTEST, through xdotool), and the results read the way a
screen reader reads them (AT-SPI). Run in a desktop session of its own
(a runtime folder and D-Bus session of its own), so that its accessibility bus
is its own:

    scripts/desktop-session /usr/bin/python3 e2e.py PROGRAM ARTIFACT_DIR
"""
import os
import shutil
import subprocess
import sys
import time

import pyatspi

import clock

TIMEOUT = 15.0
# A start takes longer on a busy machine.
START_TIMEOUT = 40.0
SCREEN = (1024, 768)


class Failure(Exception):
    pass


def wait_until(what, condition, timeout=TIMEOUT, process=None):
    """Polls condition() until it returns something true; fails after timeout,
    or at once when the process that is to bring it about has ended."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        if process is not None and process.poll() is not None:
            said = process.stderr.read().decode(errors="replace")[-3000:] if process.stderr else ""
            raise Failure(f"{what}: {process.args[0]} ended with status {process.returncode}"
                          + (f"; it said:\n{said}" if said else ""))
        try:
            last = condition()
        except Exception as error:  # the tree may change under a query
            last = error
        if last and not isinstance(last, Exception):
            return last
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what} (last: {last!r})")


def xdotool(*args, env=None):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True,
                          env=env).stdout


def end(process):
    """Ends a process that the test started, by force when it does not end
    in time; None, or one that has ended, is left as it is."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def start_xvfb():
    """An X server of the test's own, without key auto-repeat: on a loaded
    machine the release of an xdotool key can come late enough for the server
    to repeat the key, and a test would see keys it never typed."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
         "-nolisten", "tcp", "-r"], pass_fds=(write,), stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as display:
        number = display.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    return xvfb, f":{number}"


def start_program(program, env):
    """Starts the program and waits for its window: the process and the
    window's ID. Now and then under load the program could not connect to a
    fresh Xvfb that was up and answered xdpyinfo at once; such a start is told
    of and made once more."""
    for attempt in (1, 2):
        process = subprocess.Popen([program], env=env, stderr=subprocess.PIPE)
        try:
            return process, wait_until("the window", lambda: xdotool(
                "search", "--onlyvisible", "--name", "^Brantile$", env=env).split()[:1],
                START_TIMEOUT, process)[0]
        except Failure as failure:
            if attempt == 2 or "could not connect to display" not in str(failure):
                end(process)
                raise
            print(f"NOTE   : {str(failure).splitlines()[0]} {str(failure).splitlines()[1]}; "
                  "once more", flush=True)


class Reader:
    """The program as a screen reader reads it, through AT-SPI: on the bus
    once its window is up."""

    def __init__(self):
        self.app = wait_until("the program on the accessibility bus", self.find_app,
                              START_TIMEOUT)

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Brantile":
                return app
        return None

    def find(self, predicate):
        return pyatspi.findDescendant(self.app, predicate)

    def control(self, **wanted):
        def matches(accessible):
            return all(getattr(accessible, key) == value for key, value in wanted.items())
        return wait_until(f"a control with {wanted}", lambda: self.find(matches))

    def result(self, description):
        return self.control(description=description).name

    def entry_text(self):
        entry = self.control(name="Dimension in inches")
        return entry.queryText().getText(0, -1)


class Driver(Reader):
    """Real input on the X server that DISPLAY names."""
    # Qt gives AT-SPI its rectangles in device-independent pixels.
    scale = 1

    def click(self, accessible):
        x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(round((x + width / 2) * self.scale)),
                str(round((y + height / 2) * self.scale)), "click", "1")

    def click_convert(self):
        self.click(self.control(name="Convert"))

    def keys(self, *names):
        xdotool("key", "--clearmodifiers", *names)

    def type(self, text):
        xdotool("type", "--delay", "60", text)


class Session(Driver):
    xvfb = program = clipboard = None

    def __init__(self, program, artifacts, region="en_US"):
        self.artifacts = artifacts
        self.region = region
        try:
            self.start(program)
        except BaseException:
            self.close()
            raise

    def start(self, program):
        self.xvfb, display = start_xvfb()
        os.environ["DISPLAY"] = display
        # The accessibility bus must be up before the program looks for it.
        pyatspi.Registry.getDesktop(0)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   LC_ALL=f"{self.region}.UTF-8", LANG=f"{self.region}.UTF-8")
        env.pop("QT_SCALE_FACTOR", None)
        self.program, self.window = start_program(program, env)
        xdotool("windowfocus", "--sync", self.window)
        super().__init__()

    def set_clipboard(self, text):
        if self.clipboard is not None:
            self.clipboard.kill()
        self.clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                                          stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)
        self.clipboard.stdin.write(text.encode())
        self.clipboard.stdin.close()
        wait_until("the clipboard", lambda: subprocess.run(
            ["xclip", "-o", "-selection", "clipboard"], capture_output=True,
            text=True).stdout == text)

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-window", "root", path], check=True)
        return path

    def close(self):
        for process in (self.clipboard, self.program, self.xvfb):
            end(process)


class Framed(Driver):
    """The program alone on an X server of its own under openbox, a real window
    manager, which puts a frame with a title bar around the window."""
    xvfb = wm = program = None

    def __init__(self, program, artifacts, scale):
        self.artifacts = artifacts
        self.scale = scale
        try:
            self.start(program)
        except BaseException:
            self.close()
            raise

    def start(self, program):
        self.xvfb, display = start_xvfb()
        os.environ["DISPLAY"] = display
        self.env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_SCALE_FACTOR=str(self.scale), LC_ALL="en_US.UTF-8", LANG="en_US.UTF-8")
        self.start_wm()
        self.program, self.window = start_program(program, self.env)
        super().__init__()

    def start_wm(self):
        """Starts openbox; one that ends at its start (seen once in a run, with
        every other test beside it) is told of and started once more."""
        log = os.path.join(self.artifacts, f"openbox-{self.scale}x.log")
        for attempt in (1, 2):
            with open(log, "w") as output:
                self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                           stdout=output, stderr=output)
            try:
                wait_until("openbox", lambda: "window id" in self.x11(
                    "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), START_TIMEOUT, self.wm)
                return
            except Failure as failure:
                with open(log) as output:
                    said = output.read().strip()
                if attempt == 2 or self.wm.poll() is None:
                    raise Failure(f"{failure}; it said: {said!r}") from None
                print(f"NOTE   : {failure}; it said: {said!r}; once more", flush=True)

    def x11(self, *command):
        return subprocess.run(command, capture_output=True, text=True, env=self.env).stdout

    def frame(self):
        """The window's outer frame, title bar included: left, top, width, height."""
        info = dict(line.strip().split(": ", 1) for line in self.x11(
            "xwininfo", "-id", self.window).splitlines() if ": " in line)
        extents = self.x11("xprop", "-id", self.window, "_NET_FRAME_EXTENTS")
        left, right, top, bottom = (int(n) for n in extents.split("=")[1].split(","))
        return (int(info["Absolute upper-left X"]) - left, int(info["Absolute upper-left Y"]) - top,
                int(info["Width"]) + left + right, int(info["Height"]) + top + bottom)

    def wait_for_frame(self, what, placed):
        """Waits until the frame is placed as placed(left, top, width, height) wants."""
        seen = []

        def check():
            seen[:] = [self.frame()]
            return placed(*seen[0])
        try:
            wait_until(what, check)
        except Failure:
            raise Failure(f"{what}: the frame stays at {seen}")

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-window", "root", path], check=True, env=self.env)
        return path

    def close(self):
        for process in (self.program, self.wm, self.xvfb):
            end(process)


def expect_equal(what, actual, expected):
    if actual != expected:
        raise Failure(f"{what}: {actual!r}, expected {expected!r}")


def wait_for_results(session, whole, divisions):
    wait_until(f"the results {whole} and {divisions}",
               lambda: session.result("Whole turns") == whole
               and session.result("Divisions") == divisions)


def case_window_size_and_centre(session):
    geometry = dict(line.split("=") for line in xdotool(
        "getwindowgeometry", "--shell", session.window).split())
    expect_equal("size", (int(geometry["WIDTH"]), int(geometry["HEIGHT"])), (245, 433))
    for axis, size, screen in (("X", 245, SCREEN[0]), ("Y", 433, SCREEN[1])):
        if abs(int(geometry[axis]) - (screen - size) / 2) > 1:
            raise Failure(f"{axis} = {geometry[axis]}, not centred on a {screen} pixel screen")


def case_class_of_desktop_entry(session):
    # The desktop entry's StartupWMClass names the class.
    expect_equal("WM_CLASS", subprocess.run(["xprop", "-id", session.window, "WM_CLASS"],
                                            capture_output=True, text=True).stdout.strip(),
                 'WM_CLASS(STRING) = "brantile", "Brantile"')


BLANKS_NOTICE = "Blanks alone are not a number.\nType a dimension such as 1.250 or 0.250."


def enter_one_blank(session):
    session.keys("Tab")
    session.type("5 ")
    session.keys("Home", "Delete")
    wait_until("an entry of one blank", lambda: session.entry_text() == " ")


def case_road_of_one_request(session):
    session.keys("Tab")
    session.type("1.3")
    wait_until("the entry to read 1.3", lambda: session.entry_text() == "1.3")
    session.click_convert()
    wait_for_results(session, "20", "50.")


def case_refused_letter(session):
    session.keys("Tab")
    session.type("1.25a")
    wait_until("the letter to be taken back", lambda: session.entry_text() == "1.25")


def case_undo_after_a_key_taken_back_over_a_selection(session):
    session.keys("Tab", "Tab")
    session.type("12.345")
    wait_until("the entry to read 12.345", lambda: session.entry_text() == "12.345")
    session.keys("Home", "Right", "shift+End")
    session.type("a")
    wait_until("the letter taken back with 2.345", lambda: session.entry_text() == "1")
    session.keys("ctrl+z")
    wait_until("Undo to bring back 12.345", lambda: session.entry_text() == "12.345")
    session.keys("ctrl+shift+z")
    wait_until("Redo to give 1 again", lambda: session.entry_text() == "1")


def case_keypad_decimal_key(session):
    # Its layout gives the key ".", the group separator where "," is the
    # decimal separator.
    session.keys("Tab")
    session.type("1")
    session.keys("KP_Decimal")
    session.type("3")
    wait_until("the entry to read 1,3", lambda: session.entry_text() == "1,3")
    session.click_convert()
    wait_for_results(session, "20", "50,")


def case_paste_eaten_back(session):
    session.set_clipboard("12ab")
    session.keys("Tab")
    # A click that gives the entry the focus keeps its whole text selected.
    session.click(session.control(name="Dimension in inches"))
    session.keys("ctrl+v")
    wait_until("the paste to be eaten back to 12", lambda: session.entry_text() == "12")


def case_blanks_write_nothing(session):
    session.click_convert()
    wait_for_results(session, "192", ".")
    enter_one_blank(session)
    session.click_convert()
    notice = session.control(name=BLANKS_NOTICE)
    if notice is None or session.program.poll() is not None:
        raise Failure("no notice, or the program ended")
    expect_equal("whole turns after the failed click", session.result("Whole turns"), "192")
    expect_equal("divisions after the failed click", session.result("Divisions"), ".")
    session.keys("Tab")
    session.type("0.1")
    session.click_convert()
    wait_for_results(session, "1", "37.5")


def case_frame_centred_under_window_manager(framed):
    framed.wait_for_frame("the frame centred on the screen", lambda left, top, width, height:
                          abs(2 * left + width - SCREEN[0]) <= 2
                          and abs(2 * top + height - SCREEN[1]) <= 2)


def case_title_bar_on_screen_at_scale_2(framed):
    # Twice 433 pixels and a title bar do not fit 768.
    framed.wait_for_frame("the frame at the top, centred across", lambda left, top, width, height:
                          top == 0 and abs(2 * left + width - SCREEN[0]) <= 2)


def case_click_on_convert_while_the_notice_shows(framed):
    enter_one_blank(framed)
    # Convert pressed through its accessible action leaves the focus in the entry.
    framed.control(name="Convert").queryAction().doAction(0)
    wait_until("the notice", lambda: framed.control(
        name=BLANKS_NOTICE).getState().contains(pyatspi.STATE_SHOWING))
    framed.screenshot(f"e2e-notice-{framed.scale}x.png")
    framed.click_convert()
    # The click reached the button: it took the focus, and Convert, failing
    # again, showed the notice anew, where a click anywhere else dismisses it.
    wait_until("the focus on Convert", lambda: framed.control(name="Convert").getState()
               .contains(pyatspi.STATE_FOCUSED))
    wait_until("the notice shown after the click", lambda: framed.control(
        name=BLANKS_NOTICE).getState().contains(pyatspi.STATE_SHOWING))


CASES = [case_window_size_and_centre, case_class_of_desktop_entry, case_road_of_one_request,
         case_refused_letter, case_undo_after_a_key_taken_back_over_a_selection,
         case_paste_eaten_back, case_blanks_write_nothing]
# Each in a session of its own in a region.
REGION_CASES = [(case_keypad_decimal_key, "de_DE")]
# Each on a screen of its own under a window manager, at a scale factor.
FRAMED_CASES = [(case_frame_centred_under_window_manager, 1),
                (case_title_bar_on_screen_at_scale_2, 2),
                (case_click_on_convert_while_the_notice_shows, 1),
                (case_click_on_convert_while_the_notice_shows, 2)]


class Process(Reader):
    """A program on the accessibility bus, found by its process."""

    def __init__(self, pid):
        self.pid = pid
        super().__init__()

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        return next((app for app in desktop if app is not None
                     and app.get_process_id() == self.pid), None)


class Clocks:
    """The program started twice on a screen of its own, at two phases of the
    wall clock's second, each found on the accessibility bus by its process."""
    PHASES = (0.2, 0.9)  # seconds past a second
    WATCH = 30  # seconds

    def __init__(self, program, artifacts):
        self.artifacts = artifacts
        self.xvfb, display = start_xvfb()
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LC_ALL="en_US.UTF-8",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="en_US.UTF-8")
        self.env.pop("QT_SCALE_FACTOR", None)
        self.programs = []
        for phase in self.PHASES:
            time.sleep((phase - time.time()) % 1)  # to the phase, not to a result
            self.programs.append(subprocess.Popen([program], env=self.env,
                                                  stderr=subprocess.DEVNULL))

    def labels(self):
        """The time label of each program, once on the bus."""
        return [Process(program.pid).control(description="Time") for program in self.programs]

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-window", "root", path], check=True, env=self.env)
        return path

    def close(self):
        for process in (*self.programs, self.xvfb):
            process.terminate()
            process.wait(timeout=10)


def time_of_day():
    now = time.time()
    local = time.localtime(now)
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + now % 1


def case_clock_changes_with_the_true_second(clocks):
    labels = clocks.labels()
    # Per label: the changes (before, seen, text) and its last read (start, text).
    changes, last = [[] for _ in labels], [(time_of_day(), None) for _ in labels]
    end = time.monotonic() + clocks.WATCH
    while time.monotonic() < end:
        for i, label in enumerate(labels):
            start = time_of_day()
            text = label.name
            if text != last[i][1]:
                changes[i].append((last[i][0], time_of_day(), text))
            last[i] = (start, text)
        time.sleep(0.005)  # the polling interval
    failures = [clock.judge(f"the clock started {phase} s past a second", clocks.WATCH, seen)
                for phase, seen in zip(clocks.PHASES, changes)]
    if any(failures):
        raise Failure("; ".join(filter(None, failures)))


def run_case(case, subject):
    """Runs one case; returns whether it passed."""
    name = case.__name__[len("case_"):]
    started = time.monotonic()
    try:
        case(subject)
        print(f"PASS   : {name} ({time.monotonic() - started:.1f} s)", flush=True)
        return True
    except Failure as failure:
        print(f"FAIL!  : {name}: {failure}", flush=True)
        subject.screenshot(f"e2e-{name}.png")
        return False


def start_screen(kind, *arguments):
    """The program started on a screen of its own, or None where it did not
    start; then nothing that the start began is left running."""
    try:
        return kind(*arguments)
    except Failure as failure:
        print(f"FAIL!  : {kind.__name__} did not start: {failure}", flush=True)
        return None


def main():
    program, artifacts = sys.argv[1], sys.argv[2]
    os.makedirs(artifacts, exist_ok=True)
    started = time.monotonic()
    session = start_screen(Session, program, artifacts)
    if session is None:
        return 1
    print(f"Started in {time.monotonic() - started:.1f} s", flush=True)
    results = []
    try:
        results += [run_case(case, session) for case in CASES]
        print("Screenshot of the last state:", session.screenshot("e2e-last.png"))
    finally:
        session.close()
    for case, region in REGION_CASES:
        session = start_screen(Session, program, artifacts, region)
        if session is None:
            return 1
        try:
            results.append(run_case(case, session))
        finally:
            session.close()
    clocks = Clocks(program, artifacts)
    try:
        results.append(run_case(case_clock_changes_with_the_true_second, clocks))
    finally:
        clocks.close()
    for case, scale in FRAMED_CASES:
        if shutil.which("openbox") is None:
            print(f"SKIP   : {case.__name__[len('case_'):]}: no window manager; "
                  "install the Debian package openbox", flush=True)
            continue
        framed = start_screen(Framed, program, artifacts, scale)
        if framed is None:
            return 1
        try:
            results.append(run_case(case, framed))
        finally:
            framed.close()
    passed, failed = results.count(True), results.count(False)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
