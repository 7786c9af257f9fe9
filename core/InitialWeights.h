// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random start values for weights and thresholds, from a range and a sign rule.

#include <string>

#include "NetworkState.h"
#include "Random.h"

namespace vantorelle {

// One start value between min and max; sign "Pos" makes it >= 0, "Neg" <= 0,
// "Both" negates it at random (three random numbers), anything else keeps it.
double RandomStart(Random& random, double max, double min, StartSign sign);

// Reseeds, then draws every weight, input-major.
void InitWeights(NetworkState& net, Random& random);

// Reseeds, then draws every output unit's threshold.
void InitThresholds(NetworkState& net, Random& random);

}  // namespace vantorelle
