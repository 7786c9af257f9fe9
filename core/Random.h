// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The uniform random numbers behind start weights and pattern shuffling.

#include <cstdint>
#include <optional>
#include <string>

#include "MersenneTwister64.h"

namespace vantorelle {

// Where a generator stands: the seed its current sequence began from and the
// engine's whole state as the standard stream operators write it, so that a
// saved network goes on with the very numbers an unbroken run would draw.
struct RandomState {
    std::uint64_t seed = 0;
    std::string engine;
};

class Random {
public:
    virtual ~Random() = default;
    // Next number, uniform on [0, 1).
    virtual double Next() = 0;
    // Called where a new run reseeds from the clock.
    virtual void Reseed() = 0;
    // Generators that can be saved and repeated answer these; the others
    // (test doubles) keep their own sequence and have no state to save.
    virtual std::optional<RandomState> State() const { return std::nullopt; }
    // False, changing nothing, when the engine text is not a state.
    virtual bool Restore(const RandomState&) { return false; }
    // A run from this seed from now on, or with none back to how the
    // generator was made (the clock's seeds, or its one fixed sequence).
    virtual void UseSeed(std::optional<std::uint64_t>) {}
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
    std::optional<RandomState> State() const override;
    bool Restore(const RandomState& state) override;
    void UseSeed(std::optional<std::uint64_t> seed) override;

private:
    MersenneTwister64 engine;
    std::uint64_t seed;
    bool fixedSeed;
    bool madeFixed;
};

}  // namespace vantorelle
