// SPDX-License-Identifier: GPL-3.0-or-later
// Our generator against the standard library's: the same numbers, and the
// state text of GNU's library, which saved networks written before it hold.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "MersenneTwister64.h"
#include "Random.h"

namespace vantorelle {
namespace {

template <class Engine>
std::string StateText(const Engine& engine)
{
    std::ostringstream text;
    text << engine;
    return text.str();
}

// Across the block boundaries: before the first twist, at it, just after and well past.
TEST(MersenneTwister64, GivesTheStandardNumbersAndStateText)
{
    for (std::uint64_t seed : {0ULL, 5489ULL, 20261209ULL, ~0ULL}) {
        std::mt19937_64 standard(seed);
        MersenneTwister64 ours(seed);
        EXPECT_EQ(StateText(ours), StateText(standard));
        for (int draw = 1; draw <= 2000; ++draw) {
            ASSERT_EQ(ours(), standard()) << "seed " << seed << ", draw " << draw;
            if (draw == 1 || draw == 311 || draw == 312 || draw == 313 || draw == 1000)
                EXPECT_EQ(StateText(ours), StateText(standard)) << "after draw " << draw;
        }
    }
}

TEST(MersenneTwister64, GoesOnFromAStateTheStandardLibraryWrote)
{
    std::mt19937_64 standard(77);
    standard.discard(500);
    std::istringstream text(StateText(standard));
    MersenneTwister64 ours;
    text >> ours;
    ASSERT_FALSE(text.fail());
    for (int draw = 0; draw < 1000; ++draw)
        ASSERT_EQ(ours(), standard());
}

TEST(MersenneTwister64, RefusesTextsThatAreNoState)
{
    MersenneTwister64 ours(3);
    const std::string before = StateText(ours);
    for (const std::string bad : {std::string("1 2 3"), std::string("words"),
                                  // a position past the words
                                  StateText(MersenneTwister64(4)).substr(0, StateText(MersenneTwister64(4)).rfind(' ')) + " 313"}) {
        std::istringstream text(bad);
        text >> ours;
        EXPECT_TRUE(text.fail()) << bad.substr(0, 40);
        EXPECT_EQ(StateText(ours), before);
    }
}

TEST(MersenneTwister64, RandomRestoresASavedStateToTheSameDraws)
{
    MersenneRandom first(9);
    for (int i = 0; i < 400; ++i)
        first.Next();
    MersenneRandom second(1);
    ASSERT_TRUE(second.Restore(*first.State()));
    for (int i = 0; i < 400; ++i)
        ASSERT_EQ(second.Next(), first.Next());
}

}  // namespace
}  // namespace vantorelle
