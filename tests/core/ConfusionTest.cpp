// SPDX-License-Identifier: GPL-3.0-or-later
// The counts of how a network answers: exact for a network whose answers are
// known by hand.

#include <gtest/gtest.h>

#include "Confusion.h"
#include "NetworkBuilders.h"
#include "TrainingEngine.h"

using namespace vantorelle;

// Three one-hot classes, five patterns; each input drives one output unit
// (weight 1 from input i to output i), so a pattern answers the class of its
// largest input under sigmoid units.
TEST(Confusion, AKnownNetworkGivesItsUnitCountsAndClassTableExactly)
{
    NetworkState net = vantorelle::testing::MakeNetwork(
        {{3, 0, 0}, {0, 3, 0}, {0, 0, 3}, {3, 0, 0}, {0, 3, 0}},
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 0}, {0, 0, 1}});
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    SetUnitTypes(net, UnitKind::IntDev);
    net.MinError = 0.01;
    for (long k = 1; k <= 3; ++k) {
        net.Weights(k, k) = 1;
        net.OutputUnits[k].Threshold = -1.5;  // input 3 gives net 1.5: a = 0.82; input 0: a = 0.18
    }
    const NetworkState before = net;
    const Confusion c = ConfusionOf(net);
    EXPECT_EQ(c.Patterns, 5);
    ASSERT_TRUE(c.OneHot);
    // a = 0.18 or 0.82 against 0 or 1: every squared error is 0.03, a miss.
    EXPECT_EQ(c.UnitHits, (std::vector<long>{0, 0, 0, 0}));
    EXPECT_EQ(c.UnitMisses, (std::vector<long>{0, 5, 5, 5}));
    // Wanted 1 answered 1; wanted 2 answered 2 and 1; wanted 3 answered 3 and 2.
    EXPECT_EQ(c.Counts[1], (std::vector<long>{0, 1, 0, 0}));
    EXPECT_EQ(c.Counts[2], (std::vector<long>{0, 1, 1, 0}));
    EXPECT_EQ(c.Counts[3], (std::vector<long>{0, 0, 1, 1}));
    EXPECT_EQ(c.Right, 3);
    EXPECT_DOUBLE_EQ(c.Accuracy(), 0.6);
    EXPECT_EQ(net.OutputUnits[1].Activation, before.OutputUnits[1].Activation);  // the network is untouched

    const std::vector<std::string> lines = ConfusionLines(c, NumberLocale{","});
    EXPECT_EQ(lines.front(), "Unit    Hits  Misses");
    EXPECT_EQ(lines[1], "   1       0       5");
    EXPECT_EQ(lines[lines.size() - 3], "   2     1   1   0");
    EXPECT_EQ(lines.back(), "Accuracy: 3 of 5 patterns, 60,00%");
}

TEST(Confusion, OutputsThatAreNotOneHotGetNoClassTable)
{
    NetworkState net = vantorelle::testing::MakeAnd();
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    SetUnitTypes(net, UnitKind::Binary);
    const Confusion c = ConfusionOf(net);
    EXPECT_FALSE(c.OneHot);
    EXPECT_TRUE(c.Counts.empty());
    // Zero weights answer 1 (net 0 >= 0): right only for the fourth pattern.
    EXPECT_EQ(c.UnitHits[1], 1);
    EXPECT_EQ(c.UnitMisses[1], 3);
    EXPECT_EQ(ConfusionLines(c, NumberLocale{}).size(), 2u);
}
