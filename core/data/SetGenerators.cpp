// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetGenerators.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "TrainingFile.h"

namespace vantorelle {

namespace {

// The letters of examples/letters.net, row by row, "#" for ink.
constexpr const char* LetterGlyphs[26] = {
    ".###.#...##...#######...##...##...#",  // A
    "####.#...##...#####.#...##...#####.",  // B
    ".###.#...##....#....#....#...#.###.",  // C
    "####.#...##...##...##...##...#####.",  // D
    "######....#....####.#....#....#####",  // E
    "######....#....####.#....#....#....",  // F
    ".###.#...##....#.####...##...#.####",  // G
    "#...##...##...#######...##...##...#",  // H
    ".###...#....#....#....#....#...###.",  // I
    "..###...#....#....#....#.#..#..##..",  // J
    "#...##..#.#.#..##...#.#..#..#.#...#",  // K
    "#....#....#....#....#....#....#####",  // L
    "#...###.###.#.##.#.##...##...##...#",  // M
    "#...##...###..##.#.##..###...##...#",  // N
    ".###.#...##...##...##...##...#.###.",  // O
    "####.#...##...#####.#....#....#....",  // P
    ".###.#...##...##...##.#.##..#..##.#",  // Q
    "####.#...##...#####.#.#..#..#.#...#",  // R
    ".#####....#.....###.....#....#####.",  // S
    "#####..#....#....#....#....#....#..",  // T
    "#...##...##...##...##...##...#.###.",  // U
    "#...##...##...##...##...#.#.#...#..",  // V
    "#...##...##...##.#.##.#.##.#.#.#.#.",  // W
    "#...##...#.#.#...#...#.#.#...##...#",  // X
    "#...##...#.#.#...#....#....#....#..",  // Y
    "#####....#...#...#...#...#....#####",  // Z
};

bool LogicOutput(LogicFunction function, long ones, long inputs)
{
    switch (function) {
    case LogicFunction::And:
        return ones == inputs;
    case LogicFunction::Or:
        return ones > 0;
    case LogicFunction::Nand:
        return ones != inputs;
    case LogicFunction::Xor:
        return ones % 2 == 1;
    }
    return false;
}

// A uniform whole number from 0 to count - 1.
long Pick(Random& random, long count) { return static_cast<long>(random.Next() * static_cast<double>(count)); }

// A pair of independent standard normal numbers (Box-Muller), written out
// here rather than left to a library whose sequence is not fixed.
void NormalPair(Random& random, double& x, double& y)
{
    const double u1 = 1.0 - random.Next();  // in (0, 1], so the logarithm is finite
    const double u2 = random.Next();
    const double radius = std::sqrt(-2.0 * std::log(u1));
    const double angle = 2.0 * std::numbers::pi * u2;
    x = radius * std::cos(angle);
    y = radius * std::sin(angle);
}

void SetClass(TrainingSet& set, long pattern, long cls, long classes)
{
    if (classes == 2) {
        set.DesiredOutputs(pattern, 1) = static_cast<double>(cls);
        return;
    }
    for (long k = 1; k <= classes; ++k)
        set.DesiredOutputs(pattern, k) = k == cls + 1 ? 1.0 : 0.0;
}

// Gives a random `noise` share of the patterns another class.
void FlipLabels(TrainingSet& set, const std::vector<long>& classOf, long classes, double noise, Random& random)
{
    const long patterns = set.NumPatterns();
    const long flips = static_cast<long>(std::floor(noise * static_cast<double>(patterns) + 0.5));
    std::vector<long> order(static_cast<std::size_t>(patterns));
    for (long p = 0; p < patterns; ++p)
        order[static_cast<std::size_t>(p)] = p + 1;
    for (long n = 0; n < flips; ++n) {
        std::swap(order[static_cast<std::size_t>(n)], order[static_cast<std::size_t>(n + Pick(random, patterns - n))]);
        const long pattern = order[static_cast<std::size_t>(n)];
        const long other = (classOf[static_cast<std::size_t>(pattern)] + 1 + Pick(random, classes - 1)) % classes;
        SetClass(set, pattern, other, classes);
    }
}

std::string ShareProblem(const char* what, double share)
{
    if (!(share >= 0 && share <= 1))
        return std::string(what) + " must be a share from 0 to 1.";
    return {};
}

}  // namespace

TrainingSet LogicSet(LogicFunction function, long inputs)
{
    const long patterns = 1L << inputs;
    TrainingSet set(patterns, inputs, 1);
    for (long p = 1; p <= patterns; ++p) {
        const long bits = p - 1;
        long ones = 0;
        for (long i = 1; i <= inputs; ++i) {
            const long bit = (bits >> (inputs - i)) & 1;
            set.InputPatterns(p, i) = static_cast<double>(bit);
            ones += bit;
        }
        set.DesiredOutputs(p, 1) = LogicOutput(function, ones, inputs) ? 1.0 : 0.0;
    }
    return set;
}

std::string LogicProblem(long inputs)
{
    if (inputs < 1 || inputs > MaxLogicInputs)
        return "the number of inputs must be from 1 to " + std::to_string(MaxLogicInputs) + ".";
    return SizeLimitProblem({1, inputs, 1L << inputs});
}

double CloudCutOff(long classes)
{
    // Each centre c_j on the unit circle: the points of cloud j lie beyond
    // 1 - r along c_j, those of any other below cos(2 pi / classes) + r, so
    // r below half their difference leaves a line between. 0.9 of it keeps
    // a margin the step rule finds in reasonable time.
    return 0.9 * (1.0 - std::cos(2.0 * std::numbers::pi / static_cast<double>(classes))) / 2.0;
}

TrainingSet CloudSet(const CloudParams& params, Random& random)
{
    const long classes = params.classes;
    const long patterns = classes * params.perClass;
    TrainingSet set(patterns, 2, classes == 2 ? 1 : classes);
    const double centreRadius = params.separable ? 1.0 : params.spread;
    const double cutOff = CloudCutOff(classes);
    std::vector<long> classOf(static_cast<std::size_t>(patterns) + 1);
    for (long p = 1; p <= patterns; ++p) {
        const long cls = (p - 1) % classes;
        const double angle = 2.0 * std::numbers::pi * static_cast<double>(cls) / static_cast<double>(classes);
        double x = 0;
        double y = 0;
        do {
            NormalPair(random, x, y);
            x = params.spread * x;
            y = params.spread * y;
        } while (params.separable && x * x + y * y >= cutOff * cutOff);
        set.InputPatterns(p, 1) = centreRadius * std::cos(angle) + x;
        set.InputPatterns(p, 2) = centreRadius * std::sin(angle) + y;
        classOf[static_cast<std::size_t>(p)] = cls;
        SetClass(set, p, cls, classes);
    }
    FlipLabels(set, classOf, classes, params.noise, random);
    return set;
}

std::string CloudProblem(const CloudParams& params)
{
    if (params.classes < 2 || params.classes > 26)
        return "the number of classes must be from 2 to 26.";
    if (params.perClass < 1 || params.perClass > MaxSizeValue)
        return "the number of points per class must be from 1 to " + std::to_string(MaxSizeValue) + ".";
    // Beyond this, cutting a cloud off would throw away almost every point drawn.
    if (!(params.spread > 0 && params.spread <= 10))
        return "the spread must be above 0 and at most 10.";
    if (std::string problem = ShareProblem("the noise", params.noise); !problem.empty())
        return problem;
    return SizeLimitProblem({params.classes == 2 ? 1 : params.classes, 2, params.classes * params.perClass});
}

TrainingSet LetterSet(const LetterParams& params, Random& random)
{
    const long letters = static_cast<long>(params.letters.size());
    const long patterns = letters * params.copies;
    TrainingSet set(patterns, LetterColumns * LetterRows, letters);
    for (long p = 1; p <= patterns; ++p) {
        const long letter = (p - 1) % letters;
        const char* glyph = LetterGlyphs[params.letters[static_cast<std::size_t>(letter)] - 'A'];
        for (long i = 1; i <= LetterColumns * LetterRows; ++i) {
            const bool ink = glyph[i - 1] == '#';
            const bool flipped = params.noise > 0 && random.Next() < params.noise;
            set.InputPatterns(p, i) = ink != flipped ? 1.0 : 0.0;
        }
        for (long k = 1; k <= letters; ++k)
            set.DesiredOutputs(p, k) = k == letter + 1 ? 1.0 : 0.0;
    }
    return set;
}

std::string LetterProblem(const LetterParams& params)
{
    if (params.letters.empty())
        return "no letters given.";
    for (std::size_t n = 0; n < params.letters.size(); ++n) {
        const char c = params.letters[n];
        if (c < 'A' || c > 'Z')
            return "the letters must be capitals from A to Z, not \"" + std::string(1, c) + "\".";
        if (params.letters.find(c) != n)
            return "the letter " + std::string(1, c) + " is given twice.";
    }
    if (params.copies < 1 || params.copies > MaxSizeValue)
        return "the number of copies must be from 1 to " + std::to_string(MaxSizeValue) + ".";
    if (std::string problem = ShareProblem("the noise", params.noise); !problem.empty())
        return problem;
    const long letters = static_cast<long>(params.letters.size());
    return SizeLimitProblem({letters, LetterColumns * LetterRows, letters * params.copies});
}

}  // namespace vantorelle
