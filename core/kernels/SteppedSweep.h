// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An epoch's sweep one pattern at a time, for an observer that follows each
// step (the step panel): the plain per-pattern path, which the kernels'
// sweeps match bit for bit, so a stepped run and a whole run end alike.

#include "LearningRules.h"
#include "NetworkState.h"
#include "RunObserver.h"
#include "SweepWorkspace.h"

namespace vantorelle {

RuleOutcome SteppedSweep(NetworkState& net, RuleKind rule, SweepWorkspace& work, RunObserver& observer);

}  // namespace vantorelle
