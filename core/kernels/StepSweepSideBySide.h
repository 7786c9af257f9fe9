// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step rule's sweep for large networks whose responses are mostly right.
// The rule changes no weight where its step is zero, so an output's net
// inputs for a whole block of patterns can be summed side by side from the
// same weights, and the block is cut at the first pattern whose step changes
// them. TrainingSweep decides when this pays.

#include "NetworkState.h"
#include "SweepWorkspace.h"

namespace vantorelle {

// One sweep of the delta rule over the patterns in PatternOrder, output by
// output (no output's weights depend on another's): the same responses,
// steps and results as the plain sweep, bit for bit. Leaves each pattern's
// sums in the workspace for the measurement to reuse while they hold.
void StepSweepSideBySide(NetworkState& net, SweepWorkspace& work);

}  // namespace vantorelle
