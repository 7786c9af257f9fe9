// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a network answers a set of patterns, counted: each output unit's hits
// and misses (a hit as the engine counts one: squared error below the hit
// criterion), and, when the desired outputs are one-hot (one 1 and the rest
// 0 in every pattern), a class-by-class table: rows the class wanted,
// columns the class answered (the unit with the highest activation, the
// first of equals), and the share answered right.

#include <string>
#include <vector>

#include "NetworkState.h"
#include "NumberFormat.h"

namespace vantorelle {

struct Confusion {
    long Patterns = 0;
    std::vector<long> UnitHits;    // [1..NumOutputs]
    std::vector<long> UnitMisses;  // [1..NumOutputs]
    bool OneHot = false;
    // Counts[wanted][answered], both 1..NumOutputs; filled when OneHot.
    std::vector<std::vector<long>> Counts;
    long Right = 0;  // patterns whose answered class is the wanted one

    double Accuracy() const { return Patterns > 0 ? static_cast<double>(Right) / static_cast<double>(Patterns) : 0; }
};

// Counts over the network's patterns with its weights as they are; the
// network's own fields are left as they were.
Confusion ConfusionOf(const NetworkState& net);

// The counts as text lines for a terminal or a report: the units' hits and
// misses, then the class table and the accuracy when one-hot.
std::vector<std::string> ConfusionLines(const Confusion& confusion, const NumberLocale& locale);

}  // namespace vantorelle
