// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three learning rules. Each changes the weights into output unit k and
// its threshold after ComputeResponse, from the unit's fields as they stand.

#include <algorithm>
#include <cmath>
#include <string>

#include "NetworkState.h"
#include "Response.h"
#include "kernels/SweepWorkspace.h"

namespace vantorelle {

// The unit kind each rule trains: Binary, IntDev, Value (None for None).
constexpr UnitKind UnitKindForRule(RuleKind rule)
{
    switch (rule) {
    case RuleKind::Delta: return UnitKind::Binary;
    case RuleKind::Gradient: return UnitKind::IntDev;
    case RuleKind::Tarvik: return UnitKind::Value;
    case RuleKind::None: break;
    }
    return UnitKind::None;
}

// Each rule's step for one output unit after a response, the one place its
// formula stands: with c = RuleStep<Rule>(rate)(netInput, a, e, t) from the
// unit's NetInput, Activation, Error and Target, the rule sets
// W(i, k) = c * x[i] + W(i, k) for every input i, then threshold = c +
// threshold. The per-unit rules, the row sweep, the kernels' sweeps and the
// small networks' unrolled sweeps all build their steps with it.
template <RuleKind Rule>
class RuleStep {
public:
    static_assert(Rule != RuleKind::None, "no rule, no step");

    explicit RuleStep(double rate) : rate(rate) {}

    double operator()(double netInput, double a, double e, double t) const
    {
        if constexpr (Rule == RuleKind::Delta)
            return rate * e;
        else if constexpr (Rule == RuleKind::Gradient) {
            const double d = (1 - a) * a;  // the sigmoid's slope
            return (rate * d) * e;
        } else {
            // The threshold's rate * delta is this very double: products commute.
            const double g = (minusTwoPi * netInput) * a;
            const double delta = g * e - t * netInput;
            return delta * rate;
        }
    }

private:
    double rate;
    // Asked for once, not per response: Pi() guards a static.
    double minusTwoPi = Rule == RuleKind::Tarvik ? -2 * Pi() : 0;
};

// What a rule reports back; only the value-unit rule ever says Overflow.
enum class RuleOutcome { Updated, Overflow };

// The rule's step for output unit k alone, from its fields as the last
// response left them. Under the value rule an overflow stops updating unit k
// for this pattern (weights already changed stay changed) and answers
// Overflow; the caller tells the user. The others always answer Updated.
RuleOutcome StepOutputUnit(NetworkState& net, RuleKind rule, long k);

// Bounds that let a caller applying the value-unit rule pattern after pattern
// skip its overflow checks while no weight can possibly overflow.
struct OverflowGuard {
    double inputBound = 1;   // no input is larger in magnitude (at least 1)
    double weightBound = 0;  // no weight or threshold is larger in magnitude
};
// The guard for net's weights now; the input bound depends on the patterns
// only, so the caller keeps it.
OverflowGuard MakeOverflowGuard(const NetworkState& net, double inputBound);
// No input of net's patterns is larger in magnitude; at least 1.
double LargestInputMagnitude(const NetworkState& net);

// How the weights may be stepped after StepCoefficients.
enum class StepKind {
    None,       // no rule: nothing changes
    Unchecked,  // W = c * x + W and threshold = c + threshold, no overflow possible
    Checked,    // the value rule, which must check every new weight for overflow
    NonFinite,  // the value rule overflowed already in a coefficient
};

// Well below the largest double: a weight under this bound plus a step under
// it cannot overflow, whatever the rounding.
inline constexpr double SafeMagnitude = 1e300;

// The value rule's coefficients of one response, as they are computed:
// whether all are finite, and the largest magnitude (which bounds how far
// the step moves any weight, with the guard's input bound).
struct ValueStepBound {
    bool finite = true;
    double largest = 0;

    void Add(double c)
    {
        finite = finite && std::isfinite(c);
        largest = std::max(largest, std::fabs(c));
    }
};

// How the value rule's step may go: NonFinite; Unchecked while the guard
// proves it safe (the guard then grows by it); else Checked.
inline StepKind ValueStepKind(const ValueStepBound& bound, OverflowGuard* guard)
{
    if (!bound.finite)
        return StepKind::NonFinite;
    if (guard) {
        const double growth = bound.largest * guard->inputBound;
        if (guard->weightBound + growth < SafeMagnitude) {
            guard->weightBound = guard->weightBound + growth;
            return StepKind::Unchecked;
        }
    }
    return StepKind::Checked;
}

// Every output's coefficient c[k] under Rule for the current response, the
// same doubles the per-unit rules compute, and how they may be applied.
// Inline: the sweeps call it for every pattern.
template <RuleKind Rule>
StepKind StepCoefficientsOf(const NetworkState& net, double* c, OverflowGuard* guard)
{
    const RuleStep<Rule> step(net.LearningRate);
    const Unit* out = net.OutputUnits.data();
    ValueStepBound bound;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const Unit& u = out[k];
        c[k] = step(u.NetInput, u.Activation, u.Error, u.Target);
        if constexpr (Rule == RuleKind::Tarvik)
            bound.Add(c[k]);
    }
    if constexpr (Rule == RuleKind::Tarvik)
        return ValueStepKind(bound, guard);
    else
        return StepKind::Unchecked;
}

// Whether the value rule's step with coefficients c (all finite) on the
// inputs x ([1..NumInputs], all finite) keeps every weight and threshold
// finite. If so,
// the guard learns the largest magnitude the step writes, and the caller
// may apply it unchecked: the same values the checked step would store.
// Once a run's weights have grown past the guard's bound, every step needs
// this look, which costs a read of the weights instead of the checked
// step's row-by-row walk and a separate pass for the next response.
bool ValueStepStaysFinite(const NetworkState& net, const double* c, const double* x, SweepWorkspace& work,
                          OverflowGuard& guard);

// StepCoefficientsOf for a rule known at run time (None: StepKind::None).
StepKind StepCoefficients(const NetworkState& net, RuleKind rule, double* c, OverflowGuard* guard);

// threshold(k) = c[k] + threshold(k) for every output, unless thresholds are frozen.
void UpdateThresholds(NetworkState& net, const double* c);

// Applies `rule` to every output unit in turn, with the same results as the
// per-unit rules above, but sweeping the weight matrix row by row. Answers
// Overflow when the value-unit rule overflowed on any unit. A guard, kept
// from pattern to pattern, spares the value rule's checks while it can.
RuleOutcome ApplyRuleToAllOutputs(NetworkState& net, RuleKind rule, SweepWorkspace& work,
                                  OverflowGuard* guard = nullptr);

}  // namespace vantorelle
