// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include <chrono>
#include <sstream>

namespace vantorelle {

namespace {
std::uint64_t ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

MersenneRandom::MersenneRandom() : seed(ClockSeed()), fixedSeed(false), madeFixed(false) { engine.seed(seed); }

MersenneRandom::MersenneRandom(std::uint64_t seed) : engine(seed), seed(seed), fixedSeed(true), madeFixed(true) {}

double MersenneRandom::Next()
{
    // The top 53 bits scaled by 2^-53: every value is exact and below 1.
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

void MersenneRandom::Reseed()
{
    if (fixedSeed)
        return;
    seed = ClockSeed();
    engine.seed(seed);
}

std::optional<RandomState> MersenneRandom::State() const
{
    std::ostringstream text;
    text << engine;
    return RandomState{seed, text.str()};
}

bool MersenneRandom::Restore(const RandomState& state)
{
    std::istringstream text(state.engine);
    MersenneTwister64 read;
    text >> read;
    // Anything after the state's numbers means the text was not one.
    if (text.fail() || !(text >> std::ws).eof())
        return false;
    engine = read;
    seed = state.seed;
    return true;
}

void MersenneRandom::UseSeed(std::optional<std::uint64_t> chosen)
{
    fixedSeed = chosen || madeFixed;
    if (!chosen)
        return;
    seed = *chosen;
    engine.seed(seed);
}

}  // namespace vantorelle
