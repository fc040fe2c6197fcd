#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that the program's includes point one way, down the folders: a file includes only the
files of its own folder and of the folders beneath it, so no two folders include each other; and
that only a back-end's folder (backends/NAME/) includes a toolkit's header. Prints each include
that points up or sideways, or reaches a toolkit from the core, and exits 1 if there is one.

    check_include_direction.py [SOURCE_ROOT]
"""

import re
import sys
from pathlib import Path

# Bottom first. Folders on one level include nothing of each other; cipher/ stands above
# codebook/ as Re-encrypt closes the change dialogue. An entry "folder/file" gives a file a level
# of its own, which its includes keep to as well. The back-ends stand on top, one folder each.
LEVELS = {"codepage": 0, "codebook_store": 1, "forms": 1, "window": 2,
          "codebook": 3, "screens": 3, "cipher": 4, "app": 5, "backends": 6}

# The toolkits' headers: Qt's (<QWidget>, <qdrawutil.h>), Win32's, Emscripten's.
TOOLKIT_HEADER = re.compile(r'#include <(Q|q[a-z_]*\.h|windows\.h|commctrl\.h|emscripten)', re.IGNORECASE)


def level(path):
    name = path.with_suffix("").as_posix()
    for prefix in sorted(LEVELS, key=len, reverse=True):
        if name == prefix or name.startswith(prefix + "/"):
            return LEVELS[prefix]
    return None


def wrong_way(source, included):
    """How the include of `included` by `source` (both paths from the root) points up, or None."""
    own_folder = source.parts[0]
    folder = included.parts[0] if len(included.parts) > 1 else own_folder
    if folder == own_folder == "backends" and included.parts[1] != source.parts[1]:
        return "another back-end's file"
    if folder != own_folder:
        if folder not in LEVELS:
            return f"whose folder {folder}/ has no place in the folders' order"
        if LEVELS[folder] >= LEVELS[own_folder]:
            return f"whose folder {folder}/ does not stand below {own_folder}/"
    if (level(included) or 0) > level(source):
        return "which stands above it"
    return None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[1])
    upward = []
    for source in sorted([*root.glob("*/*.[ch]*"), *root.glob("backends/*/*.[ch]*")]):
        relative = source.relative_to(root)
        if relative.parts[0] not in LEVELS:
            continue
        for number, line in enumerate(source.read_text().splitlines(), 1):
            match = re.match(r'#include "([^"]+)"', line)
            reason = match and wrong_way(relative, Path(match.group(1)))
            if reason:
                upward.append(f"{relative}:{number}: includes {match.group(1)}, {reason}")
            toolkit = TOOLKIT_HEADER.match(line)
            if toolkit and relative.parts[0] != "backends":
                upward.append(f"{relative}:{number}: {line.strip()[len('#include '):]} is a toolkit's header, "
                              "which only a back-end includes")
    print("\n".join(upward) or f"every include of the program points down the folders ({root})")
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
