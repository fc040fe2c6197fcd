#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the Windows benchmark under Wine on an X server of its own, in the tests' Wine prefix.

    run_under_wine.py BENCHMARK BUILD_FOLDER
"""

import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "backends" / "win32"))
import tst_windows as wine  # noqa: E402


def main():
    benchmark, build = sys.argv[1], Path(sys.argv[2]).resolve()
    prefix = build / "tests" / "backends" / "win32" / "wineprefix"  # the tests', made once
    server, display = wine.start_xvfb()
    try:
        wine.ENV = {key: value for key, value in os.environ.items() if not key.startswith(("WINE", "WAYLAND"))}
        wine.ENV.update(DISPLAY=display, WINEPREFIX=str(prefix), WINEDLLOVERRIDES="mscoree,mshtml=",
                        WINEDEBUG="-all", LANG="C.UTF-8")
        wine.prepare_prefix(prefix)
        wine.start_wine("wineserver", "-p10")
        wine.start_wine("wineboot")
        return subprocess.run(["wine", benchmark], env=wine.ENV, stdin=subprocess.DEVNULL).returncode
    finally:
        subprocess.run(["wineserver", "-k"], env=wine.ENV)
        server.terminate()


if __name__ == "__main__":
    sys.exit(main())
