// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small networks built in code, for tests that need no file.

#include <vector>

#include "NetworkState.h"

namespace vantorelle::testing {

// A network with the given patterns (one row of inputs and one row of desired
// outputs each), units and weights sized, default settings.
inline NetworkState MakeNetwork(const std::vector<std::vector<double>>& inputs,
                                const std::vector<std::vector<double>>& outputs)
{
    NetworkState net;
    net.NumPatterns = static_cast<long>(inputs.size());
    net.NumInputs = static_cast<long>(inputs.front().size());
    net.NumOutputs = static_cast<long>(outputs.front().size());
    net.NumResponses = net.NumOutputs * net.NumPatterns;
    net.InputPatterns.Resize(net.NumPatterns, net.NumInputs);
    net.DesiredOutputs.Resize(net.NumPatterns, net.NumOutputs);
    for (long p = 1; p <= net.NumPatterns; ++p) {
        for (long i = 1; i <= net.NumInputs; ++i)
            net.InputPatterns(p, i) = inputs[p - 1][i - 1];
        for (long k = 1; k <= net.NumOutputs; ++k)
            net.DesiredOutputs(p, k) = outputs[p - 1][k - 1];
    }
    net.PatternOrder.assign(net.NumPatterns + 1, 0);
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    return net;
}

// The weights training leaves on a network read from the AND example: a
// step unit with threshold -3 and weights 2 and 2, default settings.
inline void GiveAndTrainedWeights(NetworkState& net)
{
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    net.OutputUnits[1].UnitType = UnitKind::IntDev;
    net.OutputUnits[1].Threshold = -3;
    net.Weights(1, 1) = 2;
    net.Weights(2, 1) = 2;
}

inline NetworkState MakeAnd() { return MakeNetwork({{0, 0}, {0, 1}, {1, 0}, {1, 1}}, {{0}, {0}, {0}, {1}}); }
inline NetworkState MakeXor() { return MakeNetwork({{0, 0}, {0, 1}, {1, 0}, {1, 1}}, {{0}, {1}, {1}, {0}}); }

}  // namespace vantorelle::testing
