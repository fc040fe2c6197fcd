#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The real program natively on a Wayland compositor, with no X server to fall back on.

Starts sway on its headless backend (as the unprivileged user nobody when run as root: sway
refuses to run as root), a D-Bus session bus for the accessibility bus, and the program on Qt's
wayland platform. Types a line with wtype through the virtual-keyboard protocol, reads both
message boxes through AT-SPI, then closes the window as sway's kill does and checks that the
program ends with status 0.

    tst_wayland.py PROGRAM
"""

import json
import os
import pwd
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from tst_real_display import PATIENCE  # noqa: E402
from tst_screen_reader import Reader, start_session_bus  # noqa: E402

APP_ID = "org.quenmark.Quenmark"


def wait_until(what, found, *processes):
    """Calls found() until it gives something; fails after PATIENCE or when a process has ended."""
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        for process in processes:
            if process.poll() is not None:
                raise AssertionError(f"{process.args[0]} ended with {process.returncode} before {what}")
        result = found()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError(f"gave up waiting for {what}")


class Compositor:
    """sway on the headless backend, drawing with pixman, with a configuration of its own."""

    def __init__(self, folder, log):
        self.runtime = folder / "compositor"
        self.runtime.mkdir(mode=0o700)
        config = self.runtime / "config"
        config.write_text("xwayland disable\n")
        account = {}
        if os.getuid() == 0:
            nobody = pwd.getpwnam("nobody")
            os.chmod(folder, 0o711)
            for path in (self.runtime, config):
                os.chown(path, nobody.pw_uid, nobody.pw_gid)
            account = dict(user=nobody.pw_uid, group=nobody.pw_gid, extra_groups=[])
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(self.runtime),
               "XDG_RUNTIME_DIR": str(self.runtime), "WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman"}
        self.process = subprocess.Popen(["sway", "-c", str(config)], env=env, cwd="/", stdin=subprocess.DEVNULL,
                                        stdout=log, stderr=subprocess.STDOUT, **account)
        self.ipc = self.display = None

    def wait_for_sockets(self):
        self.ipc, self.display = wait_until("sway's sockets", self.sockets, self.process)

    def sockets(self):
        ipc = sorted(self.runtime.glob("sway-ipc.*.sock"))
        wayland = sorted(path for path in self.runtime.glob("wayland-*") if path.suffix != ".lock")
        return (ipc[0], wayland[0]) if ipc and wayland else None

    def message(self, *arguments):
        answer = subprocess.run(["swaymsg", "-r", *arguments], env=dict(os.environ, SWAYSOCK=str(self.ipc)),
                                check=True, capture_output=True, text=True, timeout=PATIENCE).stdout
        return json.loads(answer)

    def has_keyboard(self):
        return any(device["type"] == "keyboard" for device in self.message("-t", "get_inputs"))

    def focused_window(self):
        """The program's window if it has the focus: only a native window has an app_id."""
        nodes = [self.message("-t", "get_tree")]
        while nodes:
            node = nodes.pop()
            if node.get("app_id") == APP_ID and node.get("focused"):
                return node
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
        return None

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def main():
    program = sys.argv[1]
    bus_pid = compositor = keyboard = program_process = None
    # In /tmp: short socket paths, in a folder that the compositor's user can reach.
    with tempfile.TemporaryDirectory(dir="/tmp") as name, tempfile.TemporaryFile("w+") as log:
        folder = Path(name)
        try:
            compositor = Compositor(folder, log)
            compositor.wait_for_sockets()
            version = compositor.message("-t", "get_version")["human_readable"]
            print(f"sway {version}, running as uid {os.stat(compositor.ipc).st_uid}")

            own = folder / "program"
            own.mkdir(mode=0o700)
            os.environ.update(XDG_RUNTIME_DIR=str(own), WAYLAND_DISPLAY=str(compositor.display))
            for variable in ("DISPLAY", "WAYLAND_SOCKET"):
                os.environ.pop(variable, None)
            bus_pid, bus = start_session_bus(own)
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus
            reader = Reader()

            # wtype makes its keyboard first and types what it reads at the end of its input.
            # Started before the program, the seat has a keyboard when the program binds it; a
            # keyboard that appears later is bound a moment after, and keys sent meanwhile are lost.
            keyboard = subprocess.Popen(["wtype", "-"], stdin=subprocess.PIPE)
            wait_until("wtype's keyboard on the seat", compositor.has_keyboard, keyboard, compositor.process)

            env = dict(os.environ, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            for variable in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_IM_MODULE", "QT_WAYLAND_SHELL_INTEGRATION"):
                env.pop(variable, None)
            program_process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL)
            window = wait_until("the program's window focused on sway", compositor.focused_window,
                                program_process, compositor.process)
            print(f"the window is a {window['shell']} window named {window['name']!r}")
            reader.find_program()

            typed, clear, encrypted = "hi there!", "Type Clear Message Here", "Encrypted Message"
            keyboard.communicate(typed.encode(), timeout=PATIENCE)
            assert keyboard.returncode == 0, f"wtype ended with {keyboard.returncode}"
            def boxes():
                return reader.text_of(clear), reader.text_of(encrypted)
            try:
                reader.wait_for("the line typed and enciphered by the identity", lambda: boxes() == (typed, "HI THERE!"))
            except AssertionError:
                raise AssertionError(f"typed {typed!r}, the boxes hold {boxes()}") from None
            print(f"typed {typed!r}, the boxes hold {boxes()}")

            closed = compositor.message(f'[app_id="{APP_ID}"]', "kill")
            assert all(reply["success"] for reply in closed), f"sway could not close the window: {closed}"
            code = program_process.wait(timeout=PATIENCE)
            assert code == 0, f"the program ended with {code} when its window was closed"
            print("closing the window ended the program")
        except BaseException:
            log.seek(0)
            print("sway's output:\n" + log.read(), file=sys.stderr)
            raise
        finally:
            for process in (program_process, keyboard):
                if process and process.poll() is None:
                    process.kill()
                    process.wait()
            if bus_pid:
                subprocess.run(["kill", str(bus_pid)], check=False)
            if compositor:
                compositor.stop()


if __name__ == "__main__":
    main()
