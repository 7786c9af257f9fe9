// SPDX-License-Identifier: GPL-3.0-or-later
// Many seeds at once: each run the bits of a single run with its seed, on
// any number of threads, and a stop that keeps what was reached.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "NetworkBuilders.h"
#include "RecordingHost.h"
#include "SeedSweep.h"
#include "TrainingEngine.h"

using namespace vantorelle;

namespace {

NetworkState Prepared(NetworkState net, RuleKind rule)
{
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    net.LearningRule = rule;
    net.FreshStart = true;
    return net;
}

SettingsInput Input(const char* epochs, const char* rate)
{
    NumberLocale c;
    return {EnteredNumber::FromText(epochs, c), EnteredNumber::FromText(rate, c),
            EnteredNumber::FromText("10", c), EnteredNumber::FromText("0.01", c), true, true};
}

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

}  // namespace

TEST(SeedSweep, EachSeedGivesTheBitsOfASingleRunOnAnyNumberOfThreads)
{
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        const NetworkState start = Prepared(vantorelle::testing::MakeXor(), rule);
        const SettingsInput input = Input("60", rule == RuleKind::Tarvik ? "0.1" : "0.5");
        std::vector<std::uint64_t> seeds;
        for (std::uint64_t s = 1; s <= 8; ++s)
            seeds.push_back(s * 7919);
        const std::atomic<bool> noStop{false};
        for (unsigned threads : {1u, 2u, 5u}) {
            long told = 0;
            const std::vector<SeedOutcome> outcomes =
                RunSeeds(start, input, seeds, threads, noStop, [&](const SeedOutcome&) { ++told; });
            ASSERT_EQ(outcomes.size(), seeds.size());
            EXPECT_EQ(told, 8);
            for (std::size_t i = 0; i < seeds.size(); ++i) {
                NetworkState single = start;
                MersenneRandom random(seeds[i]);
                vantorelle::testing::RecordingHost host;
                double lastPrinted = 0;
                ASSERT_FALSE(StartTraining(single, input, random, host, lastPrinted));
                const SeedOutcome& o = outcomes[i];
                EXPECT_EQ(o.Seed, seeds[i]);
                EXPECT_TRUE(o.Ran);
                EXPECT_EQ(o.Epochs, single.EpochCount) << RuleName(rule) << " seed " << seeds[i];
                EXPECT_EQ(Bits(o.TotalSSE), Bits(single.TotalSSE)) << RuleName(rule) << " seed " << seeds[i];
                EXPECT_EQ(o.Hits, single.Hits);
                EXPECT_EQ(o.AllHits, single.Hits == single.NumResponses);
            }
        }
    }
}

TEST(SeedSweep, AStopLeavesTheRestOutAndTheSummaryCountsOnlyRunsThatRan)
{
    const NetworkState start = Prepared(vantorelle::testing::MakeAnd(), RuleKind::Delta);
    std::atomic<bool> stop{false};
    const std::vector<SeedOutcome> outcomes =
        RunSeeds(start, Input("1000", "0.5"), {1, 2, 3, 4, 5, 6}, 1, stop, [&](const SeedOutcome& o) {
            if (o.Seed == 2)
                stop.store(true);
        });
    ASSERT_EQ(outcomes.size(), 6u);
    EXPECT_TRUE(outcomes[0].Ran && outcomes[1].Ran);
    for (std::size_t i = 2; i < 6; ++i)
        EXPECT_FALSE(outcomes[i].Ran) << i;
    const SeedSummary summary = Summarize(outcomes);
    EXPECT_EQ(summary.Runs, 2);
    EXPECT_EQ(summary.Reached, 2);  // AND is learned from any start
    EXPECT_EQ(summary.MedianEpochs, (outcomes[0].Epochs + outcomes[1].Epochs) / 2.0);
    EXPECT_EQ(summary.FewestEpochs, std::min(outcomes[0].Epochs, outcomes[1].Epochs));

    // XOR under the step rule is never learned: nothing reached.
    const std::atomic<bool> noStop{false};
    const SeedSummary never =
        Summarize(RunSeeds(Prepared(vantorelle::testing::MakeXor(), RuleKind::Delta), Input("50", "0.5"), {1, 2, 3}, 2, noStop));
    EXPECT_EQ(never.Runs, 3);
    EXPECT_EQ(never.Reached, 0);
}
