# SPDX-License-Identifier: GPL-3.0-or-later
"""scikit-learn's Perceptron on training files, for the engine's benchmark.

For each file: one pass per epoch over the patterns in file order, updates on
mistakes only, no evaluation pass, one thread. Prints "<file> <epochs per
second>" per file (the median of several timings, in processor time)."""
import statistics
import sys
import time

import numpy as np
from sklearn.linear_model import Perceptron


def read_net(path):
    with open(path) as f:
        values = f.read().replace(",", " ").split()
    outputs, _, inputs, patterns = (int(float(v)) for v in values[:4])
    start = 4
    x = np.array(values[start:start + patterns * inputs], dtype=float).reshape(patterns, inputs)
    start += patterns * inputs
    d = np.array(values[start:start + patterns * outputs], dtype=float).reshape(patterns, outputs)
    return x, d.argmax(axis=1)


def main():
    args = sys.argv[1:]
    quick = "--quick" in args
    files = [a for a in args if a != "--quick"]
    for path in files:
        x, y = read_net(path)
        # Enough epochs for about a second (a quarter with --quick) per timing.
        probe = Perceptron(max_iter=5, tol=None, shuffle=False, n_jobs=1, eta0=0.5)
        t = time.process_time()
        probe.fit(x, y)
        per_epoch = (time.process_time() - t) / 5
        epochs = max(5, int((0.25 if quick else 1.0) / max(per_epoch, 1e-9)))
        rates = []
        for _ in range(3 if quick else 5):
            model = Perceptron(max_iter=epochs, tol=None, shuffle=False, n_jobs=1, eta0=0.5)
            t = time.process_time()
            model.fit(x, y)
            rates.append(epochs / (time.process_time() - t))
        print(path, statistics.median(rates), flush=True)


if __name__ == "__main__":
    main()
