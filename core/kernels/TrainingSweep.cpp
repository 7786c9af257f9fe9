// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingSweep.h"

#include <algorithm>
#include <cmath>

#include "KernelsSmall.h"
#include "Response.h"
#include "StepSweepSideBySide.h"
#include "SweepKernels.h"

namespace vantorelle {

namespace {

// Summing the step rule's responses side by side pays only when few of them
// need a step.
constexpr double MostUpdatesForSideBySide = 0.08;
// Below this many weights times patterns, plain loops beat calls into the
// kernel tables.
constexpr long SmallNetwork = 4096;
// In an order other than the file's, the side-by-side sweep lays each block
// of patterns out anew: cheap while the pattern table stays in the cache
// (this many doubles). Beyond, it pays only where its sums then spare the
// measurement its own pass, which is when no response needed a step.
constexpr long LargestTableToLayOut = 131072;

bool InFileOrder(const NetworkState& net)
{
    for (long j = 1; j <= net.NumPatterns; ++j)
        if (net.PatternOrder[j] != j)
            return false;
    return true;
}
// How many of this response's outputs take a step that is not zero; each
// one's mark in `stepped` is set.
long NonZeroSteps(const double* c, long outputs, unsigned char* stepped)
{
    long count = 0;
    for (long k = 1; k <= outputs; ++k) {
        const bool step = c[k] != 0;
        count += step;
        stepped[k] |= step;
    }
    return count;
}

// Whether the sweep pattern by pattern may read only the stored inputs of
// each pattern (the sparse table), as far as the patterns tell: the
// weights decide too (ZeroInputSkip).
bool ZerosSkippable(const NetworkState& net, const SweepWorkspace& work)
{
    return work.sparse && work.storedShare <= SweepWorkspace::SparseShareToSweep && work.allInputsFinite &&
           net.NumPatterns * net.NumInputs >= work.smallestTableToSkip;
}

// Whether a step and the next sum may skip the +0.0 inputs, reading the
// sparse table. A skipped input's step adds c * 0 to a weight and its sum
// adds 0 * w to a sum that is never -0.0: both stay as they are while every
// coefficient and weight is finite and no weight is -0.0 (a sum is -0.0 only
// where both terms are, so no step makes one). The weights stay finite
// while a guard like the value rule's proves it.
class ZeroInputSkip {
public:
    ZeroInputSkip(const NetworkState& net, const SweepWorkspace& work)
        : usable(ZerosSkippable(net, work) && NoNaNOrNegativeZero(net.Weights))
    {
        if (usable)
            reach = MakeOverflowGuard(net, work.inputBound);
    }
    // Whether the step with coefficients c may skip. Once one may not, the
    // guard no longer bounds the weights that step leaves, and the rest of
    // the sweep reads the full rows.
    bool Covers(const double* c, long outputs)
    {
        if (!usable)
            return false;
        ValueStepBound bound;
        for (long k = 1; k <= outputs; ++k)
            bound.Add(c[k]);
        usable = ValueStepKind(bound, &reach) == StepKind::Unchecked;
        return usable;
    }
    // A step applied the checked way may have stopped units and left
    // weights beyond the guard: the rest of the sweep reads the full rows.
    void StepCheckedElsewhere() { usable = false; }

private:
    static bool NoNaNOrNegativeZero(const Matrix& weights)
    {
        for (long i = 1; i <= weights.Rows(); ++i) {
            const double* w = weights.Row(i);
            for (long k = 1; k <= weights.Cols(); ++k)
                if (std::isnan(w[k]) || (w[k] == 0 && std::signbit(w[k])))
                    return false;
        }
        return true;
    }

