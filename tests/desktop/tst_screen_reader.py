#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The real program used from the keyboard and through a real accessibility client.

Starts Xvfb with the US International layout (whose dead keys compose through the input method),
a D-Bus session bus, which starts the accessibility bus on demand, and the program with Qt's
accessibility on. Keys go in with xdotool; what the boxes hold, the labels' relations, the frame's
Press action and the focus events are read through AT-SPI (pyatspi), as a screen reader reads them.

    tst_screen_reader.py PROGRAM
"""

import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from tst_real_display import PATIENCE, request_close, start_xvfb  # noqa: E402


def start_session_bus(folder):
    """A session bus of the test's own; returns the daemon's process id and its address."""
    try:
        printed = subprocess.run(
            ["dbus-daemon", "--session", "--fork", "--nopidfile", f"--address=unix:path={folder}/bus",
             "--print-address=1", "--print-pid=1"],
            check=True, capture_output=True, text=True, timeout=PATIENCE).stdout.split()
    except (OSError, subprocess.SubprocessError) as error:
        raise AssertionError(f"the D-Bus session bus did not start: {error}") from error
    return int(printed[1]), printed[0]


class Reader:
    """What a screen reader knows of the program, and the focus events it heard."""

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi, self.context = pyatspi, GLib.MainContext.default()
        self.focused = []  # names of the controls that took the focus, in turn
        # Before the program starts, so that its bridge knows from the start that focus is listened to.
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:focused")
        self.window = None

    def find_program(self):
        self.window = self.wait_for("the program's window on the accessibility bus", self.find_window)

    def heard(self, event):
        if event.detail1 == 1:
            self.focused.append(event.source.name)

    def find_window(self):
        for application in self.pyatspi.Registry.getDesktop(0):
            for window in application or []:
                if window is not None and window.name == "The Quenmark":
                    return window
        return None

    def wait_for(self, what, found):
        """Pumps the accessibility events until found() gives something; fails after PATIENCE."""
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            self.pump()
            try:
                result = found()
            except Exception:  # an object gone while it was read: read it again
                result = None
            if result:
                return result
            time.sleep(0.05)
        raise AssertionError(f"gave up waiting for {what}")

    def pump(self):
        """Takes in the events that have arrived. libatspi reads its connection when it makes a call
        of its own, so one cheap call comes first."""
        self.pyatspi.Registry.getDesktop(0).childCount
        while self.context.iteration(False):
            pass

    def settle(self):
        """Takes in the events still on their way."""
        deadline = time.monotonic() + 0.5
        while time.monotonic() < deadline:
            self.pump()
            time.sleep(0.05)

    def control(self, name, role):
        """The control of that accessible name and role, hidden or shown."""
        match = self.pyatspi.findDescendant(
            self.window, lambda node: node is not None and node.name == name and node.getRole() == role)
        if match is None:
            raise AssertionError(f"no {role.value_nick} named {name!r}")
        return match

    def text_of(self, name):
        box = self.control(name, self.pyatspi.ROLE_TEXT)
        return box.queryText().getText(0, -1)

    def shows(self, name, role):
        return self.control(name, role).getState().contains(self.pyatspi.STATE_SHOWING)

    def has_focus(self, name, role):
        return self.control(name, role).getState().contains(self.pyatspi.STATE_FOCUSED)

    def press(self, name, role):
        actions = self.control(name, role).queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if "Press" not in names:
            raise AssertionError(f"{name}: no Press action among {names}")
        actions.doAction(names.index("Press"))

    def related(self, name, role, relation):
        """The names of the controls that `relation` ties the control to."""
        return sorted(target.name
                      for found in self.control(name, role).getRelationSet() if found.getRelationType() == relation
                      for target in (found.getTarget(i) for i in range(found.getNTargets())))


def main():
    program = sys.argv[1]
    server, display = start_xvfb("-fp", "built-ins")
    bus_pid = program_process = None
    with tempfile.TemporaryDirectory() as folder:
        try:
            subprocess.run(["setxkbmap", "-display", display, "-layout", "us", "-variant", "intl"],
                           check=True, timeout=PATIENCE)
            bus_pid, bus = start_session_bus(folder)
            os.environ.update(DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=bus)
            env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_IM_MODULE="compose", LANG="C.UTF-8", LC_ALL="C.UTF-8")
            for name in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "WAYLAND_DISPLAY", "XMODIFIERS"):
                env.pop(name, None)
            reader = Reader()
            # Roles by their constants: at-spi2-core 2.53 renamed "push button" to "button".
            button, text, label, panel = (reader.pyatspi.ROLE_PUSH_BUTTON, reader.pyatspi.ROLE_TEXT,
                                          reader.pyatspi.ROLE_LABEL, reader.pyatspi.ROLE_PANEL)
            program_process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL)
            window_id = subprocess.run(
                ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^The Quenmark$"], env=env,
                check=True, capture_output=True, text=True, timeout=PATIENCE).stdout.split()[0]

            def keys(*names):
                subprocess.run(["xdotool", "key", "--delay", "60", *names], env=env, check=True, timeout=PATIENCE)

            subprocess.run(["xdotool", "windowfocus", "--sync", window_id], env=env, check=True, timeout=PATIENCE)
            reader.find_program()
            clear, encrypted = "Type Clear Message Here", "Encrypted Message"

            # A dead key's letter is enciphered like a typed one.
            keys("h", "dead_acute", "e", "exclam")
            reader.wait_for("the dead key's letter enciphered", lambda: reader.text_of(encrypted) == "HÉ!")
            assert reader.text_of(clear) == "hé!", reader.text_of(clear)
            print("a dead key's letter is enciphered")

            # Alt+C in the message box opens the dialogue and types nothing.
            keys("alt+c")
            reader.wait_for("Alt+C to open the dialogue",
                            lambda: reader.has_focus("Enter Cleartext Letter to Change", text))
            assert (reader.text_of(clear), reader.text_of(encrypted)) == ("hé!", "HÉ!"), "Alt+C typed text"
            # H becomes Q; the focus lands on "Re-encrypt", and Enter presses it.
            keys("h", "q")
            reader.wait_for("the focus on Re-encrypt", lambda: reader.has_focus("Re-encrypt", button))
            keys("Return")
            reader.wait_for("Re-encrypt by Enter", lambda: reader.text_of(encrypted) == " QÉ!")
            print("Alt+C opens the dialogue, Enter presses Re-encrypt")

            # The notice is heard with the button that takes the focus when the message is sent.
            reader.press("Send Secret Message!", button)
            reader.wait_for("the focus on Send New Message", lambda: "Send New Message" in reader.focused)
            description = reader.control("Send New Message", button).description
            assert description == "MESSAGE HAS BEEN SENT!", f"Send New Message is described as {description!r}"

            # "Send New Message" by Enter: the focus goes to the message box, and to no control on the
            # way. (The bridge reports the focus that the button held once more with the next change.)
            reader.focused.clear()
            keys("Return")
            reader.wait_for("the focus on the message box", lambda: reader.focused[-1:] == [clear])
            reader.settle()
            assert set(reader.focused) <= {"Send New Message", clear}, f"focus events: {reader.focused}"
            keys("o", "k")
            reader.wait_for("typing into the new message", lambda: reader.text_of(clear) == "ok")
            print("after Send New Message the message box has the focus:", reader.focused)

            # The message dragged out of its box and dropped where nothing takes it: the drag ends
            # with the button's release, and the next key goes into the box.
            keys("ctrl+a")
            pointer = ["xdotool", "mousemove", "--window", window_id]
            for step in (pointer + ["15", "146"], ["xdotool", "mousedown", "1"], pointer + ["208", "300"],
                         pointer + ["209", "302"], ["xdotool", "mouseup", "1"], ["sleep", "0.5"]):
                subprocess.run(step, env=env, check=True, timeout=PATIENCE)
            keys("x")
            reader.wait_for("a key after a drag and drop", lambda: reader.text_of(clear) == "x")
            print("a drag and drop ends with the button's release")

            # The frame takes no focus but has a Press action.
            reader.press("Click to Change Code Book", panel)
            reader.wait_for("the dialogue opened by its action",
                            lambda: reader.shows("Enter Cleartext Letter to Change", text))
            keys("h")
            reader.wait_for("the dialogue's second step", lambda: reader.shows("New Code Letter", label))

            for heading, box in ((clear, clear), ("Code Book", "Code Book"), (encrypted, encrypted),
                                 ("Enter Cleartext Letter to Change", "Enter Cleartext Letter to Change"),
                                 ("New Code Letter", "New Code Letter")):
                assert reader.related(heading, label, reader.pyatspi.RELATION_LABEL_FOR) == [box], heading
            for box in (clear, "Code Book", encrypted):
                assert reader.related(box, text, reader.pyatspi.RELATION_LABELLED_BY) == [box], box
            print("each heading labels its box")

            request_close(display, int(window_id))
            code = program_process.wait(timeout=PATIENCE)
            assert code == 0, f"the program ended with {code}"
        finally:
            if program_process and program_process.poll() is None:
                program_process.kill()
            if bus_pid:
                subprocess.run(["kill", str(bus_pid)], check=False)
            server.terminate()
            server.wait()


if __name__ == "__main__":
    main()
