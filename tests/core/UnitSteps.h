#pragma once
// One output unit's step by its rule's own routine: the unit-at-a-time
// training the engine's row-by-row sweeps must match bit for bit.

#include "LearningRules.h"

namespace vantorelle::testing {

inline void StepUnitByRule(NetworkState& net, RuleKind rule, long k)
{
    if (rule == RuleKind::Delta)
        DeltaRule(net, k);
    else if (rule == RuleKind::Gradient)
        GradientRule(net, k);
    else
        ValueUnitRule(net, k);
}

}  // namespace vantorelle::testing