    bool usable;
    OverflowGuard reach;
};

// The sweep through the kernel tables: each pattern's step and the next
// pattern's response in one pass over the weights, while no overflow check
// is needed; else the rule row by row with its checks.
template <RuleKind Rule>
RuleOutcome KernelSweep(NetworkState& net, SweepWorkspace& work, OverflowGuard& guard)
{
    constexpr bool StepRule = Rule == RuleKind::Delta;
    const long n = net.NumPatterns;
    RuleOutcome outcome = RuleOutcome::Updated;
    const KernelSet& kernels = work.Kernels();
    double* coefficient = work.coefficient.data();
    double* sum = work.sum.data();
    long steps = 0;
    std::vector<unsigned char>& stepped = work.outputStepMarks;
    if constexpr (StepRule)
        stepped.assign(static_cast<std::size_t>(net.NumOutputs) + 1, 0);

    ZeroInputSkip skip(net, work);
    work.stepsSkippingZeros = 0;
    const SparsePatterns sparse{work.sparseIndex.data(), work.sparseValue.data(), work.sparseStart.data()};
    ComputeResponse(net, net.PatternOrder[1], work);
    bool inputsPresented = true;  // whether the input units hold the current pattern
    for (long j = 1; j <= n; ++j) {
        const long p = net.PatternOrder[j];
        const long next = j < n ? net.PatternOrder[j + 1] : 0;
        StepKind step = StepCoefficientsOf<Rule>(net, coefficient, &guard);
        if constexpr (Rule == RuleKind::Tarvik)
            if (step == StepKind::Checked && work.finiteInputs[static_cast<std::size_t>(p)] &&
                ValueStepStaysFinite(net, coefficient, net.InputPatterns.Row(p), work, guard))
                step = StepKind::Unchecked;
        if constexpr (StepRule)
            steps += NonZeroSteps(coefficient, net.NumOutputs, stepped.data());
        if (step == StepKind::Unchecked && next != 0) {
            // Update the weights for this pattern and sum the next pattern's
            // net inputs: over the stored inputs' rows where zeros may be
            // skipped, else in one pass over the full rows.
            if (skip.Covers(coefficient, net.NumOutputs)) {
                ++work.stepsSkippingZeros;
                kernels.updateAndSumNextSparse(net.Weights.Row(0), net.Weights.Cols() + 1, net.Weights.Cols(),
                                               coefficient, sparse, p - 1, next - 1, sum);
            } else {
                UpdateAndSumNext(kernels, net.Weights, coefficient, net.InputPatterns.Row(p),
                                 net.InputPatterns.Row(next), sum);
            }
            UpdateThresholds(net, coefficient);
            FinishResponse(net, next, sum);
            inputsPresented = false;
            continue;
        }
        // The rules read the input units, and whoever looks after the sweep
        // sees the last pattern's response there.
        if (!inputsPresented)
            PresentInputs(net, p);
        if (ApplyRuleToAllOutputs(net, Rule, work, &guard) == RuleOutcome::Overflow)
            outcome = RuleOutcome::Overflow;
        skip.StepCheckedElsewhere();
        if (next != 0)
            ComputeResponse(net, next, work);
        inputsPresented = true;
    }
    if constexpr (StepRule) {
        work.updateShare = static_cast<double>(steps) /
                           (static_cast<double>(n) * static_cast<double>(net.NumOutputs > 0 ? net.NumOutputs : 1));
        work.outputsStepped = std::count(stepped.begin(), stepped.end(), 1);
    }
    return outcome;
}

// The sweep for Rule along the small networks' plain loops when they serve,
// else through the kernel tables.
template <RuleKind Rule>
RuleOutcome SweepWith(NetworkState& net, SweepWorkspace& work)
{
    OverflowGuard guard;
    const bool small = net.NumPatterns * net.NumInputs * net.NumOutputs < SmallNetwork &&
                       small::SharedKind(net) == UnitKindForRule(Rule);
    // The unrolled small sweeps check the value rule's new weights
    // themselves; the kernel sweep reads the sparse table where there is one.
    const bool guarded = Rule == RuleKind::Tarvik && !(small && small::Unrolled(net));
    if (!small || guarded)
        work.BindPatterns(net);
    if (guarded)
        guard = MakeOverflowGuard(net, work.inputBound);
    if (small)
        return small::SweepAnySize<Rule>(net, work, &guard);
    work.measured = false;
    return KernelSweep<Rule>(net, work, guard);
}

}  // namespace

bool SweepsSideBySide(const NetworkState& net, RuleKind rule, const SweepWorkspace& work)
{
    const long n = net.NumPatterns;
    // Where the sweep pattern by pattern reads only the stored inputs, it
    // is the faster while most outputs take steps, whose sums side by side
    // are summed again and serve no measurement: 30% of 3000 x 784 inputs
    // stored, every output stepping, 1.7 against 2.1 ms a sweep; 10%
    // stored, 0.63 against 0.83 ms.
    if (ZerosSkippable(net, work) && 2 * work.outputsStepped > net.NumOutputs)
        return false;
    const bool largeEnough = n * net.NumInputs * net.NumOutputs >= SmallNetwork && n >= work.Kernels().patternBlock;
    return rule == RuleKind::Delta && largeEnough && work.updateShare <= MostUpdatesForSideBySide &&
           (work.updateShare == 0 || n * net.NumInputs <= LargestTableToLayOut || InFileOrder(net));
}

RuleOutcome TrainingSweep(NetworkState& net, RuleKind rule, SweepWorkspace& work)
{
    if (net.NumPatterns == 0)
        return RuleOutcome::Updated;
    ClearUpperVectorState();
    work.Fit(net);
    if (SweepsSideBySide(net, rule, work)) {
        StepSweepSideBySide(net, work);
        work.sideBySide = true;
        work.outputsStepped = net.NumOutputs - work.OutputsHoldingSums();
        return RuleOutcome::Updated;
    }
    work.sideBySide = false;
    work.sumsFromSweep = false;
    switch (rule) {
    case RuleKind::Delta: return SweepWith<RuleKind::Delta>(net, work);
    case RuleKind::Gradient: return SweepWith<RuleKind::Gradient>(net, work);
    case RuleKind::Tarvik: return SweepWith<RuleKind::Tarvik>(net, work);
    case RuleKind::None: break;
    }
    // No rule: the responses alone, the last pattern's left in the units.
    work.measured = false;
    for (long j = 1; j <= net.NumPatterns; ++j)
        ComputeResponse(net, net.PatternOrder[j], work);
    return RuleOutcome::Updated;
}

}  // namespace vantorelle
