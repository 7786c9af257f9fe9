#include "TrainingSweep.h"

#include <vector>

#include "Response.h"
#include "SweepKernels.h"

namespace vantorelle {

RuleOutcome TrainingSweep(NetworkState& net, RuleKind rule)
{
    const long n = net.NumPatterns;
    if (n == 0)
        return RuleOutcome::Updated;
    RuleOutcome outcome = RuleOutcome::Updated;
    OverflowGuard guard;
    if (rule == RuleKind::Tarvik)
        guard = MakeOverflowGuard(net);
    thread_local std::vector<double> coefficient;
    thread_local std::vector<double> sum;
    coefficient.assign(static_cast<std::size_t>(net.NumOutputs) + 1, 0.0);
    sum.resize(static_cast<std::size_t>(net.NumOutputs) + 1);

    ComputeResponse(net, net.PatternOrder[1]);
    bool inputsPresented = true;  // whether the input units hold the current pattern
    for (long j = 1; j <= n; ++j) {
        const long p = net.PatternOrder[j];
        const long next = j < n ? net.PatternOrder[j + 1] : 0;
        const StepKind step = StepCoefficients(net, rule, coefficient.data(), &guard);
        if (step == StepKind::Unchecked && next != 0) {
            // Update the weights for this pattern and sum the next pattern's
            // net inputs in the same pass over the weights.
            UpdateAndSumNext(net.Weights, coefficient.data(), net.InputPatterns.Row(p),
                             net.InputPatterns.Row(next), sum.data());
            UpdateThresholds(net, coefficient.data());
            FinishResponse(net, next, sum.data());
            inputsPresented = false;
            continue;
        }
        // The rules read the input units, and whoever looks after the sweep
        // sees the last pattern's response there.
        if (!inputsPresented)
            PresentInputs(net, p);
        if (ApplyRuleToAllOutputs(net, rule, &guard) == RuleOutcome::Overflow)
            outcome = RuleOutcome::Overflow;
        if (next != 0)
            ComputeResponse(net, next);
        inputsPresented = true;
    }
    return outcome;
}

}  // namespace vantorelle
