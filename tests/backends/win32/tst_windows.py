#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows program under Wine on an X server of its own, driven as a person would drive it.

Starts Xvfb on a free display and makes (once, then reuses) a Wine prefix in the output folder,
starts the program in it for each group of checks, types and clicks with xdotool, pastes from the
X clipboard with xclip and reads the controls back with the probe, which asks the window itself.
Screenshots of the working and the sent screen are written as PNG files into the output folder.

    tst_windows.py PROGRAM PROBE OUTPUT_FOLDER
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "desktop"))
import tst_real_display as real_display  # noqa: E402
from tst_real_display import (BLACK, LIGHT_BLUE, LIGHT_GREEN, LIGHT_YELLOW, PERIWINKLE, PURPLE,  # noqa: E402
                              RED, WINDOW_SIZE, Screenshot, dominant, has_pixels, parse_xwd)

PATIENCE = 10.0  # seconds for the program to show what an action should bring
NON_ASCII_KEYS = {"é": "eacute Eacute"}  # mapped before typing: xdotool's own remapping races with Wine

WORKING = {"Frame1", "lbltype", "lblcode", "lblencrypt", "txtin", "txtcode", "txtencrypt", "cmderase", "cmdre",
           "cmdclear", "frmchange", "cmdSendMsg"}
DIALOGUE = {"lblcleartext", "txtchange", "lblnewletter", "txtnewletter"}
SENT = {"lbltype", "lblcode", "lblencrypt", "lblsent", "cmdGoAgain", "picVelloq"}
CONTROLS = WORKING | DIALOGUE | SENT

PROGRAM = PROBE = OUTPUT = None
ENV = {}
XVFB = None


def code_book_line(book, letter):
    start = (ord(letter) - ord("A")) * 5
    return book[start:start + 5]


def upper(text):
    """Windows-1252 upper-casing of the letters the tests type."""
    return bytes(c - 32 if 0x61 <= c <= 0x7A or (0xE0 <= c <= 0xFE and c != 0xF7) else c for c in text)


# ------------------------------------------------------------ X server and Wine ----

def run(*command, check=True, **options):
    return subprocess.run(command, env=ENV, check=check, capture_output=True, timeout=120, **options).stdout


def start_wine(*command):
    """Runs a Wine command whose output nobody reads. Wine's services, which the first command of a
    server starts, inherit its output and outlive it: a pipe there would never close."""
    subprocess.run(command, env=ENV, check=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=120)


def end_with_parent():
    """Ends the child when the test ends, even when killed at ctest's time-out."""
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def start_xvfb():
    """Xvfb on the first free display, keeping its key map between clients; the process and the display."""
    return real_display.start_xvfb("-noreset", preexec_fn=end_with_parent)


def prepare_prefix(prefix):
    """A prefix of the test's own: Wine's fonts in place, unmanaged windows (they close at once
    with no window manager), no Mono or Gecko prompt. Made once; reruns reuse it."""
    fonts = sorted(Path("/usr/share/wine/fonts").glob("*"))
    installed = prefix / "drive_c" / "windows" / "Fonts"
    user_reg = prefix / "user.reg"
    if (all((installed / font.name).exists() for font in fonts) and user_reg.exists()
            and '"Managed"="N"' in user_reg.read_text(errors="replace")):
        return
    shutil.rmtree(prefix, ignore_errors=True)
    started = time.monotonic()
    start_wine("wineboot", "-i")
    start_wine("wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")
    start_wine("wineserver", "-w")
    for font in fonts:
        shutil.copy(font, installed / font.name)
    print(f"made the Wine prefix {prefix} in {time.monotonic() - started:.1f} s", flush=True)


def map_keys():
    """Gives each non-ASCII character the tests type a key of its own on an unused key code. Wine has
    only a few spare virtual keys for keys it does not know and hands them out lowest key code first,
    so the lowest free ones are taken (8 is the server's least and is left alone)."""
    free = [int(n) for n in re.findall(r"^keycode\s+(\d+) =\s*$", run("xmodmap", "-pke").decode(), re.M) if int(n) > 8]
    lines = [f"keycode {code} = {keysyms}" for code, keysyms in zip(free, NON_ASCII_KEYS.values())]
    run("xmodmap", "-", input="\n".join(lines).encode())


def setUpModule():
    global XVFB, ENV
    XVFB, display = start_xvfb()
    prefix = OUTPUT / "wineprefix"
    ENV = {key: value for key, value in os.environ.items() if not key.startswith(("WINE", "WAYLAND", "LC_"))}
    ENV.update(DISPLAY=display, WINEPREFIX=str(prefix), WINEDLLOVERRIDES="mscoree,mshtml=", WINEDEBUG="-all",
               LANG="C.UTF-8", LC_ALL="C.UTF-8")
    try:
        prepare_prefix(prefix)
        map_keys()
        # One server and its services for every start of the program, up before the first; it outlasts
        # the gap between two starts, not the test.
        start_wine("wineserver", "-p10")
        start_wine("wineboot")
    except BaseException:
        tearDownModule()
        raise


