#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the generated example training files: letters.net (26 letters on a
5x7 grid, one output per letter) and clusters.net (a larger, linearly
separable set drawn from a fixed seed, so the file is the same every time)."""
import random
import sys
from pathlib import Path

FONT = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "B": ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    "C": [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    "D": ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "F": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "],
    "G": [" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"],
    "H": ["#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "I": [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "J": ["  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "],
    "K": ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    "L": ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    "M": ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    "N": ["#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "P": ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    "Q": [" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "V": ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    "W": ["#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "],
    "X": ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
    "Y": ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    "Z": ["#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"],
}


def letters(path: Path) -> None:
    names = sorted(FONT)
    lines = ["26, 0, 35, 26"]
    for name in names:
        rows = FONT[name]
        assert len(rows) == 7 and all(len(r) == 5 for r in rows), name
        lines.append(", ".join("1" if c == "#" else "0" for r in rows for c in r))
    for n, _ in enumerate(names):
        lines.append(", ".join("1" if k == n else "0" for k in range(26)))
    path.write_text("\n".join(lines) + "\n")


def clusters(path: Path, patterns=300, inputs=16, outputs=4, seed=7) -> None:
    rng = random.Random(seed)
    centres = [[rng.uniform(-1, 1) for _ in range(inputs)] for _ in range(outputs)]
    rows, targets = [], []
    for p in range(patterns):
        c = p % outputs
        rows.append(" ".join(f"{centres[c][i] + rng.gauss(0, 0.25):.4f}" for i in range(inputs)))
        targets.append(" ".join("1" if k == c else "0" for k in range(outputs)))
    path.write_text(f"{outputs} 0 {inputs} {patterns}\n" + "\n".join(rows) + "\n" + "\n".join(targets) + "\n")


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "examples")
    letters(out / "letters.net")
    clusters(out / "clusters.net")
