#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that every source, script and build file of the project opens with its licence line
(after a #! line where there is one). Prints each file without it and exits 1 if there is one.

    check_licence_lines.py [SOURCE_ROOT]
"""

import sys
from pathlib import Path

LINE = "SPDX-License-Identifier: MIT"
SOURCES = ("*.cpp", "*.h", "*.py", "*.sh", "CMakeLists.txt")
SCRIPTS = ("scripts/*", ".ci/run", "packaging/check-package")


def files(root):
    found = {path for pattern in SOURCES for path in root.rglob(pattern)}
    found |= {path for pattern in SCRIPTS for path in root.glob(pattern)}
    return sorted(path for path in found
                  if path.is_file() and not any(part.startswith("build") or part == ".git" for part in path.relative_to(root).parts[:-1]))


def has_licence_line(path):
    lines = path.read_text().splitlines()[:2]
    if lines and lines[0].startswith("#!"):
        lines = lines[1:]
    return bool(lines) and lines[0].endswith(LINE)


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[1])
    missing = [str(path.relative_to(root)) for path in files(root) if not has_licence_line(path)]
    print("\n".join(f"{name}: no '{LINE}' line at the top" for name in missing)
          or f"every source, script and build file names its licence ({root})")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
