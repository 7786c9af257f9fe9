// SPDX-License-Identifier: GPL-3.0-or-later
#include "Confusion.h"

#include <algorithm>

#include "Response.h"

namespace vantorelle {

namespace {

bool IsOneHot(const NetworkState& net)
{
    if (net.NumOutputs < 2)
        return false;
    for (long p = 1; p <= net.NumPatterns; ++p) {
        long ones = 0;
        for (long k = 1; k <= net.NumOutputs; ++k) {
            const double t = net.DesiredOutputs(p, k);
            if (t == 1)
                ++ones;
            else if (t != 0)
                return false;
        }
        if (ones != 1)
            return false;
    }
    return true;
}

std::string Padded(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

Confusion ConfusionOf(const NetworkState& net)
{
    Confusion confusion;
    const auto outputs = static_cast<std::size_t>(net.NumOutputs) + 1;
    confusion.Patterns = net.NumPatterns;
    confusion.UnitHits.assign(outputs, 0);
    confusion.UnitMisses.assign(outputs, 0);
    confusion.OneHot = IsOneHot(net);
    if (confusion.OneHot)
        confusion.Counts.assign(outputs, std::vector<long>(outputs, 0));

    NetworkState scratch = net;  // ComputeResponse writes the units
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(scratch, p);
        long wanted = 0, answered = 1;
        for (long k = 1; k <= net.NumOutputs; ++k) {
            const Unit& u = scratch.OutputUnits[k];
            if (u.Error * u.Error < net.MinError)
                ++confusion.UnitHits[k];
            else
                ++confusion.UnitMisses[k];
            if (net.DesiredOutputs(p, k) == 1)
                wanted = k;
            if (u.Activation > scratch.OutputUnits[answered].Activation)
                answered = k;
        }
        if (confusion.OneHot) {
            ++confusion.Counts[wanted][answered];
            confusion.Right += wanted == answered;
        }
    }
    return confusion;
}

std::vector<std::string> ConfusionLines(const Confusion& confusion, const NumberLocale& locale)
{
    std::vector<std::string> lines;
    const long outputs = static_cast<long>(confusion.UnitHits.size()) - 1;
    lines.push_back("Unit    Hits  Misses");
    for (long k = 1; k <= outputs; ++k)
        lines.push_back(Padded(std::to_string(k), 4) + Padded(std::to_string(confusion.UnitHits[k]), 8) +
                        Padded(std::to_string(confusion.UnitMisses[k]), 8));
    if (!confusion.OneHot)
        return lines;
    lines.push_back("");
    lines.push_back("Classes: rows the class wanted, columns the class answered (the highest activation)");
    const std::size_t width = std::max<std::size_t>(4, std::to_string(confusion.Patterns).size() + 1);
    std::string header = Padded("", 6);
    for (long answered = 1; answered <= outputs; ++answered)
        header += Padded(std::to_string(answered), width);
    lines.push_back(header);
    for (long wanted = 1; wanted <= outputs; ++wanted) {
        std::string row = Padded(std::to_string(wanted), 4) + "  ";
        for (long answered = 1; answered <= outputs; ++answered)
            row += Padded(std::to_string(confusion.Counts[wanted][answered]), width);
        lines.push_back(row);
    }
    lines.push_back("Accuracy: " + std::to_string(confusion.Right) + " of " + std::to_string(confusion.Patterns) +
                    " patterns, " + FormatStandard(100 * confusion.Accuracy(), locale) + "%");
    return lines;
}

}  // namespace vantorelle
