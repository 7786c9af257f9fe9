#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference model of Vantorelle's training core and text results report.

A second, independent and deliberately plain account of what the program must
do: read a ".net" training file, draw the start weights and thresholds, train
with the chosen learning rule epoch by epoch, optionally continue training and
read a generalization file, and write the text results report, byte for byte.
It takes the same options as `vantorelle-train` (those that change the report)
and is used by tests/reference to check the trainer's reports.

Standard library only.  Arithmetic is IEEE double, every formula evaluated
left to right exactly as written below (no fused multiply-add), so its results
are the same bits as the program's.

    vantorelle_reference.py TRAINING.net --seed N [options] --report FILE
"""

import argparse
import math
import os
import sys
from decimal import Context, Decimal, ROUND_HALF_UP, localcontext

PI = 4.0 * math.atan(1.0)
HISTORY_ROWS = 2000  # rows the error history can hold


# ---------------------------------------------------------------------------
# Random numbers: a 64-bit Mersenne Twister (std::mt19937_64), seeded once;
# each number in [0, 1) is its next output's top 53 bits times 2**-53.

class MersenneTwister64:
    N, M = 312, 156
    MATRIX_A = 0xB5026F5AA96619E9
    UPPER, LOWER = 0xFFFFFFFF80000000, 0x7FFFFFFF
    MASK = 0xFFFFFFFFFFFFFFFF

    def __init__(self, seed):
        mt = [seed & self.MASK]
        for i in range(1, self.N):
            prev = mt[-1]
            mt.append((6364136223846793005 * (prev ^ (prev >> 62)) + i) & self.MASK)
        self.mt, self.index = mt, self.N

    def _twist(self):
        mt, n, m = self.mt, self.N, self.M
        for i in range(n):
            y = (mt[i] & self.UPPER) | (mt[(i + 1) % n] & self.LOWER)
            mt[i] = mt[(i + m) % n] ^ (y >> 1) ^ (self.MATRIX_A if y & 1 else 0)
        self.index = 0

    def next64(self):
        if self.index >= self.N:
            self._twist()
        y = self.mt[self.index]
        self.index += 1
        y ^= (y >> 29) & 0x5555555555555555
        y ^= (y << 17) & 0x71D67FFFEDA60000
        y ^= (y << 37) & 0xFFF7EEE000000000
        y ^= y >> 43
        return y & self.MASK

    def uniform(self):
        return (self.next64() >> 11) * 2.0 ** -53


# ---------------------------------------------------------------------------
# The network state.  Lists are indexed from 1; index 0 is never used.

class Network:
    def __init__(self):
        self.training_file_name = ""
        self.num_outputs = self.num_inputs = self.num_patterns = 0
        self.input_patterns = []    # [p][i]
        self.desired_outputs = []   # [p][k]
        self.unit_type = []         # [k], "" until the first epoch
        self.net_input, self.threshold = [], []
        self.activation, self.target, self.error = [], [], []
        self.input_activation = []  # [i]
        self.weights = []           # [i][k]
        # settings
        self.learning_rule = "Delta"
        self.learning_rate = 0.5
        self.min_error = 0.01
        self.print_sweeps = 100
        self.epoch_limit = 0
        self.stop_at_max_epochs = 1
        self.stop_when_all_hits = 1
        self.randomize_order = True
        self.freeze_thresholds = False
        self.weight_min, self.weight_max, self.weight_sign = 0.0, 0.1, "Both"
        self.threshold_min, self.threshold_max, self.threshold_sign = 0.0, 0.0, "Both"
        # run control and results
        self.fresh_start = 1
        self.epoch_count = 0
        self.total_sse = 0.0
        self.hits = 0
        self.history = []           # (epoch count, total SSE), row 1 first
        self.value_rule_overflowed = False

    @property
    def num_responses(self):
        return self.num_outputs * self.num_patterns

    def size_units(self):
        """What the training set-up page does on creation with FreshStart 1."""
        n_out, n_in = self.num_outputs, self.num_inputs
        self.unit_type = [""] * (n_out + 1)
        for name in ("net_input", "threshold", "activation", "target", "error"):
            setattr(self, name, [0.0] * (n_out + 1))
        self.input_activation = [0.0] * (n_in + 1)
        self.weights = [[0.0] * (n_out + 1) for _ in range(n_in + 1)]


# ---------------------------------------------------------------------------
# Training file: numbers separated by commas, blanks or line breaks.

def read_training_file(net, path):
    with open(path, "rb") as f:
        tokens = f.read().decode("ascii").replace(",", " ").split()
    pos = 0

    def next_number():
        nonlocal pos
        pos += 1
        return float(tokens[pos - 1])

    net.num_outputs = int(next_number())
    next_number()  # read and ignored
    net.num_inputs = int(next_number())
    net.num_patterns = int(next_number())
    net.input_patterns = [[0.0] * (net.num_inputs + 1) for _ in range(net.num_patterns + 1)]
    for p in range(1, net.num_patterns + 1):
        for i in range(1, net.num_inputs + 1):
            net.input_patterns[p][i] = next_number()
    net.desired_outputs = [[0.0] * (net.num_outputs + 1) for _ in range(net.num_patterns + 1)]
    for p in range(1, net.num_patterns + 1):
        for k in range(1, net.num_outputs + 1):
            net.desired_outputs[p][k] = next_number()


# ---------------------------------------------------------------------------
# Network response and error measures.

def compute_activation(net, k):
    x = net.net_input[k]
    kind = net.unit_type[k]
    if kind == "Binary":
        net.activation[k] = 1.0 if x >= 0 else 0.0
    elif kind == "IntDev":
        try:
            e = math.exp(-x)
        except OverflowError:
            e = math.inf
        net.activation[k] = 1.0 / (1.0 + e)
    elif kind == "Value":
        net.activation[k] = math.exp((-PI * x) * x)
    # any other kind leaves the activation unchanged


def compute_response(net, p):
    for i in range(1, net.num_inputs + 1):
        net.input_activation[i] = net.input_patterns[p][i]
    for k in range(1, net.num_outputs + 1):
        net.net_input[k] = 0.0
    for i in range(1, net.num_inputs + 1):
        x, row = net.input_activation[i], net.weights[i]
        for k in range(1, net.num_outputs + 1):
            net.net_input[k] = x * row[k] + net.net_input[k]
    for k in range(1, net.num_outputs + 1):
        net.net_input[k] = net.threshold[k] + net.net_input[k]
    for k in range(1, net.num_outputs + 1):
        compute_activation(net, k)
        net.error[k] = net.desired_outputs[p][k] - net.activation[k]
        net.target[k] = net.desired_outputs[p][k]


def pattern_sse(net):
    s = 0.0
    for k in range(1, net.num_outputs + 1):
        s = s + net.error[k] * net.error[k]
    return s


def pattern_hits(net):
    return sum(1 for k in range(1, net.num_outputs + 1)
               if net.error[k] * net.error[k] < net.min_error)


def evaluate_training_set(net):
    net.hits, net.total_sse = 0, 0.0
    for p in range(1, net.num_patterns + 1):
        compute_response(net, p)
        net.hits = net.hits + pattern_hits(net)
        net.total_sse = net.total_sse + pattern_sse(net)


# ---------------------------------------------------------------------------
# Start weights and thresholds.  (Reseeding "from the clock" does nothing once
# a seed was given: the one sequence simply continues.)

def random_start(rng, vmax, vmin, sign):
    v = vmin + (vmax - vmin) * rng.uniform()
    if sign == "Both":
        a = math.floor(1000 * rng.uniform() + 1)
        b = math.floor(1000 * rng.uniform() + 1)
        if b > a:
            v = -v
    elif sign == "Neg":
        if v > 0:
            v = -v
    elif sign == "Pos":
        if v < 0:
            v = -v
    return v


def init_weights(net, rng):
    for i in range(1, net.num_inputs + 1):
        for k in range(1, net.num_outputs + 1):
            net.weights[i][k] = random_start(rng, net.weight_max, net.weight_min, net.weight_sign)


def init_thresholds(net, rng):
    for k in range(1, net.num_outputs + 1):
        net.threshold[k] = random_start(rng, net.threshold_max, net.threshold_min,
                                        net.threshold_sign)


# ---------------------------------------------------------------------------
# Learning rules for output unit k, from the response last computed.

def delta_rule(net, k):
    rate, e = net.learning_rate, net.error[k]
    for i in range(1, net.num_inputs + 1):
        net.weights[i][k] = (rate * e) * net.input_activation[i] + net.weights[i][k]
    if not net.freeze_thresholds:
        net.threshold[k] = rate * e + net.threshold[k]


def gradient_rule(net, k):
    rate, e, a = net.learning_rate, net.error[k], net.activation[k]
    d = (1 - a) * a
    for i in range(1, net.num_inputs + 1):
        net.weights[i][k] = ((rate * d) * e) * net.input_activation[i] + net.weights[i][k]
    if not net.freeze_thresholds:
        net.threshold[k] = (rate * d) * e + net.threshold[k]


def _checked(v):
    """A step's result; a step that overflows stops the value rule."""
    if not math.isfinite(v):
        raise OverflowError
    return v


