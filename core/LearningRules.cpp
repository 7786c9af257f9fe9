// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearningRules.h"

#include <algorithm>
#include <limits>
#include <cmath>

#include "Response.h"

namespace vantorelle {

namespace {

// The value-unit rule for unit k from weight row `first` on, after rows before
// it were updated: the rule's own order and overflow handling.
RuleOutcome ValueUnitRuleFromRow(NetworkState& net, long k, double c, long first)
{
    for (long i = first; i <= net.NumInputs; ++i) {
        const double w = c * net.InputUnits[i].Activation + net.Weights(i, k);
        if (!std::isfinite(w))
            return RuleOutcome::Overflow;
        net.Weights(i, k) = w;
    }
    if (!net.FreezeThresholds) {
        const double t = c + net.OutputUnits[k].Threshold;
        if (!std::isfinite(t))
            return RuleOutcome::Overflow;
        net.OutputUnits[k].Threshold = t;
    }
    return RuleOutcome::Updated;
}

// Rule's step for unit k alone, from its fields as the last response left them.
template <RuleKind Rule>
RuleOutcome StepUnit(NetworkState& net, long k)
{
    const Unit& u = net.OutputUnits[k];
    const double c = RuleStep<Rule>(net.LearningRate)(u.NetInput, u.Activation, u.Error, u.Target);
    if constexpr (Rule == RuleKind::Tarvik) {
        // A coefficient that is not finite would overflow the first weight.
        if (!std::isfinite(c))
            return RuleOutcome::Overflow;
        return ValueUnitRuleFromRow(net, k, c, 1);
    } else {
        for (long i = 1; i <= net.NumInputs; ++i)
            net.Weights(i, k) = c * net.InputUnits[i].Activation + net.Weights(i, k);
        if (!net.FreezeThresholds)
            net.OutputUnits[k].Threshold = c + net.OutputUnits[k].Threshold;
        return RuleOutcome::Updated;
    }
}

}  // namespace

RuleOutcome StepOutputUnit(NetworkState& net, RuleKind rule, long k)
{
    switch (rule) {
    case RuleKind::Delta: return StepUnit<RuleKind::Delta>(net, k);
    case RuleKind::Gradient: return StepUnit<RuleKind::Gradient>(net, k);
    case RuleKind::Tarvik: return StepUnit<RuleKind::Tarvik>(net, k);
    case RuleKind::None: break;
    }
    return RuleOutcome::Updated;
}

namespace {

double LargestWeightMagnitude(const NetworkState& net)
{
    double largest = 0;
    for (long i = 1; i <= net.NumInputs; ++i) {
        const double* w = net.Weights.Row(i);
        for (long k = 1; k <= net.NumOutputs; ++k)
            largest = std::max(largest, std::fabs(w[k]));
    }
    for (long k = 1; k <= net.NumOutputs; ++k)
        largest = std::max(largest, std::fabs(net.OutputUnits[k].Threshold));
    return largest;
}

}  // namespace

double LargestInputMagnitude(const NetworkState& net)
{
    double bound = 1;  // a threshold steps by the coefficient itself
    for (long p = 1; p <= net.NumPatterns; ++p) {
        const double* x = net.InputPatterns.Row(p);
        for (long i = 1; i <= net.NumInputs; ++i)
            bound = std::max(bound, std::fabs(x[i]));
    }
    return bound;
}

OverflowGuard MakeOverflowGuard(const NetworkState& net, double inputBound)
{
    OverflowGuard guard;
    guard.inputBound = inputBound;
    guard.weightBound = LargestWeightMagnitude(net);
    return guard;
}

StepKind StepCoefficients(const NetworkState& net, RuleKind rule, double* c, OverflowGuard* guard)
{
    switch (rule) {
    case RuleKind::Delta: return StepCoefficientsOf<RuleKind::Delta>(net, c, guard);
    case RuleKind::Gradient: return StepCoefficientsOf<RuleKind::Gradient>(net, c, guard);
    case RuleKind::Tarvik: return StepCoefficientsOf<RuleKind::Tarvik>(net, c, guard);
    case RuleKind::None: break;
    }
    return StepKind::None;
}

void UpdateThresholds(NetworkState& net, const double* c)
{
    if (net.FreezeThresholds)
        return;
    for (long k = 1; k <= net.NumOutputs; ++k)
        net.OutputUnits[k].Threshold = c[k] + net.OutputUnits[k].Threshold;
}

namespace {

double LargestThresholdMagnitude(const NetworkState& net)
{
    double largest = 0;
    for (long k = 1; k <= net.NumOutputs; ++k)
        largest = std::max(largest, std::fabs(net.OutputUnits[k].Threshold));
    return largest;
}

// Each unit on its own from weight row `first` on, the rows before it already
// updated: a unit stops at its first weight or threshold that would not be
// finite (the per-unit rule's order), the others go on. Walked row by row, as
// the matrix is stored: after an overflow this runs for every pattern while
// training goes on, and column by column it would be several times slower.
// Only the units still going are visited: once a run has overflowed, often
// every unit stops at once, and the rows then need no visit at all.
// `stopped` holds a flag per unit, set for the units stopped already;
// `going` has room for every unit; `largest` grows to the largest magnitude
// written.
RuleOutcome UnitsAloneFromRow(NetworkState& net, const double* c, long first, unsigned char* stopped, long* going,
                              double& largest)
{
    long count = 0;
    for (long k = 1; k <= net.NumOutputs; ++k)
        if (!stopped[k])
            going[count++] = k;
    for (long i = first; i <= net.NumInputs && count > 0; ++i) {
        const double x = net.InputUnits[i].Activation;
        double* w = net.Weights.Row(i);
        long kept = 0;
        for (long g = 0; g < count; ++g) {
            const long k = going[g];
            const double value = c[k] * x + w[k];
            if (!std::isfinite(value)) {
                stopped[k] = 1;
                continue;
            }
            w[k] = value;
            largest = std::max(largest, std::fabs(value));
            going[kept++] = k;
        }
        count = kept;
    }
    RuleOutcome outcome = RuleOutcome::Updated;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        if (!stopped[k] && !net.FreezeThresholds) {
            const double t = c[k] + net.OutputUnits[k].Threshold;
            if (std::isfinite(t))
                net.OutputUnits[k].Threshold = t;
            else
                stopped[k] = 1;
        }
        if (stopped[k])
            outcome = RuleOutcome::Overflow;
    }
    return outcome;
}

// The value rule with its overflow checks. A row is computed aside and stored
// when every value in it is finite; from the first row that is not, each unit
// finishes on its own. `stopped` starts with the units whose coefficient is
// not finite (they change nothing).
RuleOutcome CheckedValueSteps(NetworkState& net, const double* c, SweepWorkspace& work, OverflowGuard* guard)
{
    const long numOutputs = net.NumOutputs;
    unsigned char* stopped = work.unitStopped.data();
    double* fresh = work.row.data();
    bool anyStopped = false;
    for (long k = 1; k <= numOutputs; ++k) {
        stopped[k] = !std::isfinite(c[k]);
        anyStopped = anyStopped || stopped[k];
    }
    // Each unit's largest magnitude written, kept per unit and taken together
    // at the end: a running maximum over the row would chain every value to
    // the one before, and nothing here would run in vector registers.
    double* peak = work.unitPeak.data();
    std::fill(peak + 1, peak + numOutputs + 1, 0.0);
    long i = 1;
    for (; i <= net.NumInputs && !anyStopped; ++i) {
        const double x = net.InputUnits[i].Activation;
        double* w = net.Weights.Row(i);
        int notFinite = 0;
        for (long k = 1; k <= numOutputs; ++k) {
            const double value = c[k] * x + w[k];
            fresh[k] = value;
            notFinite |= !(std::fabs(value) <= std::numeric_limits<double>::max());
        }
        if (notFinite)
            break;
        for (long k = 1; k <= numOutputs; ++k) {
            w[k] = fresh[k];
            peak[k] = std::max(peak[k], std::fabs(fresh[k]));
        }
    }
    double largest = 0;  // of the weights written
    for (long k = 1; k <= numOutputs; ++k)
        largest = std::max(largest, peak[k]);
    // Every weight rewritten so far; the units left go on alone from row i
    // (past the last row they only step their thresholds).
    const bool wholeMatrixWritten = !anyStopped && i > net.NumInputs;
    const RuleOutcome outcome = UnitsAloneFromRow(net, c, i, stopped, work.unitsGoing.data(), largest);
    if (guard) {
        // When every weight was written, their largest magnitude is known;
        // else the weights a stopped unit kept are within the old bound.
        const double kept = wholeMatrixWritten ? 0 : guard->weightBound;
        guard->weightBound = std::max({largest, kept, LargestThresholdMagnitude(net)});
    }
    return outcome;
}

}  // namespace

