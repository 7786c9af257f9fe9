// SPDX-License-Identifier: GPL-3.0-or-later
#include "InitialWeights.h"

#include <cmath>

namespace vantorelle {

double RandomStart(Random& random, double max, double min, StartSign sign)
{
    double v = min + (max - min) * random.Next();
    if (sign == StartSign::Both) {
        const double a = std::floor(1000 * random.Next() + 1);
        const double b = std::floor(1000 * random.Next() + 1);
        if (b > a)
            v = -v;
    } else if (sign == StartSign::Neg) {
        if (v > 0)
            v = -v;
    } else if (sign == StartSign::Pos) {
        if (v < 0)
            v = -v;
    }
    return v;
}

void InitWeights(NetworkState& net, Random& random)
{
    random.Reseed();
    for (long i = 1; i <= net.NumInputs; ++i)
        for (long k = 1; k <= net.NumOutputs; ++k)
            net.Weights(i, k) = RandomStart(random, net.WeightMax, net.WeightMin, net.WeightSign);
}

void InitThresholds(NetworkState& net, Random& random)
{
    random.Reseed();
    for (long k = 1; k <= net.NumOutputs; ++k)
        net.OutputUnits[k].Threshold = RandomStart(random, net.ThresholdMax, net.ThresholdMin, net.ThresholdSign);
}

}  // namespace vantorelle