def value_unit_rule(net, k):
    rate, e, a = net.learning_rate, net.error[k], net.activation[k]
    t, x = net.target[k], net.net_input[k]
    try:
        g = _checked(((-2 * PI) * x) * a)
        delta = _checked(g * e - t * x)
        for i in range(1, net.num_inputs + 1):
            net.weights[i][k] = _checked((delta * rate) * net.input_activation[i]
                                         + net.weights[i][k])
        if not net.freeze_thresholds:
            net.threshold[k] = _checked(rate * delta + net.threshold[k])
    except OverflowError:
        # "Overflow error: ..." is shown; weights already updated stay changed,
        # the rest of this unit's update is skipped and training goes on.
        net.value_rule_overflowed = True


RULES = {"Delta": ("Binary", delta_rule),
         "Gradient": ("IntDev", gradient_rule),
         "Tarvik": ("Value", value_unit_rule)}


# ---------------------------------------------------------------------------
# Training engine.

def set_unit_types(net):
    kind = RULES[net.learning_rule][0]
    for k in range(1, net.num_outputs + 1):
        net.unit_type[k] = kind


def shuffle_patterns(net, rng):
    n = net.num_patterns
    order = list(range(n + 1))
    if net.randomize_order:
        for j in range(1, n):
            r = math.floor(rng.uniform() * (n - j + 1) + j)
            order[r], order[j] = order[j], order[r]
    return order


