#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence line at the head of every source file that lacks one.

    tools/add-spdx.py [FILE...]     (no FILE: every C++, Python and shell file git knows)

C++ files get it as their first line; scripts right after the "#!" line.
"""
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


def main():
    files = sys.argv[1:] or subprocess.check_output(
        ["git", "ls-files", "*.cpp", "*.h", "*.py", "*.sh"], text=True).split()
    for path in files:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        changed = with_licence(text, path)
        if changed != text:
            with open(path, "w", encoding="utf-8") as f:
                f.write(changed)


if __name__ == "__main__":
    main()