def tearDownModule():
    try:
        subprocess.run(["wineserver", "-k"], env=ENV, timeout=30)
    finally:
        XVFB.terminate()
        XVFB.wait()


# ------------------------------------------------------------------ the program ----

class Program:
    def __init__(self):
        self.log = open(OUTPUT / "quenmark.log", "ab")
        self.process = subprocess.Popen(["wine", str(PROGRAM)], cwd=OUTPUT, env=ENV, stdout=self.log,
                                        stderr=self.log)
        self.clipboard = None
        try:
            deadline = time.monotonic() + 60  # the first start in a new prefix is the slow one
            while self.probe("visible", "txtin", check=False) != b"1\n":
                if self.process.poll() is not None:
                    raise AssertionError(f"the program ended at start with {self.process.returncode}")
                if time.monotonic() > deadline:
                    raise AssertionError("the window did not come up")
                time.sleep(0.1)
            self.window = int(run("xdotool", "search", "--name", "^The Quenmark$").split()[0])
        except BaseException:
            self.close()
            raise

    def close(self):
        if self.clipboard:
            self.clipboard.kill()
            self.clipboard.wait()
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()

    def probe(self, *command, check=True):
        result = subprocess.run(["wine", str(PROBE), *command], env=ENV, capture_output=True, timeout=30)
        if check and result.returncode:
            raise AssertionError(f"probe {' '.join(command)} ended with {result.returncode}: "
                                 + result.stderr.decode(errors="replace"))
        return result.stdout

    def text(self, name):
        return self.probe("text", name)

    def rect(self, name):
        return tuple(int(v) for v in self.probe("rect", name).split())

    def focus(self):
        return self.probe("focus").decode().strip()

    def shown(self):
        names = sorted(CONTROLS)
        return {name for name, shown in zip(names, self.probe("visible", *names).split()) if shown == b"1"}

    def wait_for(self, expected, read):
        """Reads until the program shows what was expected, or PATIENCE has passed; returns what it read."""
        deadline = time.monotonic() + PATIENCE
        while True:
            found = read()
            if found == expected or time.monotonic() > deadline:
                return found
            time.sleep(0.05)

    def type(self, text):
        run("xdotool", "type", "--delay", "40", text)

    def key(self, *keys):
        run("xdotool", "key", "--delay", "40", *keys)

    def click(self, name, at=None):
        left, top, width, height = self.rect(name)
        x, y = (left + at[0], top + at[1]) if at else (left + width // 2, top + height // 2)
        run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def set_clipboard(self, data):
        """Owns the X clipboard with these bytes (UTF-8) until the program ends or it is set again."""
        if self.clipboard:
            self.clipboard.kill()
            self.clipboard.wait()
        self.clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], env=ENV,
                                          stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.clipboard.stdin.write(data)
        self.clipboard.stdin.close()
        deadline = time.monotonic() + PATIENCE
        while subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=ENV, capture_output=True).stdout[:16] != data[:16]:
            if time.monotonic() > deadline:
                raise AssertionError("xclip did not take the clipboard")
            time.sleep(0.05)

    def screenshot(self, name):
        """The client area as NAME.png; the image with each control's box in it, in its own pixels."""
        width, height, left, top = (int(v) for v in self.probe("client").split())
        info = dict(line.strip().split(": ", 1) for line in run("xwininfo", "-id", str(self.window)).decode().splitlines()
                    if ": " in line)
        shot = parse_xwd(run("xwd", "-id", str(self.window), "-silent"))
        dx, dy = left - int(info["Absolute upper-left X"]), top - int(info["Absolute upper-left Y"])
        client = Screenshot(width, height, [row[3 * dx:3 * (dx + width)] for row in shot.rows[dy:dy + height]])
        client.save(OUTPUT / f"{name}.png")

        def box(control):
            x, y, box_width, box_height = self.rect(control)
            return x - left, y - top, box_width, box_height
        return client, box


# ------------------------------------------------------------------ the checks ----