def validate_settings(net, sweeps, rate, print_every, min_error):
    """The settings check; the test cases only use settings it accepts."""
    if sweeps <= 0 and net.stop_at_max_epochs == 1:
        raise ValueError("Maximum number of training epochs must be greater than zero.")
    if not (net.stop_at_max_epochs or net.stop_when_all_hits):
        raise ValueError("At least one box for method of ending training must be checked.")
    if rate < 0:
        raise ValueError("Learning rate cannot be negative")
    net.learning_rate = rate
    net.print_sweeps = round(print_every)  # halves to the even neighbour
    net.min_error = min_error
    if net.fresh_start == 1:
        net.epoch_limit = round(sweeps)
    else:
        net.epoch_limit = round(sweeps + net.epoch_count)


def run_training(net, rng):
    if net.fresh_start == 1:
        net.epoch_count = 0
    stop, since_display = False, 0
    if net.epoch_count == 0:
        # The program sets the unit types from the rule before row 1.
        set_unit_types(net)
        evaluate_training_set(net)
        net.history = [(0.0, net.total_sse)]
    rule = RULES[net.learning_rule][1]
    while not stop:
        set_unit_types(net)
        net.epoch_count += 1
        since_display += 1
        order = shuffle_patterns(net, rng)
        for j in range(1, net.num_patterns + 1):
            compute_response(net, order[j])
            for k in range(1, net.num_outputs + 1):
                rule(net, k)
        evaluate_training_set(net)
        if since_display == net.print_sweeps:
            # progress display (status lines only), then a history record
            since_display = 0
            if len(net.history) < HISTORY_ROWS:
                net.history.append((float(net.epoch_count), net.total_sse))
        if net.stop_at_max_epochs == 1 and net.epoch_count == net.epoch_limit:
            stop = True
        if net.hits == net.num_responses and net.stop_when_all_hits == 1:
            stop = True
    if since_display < net.print_sweeps and len(net.history) < HISTORY_ROWS:
        net.history.append((float(net.epoch_count), net.total_sse))


# ---------------------------------------------------------------------------
# Number formats ("." decimals and "," grouping, as in the C locale).  The
# fixed-decimal forms round the value's 15-significant-digit decimal form half
# away from zero.

def _decimal15(v):
    return Decimal(format(v, ".14e"))


def _two_decimals(v):
    """|v| rounded to two decimals, as digits, point and two digits."""
    with localcontext(Context(prec=400)):  # room for the largest doubles
        text = "{:f}".format(abs(_decimal15(v)).quantize(Decimal("0.01"),
                                                         rounding=ROUND_HALF_UP))
    return text.split(".")


def signed2(v):
    """The format "+###.00;-###.00"."""
    whole, frac = _two_decimals(v)
    return ("-" if v < 0 else "+") + ("" if whole == "0" else whole) + "." + frac


