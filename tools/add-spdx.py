#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence line at the head of every source file that lacks one.

    tools/add-spdx.py [--check] [FILE...]
                      (no FILE: every C++, Python and shell file git knows)

With --check nothing is written: the files without the line are listed and
the exit status is 1 when there are any.

C++ files get it as their first line; scripts right after the "#!" line.
"""
import os
import subprocess
import sys

LINE = "SPDX-License-Identifier: GPL-3.0-or-later"


def with_licence(text, path):
    if LINE in text.split("\n", 3)[:3]:
        return text
    if any(LINE in line for line in text.split("\n", 3)[:3]):
        return text
    if path.endswith((".cpp", ".h")):
        return f"// {LINE}\n{text}"
    if text.startswith("#!"):
        first, _, rest = text.partition("\n")
        return f"{first}\n# {LINE}\n{rest}"
    return f"# {LINE}\n{text}"


SOURCE_FOLDERS = ["app", "bench", "cli", "core", "export", "fuzz", "pages", "system", "tests",
                  "tools", "uninstall"]


def source_files():
    """The files git knows, or, outside a git checkout, those in the source folders."""
    try:
        return subprocess.check_output(["git", "ls-files", "*.cpp", "*.h", "*.py", "*.sh"], text=True,
                                       stderr=subprocess.DEVNULL).split()
    except (OSError, subprocess.CalledProcessError):
        found = []
        for top in SOURCE_FOLDERS:
            for folder, _, names in os.walk(top):
                found += [os.path.join(folder, n) for n in names if n.endswith((".cpp", ".h", ".py", ".sh"))]
        return found


def main():
    args = sys.argv[1:]
    check = "--check" in args
    files = [a for a in args if a != "--check"] or source_files()
    missing = []
    for path in files:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        changed = with_licence(text, path)
        if changed == text:
            continue
        missing.append(path)
        if not check:
            with open(path, "w", encoding="utf-8") as f:
                f.write(changed)
    if check and missing:
        print("no licence line in:", *missing, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
