#include "TrainingSweep.h"

#include <vector>

#include "Response.h"
#include "SweepKernels.h"

namespace vantorelle {

RuleOutcome TrainingSweep(NetworkState& net, RuleKind rule)
{
    SweepWorkspace work;
    return TrainingSweep(net, rule, work);
}

RuleOutcome TrainingSweep(NetworkState& net, RuleKind rule, SweepWorkspace& work)
{
    const long n = net.NumPatterns;
    if (n == 0)
        return RuleOutcome::Updated;
    RuleOutcome outcome = RuleOutcome::Updated;
    OverflowGuard guard;
    if (rule == RuleKind::Tarvik)
        guard = MakeOverflowGuard(net);
    work.Fit(net);
    double* coefficient = work.coefficient.data();
    double* sum = work.sum.data();

    ComputeResponse(net, net.PatternOrder[1], work);
    bool inputsPresented = true;  // whether the input units hold the current pattern
    for (long j = 1; j <= n; ++j) {
        const long p = net.PatternOrder[j];
        const long next = j < n ? net.PatternOrder[j + 1] : 0;
        const StepKind step = StepCoefficients(net, rule, coefficient, &guard);
        if (step == StepKind::Unchecked && next != 0) {
            // Update the weights for this pattern and sum the next pattern's
            // net inputs in the same pass over the weights.
            UpdateAndSumNext(net.Weights, coefficient, net.InputPatterns.Row(p), net.InputPatterns.Row(next), sum);
            UpdateThresholds(net, coefficient);
            FinishResponse(net, next, sum);
            inputsPresented = false;
            continue;
        }
        // The rules read the input units, and whoever looks after the sweep
        // sees the last pattern's response there.
        if (!inputsPresented)
            PresentInputs(net, p);
        if (ApplyRuleToAllOutputs(net, rule, work, &guard) == RuleOutcome::Overflow)
            outcome = RuleOutcome::Overflow;
        if (next != 0)
            ComputeResponse(net, next, work);
        inputsPresented = true;
    }
    return outcome;
}

}  // namespace vantorelle