def standard(v):
    """The named format "Standard": grouping, two decimals."""
    whole, frac = _two_decimals(v)
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return ("-" if v < 0 else "") + ",".join(groups) + "." + frac


def scientific(v):
    """The named format "Scientific": d.ddE+xx."""
    d = abs(_decimal15(v))
    if d == 0:
        return "0.00E+00"
    exponent = d.adjusted()
    mantissa = d.scaleb(-exponent).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)
    if mantissa >= 10:
        mantissa, exponent = (mantissa / 10).quantize(Decimal("0.01")), exponent + 1
    sign = "-" if exponent < 0 else "+"
    return ("-" if v < 0 else "") + "%sE%s%02d" % (mantissa, sign, abs(exponent))


def general(v):
    """Shortest text of up to 15 significant digits."""
    if v == 0:
        return "0"
    mantissa, exponent = format(abs(v), ".14e").split("e")
    digits = mantissa.replace(".", "").rstrip("0")
    exponent = int(exponent)
    sign = "-" if v < 0 else ""
    if exponent < -4 or exponent >= 15:
        text = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return "%s%sE%s%02d" % (sign, text, "-" if exponent < 0 else "+", abs(exponent))
    if exponent < 0:
        return sign + "0." + "0" * (-exponent - 1) + digits
    whole, frac = digits[:exponent + 1], digits[exponent + 1:]
    whole += "0" * (exponent + 1 - len(whole))
    return sign + whole + ("." + frac if frac else "")


# ---------------------------------------------------------------------------
# Text results report.

SECTIONS = ("general", "responses", "errors", "weights", "inputs", "outputs", "history")
DEFAULT_SECTIONS = ("general", "responses", "errors", "weights")
HEAVY_RULE = "=" * 45
LIGHT_RULE = "-" * 15


def write_results_report(net, sections, date="(date)", time="(time)"):
    lines = []

    def line(text, extra_crs=1):
        lines.append(text + "\r" * extra_crs + "\r\n")

    def pattern_row(p, values):
        line("Pattern %d\t" % p + "".join(signed2(v) + "\t" for v in values))

    outputs = range(1, net.num_outputs + 1)
    inputs = range(1, net.num_inputs + 1)
    patterns = range(1, net.num_patterns + 1)

    line("Perceptron Training Program")
    line(HEAVY_RULE)
    line("")
    line("Results Of Training With File: " + net.training_file_name)
    line("Date Of Analysis: " + date)
    line("Time Of Analysis: " + time)
    line(HEAVY_RULE)

    evaluate_training_set(net)  # the totals pass

    if "general" in sections:
        line("Learning rule: " + net.learning_rule)
        line("Learning rate: " + general(net.learning_rate))
        line("Training completed after %d epochs" % net.epoch_count, 2)
        line("Settings For Initial Random Weights:")
        line("Maximum value: " + general(net.weight_max))
        line("Minimum value: " + general(net.weight_min))
        line("   Sign value: " + net.weight_sign, 2)
        line("Settings For Initial Random Biases:")
        line("Maximum value: " + general(net.threshold_max))
        line("Minimum value: " + general(net.threshold_min))
        line("   Sign value: " + net.threshold_sign, 2)
        line("Pattern randomization during an epoch: " + str(net.randomize_order))
        line(HEAVY_RULE)
    if "responses" in sections:
        line("Network Responses To Each Input Pattern:")
        line(LIGHT_RULE)
        for p in patterns:
            compute_response(net, p)
            pattern_row(p, [net.activation[k] for k in outputs])
        line(HEAVY_RULE)
    if "errors" in sections:
        line("After training, sum of squared error was: " + general(net.total_sse))
        line("Network Response Errors To Each Input Pattern:")
        line(LIGHT_RULE)
        for p in patterns:
            compute_response(net, p)
            pattern_row(p, [net.error[k] for k in outputs])
        line(HEAVY_RULE)
    if "weights" in sections:
        line("Connection weights from input units (rows) to output units (columns):")
        line(LIGHT_RULE)
        line("\t" + "".join("Out %d\t" % k for k in outputs))
        line("OutType\t" + "".join(net.unit_type[k] + "\t" for k in outputs))
        line("Bias\t" + "".join(signed2(net.threshold[k]) + "\t" for k in outputs))
        for i in inputs:
            line("INP %d\t" % i + "".join(signed2(net.weights[i][k]) + "\t" for k in outputs))
        line(HEAVY_RULE)
    if "inputs" in sections:
        line("The set of input patterns was:")
        line(LIGHT_RULE)
        for p in patterns:
            compute_response(net, p)
            pattern_row(p, [net.input_patterns[p][i] for i in inputs])
        line(HEAVY_RULE)
    if "outputs" in sections:
        line("The set of desired outputs was:")
        line(LIGHT_RULE)
        for p in patterns:
            compute_response(net, p)
            pattern_row(p, [net.desired_outputs[p][k] for k in outputs])
        line(HEAVY_RULE)
    if "history" in sections:
        line("Network SSE as a function of sweeps of training was:")
        line(LIGHT_RULE)
        line("Sweeps\tNetwork SSE")
        for sweeps, sse in net.history:
            line(standard(sweeps) + "\t" + scientific(sse), 0)
        line(HEAVY_RULE)
    return "".join(lines).encode("latin-1")