class WindowsProgram(unittest.TestCase):
    def setUp(self):
        self.program = Program()
        self.addCleanup(self.program.close)

    def expect_text(self, name, expected, message=None):
        found = self.program.wait_for(expected, lambda: self.program.text(name))
        self.assertEqual(found, expected, message or name)

    def expect_focus(self, name):
        self.assertEqual(self.program.wait_for(name, self.program.focus), name, "the focus")

    def test_typing_enciphers_each_key(self):
        program = self.program
        width, height = (int(v) for v in program.probe("client").split()[:2])
        self.assertEqual((width, height), WINDOW_SIZE, "client size")
        self.assertEqual(program.shown(), WORKING)
        self.expect_focus("txtin")

        program.type("Hi there 7?")
        self.expect_text("txtencrypt", b"HI THERE 7?")
        self.expect_text("txtin", b"Hi there 7?")
        program.type("é")
        self.expect_text("txtencrypt", b"HI THERE 7?\xC9", "é arrives as 0xE9 and upper-cases")
        self.expect_text("txtin", b"Hi there 7?\xE9")
        # Control keys append themselves to the encrypted message; Backspace still erases in the box.
        program.type("ab")
        program.key("BackSpace", "Return", "Escape")
        self.expect_text("txtencrypt", b"HI THERE 7?\xC9AB\b\r\x1b")
        self.expect_text("txtin", b"Hi there 7?\xE9a\r\n")

        shot, box = program.screenshot("working-screen")
        problems = (dominant(shot, box("txtin"), LIGHT_BLUE, "txtin") + dominant(shot, box("txtcode"), LIGHT_YELLOW, "txtcode")
                    + has_pixels(shot, box("txtcode"), BLACK, "code book letters")
                    + dominant(shot, box("txtencrypt"), PURPLE, "txtencrypt") + dominant(shot, box("Frame1"), PERIWINKLE, "Frame1")
                    + dominant(shot, box("cmdSendMsg"), LIGHT_YELLOW, "cmdSendMsg"))
        self.assertEqual(problems, [], "working screen (working-screen.png)")

        # Tab leaves the message box without a character and visits the shown controls in order;
        # the read-only boxes on the way ignore typing.
        for name in ("cmderase", "cmdre", "cmdclear", "txtcode"):
            program.key("Tab")
            self.expect_focus(name)
        book = program.text("txtcode")
        program.type("x")
        program.key("Tab")
        self.expect_focus("txtencrypt")
        program.type("x")
        for name in ("cmdSendMsg", "txtin"):
            program.key("Tab")
            self.expect_focus(name)
        program.key("shift+Tab")
        self.expect_focus("cmdSendMsg")
        self.assertEqual(program.text("txtcode"), book, "typing into the code book")
        self.assertEqual(program.text("txtencrypt"), b"HI THERE 7?\xC9AB\b\r\x1b", "typing into the encrypted message")
        self.assertEqual(program.text("txtin"), b"Hi there 7?\xE9a\r\n")

        program.key("alt+F4")
        self.assertEqual(program.process.wait(timeout=PATIENCE), 0, "the program's exit code after Alt+F4")

    def test_change_dialogue(self):
        program = self.program
        start_book = program.text("txtcode")
        self.assertEqual(code_book_line(start_book, "H"), b"H H\r\n")
        program.type("hah")
        self.expect_text("txtencrypt", b"HAH")

        program.click("frmchange", at=(20, 12))
        self.expect_focus("txtchange")
        self.assertEqual(program.shown(), WORKING | {"lblcleartext", "txtchange"})
        program.type("h")
        self.expect_focus("txtnewletter")
        self.assertEqual(program.shown(), WORKING | DIALOGUE)
        self.assertEqual(program.text("txtchange"), b"h")
        program.type("q")
        self.expect_focus("cmdre")
        book = program.text("txtcode")
        self.assertEqual(code_book_line(book, "H"), b"H Q\r\n")
        self.assertEqual(book, start_book.replace(b"H H\r\n", b"H Q\r\n"), "only H's line changes")
        self.assertEqual(program.text("txtnewletter"), b"q")
        self.assertEqual(program.text("txtencrypt"), b"HAH", "the change alone re-encrypts nothing")

        # Space on the focused Re-encrypt replays the message with the new book and closes the dialogue.
        program.key("space")
        self.expect_text("txtencrypt", b" QAQ")
        self.assertEqual(program.wait_for(WORKING, program.shown), WORKING)

        # The keyboard road: Alt+C from the message box, an accented code letter, Enter on Re-encrypt.
        program.click("txtin")
        program.key("alt+c")
        self.expect_focus("txtchange")
        self.assertEqual(program.text("txtin"), b"hah", "Alt+C typed into the message")
        program.type("a")
        self.expect_focus("txtnewletter")
        program.type("é")
        self.expect_focus("cmdre")
        self.assertEqual(code_book_line(program.text("txtcode"), "A"), b"A \xC9\r\n")
        program.key("Return")
        self.expect_text("txtencrypt", b" Q\xC9Q")

        # Clear leaves one space and closes the dialogue; the book keeps its changes.
        program.click("frmchange", at=(20, 12))
        program.type("7")
        self.expect_focus("txtnewletter")
        book = program.text("txtcode")
        program.type("z")  # "7" names no entry: nothing changes
        self.expect_text("txtnewletter", b"z")
        self.assertEqual(program.text("txtcode"), book, "a code letter for a character with no entry")
        program.click("cmdclear")
        self.expect_text("txtencrypt", b" ")
        self.assertEqual(program.wait_for(WORKING, program.shown), WORKING)
        self.assertEqual((program.text("txtchange"), program.text("txtnewletter")), (b"", b""))
        program.click("txtin")
        program.type("h")
        self.expect_text("txtencrypt", b" Q")

    def test_send_screens(self):
        program = self.program
        program.type("hah")
        program.click("frmchange", at=(20, 12))
        program.type("h")
        self.expect_focus("txtnewletter")

        # The new-letter box is no working control: it stays, and takes the focus from the hidden button.
        program.click("cmdSendMsg")
        self.assertEqual(program.wait_for(SENT | {"txtnewletter"}, program.shown), SENT | {"txtnewletter"})
        self.expect_focus("txtnewletter")
        self.assertEqual((program.text("txtin"), program.text("txtencrypt")), (b"hah", b"HAH"))
        program.type("z")
        self.assertEqual(program.wait_for(b"H Z\r\n", lambda: code_book_line(program.text("txtcode"), "H")), b"H Z\r\n")
        self.expect_focus("txtnewletter")
        shot, box = program.screenshot("sent-screen")
        problems = (dominant(shot, box("lblsent"), LIGHT_GREEN, "lblsent") + has_pixels(shot, box("lblsent"), RED, "lblsent notice", least=500)
                    + dominant(shot, box("cmdGoAgain"), RED, "cmdGoAgain"))
        self.assertEqual(problems, [], "sent screen (sent-screen.png)")

        for cycle in range(2):
            program.click("cmdGoAgain")
            self.assertEqual(program.wait_for(WORKING, program.shown), WORKING)
            self.expect_focus("txtin")
            self.assertEqual((program.text("txtin"), program.text("txtencrypt")), (b"", b" "))
            program.type("hah")
            self.expect_text("txtencrypt", b" ZAZ", "the book keeps its change")
            program.key(*["Tab"] * 6)
            self.expect_focus("cmdSendMsg")
            program.key("Return")
            self.assertEqual(program.wait_for(SENT, program.shown), SENT, f"sent again, cycle {cycle}")
            self.expect_focus("cmdGoAgain")

    def test_pasted_and_long_messages(self):
        program = self.program
        program.type("a")
        self.expect_text("txtencrypt", b"A")
        # Pasted text reaches the box without key presses: only Ctrl+V's own character is enciphered.
        program.set_clipboard(b"bc\nd\r\ne")
        program.key("ctrl+v")
        self.expect_text("txtin", b"abc\r\nd\r\ne")
        self.expect_text("txtencrypt", b"A\x16")
        program.click("cmdre")
        self.expect_text("txtencrypt", b" ABC\r\nD\r\nE")

        # Far past an edit control's default 30,000 and the 32,767 of 16-bit counts.
        line = bytes(range(ord("a"), ord("z") + 1)) * 3
        message = (line[:70] + b"\r\n") * (1_000_000 // 72) + line[:1_000_000 % 72]
        self.assertEqual(len(message), 1_000_000)
        program.set_clipboard(message)
        program.click("cmderase")
        self.expect_text("txtin", b"")
        program.click("txtin")
        started = time.monotonic()
        program.key("ctrl+v")
        pasted = program.wait_for(message, lambda: program.text("txtin"))
        self.assertEqual((len(pasted), pasted == message), (len(message), True), "the pasted million characters")
        program.click("cmdre")
        expected = b" " + upper(message)
        encrypted = program.wait_for(expected, lambda: program.text("txtencrypt"))
        self.assertEqual((len(encrypted), encrypted == expected), (len(expected), True), "the re-encrypted million characters")
        print(f"a million characters pasted and re-encrypted in {time.monotonic() - started:.1f} s", flush=True)
        program.click("txtin")
        program.type("h")
        self.expect_text("txtencrypt", expected + b"H", "a key after the long message")


def main():
    global PROGRAM, PROBE, OUTPUT
    PROGRAM, PROBE, OUTPUT = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve(), Path(sys.argv[3]).resolve()
    OUTPUT.mkdir(parents=True, exist_ok=True)
    result = unittest.main(argv=[sys.argv[0], "-v", *sys.argv[4:]], exit=False).result
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
