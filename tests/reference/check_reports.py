#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the trainer's text results reports against the reference model.

    check_reports.py VANTORELLE_TRAIN EXAMPLES_DIR

For every case below it runs `vantorelle-train ... --report FILE` in the C
locale, computes the same report with tools/reference/vantorelle_reference.py
and compares the two byte for byte, apart from the text after
"Date Of Analysis: " and "Time Of Analysis: ".  Any difference is printed line
by line and fails the test.
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "reference"))
import vantorelle_reference as reference  # noqa: E402

ALL = "all"

# (training file, options): a file of the examples folder, or of data/ beside
# this script; "@name" in the options is a file of the examples folder.
CASES = []
for n, rule in enumerate(("Delta", "Gradient", "Tarvik")):
    r = ["--rule", rule]
    CASES += [
        ("and.net", r + ["--seed", str(11 + n), "--sections", ALL]),
        ("and.net", r + ["--seed", str(21 + n), "--file-order", "--print-every", "7",
                         "--sections", ALL]),
        ("xor.net", r + ["--seed", str(31 + n), "--epochs", "250", "--print-every", "7",
                         "--sections", ALL]),
        ("xor.net", r + ["--seed", str(41 + n), "--epochs", "60", "--file-order",
                         "--no-hit-stop", "--sections", ALL]),
        ("letters.net", r + ["--seed", str(51 + n), "--epochs", "4", "--print-every", "1",
                             "--sections", ALL]),
        ("and.net", r + ["--seed", str(61 + n), "--freeze-thresholds",
                         "--thresholds", "0.2,0.5,Both", "--weights", "0.3,0.7,Both",
                         "--sections", ALL]),
        ("or.net", r + ["--seed", str(71 + n), "--weights", "0.2,0.5,Pos",
                        "--thresholds", "0.1,0.4,Neg", "--print-every", "1",
                        "--epochs", "30", "--sections", ALL]),
        ("xor.net", r + ["--seed", str(81 + n), "--weights", "0.5,1,Neg",
                         "--thresholds", "0,1,Pos", "--epochs", "40", "--sections", ALL]),
        # Continue Training, then the generalization file, then the report.
        ("and.net", r + ["--seed", str(91 + n), "--epochs", "20", "--no-hit-stop",
                         "--print-every", "7", "--continue", "30", "--sections", ALL]),
        ("and.net", r + ["--seed", str(101 + n), "--epochs", "25", "--continue", "15",
                         "--test", "@or.net", "--sections", ALL]),
        ("xor.net", r + ["--seed", str(111 + n), "--epochs", "30", "--test", "@or.net"]),
    ]