bool ValueStepStaysFinite(const NetworkState& net, const double* c, const double* x, SweepWorkspace& work,
                          OverflowGuard& guard)
{
    const long numOutputs = net.NumOutputs;
    // With c, x and the weights finite, each new value is finite or
    // infinite, never NaN, so the largest magnitudes tell both at once.
    double* __restrict peak = work.unitPeak.data();
    for (long k = 1; k <= numOutputs; ++k) {
        const double t = net.FreezeThresholds ? net.OutputUnits[k].Threshold : c[k] + net.OutputUnits[k].Threshold;
        peak[k] = std::fabs(t);
    }
    const double* __restrict step = c;
    for (long i = 1; i <= net.NumInputs; ++i) {
        const double xi = x[i];
        const double* __restrict w = net.Weights.Row(i);
        for (long k = 1; k <= numOutputs; ++k) {
            const double value = std::fabs(step[k] * xi + w[k]);
            peak[k] = peak[k] < value ? value : peak[k];
        }
    }
    double largest = 0;
    for (long k = 1; k <= numOutputs; ++k)
        largest = std::max(largest, peak[k]);
    if (!(largest <= std::numeric_limits<double>::max()))
        return false;
    guard.weightBound = largest;
    return true;
}

RuleOutcome ApplyRuleToAllOutputs(NetworkState& net, RuleKind rule, SweepWorkspace& work, OverflowGuard* guard)
{
    work.Fit(net);
    double* c = work.coefficient.data();
    switch (StepCoefficients(net, rule, c, guard)) {
    case StepKind::None: return RuleOutcome::Updated;
    case StepKind::Unchecked: {
        // Every weight's update depends only on its own unit's coefficient,
        // so the matrix is swept row by row (contiguous, vectorisable across
        // outputs) with the very same results as the unit-by-unit order.
        for (long i = 1; i <= net.NumInputs; ++i) {
            const double x = net.InputUnits[i].Activation;
            double* w = net.Weights.Row(i);
            for (long k = 1; k <= net.NumOutputs; ++k)
                w[k] = c[k] * x + w[k];
        }
        UpdateThresholds(net, c);
        return RuleOutcome::Updated;
    }
    case StepKind::Checked:
    case StepKind::NonFinite: break;
    }
    return CheckedValueSteps(net, c, work, guard);
}

}  // namespace vantorelle
