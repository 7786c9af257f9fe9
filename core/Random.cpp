// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include <chrono>

namespace vantorelle {

namespace {
std::uint64_t ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

MersenneRandom::MersenneRandom() : engine(ClockSeed()), fixedSeed(false) {}

MersenneRandom::MersenneRandom(std::uint64_t seed) : engine(seed), fixedSeed(true) {}

double MersenneRandom::Next()
{
    // The top 53 bits scaled by 2^-53: every value is exact and below 1.
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

void MersenneRandom::Reseed()
{
    if (!fixedSeed)
        engine.seed(ClockSeed());
}

}  // namespace vantorelle
