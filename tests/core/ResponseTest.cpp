// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "NetworkBuilders.h"
#include "Random.h"
#include "Response.h"

using namespace vantorelle;
using vantorelle::testing::MakeAnd;
using vantorelle::testing::MakeNetwork;

// --- activations ---

TEST(Activation, BinaryIsAStepWithZeroGivingOne)
{
    EXPECT_EQ(Activation(UnitKind::Binary, 0.0, 7), 1.0);
    EXPECT_EQ(Activation(UnitKind::Binary, -0.000001, 7), 0.0);
    EXPECT_EQ(Activation(UnitKind::Binary, 3, 7), 1.0);
}

TEST(Activation, SigmoidAndGaussian)
{
    EXPECT_EQ(Activation(UnitKind::IntDev, 0, 7), 0.5);
    EXPECT_EQ(Activation(UnitKind::IntDev, -1000, 7), 0.0);  // exp overflows to inf: the limit, not an error
    EXPECT_EQ(Activation(UnitKind::Value, 0, 7), 1.0);
    EXPECT_NEAR(Activation(UnitKind::Value, 1, 7), 0.0432139, 1e-7);
    EXPECT_EQ(Activation(UnitKind::Value, 1, 7), std::exp(-Pi()));
    EXPECT_EQ(Pi(), 4 * std::atan(1.0));
}

TEST(Activation, UnsetKindKeepsThePreviousActivation)
{
    NetworkState net = MakeAnd();
    net.OutputUnits[1].Activation = 0.75;
    net.Weights(1, 1) = 5;
    ComputeResponse(net, 4);
    EXPECT_EQ(net.OutputUnits[1].Activation, 0.75);
    EXPECT_EQ(net.OutputUnits[1].Error, 1 - 0.75);
}

// --- response ---

TEST(Response, ThresholdIsAddedAsABias)
{
    NetworkState net = MakeAnd();
    net.OutputUnits[1].Threshold = 0.5;
    for (long p = 1; p <= 4; ++p) {
        ComputeResponse(net, p);
        EXPECT_EQ(net.OutputUnits[1].NetInput, 0.5);
    }
}

TEST(Response, FillsNetActivationTargetAndErrorForEveryOutput)
{
    NetworkState net = MakeNetwork({{1, 2, 3}}, {{1, 0}});
    SetDefaultSettings(net);
    net.Weights(1, 1) = 0.1;
    net.Weights(2, 1) = 0.2;
    net.Weights(3, 1) = 0.3;
    net.Weights(1, 2) = -1;
    net.OutputUnits[2].Threshold = 0.25;
    net.OutputUnits[1].UnitType = UnitKind::IntDev;
    net.OutputUnits[2].UnitType = UnitKind::Binary;
    ComputeResponse(net, 1);
    // Summed in input order, threshold last: exactly these operations.
    double sum = 0;
    sum = 1 * 0.1 + sum;
    sum = 2 * 0.2 + sum;
    sum = 3 * 0.3 + sum;
    EXPECT_EQ(net.OutputUnits[1].NetInput, 0 + sum);
    EXPECT_EQ(net.OutputUnits[1].Activation, 1 / (1 + std::exp(-sum)));
    EXPECT_EQ(net.OutputUnits[1].Target, 1);
    EXPECT_EQ(net.OutputUnits[1].Error, 1 - net.OutputUnits[1].Activation);
    EXPECT_EQ(net.OutputUnits[2].NetInput, -0.75);
    EXPECT_EQ(net.OutputUnits[2].Activation, 0);
    EXPECT_EQ(net.InputUnits[3].Activation, 3);
}

// --- error measures ---

TEST(Measures, HitIsStrictlyBelowTheCriterion)
{
    NetworkState net = MakeNetwork({{0}}, {{0.1, 0.0999}});
    net.MinError = 0.01;
    net.OutputUnits[1].Activation = 0;
    net.OutputUnits[2].Activation = 0;
    ComputeResponse(net, 1);  // unset kinds keep activation 0: errors 0.1 and 0.0999
    EXPECT_EQ(PatternHits(net), 1);
    EXPECT_EQ(PatternSSE(net), 0.1 * 0.1 + 0.0999 * 0.0999);
}

TEST(Measures, EvaluateTrainingSetTotalsInFileOrderAndLeavesTheLastPattern)
{
    NetworkState net = MakeAnd();
    net.MinError = 0.01;
    SetDefaultSettings(net);
    net.MinError = 0.01;
    net.OutputUnits[1].UnitType = UnitKind::Binary;
    net.OutputUnits[1].Threshold = -1.5;
    net.Weights(1, 1) = 1;
    net.Weights(2, 1) = 1;
    EvaluateTrainingSet(net);
    EXPECT_EQ(net.Hits, 4);
    EXPECT_EQ(net.TotalSSE, 0);
    EXPECT_EQ(net.OutputUnits[1].Target, 1);  // pattern 4
    net.OutputUnits[1].Threshold = 0;           // now every pattern answers 1
    EvaluateTrainingSet(net);
    EXPECT_EQ(net.Hits, 1);
    EXPECT_EQ(net.TotalSSE, 3);
}

// The response kernel sums several outputs at once; every width must give the
// plain loop's bits (each output summed over the inputs in order).
TEST(Response, BlockedSumsMatchThePlainLoopForEveryWidth)
{
    MersenneRandom random(11);
    for (long outputs : {1L, 2L, 7L, 10L, 16L, 17L, 26L, 40L}) {
        const long inputs = 37;
        std::vector<std::vector<double>> in(1, std::vector<double>(inputs));
        for (double& x : in[0])
            x = random.Next() * 4 - 2;
        NetworkState net = MakeNetwork(in, {std::vector<double>(outputs, 0.5)});
        for (long i = 1; i <= inputs; ++i)
            for (long k = 1; k <= outputs; ++k)
                net.Weights(i, k) = random.Next() - 0.5;
        for (long k = 1; k <= outputs; ++k)
            net.OutputUnits[k].Threshold = random.Next();
        ComputeResponse(net, 1);
        for (long k = 1; k <= outputs; ++k) {
            double sum = 0;
            for (long i = 1; i <= inputs; ++i)
                sum = net.InputPatterns(1, i) * net.Weights(i, k) + sum;
            sum = net.OutputUnits[k].Threshold + sum;
            EXPECT_EQ(net.OutputUnits[k].NetInput, sum) << outputs << " outputs, unit " << k;
        }
    }
}
