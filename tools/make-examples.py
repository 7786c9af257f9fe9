#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the generated example training files: letters.net (26 letters on a
5x7 grid, one output per letter) and clusters.net (a larger, linearly
separable set drawn from a fixed seed, so the file is the same every time),
and beetles.csv (four measurements and a species column, to import as a CSV
file)."""
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


def beetles(path: Path, per_species=30, seed=11) -> None:
    """Four measurements (mm and mg) of three made-up species: two overlap a
    little, the third stands apart, so a perceptron nearly separates them."""
    rng = random.Random(seed)
    species = {"ground": (14.0, 6.0, 4.0, 90.0), "leaf": (9.0, 5.0, 3.0, 40.0), "rove": (12.5, 4.0, 2.5, 55.0)}
    lines = ["length,width,height,weight,species"]
    for n in range(per_species):
        for name, means in species.items():
            sizes = [m + rng.gauss(0, m * 0.08) for m in means]
            lines.append(",".join(f"{v:.1f}" for v in sizes) + "," + name)
    path.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "examples")
    letters(out / "letters.net")
    clusters(out / "clusters.net")
    beetles(out / "beetles.csv")
