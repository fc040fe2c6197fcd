#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The real program on a real X server, driven as a person would drive it.

Starts Xvfb on a free display and the program on Qt's xcb platform; types and clicks with
xdotool; takes screenshots of the window with xwd and checks the colours inside each shown
control and the window's client size; then closes the window the way a window manager does
(a WM_DELETE_WINDOW message, since no window manager runs) and checks that the program ends.
The screenshots are written as PNG files into the output folder.

    tst_real_display.py PROGRAM OUTPUT_FOLDER
"""

import collections
import os
import re
import socket
import struct
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
from png_writer import encode_png  # noqa: E402

PERIWINKLE = (128, 128, 255)
LIGHT_GREY = (224, 224, 224)
LIGHT_BLUE = (192, 192, 255)
LIGHT_YELLOW = (255, 255, 192)
PURPLE = (192, 0, 192)
PINK = (255, 192, 255)
WHITE = (255, 255, 255)
LIGHT_GREEN = (128, 255, 128)
RED = (255, 0, 0)
BLACK = (0, 0, 0)

PATIENCE = 20.0  # seconds for the program to show what an action should bring


# The window in twips, from the reference model's table: the size of its client area, and each
# control's box from the top-left corner of what holds it.
LAYOUT = (Path(__file__).resolve().parents[1] / "reliability" / "window_layout.inc").read_text()
WINDOW_SIZE = tuple(round(int(v) / 15) for v in re.search(r"^CLIENT_AREA\((\d+), (\d+)\)$", LAYOUT, re.M).groups())
TWIPS = {name: tuple(int(v) for v in numbers.split(", "))
         for name, numbers in re.findall(r"^PLACEMENT\((\w+), ([\d, ]+)\)$", LAYOUT, re.M)}


def box_of(name, on=None, less_width=0):
    """A control's box in window pixels, from its twips (15 to the pixel at 96 dots per inch); one
    that lies on a frame counts from the frame's corner."""
    left, top, width, height = TWIPS[name]
    frame_left, frame_top = TWIPS[on][:2] if on else (0, 0)
    return tuple(round(v / 15) for v in (frame_left + left, frame_top + top, width - less_width, height))


BOX = {name: box_of(name) for name in TWIPS}
BOX["txtcode"] = box_of("txtcode", less_width=270)  # less its scroll bar
BOX["lblnewletter"] = box_of("lblnewletter", on="frmchange")


def centre(box):
    left, top, width, height = box
    return left + width // 2, top + height // 2


# ------------------------------------------------------------------ screenshots ----

class Screenshot:
    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows  # rows of RGB bytes

    def pixel(self, x, y):
        row = self.rows[y]
        return tuple(row[3 * x:3 * x + 3])

    def colours(self, box, inset=4):
        left, top, width, height = box
        return collections.Counter(self.pixel(x, y)
                                   for y in range(top + inset, top + height - inset)
                                   for x in range(left + inset, left + width - inset))

    def save(self, path):
        path.write_bytes(encode_png(self.width, self.height, self.rows, alpha=False))


def parse_xwd(data):
    """A ZPixmap XWD dump of a TrueColor window: its header is big-endian, its pixels as it says."""
    fields = struct.unpack(">25I", data[:100])
    (header_size, _, pixmap_format, _, width, height, _, byte_order, _, _, _, bits_per_pixel,
     bytes_per_line, _, red_mask, green_mask, blue_mask, _, _, ncolors) = fields[:20]
    if pixmap_format != 2 or bits_per_pixel != 32:
        raise RuntimeError(f"unexpected xwd format {pixmap_format}, {bits_per_pixel} bits per pixel")
    start = header_size + 12 * ncolors
    order = "little" if byte_order == 0 else "big"
    shifts = [(mask, (mask & -mask).bit_length() - 1) for mask in (red_mask, green_mask, blue_mask)]
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + 4 * width]
        row = bytearray()
        for x in range(0, 4 * width, 4):
            value = int.from_bytes(line[x:x + 4], order)
            row += bytes((value & mask) >> shift for mask, shift in shifts)
        rows.append(bytes(row))
    return Screenshot(width, height, rows)


# ---------------------------------------------------------------- the X server ----