# ---------------------------------------------------------------------------
# The trainer's options, as the set-up page's boxes and "Start Training",
# then "Continue Training", then the generalization file, then the report.

def parse_range(text):
    low, high, sign = text.split(",")
    return float(low), float(high), sign


def parse_sections(text):
    if text == "all":
        return set(SECTIONS)
    if text == "none":
        return set()
    return set(text.split(","))


def argument_parser():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("training_file")
    ap.add_argument("--seed", type=int, required=True)
    ap.add_argument("--rule", default="Delta", choices=sorted(RULES))
    ap.add_argument("--rate", type=float)
    ap.add_argument("--epochs", type=float, default=1000)
    ap.add_argument("--print-every", type=float, default=100)
    ap.add_argument("--min-error", type=float, default=0.01)
    ap.add_argument("--no-epoch-limit", action="store_true")
    ap.add_argument("--no-hit-stop", action="store_true")
    ap.add_argument("--file-order", action="store_true")
    ap.add_argument("--freeze-thresholds", action="store_true")
    ap.add_argument("--weights", type=parse_range, default=(0.0, 0.1, "Both"))
    ap.add_argument("--thresholds", type=parse_range, default=(0.0, 0.0, "Both"))
    ap.add_argument("--continue", dest="continue_epochs", type=float)
    ap.add_argument("--test")
    ap.add_argument("--sections", type=parse_sections, default=set(DEFAULT_SECTIONS))
    ap.add_argument("--report")
    return ap


VALUED_OPTIONS = ("--seed", "--rule", "--rate", "--epochs", "--print-every", "--min-error",
                  "--weights", "--thresholds", "--continue", "--test", "--sections", "--report")


def parse_options(argv):
    """The trainer's command line; a value may start with "-" (-0.5,0.5,Both)."""
    joined, argv = [], list(argv)
    while argv:
        arg = argv.pop(0)
        joined.append(arg + "=" + argv.pop(0) if arg in VALUED_OPTIONS and argv else arg)
    return argument_parser().parse_args(joined)


def train_and_report(opts):
    """Everything the trainer does for these options; answers the report bytes."""
    rng = MersenneTwister64(opts.seed)
    net = Network()
    net.training_file_name = os.path.basename(opts.training_file)
    read_training_file(net, opts.training_file)
    net.size_units()
    net.learning_rule = opts.rule
    rate = opts.rate if opts.rate is not None else (0.1 if opts.rule == "Tarvik" else 0.5)
    net.stop_at_max_epochs = 0 if opts.no_epoch_limit else 1
    net.stop_when_all_hits = 0 if opts.no_hit_stop else 1
    net.randomize_order = not opts.file_order
    net.freeze_thresholds = opts.freeze_thresholds
    net.weight_min, net.weight_max, net.weight_sign = opts.weights
    net.threshold_min, net.threshold_max, net.threshold_sign = opts.thresholds

    # Start Training
    net.fresh_start = 1
    init_weights(net, rng)
    init_thresholds(net, rng)
    validate_settings(net, opts.epochs, rate, opts.print_every, opts.min_error)
    run_training(net, rng)

    if opts.continue_epochs is not None:  # Continue Training
        net.fresh_start = 0
        validate_settings(net, opts.continue_epochs, rate, opts.print_every, opts.min_error)
        run_training(net, rng)

    if opts.test is not None:  # the generalization page reads a second file
        net.training_file_name = os.path.basename(opts.test)
        read_training_file(net, opts.test)
        net.fresh_start, net.epoch_count = 0, 0

    return write_results_report(net, opts.sections)


def main(argv):
    opts = parse_options(argv)
    report = train_and_report(opts)
    if opts.report:
        with open(opts.report, "wb") as f:
            f.write(report)
    else:
        sys.stdout.buffer.write(report)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
