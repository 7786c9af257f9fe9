// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the network does with one pattern, and how far that is from the
// desired output. Call ComputeResponse before reading a unit's Activation,
// Target or Error.

#include <cmath>

#include "NetworkState.h"
#include "kernels/SweepWorkspace.h"

namespace vantorelle {

// pi as the program computes it, 4 * atan(1). Inline: a Gaussian unit's
// activation asks for it per response.
inline double Pi()
{
    static const double pi = 4 * std::atan(1.0);
    return pi;
}

// Presents pattern p (1..NumPatterns) and fills every output unit's NetInput,
// Activation, Target and Error.
void ComputeResponse(NetworkState& net, long p);
void ComputeResponse(NetworkState& net, long p, SweepWorkspace& work);

// The two halves of ComputeResponse, for the training sweep: the input
// units take pattern p's values; the output units' fields follow from the
// weighted sums of pattern p's inputs (sum[1..NumOutputs], thresholds not
// yet added).
void PresentInputs(NetworkState& net, long p);
void FinishResponse(NetworkState& net, long p, const double* sum);

// The activation of a unit of kind Kind, the one place each formula stands.
// Loops build one outside and call it per response; Activation() below is
// the same for a kind known only at run time.
template <UnitKind Kind>
struct ActivationOf {
    static_assert(Kind != UnitKind::None, "an unset kind has no formula: it keeps its activation");

    double operator()(double x) const
    {
        if constexpr (Kind == UnitKind::Binary)
            return x >= 0 ? 1.0 : 0.0;
        // Beyond these arguments exp overflows to +inf or underflows to +0
        // and the activation is exactly +0 (saved: the library's slow path
        // for them).
        else if constexpr (Kind == UnitKind::IntDev)
            return x < -710 ? 0.0 : 1 / (1 + std::exp(-x));
        else {
            const double y = (minusPi * x) * x;
            return y < -750 ? 0.0 : std::exp(y);
        }
    }

    // Asked for once, not per response: Pi() guards a static.
    double minusPi = Kind == UnitKind::Value ? -Pi() : 0;
};

// The activation of a unit of the given kind at net input x; `previous` is
// what an unset kind keeps. Inline: the training loops call it per response.
inline double Activation(UnitKind kind, double x, double previous)
{
    switch (kind) {
    case UnitKind::Binary: return ActivationOf<UnitKind::Binary>{}(x);
    case UnitKind::IntDev: return ActivationOf<UnitKind::IntDev>{}(x);
    case UnitKind::Value: return ActivationOf<UnitKind::Value>{}(x);
    case UnitKind::None: break;
    }
    return previous;
}

// Squared error of the current pattern summed over the outputs.
double PatternSSE(const NetworkState& net);

// Outputs of the current pattern whose squared error is below MinError.
long PatternHits(const NetworkState& net);

// Sets Hits and TotalSSE over all patterns in file order.
void EvaluateTrainingSet(NetworkState& net);
void EvaluateTrainingSet(NetworkState& net, SweepWorkspace& work);

// Sum of PatternSSE over all patterns in file order; sets nothing else but the units.
double TrainingSetSSE(NetworkState& net);

}  // namespace vantorelle