def start_xvfb(*options, **popen_options):
    """Xvfb on the first free display, with `options` besides; returns the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x640x24", "-nolisten", "tcp", *options],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **popen_options)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def request_close(display, window):
    """Sends WM_DELETE_WINDOW to the window, as a window manager's close box does."""
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as x11:
        x11.connect(f"/tmp/.X11-unix/X{display.lstrip(':').split('.')[0]}")
        x11.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))  # no authorisation
        head = receive(x11, 8)
        if head[0] != 1:
            raise RuntimeError("the X server refused the connection")
        receive(x11, 4 * struct.unpack_from("<H", head, 6)[0])

        def intern(name):
            padded = name.encode() + b"\0" * (-len(name) % 4)
            x11.sendall(struct.pack("<BBHHxx", 16, 0, 2 + len(padded) // 4, len(name)) + padded)
            reply = receive(x11, 32)
            if reply[0] != 1:
                raise RuntimeError(f"InternAtom {name} failed")
            return struct.unpack_from("<I", reply, 8)[0]

        protocols, delete_window = intern("WM_PROTOCOLS"), intern("WM_DELETE_WINDOW")
        event = struct.pack("<BBHII5I", 33, 32, 0, window, protocols, delete_window, 0, 0, 0, 0)
        x11.sendall(struct.pack("<BBHII", 25, 0, 11, window, 0) + event)  # SendEvent
        x11.sendall(struct.pack("<BxH", 43, 1))  # GetInputFocus: its reply says all went through
        if receive(x11, 32)[0] != 1:
            raise RuntimeError("the close message was refused")


def receive(connection, count):
    data = b""
    while len(data) < count:
        chunk = connection.recv(count - len(data))
        if not chunk:
            raise RuntimeError("the X server closed the connection")
        data += chunk
    return data


# ------------------------------------------------------------------ the checks ----

def dominant(shot, box, colour, name):
    counts = shot.colours(box)
    found, _ = counts.most_common(1)[0]
    return [] if found == colour else [f"{name}: mostly {found}, not {colour}"]


def has_pixels(shot, box, colour, name, least=10, inset=2):
    close = sum(n for c, n in shot.colours(box, inset).items()
                if max(abs(a - b) for a, b in zip(c, colour)) <= 40)
    return [] if close >= least else [f"{name}: {close} pixels near {colour}, wanted {least}"]


def lacks_pixels(shot, box, colour, name):
    return [f"{name}: shows {colour}"] if not has_pixels(shot, box, colour, name, least=1) else []


def working_screen(shot, frame_colour):
    return (dominant(shot, BOX["Frame1"], PERIWINKLE, "Frame1") + has_pixels(shot, BOX["Frame1"], LIGHT_GREY, "Frame1 caption", inset=0)
            + dominant(shot, BOX["lbltype"], PERIWINKLE, "lbltype") + has_pixels(shot, BOX["lbltype"], LIGHT_GREY, "lbltype caption", inset=0)
            + dominant(shot, BOX["txtin"], LIGHT_BLUE, "txtin")
            + dominant(shot, BOX["txtcode"], LIGHT_YELLOW, "txtcode") + has_pixels(shot, BOX["txtcode"], BLACK, "code book letters")
            + dominant(shot, BOX["txtencrypt"], PURPLE, "txtencrypt")
            + dominant(shot, BOX["cmderase"], LIGHT_YELLOW, "cmderase") + dominant(shot, BOX["cmdre"], LIGHT_YELLOW, "cmdre")
            + dominant(shot, BOX["cmdclear"], LIGHT_YELLOW, "cmdclear") + dominant(shot, BOX["cmdSendMsg"], LIGHT_YELLOW, "cmdSendMsg")
            + has_pixels(shot, BOX["cmdSendMsg"], BLACK, "cmdSendMsg caption")
            + dominant(shot, BOX["frmchange"], frame_colour, "frmchange"))


def sent_screen(shot):
    picture_left, picture_top = BOX["picVelloq"][0] + 2, BOX["picVelloq"][1] + 2  # inside the sunken border
    texture = shot.pixel(picture_left + 120, picture_top + 40)
    return (dominant(shot, BOX["lblsent"], LIGHT_GREEN, "lblsent") + has_pixels(shot, BOX["lblsent"], RED, "lblsent notice", least=500)
            + dominant(shot, BOX["txtin"], LIGHT_GREEN, "lblsent over txtin")
            + dominant(shot, BOX["cmdGoAgain"], RED, "cmdGoAgain")
            + dominant(shot, BOX["frmchange"], PERIWINKLE, "where frmchange was")
            + ([] if shot.pixel(picture_left + 3, picture_top + 3) == BLACK else ["picVelloq: no black border"])
            + ([] if min(texture[0], texture[2]) > texture[1] else [f"picVelloq: texture is {texture}"]))


# ------------------------------------------------------------------ the session ----

class Session:
    def __init__(self, program, display, output):
        self.display, self.output = display, output
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        for name in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "WAYLAND_DISPLAY"):
            self.env.pop(name, None)
        self.program = subprocess.Popen([program], env=self.env, stdout=subprocess.DEVNULL)
        found = self.x("xdotool", "search", "--sync", "--onlyvisible", "--name", "^The Quenmark$")
        self.window = int(found.split()[0])
        self.x("xdotool", "windowfocus", "--sync", str(self.window))

    def x(self, *command):
        return subprocess.run(command, env=self.env, check=True, capture_output=True, text=True,
                              timeout=PATIENCE).stdout

    def screenshot(self):
        dump = subprocess.run(["xwd", "-id", str(self.window), "-silent"], env=self.env, check=True,
                              capture_output=True, timeout=PATIENCE).stdout
        return parse_xwd(dump)

    def client_size(self):
        info = dict(line.strip().split(": ", 1) for line in self.x("xwininfo", "-id", str(self.window)).splitlines()
                    if ": " in line)
        return int(info["Width"]), int(info["Height"])

    def wait_for(self, name, check):
        """Screenshots until check finds nothing wrong; saves the screen as NAME.png either way."""
        deadline = time.monotonic() + PATIENCE
        while True:
            shot = self.screenshot()
            problems = check(shot)
            if not problems or time.monotonic() > deadline:
                shot.save(self.output / f"{name}.png")
                if problems:
                    raise AssertionError(f"{name}: " + "; ".join(problems))
                print(f"{name}: as expected ({self.output / name}.png)")
                return shot
            time.sleep(0.2)

    def type(self, text):
        self.x("xdotool", "type", "--delay", "60", text)

    def click(self, point):
        self.x("xdotool", "mousemove", "--window", str(self.window), str(point[0]), str(point[1]), "click", "1")


def main():
    program, output = sys.argv[1], Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    server, display = start_xvfb("-fp", "built-ins")
    session = None
    try:
        session = Session(program, display, output)
        assert session.client_size() == WINDOW_SIZE, f"client size {session.client_size()}"
        # Docks group the window under the menu entry whose StartupWMClass is the window's class.
        entry = (Path(__file__).resolve().parents[2] / "packaging" / "org.quenmark.Quenmark.desktop").read_text()
        wm_class = session.x("xprop", "-id", str(session.window), "WM_CLASS").strip()
        assert wm_class.endswith(f', "{entry.split("StartupWMClass=")[1].split()[0]}"'), wm_class
        start = session.wait_for("start-screen", lambda shot: working_screen(shot, PINK)
                                 + lacks_pixels(shot, BOX["txtencrypt"], LIGHT_GREY, "the empty encrypted message"))

        session.type("hello world")
        session.wait_for("working-screen", lambda shot: working_screen(shot, PINK)
                         + has_pixels(shot, BOX["txtin"], BLACK, "the typed message")
                         + has_pixels(shot, BOX["txtencrypt"], LIGHT_GREY, "the encrypted message"))

        # Nothing owns the clipboard or the PRIMARY selection yet: pasting must insert nothing. Done
        # after the screen the README shows, since Control+V appends its character 22 to the message.
        session.x("xdotool", "key", "ctrl+v", "shift+Insert")
        session.x("xdotool", "mousemove", "--window", str(session.window), *map(str, centre(BOX["txtin"])), "click", "2")
        session.wait_for("after-empty-paste", lambda shot: working_screen(shot, PINK))
        assert session.program.poll() is None, f"a paste from nowhere ended the program ({session.program.poll()})"

        session.click((BOX["frmchange"][0] + 100, BOX["frmchange"][1] + 60))
        session.wait_for("dialogue-opened", lambda shot: dominant(shot, BOX["frmchange"], WHITE, "frmchange opened"))
        session.type("h")
        session.wait_for("dialogue-second-step", lambda shot: has_pixels(shot, BOX["lblnewletter"], BLACK, "lblnewletter caption")
                         + has_pixels(shot, BOX["txtchange"], BLACK, "the letter to change", least=5))
        session.type("q")
        session.wait_for("change-dialogue", lambda shot: working_screen(shot, WHITE)
                         + has_pixels(shot, BOX["txtnewletter"], BLACK, "the new code letter", least=5)
                         + ([] if shot.colours(BOX["txtcode"]) != start.colours(BOX["txtcode"]) else ["the code book did not change"]))

        session.click(centre(BOX["cmdSendMsg"]))
        session.wait_for("sent-screen", sent_screen)
        assert session.client_size() == WINDOW_SIZE, f"client size {session.client_size()}"

        request_close(display, session.window)
        code = session.program.wait(timeout=PATIENCE)
        assert code == 0, f"the program ended with {code} when its window was closed"
        print("closing the window ended the program")
    finally:
        if session and session.program.poll() is None:
            session.program.kill()
        server.terminate()
        server.wait()


if __name__ == "__main__":
    main()
