#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures the web program against a floor of bare page elements in the same headless Chromium
page and prints the ratios. Each iteration times the program's action and the floor's in turns,
each to the end of the frame painted after it, as the page's main-thread time; the figures
are medians.

    bench_web.py SITE_FOLDER
"""

import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "backends" / "web"))
import tst_web as web  # noqa: E402

KEY_ITERATIONS = 60
REENCRYPT_ITERATIONS = 7


def clear_message(length):
    """The message in lines the other benchmarks type, in the program's terms (CR LF breaks)."""
    letters, others, line_break = "etaoinshrdlucmfwypvbgkjqxzETAOINSHRDLU", "0123456789,.;:!?'-", "\r\n"
    state = 20240

    def random():  # the C++ library's minstd_rand
        nonlocal state
        state = state * 48271 % 2147483647
        return state

    words = length - len(line_break) if length >= len(line_break) else length
    message, line_start = [], 0
    while len(message) < words:
        for _ in range(1 + random() % 9):
            message.append(others[random() % len(others)] if random() % 16 == 0 else letters[random() % len(letters)])
        if len(message) - line_start >= 72:
            message += line_break
            line_start = len(message)
        else:
            message.append(" ")
    text = "".join(message[:words])
    if text.endswith("\r"):  # half a line break would read back whole
        text = text[:-1] + "."
    return text + line_break if words < length else text


def script(body, *arguments):
    return web.BROWSER.execute_script(body, *arguments)


def settle(element, reset):
    web.BROWSER.execute_async_script(reset + "; quenmarkFloor.prepare(document.getElementById(arguments[0]) ||"
                                     " quenmarkFloor[arguments[0]], arguments[1])", element)


def busy():
    metrics = web.BROWSER.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
    return next(metric["value"] for metric in metrics if metric["name"] == "TaskDuration")


def timed(element, press, reset=""):
    """One action to the end of the frame painted after it: the page's main-thread time in ms,
    every task's (the events, the frame's callbacks, style, layout and paint, and whatever the
    action left for later), without the idle waits for the display's next frame."""
    settle(element, reset)
    script("quenmarkFloor.arm()")
    before = busy()
    press()
    result = web.BROWSER.execute_async_script("quenmarkFloor.result.then(arguments[0])")
    result["time"] = (busy() - before) * 1000
    return result


def key_k():
    for kind in ("keyDown", "keyUp"):
        web.BROWSER.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": kind, "key": "k", "code": "KeyK", "windowsVirtualKeyCode": 75, **({"text": "k"} if kind == "keyDown" else {})})


def key_enter():
    for kind in ("keyDown", "keyUp"):
        web.BROWSER.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": kind, "key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, **({"text": "\r"} if kind == "keyDown" else {})})


def measure(sides, iterations):
    """Medians of each side's times, the sides in turns starting one later each iteration."""
    times = [[] for _ in sides]
    whole_writes = 0
    for iteration in range(iterations):
        for turn in range(len(sides)):
            side = (turn + iteration) % len(sides)
            result = timed(*sides[side])
            times[side].append(result["time"])
            whole_writes += result["valueSets"] + result["wholeRanges"]
    return [statistics.median(values) for values in times], whole_writes


def fill_program(page, clear):
    """The message pasted into the program's box and re-encrypted, as a user would."""
    page.click("cmderase")
    page.expect_text("txtin", "")
    script("txtin.focus()")
    page.paste(clear)
    page.expect_text("txtin", clear)
    page.click("cmdre")
    page.expect_text("txtencrypt", " " + clear.upper())


def key_figure(page, length):
    clear = clear_message(length).replace("\r\n", "\n")
    code = " " + clear.upper() if length else ""
    if length:
        fill_program(page, clear)
    script("quenmarkFloor.clear.value = arguments[0]; quenmarkFloor.code.value = arguments[1];"
           "quenmarkFloor.code.scrollTop = quenmarkFloor.code.scrollHeight", clear, code)
    (program, floor), whole_writes = measure([("txtin", key_k), ("clear", key_k)], KEY_ITERATIONS)
    typed = "k" * KEY_ITERATIONS
    shown = script("return [txtin.value, txtencrypt.value, quenmarkFloor.clear.value, quenmarkFloor.code.value]")
    if shown != [clear + typed, code + typed.upper()] * 2:
        sys.exit(f"fault: the boxes do not hold what the keys typed (N = {length})")
    return program, floor, whole_writes


def reencrypt_figure(page):
    clear = clear_message(1_000_000).replace("\r\n", "\n")
    code = " " + clear.upper()
    fill_program(page, clear)  # the first Re-encrypt after the paste reads the message back
    script("quenmarkFloor.codeText = arguments[0]; quenmarkFloor.code.value = ''", code)
    # Each press starts from a box holding one space: the same text again would be no change.
    (program, floor), _ = measure([("cmdre", key_enter, "cmdclear.click()"),
                                   ("button", key_enter, "quenmarkFloor.code.value = ' '")], REENCRYPT_ITERATIONS)
    if not script("return txtencrypt.value === arguments[0] && quenmarkFloor.code.value === arguments[0]", code):
        sys.exit("fault: Re-encrypt did not show the encrypted message")
    return program, floor


def main():
    started = time.monotonic()
    web.SITE = Path(sys.argv[1]).resolve()
    web.setUpModule()
    try:
        web.BROWSER.set_script_timeout(60)
        web.BROWSER.get(web.ADDRESS)
        # The main thread's own processor time: another process taking the core does not count.
        web.BROWSER.execute_cdp_cmd("Performance.enable", {"timeDomain": "threadTicks"})
        page = web.WebProgram("test_paste")
        page.wait_for("txtin", page.focus, "the focus at start")
        script((Path(__file__).parent / "floor.js").read_text())
        rows = []
        empty = key_figure(page, 0)
        rows.append(("Key press, line breaks, N = 0", *empty[:2], 0, empty[2]))
        full = key_figure(page, 100_000)
        rows.append(("Key press, line breaks, N = 100000", *full[:2], 1.5, full[2]))
        rows.append(("Re-encrypt, line breaks, N = 1000000", *reencrypt_figure(page), 1.5, 0))
    finally:
        web.tearDownModule()

    print(f"{'Figure (medians)':<40} {'program':>12} {'floor':>12} {'ratio':>7} {'target':>8}")
    over = 0
    for figure, program, floor, target, whole_writes in rows:
        ratio = program / floor
        failed = (target and ratio > target) or whole_writes
        over += bool(failed)
        print(f"{figure:<40} {program:9.3f} ms {floor:9.3f} ms {ratio:7.2f}  "
              + (f"<= {target:.1f}" if target else "(reference)")
              + (f"  FAULT: the encrypted box's whole value written {whole_writes} times" if whole_writes else ""))
    print(f"\n{over} over target; {time.monotonic() - started:.1f} s")
    return 0 if over == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
