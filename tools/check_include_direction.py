#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that the program's includes point one way: each folder includes only its own files and
those of the folders beneath it. Prints each include that points up and exits 1 if there is one.

    check_include_direction.py [SOURCE_ROOT]
"""

import re
import sys
from pathlib import Path

# Bottom first. The code book store is plain data that the window holds; the code book's
# procedures stand on the window like the other subsystems'.
LEVELS = {"codepage": 0, "codebook_store": 1, "forms": 1, "window": 2,
          "codebook": 3, "cipher": 3, "screens": 3, "app": 4}


def level(path):
    name = path.with_suffix("").as_posix()
    for prefix in sorted(LEVELS, key=len, reverse=True):
        if name == prefix or name.startswith(prefix + "/"):
            return LEVELS[prefix]
    return None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[1])
    upward = []
    for source in sorted(root.glob("*/*.[ch]*")):
        relative = source.relative_to(root)
        own = level(relative)
        if own is None:
            continue
        for number, line in enumerate(source.read_text().splitlines(), 1):
            match = re.match(r'#include "([^"]+)"', line)
            if match and (level(Path(match.group(1))) or 0) > own:
                upward.append(f"{relative}:{number}: includes {match.group(1)}, which stands above it")
    print("\n".join(upward) or f"every include of the program points down ({root})")
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
