#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The web program in headless Chromium, driven as a person would drive it.

Serves the built site on 127.0.0.1 from a port of its own, opens the page afresh for each group of
checks, types, clicks and pastes through chromedriver and reads the elements back. Texts are read
as the page shows them: line breaks are LF there, the window's CR LF.

    tst_web.py SITE_FOLDER OUTPUT_FOLDER
"""

import functools
import http.server
import sys
import threading
import time
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

PATIENCE = 10.0

WORKING = {"Frame1", "lbltype", "lblcode", "lblencrypt", "txtin", "txtcode", "txtencrypt", "cmderase", "cmdre",
           "cmdclear", "frmchange", "cmdSendMsg"}
DIALOGUE = {"lblcleartext", "txtchange", "lblnewletter", "txtnewletter"}
SENT = {"lbltype", "lblcode", "lblencrypt", "lblsent", "cmdGoAgain", "picVelloq"}
CONTROLS = WORKING | DIALOGUE | SENT

SITE = OUTPUT = None
SERVER = BROWSER = None
ADDRESS = ""


def code_book_line(book, letter):
    start = (ord(letter) - ord("A")) * 4
    return book[start:start + 4]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


def setUpModule():
    global SERVER, BROWSER, ADDRESS
    SERVER = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=str(SITE)))
    threading.Thread(target=SERVER.serve_forever, daemon=True).start()
    ADDRESS = f"http://127.0.0.1:{SERVER.server_address[1]}/index.html"
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=800,700",
                     "--disable-dev-shm-usage", "--no-first-run", "--disable-extensions"):
        options.add_argument(argument)
    try:
        BROWSER = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        BROWSER.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": ADDRESS.rsplit("/", 1)[0], "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    except BaseException:
        tearDownModule()
        raise


def tearDownModule():
    if BROWSER:
        BROWSER.quit()
    SERVER.shutdown()
    SERVER.server_close()


class WebProgram(unittest.TestCase):
    def setUp(self):
        BROWSER.get(ADDRESS)
        self.wait_for("txtin", self.focus, "the focus at start")

    # ------------------------------------------------------------- reading the page ----

    def script(self, body, *arguments):
        return BROWSER.execute_script(body, *arguments)

    def text(self, name):
        return self.script("return document.getElementById(arguments[0]).value", name)

    def focus(self):
        return self.script("return document.activeElement && document.activeElement.id")

    def shown(self):
        return set(self.script("return [...document.querySelectorAll('#frmVelloq > [id]')]"
                               ".filter(e => !e.hidden).map(e => e.id)"))

    def wait_for(self, expected, read, message=None):
        deadline = time.monotonic() + PATIENCE
        while True:
            found = read()
            if found == expected or time.monotonic() > deadline:
                break
            time.sleep(0.02)
        self.assertEqual(found, expected, message)

    def expect_text(self, name, expected, message=None):
        self.wait_for(expected, lambda: self.text(name), message or name)

    # ------------------------------------------------------------------ acting on it ----

    def type(self, text):
        ActionChains(BROWSER).send_keys(text).perform()

    def chord(self, modifier, key):
        ActionChains(BROWSER).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def click(self, name, at=None):
        element = BROWSER.find_element("id", name)
        chain = ActionChains(BROWSER)
        if at:  # from the top-left corner; Selenium offsets from the middle
            size = element.size
            chain.move_to_element_with_offset(element, at[0] - size["width"] // 2, at[1] - size["height"] // 2)
        else:
            chain.move_to_element(element)
        chain.click().perform()

    def paste(self, text):
        BROWSER.execute_async_script("navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        self.chord(Keys.CONTROL, "v")

    def screenshot(self, name):
        BROWSER.find_element("id", "frmVelloq").screenshot(str(OUTPUT / f"{name}.png"))

    # ---------------------------------------------------------------------- the checks ----

    def test_window_as_described(self):
        self.assertEqual(self.shown(), WORKING)
        # Twips / 15 in pixels from the window's corner; the frame's labels from the frame's.
        places = self.script("const root = document.getElementById('frmVelloq').getBoundingClientRect();"
                             "return Object.fromEntries(arguments[0].map(n => { const r = document.getElementById(n)"
                             ".getBoundingClientRect(); return [n, [r.left - root.left, r.top - root.top, r.width, r.height]]; }))",
                             ["frmVelloq", "txtin", "txtcode", "cmdSendMsg", "frmchange"])
        self.assertEqual(places["frmVelloq"][2:], [498, 539])
        self.assertEqual(places["txtin"], [8, 136, 193, 153])
        self.assertEqual(places["txtcode"], [216, 136, 73, 393])
        self.assertEqual(places["cmdSendMsg"], [344, 424, 113, 41])
        self.assertEqual(places["frmchange"], [8, 368, 201, 161])
        colours = self.script("return Object.fromEntries(arguments[0].map(n => [n, getComputedStyle("
                              "document.getElementById(n)).backgroundColor]))",
                              ["frmVelloq", "txtin", "txtencrypt", "frmchange", "cmdSendMsg"])
        self.assertEqual(colours, {"frmVelloq": "rgb(128, 128, 255)", "txtin": "rgb(192, 192, 255)",
                                   "txtencrypt": "rgb(192, 0, 192)", "frmchange": "rgb(255, 192, 255)",
                                   "cmdSendMsg": "rgb(255, 255, 192)"})
        names = self.script("return Object.fromEntries(arguments[0].map(n => [n, document.getElementById(n)"
                            ".getAttribute('aria-label')]))", ["txtin", "txtencrypt", "cmdre", "frmchange"])
        self.assertEqual(names, {"txtin": "Type Clear Message Here", "txtencrypt": "Encrypted Message",
                                 "cmdre": "Re-encrypt", "frmchange": "Click to Change Code Book"})
        self.assertEqual(self.script("return document.getElementById('txtencrypt').readOnly"), True)
        # What a screen reader is told: the accessibility tree's role and name of each control.
        document = BROWSER.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]
        for name, role, spoken in (("txtin", "textbox", "Type Clear Message Here"), ("txtcode", "textbox", "Code Book"),
                                   ("cmdre", "button", "Re-encrypt"), ("cmdSendMsg", "button", "Send Secret Message!")):
            node = BROWSER.execute_cdp_cmd("DOM.querySelector", {"nodeId": document, "selector": "#" + name})["nodeId"]
            accessible = BROWSER.execute_cdp_cmd("Accessibility.getPartialAXTree",
                                                 {"nodeId": node, "fetchRelatives": False})["nodes"][0]
            self.assertEqual((accessible["role"]["value"], accessible["name"]["value"]), (role, spoken), name)
        # Each heading stands on one line inside its box, the stand-in face narrowed where it runs wider.
        for name in ("lbltype", "lblcode", "lblencrypt"):
            self.wait_for(True, lambda: self.script(
                "const label = document.getElementById(arguments[0]), box = label.getBoundingClientRect(),"
                " text = label.firstChild.getBoundingClientRect();"
                "return text.left >= box.left - 0.5 && text.right <= box.right + 0.5 && text.height < box.height", name), name)
        self.screenshot("working-screen")

    def test_typing_enciphers_each_key(self):
        self.type("hello")
        self.expect_text("txtencrypt", "HELLO")
        self.expect_text("txtin", "hello")
        self.type(" Hi there 7?é")
        self.expect_text("txtencrypt", "HELLO HI THERE 7?É", "é arrives as 0xE9 and upper-cases")
        self.type("Ж€")  # outside the page and its 0x80
        self.expect_text("txtencrypt", "HELLO HI THERE 7?É?€")
        self.expect_text("txtin", "hello Hi there 7?é?€")
        # A dead key's letter comes from the input method as a composition, then its commit.
        BROWSER.execute_cdp_cmd("Input.imeSetComposition", {"text": "\u00b4", "selectionStart": 1, "selectionEnd": 1})
        BROWSER.execute_cdp_cmd("Input.insertText", {"text": "á"})
        self.expect_text("txtencrypt", "HELLO HI THERE 7?É?€Á")
        self.expect_text("txtin", "hello Hi there 7?é?€á")
        # Control keys append themselves to the encrypted message; Backspace still erases in the box.
        self.click("cmderase")
        self.expect_text("txtin", "")
        self.click("txtin")
        self.type("ab" + Keys.BACKSPACE + Keys.ENTER + Keys.ESCAPE)
        self.expect_text("txtencrypt", "HELLO HI THERE 7?É?€ÁAB\b\n\x1b")
        self.expect_text("txtin", "a\n")

        # Tab leaves the message box without a character and visits the shown controls in order;
        # the read-only boxes on the way ignore typing.
        book = self.text("txtcode")
        for name in ("cmderase", "cmdre", "cmdclear", "txtcode", "txtencrypt", "cmdSendMsg", "txtin"):
            self.type(Keys.TAB)
            self.wait_for(name, self.focus, "the focus after Tab")
            if name.startswith("txt") and name != "txtin":
                self.type("x")
        self.chord(Keys.SHIFT, Keys.TAB)
        self.wait_for("cmdSendMsg", self.focus, "the focus after Shift+Tab")
        self.assertEqual(self.text("txtcode"), book, "typing into the code book")
        self.assertEqual(self.text("txtencrypt"), "HELLO HI THERE 7?É?€ÁAB\b\n\x1b")
        self.assertEqual(self.text("txtin"), "a\n")

    def test_change_dialogue(self):
        start_book = self.text("txtcode")
        self.assertEqual(code_book_line(start_book, "H"), "H H\n")
        self.type("hah")
        self.expect_text("txtencrypt", "HAH")

        self.click("frmchange", at=(20, 12))
        self.wait_for("txtchange", self.focus)
        self.assertEqual(self.shown(), WORKING | {"lblcleartext", "txtchange"})
        self.assertEqual(self.script("return getComputedStyle(frmchange).backgroundColor"), "rgb(255, 255, 255)")
        self.type("h")
        self.wait_for("txtnewletter", self.focus)
        self.assertEqual(self.shown(), WORKING | DIALOGUE)
        self.assertEqual(self.text("txtchange"), "h")
        self.type("q")
        self.wait_for("cmdre", self.focus)
        book = self.text("txtcode")
        self.assertEqual(code_book_line(book, "H"), "H Q\n")
        self.assertEqual(book, start_book.replace("H H\n", "H Q\n"), "only H's line changes")
        self.assertEqual(self.text("txtencrypt"), "HAH", "the change alone re-encrypts nothing")

        # Space on the focused Re-encrypt replays the message with the new book and closes the dialogue.
        self.type(" ")
        self.expect_text("txtencrypt", " QAQ")
        self.wait_for(WORKING, self.shown)
        self.assertEqual(self.script("return getComputedStyle(frmchange).backgroundColor"), "rgb(255, 192, 255)")

        # The keyboard road: Alt+C from the message box, an accented code letter, Enter on Re-encrypt.
        self.click("txtin")
        self.chord(Keys.ALT, "c")
        self.wait_for("txtchange", self.focus, "the focus after Alt+C")
        self.assertEqual(self.text("txtin"), "hah", "Alt+C typed into the message")
        self.type("a")
        self.wait_for("txtnewletter", self.focus)
        self.type("é")
        self.wait_for("cmdre", self.focus)
        self.assertEqual(code_book_line(self.text("txtcode"), "A"), "A É\n")
        self.type(Keys.ENTER)
        self.expect_text("txtencrypt", " QÉQ")

        # A cleartext "letter" with no entry changes nothing; Clear leaves one space and closes the dialogue.
        self.click("frmchange", at=(20, 12))
        self.type("7")
        self.wait_for("txtnewletter", self.focus)
        book = self.text("txtcode")
        self.type("z")
        self.expect_text("txtnewletter", "z")
        self.assertEqual(self.text("txtcode"), book, "a code letter for a character with no entry")
        self.click("cmdclear")
        self.expect_text("txtencrypt", " ")
        self.wait_for(WORKING, self.shown)
        self.assertEqual((self.text("txtchange"), self.text("txtnewletter")), ("", ""))

    def test_send_screens(self):
        self.type("hah")
        self.click("cmdSendMsg")
        self.wait_for(SENT, self.shown)
        self.wait_for("cmdGoAgain", self.focus, "the focus on the sent screen")
        self.assertEqual(self.script("return picVelloq.complete && picVelloq.naturalWidth"), 131, "the picture")
        self.screenshot("sent-screen")
        for cycle in range(2):
            self.type(Keys.ENTER)
            self.wait_for(WORKING, self.shown, f"back, cycle {cycle}")
            self.wait_for("txtin", self.focus)
            self.assertEqual((self.text("txtin"), self.text("txtencrypt")), ("", " "))
            self.type("hah")
            self.expect_text("txtencrypt", " HAH")
            self.type(Keys.TAB * 6)
            self.wait_for("cmdSendMsg", self.focus)
            self.type(Keys.ENTER)
            self.wait_for(SENT, self.shown, f"sent again, cycle {cycle}")
            self.wait_for("cmdGoAgain", self.focus)

    def test_paste(self):
        self.type("a")
        self.expect_text("txtencrypt", "A")
        # Only Control+V's own character is enciphered; the pasted text goes into the box as the
        # page can hold it.
        self.paste("bc\nd\r\neЖ")
        self.expect_text("txtin", "abc\nd\ne?")
        self.assertEqual(self.text("txtencrypt"), "A\x16")
        self.click("cmdre")
        self.expect_text("txtencrypt", " ABC\nD\nE?")
        # A long message: pasted, re-encrypted, and one key after it appended at the end.
        line = "abcdefghijklmnopqrstuvwxyz" * 2 + "\n"
        message = line * (100_000 // len(line))
        self.click("cmderase")
        self.expect_text("txtin", "")
        self.click("txtin")
        self.paste(message)
        self.expect_text("txtin", message)
        self.click("cmdre")
        self.expect_text("txtencrypt", " " + message.upper())
        self.click("txtin")
        self.type("h")
        self.expect_text("txtencrypt", " " + message.upper() + "H")


class SingleFilePage(unittest.TestCase):
    """The page that carries its program and picture in itself works opened from disk."""

    def test_opened_from_disk(self):
        BROWSER.get((SITE / "quenmark-single.html").as_uri())
        page = WebProgram("test_window_as_described")
        page.wait_for("txtin", page.focus, "the focus at start")
        page.type("hello")
        page.expect_text("txtencrypt", "HELLO")
        page.click("cmdSendMsg")
        page.wait_for(SENT, page.shown)
        self.assertEqual(page.script("return picVelloq.complete && picVelloq.naturalWidth"), 131, "the picture")


def main():
    global SITE, OUTPUT
    SITE, OUTPUT = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    OUTPUT.mkdir(parents=True, exist_ok=True)
    result = unittest.main(argv=[sys.argv[0], "-v", *sys.argv[3:]], exit=False).result
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
