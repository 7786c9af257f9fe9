// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Training written the plain way, one unit and one weight at a time, with no
// kernels and nothing shared with the engine's code: the reference the
// differential test holds every kernel set to, and the benchmark's yardstick.

#include <cmath>
#include <vector>

#include "NetworkState.h"

namespace vantorelle::plain {

enum class Rule { Delta, Gradient, Value };

inline double Pi() { return 4 * std::atan(1.0); }

inline double Activation(UnitKind kind, double x, double previous)
{
    switch (kind) {
    case UnitKind::Binary: return x >= 0 ? 1.0 : 0.0;
    case UnitKind::IntDev: return 1 / (1 + std::exp(-x));
    case UnitKind::Value: return std::exp((-Pi() * x) * x);
    case UnitKind::None: break;
    }
    return previous;
}

inline void Respond(NetworkState& net, long p)
{
    for (long i = 1; i <= net.NumInputs; ++i)
        net.InputUnits[i].Activation = net.InputPatterns(p, i);
    for (long k = 1; k <= net.NumOutputs; ++k)
        net.OutputUnits[k].NetInput = 0;
    for (long i = 1; i <= net.NumInputs; ++i)
        for (long k = 1; k <= net.NumOutputs; ++k)
            net.OutputUnits[k].NetInput = net.InputUnits[i].Activation * net.Weights(i, k) + net.OutputUnits[k].NetInput;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        Unit& u = net.OutputUnits[k];
        u.NetInput = u.Threshold + u.NetInput;
        u.Activation = Activation(u.UnitType, u.NetInput, u.Activation);
        u.Error = net.DesiredOutputs(p, k) - u.Activation;
        u.Target = net.DesiredOutputs(p, k);
    }
}

// One unit's step; answers false when the value rule overflowed.
inline bool Learn(NetworkState& net, Rule rule, long k)
{
    const Unit& u = net.OutputUnits[k];
    const double rate = net.LearningRate;
    const bool checked = rule == Rule::Value;
    double step = 0;
    double thresholdStep = 0;
    if (rule == Rule::Delta) {
        step = rate * u.Error;
        thresholdStep = step;
    } else if (rule == Rule::Gradient) {
        const double d = (1 - u.Activation) * u.Activation;
        step = (rate * d) * u.Error;
        thresholdStep = step;
    } else {
        const double g = ((-2 * Pi()) * u.NetInput) * u.Activation;
        const double delta = g * u.Error - u.Target * u.NetInput;
        if (!std::isfinite(delta))
            return false;
        step = delta * rate;
        thresholdStep = rate * delta;
    }
    for (long i = 1; i <= net.NumInputs; ++i) {
        const double w = step * net.InputUnits[i].Activation + net.Weights(i, k);
        if (checked && !std::isfinite(w))
            return false;
        net.Weights(i, k) = w;
    }
    if (!net.FreezeThresholds) {
        const double t = thresholdStep + net.OutputUnits[k].Threshold;
        if (checked && !std::isfinite(t))
            return false;
        net.OutputUnits[k].Threshold = t;
    }
    return true;
}

// The sweep over PatternOrder; answers false when the value rule overflowed.
inline bool Sweep(NetworkState& net, Rule rule)
{
    bool fine = true;
    for (long j = 1; j <= net.NumPatterns; ++j) {
        Respond(net, net.PatternOrder[j]);
        for (long k = 1; k <= net.NumOutputs; ++k)
            fine = Learn(net, rule, k) && fine;
    }
    return fine;
}

inline void Evaluate(NetworkState& net)
{
    net.Hits = 0;
    net.TotalSSE = 0;
    for (long p = 1; p <= net.NumPatterns; ++p) {
        Respond(net, p);
        double s = 0;
        for (long k = 1; k <= net.NumOutputs; ++k) {
            const double e = net.OutputUnits[k].Error;
            if (e * e < net.MinError)
                net.Hits = net.Hits + 1;
            s = s + e * e;
        }
        net.TotalSSE = net.TotalSSE + s;
    }
}

}  // namespace vantorelle::plain
