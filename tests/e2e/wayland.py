#!/usr/bin/python3
"""The program as a native Wayland client, end to end: a headless sway, real
keystrokes from a virtual keyboard (wtype), screenshots from grim, and the
results read through AT-SPI as e2e.py reads them on X11.

    python3 wayland.py PROGRAM ARTIFACT_DIR

sway refuses to run as root: as root, the test runs sway and the program as
the unprivileged user brantile-test, which it makes when missing.
"""
import json
import os
import pwd
import shutil
import subprocess
import sys
import tempfile

import pyatspi

from e2e import (START_TIMEOUT, Reader, case_refused_letter, case_road_of_one_request, end,
                 expect_equal, run_case, start_screen, wait_until)

USER = "brantile-test"
APP_ID = "io.github.brantile.brantile"


class Wayland(Reader):
    """The program alone on a headless sway of its own."""
    sway = keyboard = program = None

    def __init__(self, program, work):
        self.work = work
        try:
            self.start(program)
        except BaseException:
            self.close()
            raise

    def start(self, program):
        work = self.work
        runtime = os.path.join(work, "run")
        os.mkdir(runtime, 0o700)
        config = os.path.join(work, "sway.conf")
        with open(config, "w") as file:
            file.write("xwayland disable\noutput * resolution 1024x768\n")
        os.environ.update(XDG_RUNTIME_DIR=runtime, WLR_BACKENDS="headless",
                          WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1")
        with open(os.path.join(work, "sway.log"), "w") as log:
            self.sway = subprocess.Popen(["sway", "--config", config], stdout=log, stderr=log)
        def sockets():
            names = os.listdir(runtime)
            wayland = [name for name in names if name.startswith("wayland-")
                       and not name.endswith(".lock")]
            ipc = [name for name in names if name.startswith("sway-ipc.")]
            return wayland and ipc and (wayland[0], os.path.join(runtime, ipc[0]))
        os.environ["WAYLAND_DISPLAY"], os.environ["SWAYSOCK"] = wait_until(
            "sway's sockets", sockets, START_TIMEOUT, self.sway)
        # One virtual keyboard stays for the whole test, so the seat keeps a
        # keyboard and Qt keeps its own bound: a keyboard that came with each
        # keystroke would lose its first key before Qt binds it.
        self.keyboard = subprocess.Popen(["wtype", "-k", "Shift_L", "-s", "3600000"])
        wait_until("the virtual keyboard", lambda: self.swaymsg("get_seats")[0]["capabilities"])
        pyatspi.Registry.getDesktop(0)
        self.program = subprocess.Popen([program], env=dict(
            os.environ, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            LC_ALL="en_US.UTF-8", LANG="en_US.UTF-8"))
        wait_until("the window", self.window, START_TIMEOUT, self.program)
        super().__init__()

    def swaymsg(self, kind):
        return json.loads(subprocess.run(["swaymsg", "--raw", "-t", kind], check=True,
                                         capture_output=True, text=True).stdout)

    def window(self):
        nodes = [self.swaymsg("get_tree")]
        while nodes:
            node = nodes.pop()
            if node.get("name") == "Brantile" and "shell" in node:
                return node
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
        return None

    def keys(self, *names):
        subprocess.run(["wtype"] + [arg for name in names for arg in ("-k", name)], check=True)

    def type(self, text):
        subprocess.run(["wtype", "-d", "60", text], check=True)

    def click_convert(self):
        # Wayland tells no client where a window lies: Convert from the
        # keyboard, Tab back to the button and Space.
        self.keys("Tab", "space")

    def screenshot(self, name):
        path = os.path.join(self.work, "wayland-" + name.removeprefix("e2e-"))
        with open(path, "wb") as file:
            subprocess.run(["grim", "-"], check=True, stdout=file)
        return path

    def close(self):
        for process in (self.program, self.keyboard, self.sway):
            end(process)


def case_native_xdg_shell_client(session):
    window = session.window()
    expect_equal("shell and app id", (window["shell"], window["app_id"]), ("xdg_shell", APP_ID))


CASES = [case_native_xdg_shell_client, case_road_of_one_request, case_refused_letter]


def inside(program, artifacts, work):
    """The cases, as the user who runs sway, in a D-Bus session of its own."""
    session = start_screen(Wayland, program, work)
    if session is None:
        return 1
    try:
        results = [run_case(case, session) for case in CASES]
        shot = os.path.basename(session.screenshot("last.png"))
        print("Screenshot of the last state:", os.path.join(artifacts, shot), flush=True)
    finally:
        session.close()
    print(f"{results.count(True)} passed, {results.count(False)} failed")
    return 0 if all(results) else 1


def unprivileged(work):
    """The command prefix that drops root for the user, made when missing."""
    if os.geteuid() != 0:
        return []
    try:
        pwd.getpwnam(USER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--user-group", "--no-create-home",
                        "--home-dir", "/nonexistent", "--shell", "/usr/sbin/nologin", USER],
                       check=True)
    shutil.chown(work, USER, USER)
    return ["setpriv", f"--reuid={USER}", f"--regid={USER}", "--clear-groups"]


def main():
    if len(sys.argv) == 4:
        return inside(*sys.argv[1:4])
    program, artifacts = sys.argv[1:3]
    os.makedirs(artifacts, exist_ok=True)
    work = tempfile.mkdtemp(prefix="brantile-wayland-")
    try:
        # The user may not reach the build tree: the program and the test go
        # along into the test's own directory.
        for file in (program, __file__, os.path.join(os.path.dirname(__file__), "e2e.py"),
                     os.path.join(os.path.dirname(__file__), "clock.py")):
            shutil.copy(file, work)
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                              "XDG_RUNTIME_DIR")}
        status = subprocess.run(unprivileged(work) + [
            "dbus-run-session", "--", sys.executable, os.path.join(work, "wayland.py"),
            os.path.join(work, os.path.basename(program)), artifacts, work],
            env=dict(env, HOME=work), cwd=work).returncode
        for name in os.listdir(work):
            if name.endswith(".png"):
                shutil.copy(os.path.join(work, name), artifacts)
        if status != 0 and os.path.exists(os.path.join(work, "sway.log")):
            shutil.copy(os.path.join(work, "sway.log"), artifacts)
    finally:
        shutil.rmtree(work)
    return status


if __name__ == "__main__":
    sys.exit(main())
