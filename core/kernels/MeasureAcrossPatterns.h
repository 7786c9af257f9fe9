// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurement of a large network through the kernel tables: the net
// inputs of all patterns summed side by side first (each still in input
// order), then each pattern's measures in file order. After a step-rule sweep
// whose kept sums still hold, only the outputs that took a step are summed
// again.

#include "NetworkState.h"
#include "SweepWorkspace.h"

namespace vantorelle {

// EvaluateTrainingSet through the kernels, with the same results, bit for bit.
void MeasureAcrossPatterns(NetworkState& net, SweepWorkspace& work);

}  // namespace vantorelle
