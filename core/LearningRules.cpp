#include "LearningRules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "Response.h"

namespace vantorelle {

RuleKind RuleKindFromName(const std::string& name)
{
    if (name == RuleDelta)
        return RuleKind::Delta;
    if (name == RuleGradient)
        return RuleKind::Gradient;
    if (name == RuleTarvik)
        return RuleKind::Tarvik;
    return RuleKind::None;
}

UnitKind UnitKindForRule(RuleKind rule)
{
    switch (rule) {
    case RuleKind::Delta: return UnitKind::Binary;
    case RuleKind::Gradient: return UnitKind::IntDev;
    case RuleKind::Tarvik: return UnitKind::Value;
    case RuleKind::None: break;
    }
    return UnitKind::None;
}

namespace {

// Weight step of the delta and gradient rules: W = step * x + W, thr = step + thr.
double DeltaStep(const NetworkState& net, const Unit& u) { return net.LearningRate * u.Error; }
double GradientStep(const NetworkState& net, const Unit& u)
{
    const double d = (1 - u.Activation) * u.Activation;
    return (net.LearningRate * d) * u.Error;
}

// The value-unit rule's delta = g*e - t*net with g = -2*pi*net*a.
double ValueDelta(const Unit& u)
{
    const double g = ((-2 * Pi()) * u.NetInput) * u.Activation;
    return g * u.Error - u.Target * u.NetInput;
}

void StepRule(NetworkState& net, long k, double step)
{
    for (long i = 1; i <= net.NumInputs; ++i)
        net.Weights(i, k) = step * net.InputUnits[i].Activation + net.Weights(i, k);
    if (!net.FreezeThresholds)
        net.OutputUnits[k].Threshold = step + net.OutputUnits[k].Threshold;
}

}  // namespace

void DeltaRule(NetworkState& net, long k) { StepRule(net, k, DeltaStep(net, net.OutputUnits[k])); }

void GradientRule(NetworkState& net, long k) { StepRule(net, k, GradientStep(net, net.OutputUnits[k])); }

namespace {

// The value-unit rule for unit k from weight row `first` on, after rows before
// it were updated: the rule's own order and overflow handling.
RuleOutcome ValueUnitRuleFromRow(NetworkState& net, long k, double step, long first)
{
    for (long i = first; i <= net.NumInputs; ++i) {
        const double w = step * net.InputUnits[i].Activation + net.Weights(i, k);
        if (!std::isfinite(w))
            return RuleOutcome::Overflow;
        net.Weights(i, k) = w;
    }
    if (!net.FreezeThresholds) {
        const double t = step + net.OutputUnits[k].Threshold;
        if (!std::isfinite(t))
            return RuleOutcome::Overflow;
        net.OutputUnits[k].Threshold = t;
    }
    return RuleOutcome::Updated;
}

}  // namespace

RuleOutcome ValueUnitRule(NetworkState& net, long k)
{
    const double delta = ValueDelta(net.OutputUnits[k]);
    if (!std::isfinite(delta))
        return RuleOutcome::Overflow;
    return ValueUnitRuleFromRow(net, k, delta * net.LearningRate, 1);
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

OverflowGuard MakeOverflowGuard(const NetworkState& net) { return MakeOverflowGuard(net, LargestInputMagnitude(net)); }

StepKind StepCoefficients(const NetworkState& net, RuleKind rule, double* c, OverflowGuard* guard)
{
    const long numOutputs = net.NumOutputs;
    const Unit* out = net.OutputUnits.data();
    switch (rule) {
    case RuleKind::None: return StepKind::None;
    case RuleKind::Delta:
        for (long k = 1; k <= numOutputs; ++k)
            c[k] = DeltaStep(net, out[k]);
        return StepKind::Unchecked;
    case RuleKind::Gradient:
        for (long k = 1; k <= numOutputs; ++k)
            c[k] = GradientStep(net, out[k]);
        return StepKind::Unchecked;
    case RuleKind::Tarvik: break;
    }
    return ValueStepCoefficients(net, -2 * Pi(), c, guard);
}

void UpdateThresholds(NetworkState& net, const double* c)
{
    if (net.FreezeThresholds)
        return;
    for (long k = 1; k <= net.NumOutputs; ++k)
        net.OutputUnits[k].Threshold = c[k] + net.OutputUnits[k].Threshold;
}

namespace {

// The value rule with its overflow checks, from coefficients already known
// to be finite: a row is computed aside and stored only when every value in
// it is finite; at the first row that is not, each unit finishes on its own.
RuleOutcome CheckedValueSteps(NetworkState& net, const double* c, double* fresh, OverflowGuard* guard)
{
    const long numOutputs = net.NumOutputs;
    RuleOutcome outcome = RuleOutcome::Updated;
    for (long i = 1; i <= net.NumInputs; ++i) {
        const double x = net.InputUnits[i].Activation;
        double* w = net.Weights.Row(i);
        bool rowFinite = true;
        for (long k = 1; k <= numOutputs; ++k) {
            fresh[k] = c[k] * x + w[k];
            rowFinite = rowFinite && std::isfinite(fresh[k]);
        }
        if (rowFinite) {
            std::copy(fresh + 1, fresh + numOutputs + 1, w + 1);
            continue;
        }
        for (long k = 1; k <= numOutputs; ++k)
            if (ValueUnitRuleFromRow(net, k, c[k], i) == RuleOutcome::Overflow)
                outcome = RuleOutcome::Overflow;
        if (guard)
            guard->weightBound = LargestWeightMagnitude(net);
        return outcome;
    }
    if (!net.FreezeThresholds) {
        for (long k = 1; k <= numOutputs; ++k) {
            const double t = c[k] + net.OutputUnits[k].Threshold;
            if (!std::isfinite(t)) {
                outcome = RuleOutcome::Overflow;
                continue;
            }
            net.OutputUnits[k].Threshold = t;
        }
    }
    if (guard)
        guard->weightBound = LargestWeightMagnitude(net);
    return outcome;
}

}  // namespace

RuleOutcome ApplyRuleToAllOutputs(NetworkState& net, RuleKind rule, OverflowGuard* guard)
{
    SweepWorkspace work;
    return ApplyRuleToAllOutputs(net, rule, work, guard);
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
    case StepKind::Checked: return CheckedValueSteps(net, c, work.row.data(), guard);
    case StepKind::NonFinite: break;
    }
    // The value rule overflowed before touching any weight of some unit.
    RuleOutcome outcome = RuleOutcome::Updated;
    for (long k = 1; k <= net.NumOutputs; ++k)
        if (ValueUnitRule(net, k) == RuleOutcome::Overflow)
            outcome = RuleOutcome::Overflow;
    if (guard)
        guard->weightBound = LargestWeightMagnitude(net);
    return outcome;
}

}  // namespace vantorelle
