// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One training epoch's pass over the patterns: each pattern's response, then
// the rule's step for every output, in PatternOrder.

#include "LearningRules.h"
#include "NetworkState.h"
#include "SweepWorkspace.h"

namespace vantorelle {

// One pass over the patterns in PatternOrder: respond, then apply the rule to
// every output. Answers Overflow when the value-unit rule overflowed anywhere.
RuleOutcome TrainingSweep(NetworkState& net, RuleKind rule, SweepWorkspace& work);

// Whether the next TrainingSweep of net under rule with work goes the step
// rule's side-by-side way (summing blocks of patterns ahead of the steps).
bool SweepsSideBySide(const NetworkState& net, RuleKind rule, const SweepWorkspace& work);

}  // namespace vantorelle
