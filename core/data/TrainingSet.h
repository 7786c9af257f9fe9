// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A training set on its own: the patterns' inputs and desired outputs that a
// ".net" file holds, without a network around them. The generators and the
// CSV import make one; it is written as a training file, and what the reader
// reads back from that file is the same set, value for value. The matrices
// are the network state's own type, numbered from 1, so a set moves into a
// network without copying values one by one.

#include <string>

#include "NetworkState.h"
#include "Random.h"

namespace vantorelle {

struct TrainingSet {
    Matrix InputPatterns;   // pattern x input
    Matrix DesiredOutputs;  // pattern x output

    TrainingSet() = default;
    TrainingSet(long patterns, long inputs, long outputs)
        : InputPatterns(patterns, inputs), DesiredOutputs(patterns, outputs)
    {
    }
    long NumPatterns() const { return InputPatterns.Rows(); }
    long NumInputs() const { return InputPatterns.Cols(); }
    long NumOutputs() const { return DesiredOutputs.Cols(); }
};

// The set a network was read with (its patterns and desired outputs).
TrainingSet SetOf(const Network& net);

// Why the set cannot be written as a training file, in the reader's words
// (sizes beyond its limits, a value that is not finite); empty when it can.
std::string SetProblem(const TrainingSet& set);

// The set as the text of a ".net" file: the header (outputs, 0, inputs,
// patterns), then each pattern's inputs on a line, then each pattern's
// desired outputs on a line. Every number is written in the shortest form
// that reads back to the same double, bit for bit (-0 included), in the
// reader's grammar. The set must have passed SetProblem.
std::string TrainingFileText(const TrainingSet& set);

// The shortest text the training-file reader turns back into exactly `value`
// (finite values only).
std::string ExactNumberText(double value);

// A set cut in two: the patterns kept for training and those held out for
// testing, each in the order they had.
struct SplitSets {
    TrainingSet kept;
    TrainingSet heldOut;
};

// Holds `heldOutCount` patterns, chosen by `random`, out of the set (from 1
// to NumPatterns - 1, so neither part is empty).
SplitSets SplitSet(const TrainingSet& set, long heldOutCount, Random& random);

// How many patterns a percentage holds out: rounded to the nearest, halves
// up. Can be 0 or all of them; the caller refuses those.
long HeldOutCount(long patterns, double percent);

}  // namespace vantorelle
