// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingSet.h"

#include <charconv>
#include <cmath>
#include <numeric>
#include <vector>

#include "TrainingFile.h"

namespace vantorelle {

TrainingSet SetOf(const Network& net)
{
    TrainingSet set;
    set.InputPatterns = net.InputPatterns;
    set.DesiredOutputs = net.DesiredOutputs;
    return set;
}

namespace {

// The first value that is not finite, as "input 2 of pattern 7"; empty when all are.
std::string NonFinite(const Matrix& m, const char* what)
{
    for (long p = 1; p <= m.Rows(); ++p)
        for (long c = 1; c <= m.Cols(); ++c)
            if (!std::isfinite(m(p, c)))
                return std::string(what) + " " + std::to_string(c) + " of pattern " + std::to_string(p) +
                       " is not a finite number.";
    return {};
}

void AppendRow(std::string& text, const Matrix& m, long row)
{
    for (long c = 1; c <= m.Cols(); ++c) {
        if (c > 1)
            text += ", ";
        text += ExactNumberText(m(row, c));
    }
    text += '\n';
}

void CopyRow(const Matrix& from, long fromRow, Matrix& to, long toRow)
{
    for (long c = 1; c <= from.Cols(); ++c)
        to(toRow, c) = from(fromRow, c);
}

}  // namespace

std::string SetProblem(const TrainingSet& set)
{
    if (std::string problem = SizeLimitProblem({set.NumOutputs(), set.NumInputs(), set.NumPatterns()});
        !problem.empty())
        return problem;
    if (std::string problem = NonFinite(set.InputPatterns, "input"); !problem.empty())
        return problem;
    return NonFinite(set.DesiredOutputs, "desired output");
}

std::string ExactNumberText(double value)
{
    // std::to_chars writes the shortest form that round-trips ("0.1",
    // "1e-05", "-0"), all of it within the reader's grammar.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

std::string TrainingFileText(const TrainingSet& set)
{
    std::string text = std::to_string(set.NumOutputs()) + ", 0, " + std::to_string(set.NumInputs()) + ", " +
                       std::to_string(set.NumPatterns()) + "\n";
    for (long p = 1; p <= set.NumPatterns(); ++p)
        AppendRow(text, set.InputPatterns, p);
    for (long p = 1; p <= set.NumPatterns(); ++p)
        AppendRow(text, set.DesiredOutputs, p);
    return text;
}

long HeldOutCount(long patterns, double percent)
{
    return static_cast<long>(std::floor(static_cast<double>(patterns) * percent / 100.0 + 0.5));
}

SplitSets SplitSet(const TrainingSet& set, long heldOutCount, Random& random)
{
    const long patterns = set.NumPatterns();
    // A partial Fisher-Yates shuffle picks the held-out patterns; marking
    // them keeps both parts in the set's own order.
    std::vector<long> order(static_cast<std::size_t>(patterns));
    std::iota(order.begin(), order.end(), 1L);
    std::vector<bool> heldOut(static_cast<std::size_t>(patterns) + 1, false);
    for (long n = 0; n < heldOutCount; ++n) {
        const long pick = n + static_cast<long>(random.Next() * static_cast<double>(patterns - n));
        std::swap(order[static_cast<std::size_t>(n)], order[static_cast<std::size_t>(pick)]);
        heldOut[static_cast<std::size_t>(order[static_cast<std::size_t>(n)])] = true;
    }
    SplitSets parts{TrainingSet(patterns - heldOutCount, set.NumInputs(), set.NumOutputs()),
                    TrainingSet(heldOutCount, set.NumInputs(), set.NumOutputs())};
    long kept = 0;
    long held = 0;
    for (long p = 1; p <= patterns; ++p) {
        TrainingSet& part = heldOut[static_cast<std::size_t>(p)] ? parts.heldOut : parts.kept;
        const long row = heldOut[static_cast<std::size_t>(p)] ? ++held : ++kept;
        CopyRow(set.InputPatterns, p, part.InputPatterns, row);
        CopyRow(set.DesiredOutputs, p, part.DesiredOutputs, row);
    }
    return parts;
}

}  // namespace vantorelle