CASES += [
    # the 2000-row history cap, with and without continuing past it
    ("and.net", ["--seed", "5", "--print-every", "1", "--epochs", "2100", "--no-hit-stop",
                 "--sections", "general,history"]),
    ("and.net", ["--seed", "6", "--rule", "Gradient", "--print-every", "1",
                 "--epochs", "1990", "--no-hit-stop", "--continue", "20",
                 "--sections", "history"]),
    # other settings
    ("and.net", ["--seed", "7", "--no-epoch-limit", "--sections", ALL]),
    ("and.net", ["--seed", "8", "--rule", "Gradient", "--rate", "2.5", "--min-error", "0.2",
                 "--sections", ALL]),
    ("or.net", ["--seed", "9", "--rule", "Tarvik", "--rate", "0.35", "--min-error", "0.05",
                "--epochs", "300", "--sections", ALL]),
    ("letters.net", ["--seed", "10", "--rule", "Gradient", "--epochs", "3", "--file-order",
                     "--weights", "0.01,0.05,Pos", "--sections", ALL]),
    ("and.net", ["--seed", "14", "--rule", "Gradient", "--rate", "30", "--min-error", "1e-8",
                 "--epochs", "10000", "--print-every", "1000", "--sections", "errors,history"]),
    # general form: 1E-05, 1.5E+15, 0.0001, a range read as 123456789012346
    ("and.net", ["--seed", "15", "--rate", "0.00001", "--weights", "0.000012345,1.5e15,Both",
                 "--thresholds", "0.0001,123456789012345.678,Neg", "--epochs", "3",
                 "--no-hit-stop", "--sections", "general,errors,weights"]),
    # -0 start values, kept by frozen thresholds and by inputs of 0
    ("and.net", ["--seed", "16", "--weights", "0,0,Both", "--freeze-thresholds", "--epochs", "1",
                 "--no-hit-stop", "--sections", ALL]),
    ("xor.net", ["--seed", "17", "--rule", "Tarvik", "--freeze-thresholds", "--epochs", "5",
                 "--sections", ALL]),
    # values halfway between two hundredths, 15-digit forms, -0 and -.00
    ("data/halfway_values.net", ["--seed", "18", "--rate", "0", "--weights", "0,0,Pos",
                                 "--thresholds", "1,1,Neg", "--file-order", "--epochs", "2",
                                 "--no-hit-stop", "--sections", ALL]),
    ("data/halfway_values.net", ["--seed", "19", "--weights", "0,0,Pos", "--thresholds", "1,1,Neg",
                                 "--epochs", "3", "--no-hit-stop", "--sections", ALL]),
    # the value rule's overflow: that unit's update stops, training goes on
    ("or.net", ["--seed", "20", "--rule", "Tarvik", "--rate", "200", "--epochs", "60",
                "--no-hit-stop", "--print-every", "1", "--sections", ALL]),
    ("clusters.net", ["--seed", "1", "--rule", "Tarvik", "--rate", "3", "--epochs", "5",
                      "--no-hit-stop", "--sections", "weights,history"]),
    ("clusters.net", ["--seed", "12", "--rule", "Gradient", "--epochs", "2", "--print-every",
                      "1", "--sections", "errors,weights,history"]),
]
# section sets: default, none, and each section on its own
CASES += [("xor.net", ["--seed", "13", "--rule", "Gradient", "--epochs", "120"])]
CASES += [("xor.net", ["--seed", "13", "--rule", "Gradient", "--epochs", "120",
                       "--sections", s])
          for s in ("none",) + reference.SECTIONS + ("responses,history", "errors,inputs")]

MASKED = (b"Date Of Analysis: ", b"Time Of Analysis: ")


def masked_lines(report):
    """The report's lines (ends kept), the date and time texts replaced."""
    lines = report.split(b"\n")
    for prefix in MASKED:
        found = [n for n, text in enumerate(lines) if text.startswith(prefix)]
        if len(found) != 1:
            raise ValueError("expected one line starting %r, found %d" % (prefix, len(found)))
        lines[found[0]] = prefix + b"<masked>\r\r"
    return lines


def compare(name, trainer_report, reference_report):
    """Prints every differing line; answers whether the reports agree."""
    ours, theirs = masked_lines(reference_report), masked_lines(trainer_report)
    if ours == theirs:
        return True
    print("DIFFERENT: " + name)
    shown = 0
    for n in range(max(len(ours), len(theirs))):
        a = theirs[n] if n < len(theirs) else b"<no line>"
        b = ours[n] if n < len(ours) else b"<no line>"
        if a != b and shown < 10:
            print("  line %d\n    trainer:   %r\n    reference: %r" % (n + 1, a, b))
            shown += 1
    return False


def main(trainer, examples):
    env = dict(os.environ, LC_ALL="C")
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        for n, (training_file, options) in enumerate(CASES, 1):
            options = [os.path.join(examples, o[1:]) if o.startswith("@") else o
                       for o in options]
            folder = HERE if training_file.startswith("data/") else examples
            args = [os.path.join(folder, training_file)] + options
            name = "case %d: %s %s" % (n, training_file, " ".join(options))
            report_path = os.path.join(tmp, "report%d.txt" % n)
            run = subprocess.run([trainer] + args + ["--quiet", "--report", report_path],
                                 env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            if run.returncode != 0:
                print("FAILED TO RUN (exit %d): %s\n%s" % (run.returncode, name,
                                                           run.stderr.decode()))
                failures += 1
                continue
            with open(report_path, "rb") as f:
                trainer_report = f.read()
            try:
                expected = reference.train_and_report(reference.parse_options(args))
                same = compare(name, trainer_report, expected)
            except Exception as error:  # a case the reference cannot model
                print("REFERENCE FAILED (%r): %s" % (error, name))
                same = False
            if not same:
                failures += 1
    print("%d of %d reports identical to the reference" % (len(CASES) - failures, len(CASES)))
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
