// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteppedSweep.h"

#include "PatternStep.h"
#include "Response.h"

namespace vantorelle {

namespace {

// What the pattern's response left in the units, and the weights the rule
// is about to change.
void RecordBefore(const NetworkState& net, RuleKind rule, PatternStep& step)
{
    for (long i = 1; i <= net.NumInputs; ++i)
        step.Inputs[i] = net.InputUnits[i].Activation;
    std::vector<double> c(static_cast<std::size_t>(net.NumOutputs) + 1);
    StepCoefficients(net, rule, c.data(), nullptr);
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const Unit& u = net.OutputUnits[k];
        step.Outputs[k] = {u.NetInput, u.Activation, u.Target, u.Error, c[k], false};
        step.ThresholdsBefore[k] = u.Threshold;
    }
    step.WeightsBefore = net.Weights;
}

}  // namespace

RuleOutcome SteppedSweep(NetworkState& net, RuleKind rule, SweepWorkspace& work, RunObserver& observer)
{
    PatternStep step;
    step.Rule = rule;
    step.LearningRate = net.LearningRate;
    step.FrozenThresholds = net.FreezeThresholds;
    step.Epoch = net.EpochCount;
    step.Inputs.assign(static_cast<std::size_t>(net.NumInputs) + 1, 0.0);
    step.Outputs.assign(static_cast<std::size_t>(net.NumOutputs) + 1, {});
    step.ThresholdsBefore.assign(static_cast<std::size_t>(net.NumOutputs) + 1, 0.0);
    step.ThresholdsAfter = step.ThresholdsBefore;

    work.Fit(net);
    // What an earlier whole sweep left for the measurement holds no longer.
    work.sideBySide = false;
    work.sumsFromSweep = false;
    work.measured = false;

    RuleOutcome outcome = RuleOutcome::Updated;
    for (long j = 1; j <= net.NumPatterns; ++j) {
        step.Position = j;
        step.Pattern = net.PatternOrder[j];
        ComputeResponse(net, step.Pattern);
        RecordBefore(net, rule, step);
        // Without a guard the value rule takes its checked path, which marks
        // the units an overflow stopped.
        if (ApplyRuleToAllOutputs(net, rule, work) == RuleOutcome::Overflow) {
            outcome = RuleOutcome::Overflow;
            for (long k = 1; k <= net.NumOutputs; ++k)
                step.Outputs[k].Overflowed = work.unitStopped[k] != 0;
        }
        step.WeightsAfter = net.Weights;
        for (long k = 1; k <= net.NumOutputs; ++k)
            step.ThresholdsAfter[k] = net.OutputUnits[k].Threshold;
        observer.PatternPresented(step, net);
    }
    return outcome;
}

}  // namespace vantorelle
