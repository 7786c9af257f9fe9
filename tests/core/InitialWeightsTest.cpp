// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "InitialWeights.h"
#include "NetworkBuilders.h"
#include "RecordingHost.h"

using namespace vantorelle;
using vantorelle::testing::FixedRandom;

TEST(RandomStart, BothNegatesWhenTheSecondDrawIsLarger)
{
    FixedRandom r({0.5, 0.1, 0.9});  // v = 0.2 + 0.3*0.5, a = 101, b = 901
    EXPECT_DOUBLE_EQ(RandomStart(r, 0.5, 0.2, StartSign::Both), -0.35);
    FixedRandom tie({0.5, 0.3, 0.3});
    EXPECT_DOUBLE_EQ(RandomStart(tie, 0.5, 0.2, StartSign::Both), 0.35);  // ties keep the sign
    EXPECT_EQ(tie.next, 3u);                                      // Both costs three numbers
}

TEST(RandomStart, SignRules)
{
    FixedRandom r({0.25});
    EXPECT_EQ(RandomStart(r, 1, -1, StartSign::Pos), 0.5);   // v = -0.5 made positive
    EXPECT_EQ(RandomStart(r, 1, -1, StartSign::Neg), -0.5);
    EXPECT_EQ(RandomStart(r, 1, -1, StartSign::None), -0.5);
    EXPECT_EQ(r.next, 3u);                          // one number each
    FixedRandom s({0.75});
    EXPECT_EQ(RandomStart(s, 1, -1, StartSign::Neg), -0.5);  // v = 0.5 made negative
    EXPECT_EQ(RandomStart(s, 1, -1, StartSign::Pos), 0.5);
}

TEST(RandomStart, RangesHoldOverManyDraws)
{
    MersenneRandom r(42);
    for (int n = 0; n < 2000; ++n) {
        for (StartSign sign : {StartSign::Pos, StartSign::Neg, StartSign::Both})
            EXPECT_EQ(RandomStart(r, 0, 0, sign), 0);
        const double pos = RandomStart(r, 1, -1, StartSign::Pos);
        EXPECT_TRUE(pos >= 0 && pos <= 1) << pos;
        const double neg = RandomStart(r, 1, -1, StartSign::Neg);
        EXPECT_TRUE(neg >= -1 && neg <= 0) << neg;
        const double both = RandomStart(r, 0.5, 0.2, StartSign::Both);
        EXPECT_TRUE((both >= 0.2 && both < 0.5) || (both > -0.5 && both <= -0.2)) << both;
        const double reversed = RandomStart(r, 0.2, 0.5, StartSign::Pos);  // min > max is allowed
        EXPECT_TRUE(reversed > 0.2 && reversed <= 0.5) << reversed;
    }
}

TEST(InitWeights, ReseedsAndDrawsInputMajor)
{
    NetworkState net = vantorelle::testing::MakeNetwork({{0, 0, 0}}, {{0, 0}});
    net.WeightMin = 0;
    net.WeightMax = 1;
    net.WeightSign = StartSign::Pos;
    FixedRandom r({0.1, 0.2, 0.3, 0.4, 0.5, 0.6});
    InitWeights(net, r);
    EXPECT_EQ(r.reseeds, 1);
    EXPECT_EQ(net.Weights(1, 1), 0.1);
    EXPECT_EQ(net.Weights(1, 2), 0.2);
    EXPECT_EQ(net.Weights(2, 1), 0.3);
    EXPECT_EQ(net.Weights(3, 2), 0.6);
}

TEST(InitThresholds, DefaultsGiveZeroAndFreezingDoesNotMatter)
{
    NetworkState net = vantorelle::testing::MakeNetwork({{0}}, {{0, 0, 0}});
    net.FreezeThresholds = true;
    net.OutputUnits[2].Threshold = 9;
    MersenneRandom r(1);
    InitThresholds(net, r);
    for (long k = 1; k <= 3; ++k)
        EXPECT_EQ(net.OutputUnits[k].Threshold, 0);
    net.ThresholdMin = 1;
    net.ThresholdMax = 2;
    InitThresholds(net, r);
    for (long k = 1; k <= 3; ++k)
        EXPECT_GE(std::abs(net.OutputUnits[k].Threshold), 1);
}

TEST(Random, FixedSeedRepeatsAndStaysInRange)
{
    MersenneRandom a(7), b(7);
    a.Reseed();  // a fixed seed keeps its one sequence
    for (int n = 0; n < 1000; ++n) {
        const double x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_TRUE(x >= 0 && x < 1);
    }
    MersenneRandom clock1, clock2;
    clock2.Reseed();
    EXPECT_NE(clock1.Next(), clock2.Next());
}
