#pragma once
// The three learning rules. Each changes the weights into output unit k and
// its threshold after ComputeResponse, from the unit's fields as they stand.

#include <algorithm>
#include <cmath>

#include "NetworkState.h"
#include "kernels/SweepWorkspace.h"

namespace vantorelle {

enum class RuleKind { None, Delta, Gradient, Tarvik };

// "Delta", "Gradient", "Tarvik" -> their kinds; any other text -> None.
RuleKind RuleKindFromName(const std::string& name);
// The unit kind each rule trains: Binary, IntDev, Value (None for None).
UnitKind UnitKindForRule(RuleKind rule);

// What a rule reports back; only the value-unit rule ever says Overflow.
enum class RuleOutcome { Updated, Overflow };

void DeltaRule(NetworkState& net, long k);
void GradientRule(NetworkState& net, long k);
// On overflow it stops updating unit k for this pattern (weights already
// changed stay changed) and answers Overflow; the caller tells the user.
RuleOutcome ValueUnitRule(NetworkState& net, long k);

// Bounds that let a caller applying the value-unit rule pattern after pattern
// skip its overflow checks while no weight can possibly overflow.
struct OverflowGuard {
    double inputBound = 1;   // no input is larger in magnitude (at least 1)
    double weightBound = 0;  // no weight or threshold is larger in magnitude
};
OverflowGuard MakeOverflowGuard(const NetworkState& net);
// The same with the input bound already known (it depends on the patterns only).
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

// Every output's coefficient c[k] under `rule` for the current response:
// the rule's step is W(i, k) = c[k] * x[i] + W(i, k) and threshold = c[k] +
// threshold, the same doubles the per-unit rules compute. With a guard, the
// value rule's step is Unchecked while the guard proves it safe (and the
// guard then grows by it).
StepKind StepCoefficients(const NetworkState& net, RuleKind rule, double* c, OverflowGuard* guard);

// Well below the largest double: a weight under this bound plus a step under
// it cannot overflow, whatever the rounding.
inline constexpr double SafeMagnitude = 1e300;

// StepCoefficients for the value rule, with minusTwoPi = -2 * Pi() computed
// by the caller once. Inline: small networks call it for every pattern.
inline StepKind ValueStepCoefficients(const NetworkState& net, double minusTwoPi, double* c, OverflowGuard* guard)
{
    // (rate * delta and delta * rate are the same double: products commute.)
    const Unit* out = net.OutputUnits.data();
    bool finite = true;
    double largestStep = 0;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const Unit& u = out[k];
        const double g = (minusTwoPi * u.NetInput) * u.Activation;
        c[k] = (g * u.Error - u.Target * u.NetInput) * net.LearningRate;
        finite = finite && std::isfinite(c[k]);
        largestStep = std::max(largestStep, std::fabs(c[k]));
    }
    if (!finite)
        return StepKind::NonFinite;
    if (guard) {
        const double growth = largestStep * guard->inputBound;
        if (guard->weightBound + growth < SafeMagnitude) {
            guard->weightBound = guard->weightBound + growth;
            return StepKind::Unchecked;
        }
    }
    return StepKind::Checked;
}

// threshold(k) = c[k] + threshold(k) for every output, unless thresholds are frozen.
void UpdateThresholds(NetworkState& net, const double* c);

// Applies `rule` to every output unit in turn, with the same results as the
// per-unit rules above, but sweeping the weight matrix row by row. Answers
// Overflow when the value-unit rule overflowed on any unit. A guard, kept
// from pattern to pattern, spares the value rule's checks while it can.
RuleOutcome ApplyRuleToAllOutputs(NetworkState& net, RuleKind rule, OverflowGuard* guard = nullptr);
RuleOutcome ApplyRuleToAllOutputs(NetworkState& net, RuleKind rule, SweepWorkspace& work,
                                  OverflowGuard* guard = nullptr);

}  // namespace vantorelle
