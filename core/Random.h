// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The uniform random numbers behind start weights and pattern shuffling.

#include <cstdint>
#include <random>

namespace vantorelle {

class Random {
public:
    virtual ~Random() = default;
    // Next number, uniform on [0, 1).
    virtual double Next() = 0;
    // Called where a new run reseeds from the clock.
    virtual void Reseed() = 0;
};

// Mersenne Twister with 53-bit uniform doubles. Reseed() takes a new seed from
// the clock unless the generator was given a fixed seed: then it keeps its one
// sequence, so a run with a fixed seed is reproducible.
class MersenneRandom : public Random {
public:
    MersenneRandom();                          // seeded from the clock
    explicit MersenneRandom(std::uint64_t seed);  // fixed seed
    double Next() override;
    void Reseed() override;

private:
    std::mt19937_64 engine;
    bool fixedSeed;
};

}  // namespace vantorelle
