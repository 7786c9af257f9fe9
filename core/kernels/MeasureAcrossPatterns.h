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

// Its parts, for a network whose outputs are measured in shares: each
// output's squared errors (output k's row at work.patternSums + (k - 1) *
// work.patternColumns, pattern p at [p - 1]) with the units left describing
// the last pattern; answers the hits.
long MeasureSquaredErrors(NetworkState& net, SweepWorkspace& work);
// sse[p] = sse[p] + row k's squared error of p, for the rows in order (each
// pattern's squared errors summed in output order, as the measure has it).
void AddSquaredErrors(const double* rows, long outputs, long stride, long patterns, double* sse);
// The patterns' squared errors sse[1..patterns] summed in file order.
double SumInFileOrder(const double* sse, long patterns);

}  // namespace vantorelle
