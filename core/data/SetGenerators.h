// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Training sets made rather than typed: the logic functions, Gaussian clouds
// of points and noisy letters. Whatever is random comes from the Random
// passed in, so a generator with a fixed seed makes the same set, bit for
// bit, every time. Each *Problem function says in one sentence why the
// parameters cannot make a set, the training file's size limits included, in
// the reader's words (empty when they can); call it first, since a generator
// trusts its parameters.

#include <string>

#include "Random.h"
#include "TrainingSet.h"

namespace vantorelle {

enum class LogicFunction { And, Or, Nand, Xor };

// Past 14 inputs the patterns (2^inputs) exceed the training file's limit,
// and LogicProblem says so in the reader's words; this bound only keeps the
// count itself from overflowing.
inline constexpr long MaxLogicInputs = 16;

// Every combination of 0 and 1 on `inputs` inputs in counting order (the
// first input the most significant, as and.net lists them), one output. Xor
// over more than two inputs is the parity: 1 when an odd number are 1.
TrainingSet LogicSet(LogicFunction function, long inputs);
std::string LogicProblem(long inputs);

// Gaussian clouds of points in the plane, one per class, their centres on
// the unit circle. Two classes have one output (0 for the first class, 1 for
// the second), more have one output per class (one-hot). The patterns take
// the classes in turn (first class, second, ..., first again).
struct CloudParams {
    long classes = 2;
    long perClass = 50;  // points in each cloud
    double spread = 0.3;  // standard deviation of each coordinate
    // Share of the patterns, chosen at random, given another class's output:
    // label noise.
    double noise = 0;
    // Separable clouds are cut off at a radius that leaves each one a line
    // parting it from all the others, so without noise the step rule can get
    // every pattern right. Overlapping clouds have their centres `spread`
    // from the middle and are not cut off, so for all but the smallest sets
    // no line parts them.
    bool separable = true;
};
TrainingSet CloudSet(const CloudParams& params, Random& random);
std::string CloudProblem(const CloudParams& params);

// The radius a separable cloud is cut off at (its points lie closer to its
// centre than this).
double CloudCutOff(long classes);

// Capital letters on a 5 x 7 grid (35 inputs, row by row, 1 = ink), one
// output per letter (one-hot), each letter `copies` times with every pixel
// flipped with probability `noise`. The patterns take the letters in turn.
struct LetterParams {
    std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    long copies = 1;
    double noise = 0;
};
TrainingSet LetterSet(const LetterParams& params, Random& random);
std::string LetterProblem(const LetterParams& params);

inline constexpr long LetterColumns = 5;
inline constexpr long LetterRows = 7;

}  // namespace vantorelle
