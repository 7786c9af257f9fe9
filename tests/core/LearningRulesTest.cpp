// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "LearningRules.h"
#include "NetworkBuilders.h"
#include "Response.h"
#include "TrainingEngine.h"

using namespace vantorelle;
using vantorelle::testing::MakeNetwork;

namespace {

NetworkState OneUnit(std::vector<double> x, double target, UnitKind kind, double rate)
{
    NetworkState net = MakeNetwork({x}, {{target}});
    net.LearningRate = rate;
    net.OutputUnits[1].UnitType = kind;
    return net;
}

// Squared error of pattern 1 as a function of weight i of unit 1 (i = 0: the threshold).
double ErrorAt(NetworkState net, long i, double value)
{
    if (i == 0)
        net.OutputUnits[1].Threshold = value;
    else
        net.Weights(i, 1) = value;
    ComputeResponse(net, 1);
    return PatternSSE(net);
}

}  // namespace

// --- the delta rule ---

TEST(DeltaRule, StepsByRateTimesErrorTimesInput)
{
    NetworkState net = OneUnit({1, 0}, 1, UnitKind::Binary, 0.5);
    net.OutputUnits[1].Threshold = -0.25;  // net input -0.25: answers 0, error 1
    ComputeResponse(net, 1);
    ASSERT_EQ(net.OutputUnits[1].Error, 1);
    StepOutputUnit(net, RuleKind::Delta, 1);
    EXPECT_EQ(net.Weights(1, 1), 0.5);
    EXPECT_EQ(net.Weights(2, 1), 0);
    EXPECT_EQ(net.OutputUnits[1].Threshold, 0.25);
}

TEST(DeltaRule, NoErrorNoChange)
{
    NetworkState net = OneUnit({1, 1}, 1, UnitKind::Binary, 0.5);
    net.Weights(1, 1) = 0.3;
    ComputeResponse(net, 1);
    StepOutputUnit(net, RuleKind::Delta, 1);
    EXPECT_EQ(net.Weights(1, 1), 0.3);
    EXPECT_EQ(net.OutputUnits[1].Threshold, 0);
}

// --- gradient rules against a finite-difference gradient ---

TEST(GradientRule, UsesTheSigmoidDerivative)
{
    NetworkState net = OneUnit({1}, 1, UnitKind::IntDev, 1);
    ComputeResponse(net, 1);  // net 0: a = 0.5, d = 0.25, e = 0.5
    StepOutputUnit(net, RuleKind::Gradient, 1);
    EXPECT_EQ(net.Weights(1, 1), 0.125);
    EXPECT_EQ(net.OutputUnits[1].Threshold, 0.125);
}

TEST(GradientRule, StepIsMinusHalfTheGradientOfTheSquaredError)
{
    const double rate = 0.1;
    NetworkState net = OneUnit({0.3, -0.7, 1.1}, 0.8, UnitKind::IntDev, rate);
    net.Weights(1, 1) = 0.2;
    net.Weights(2, 1) = -0.4;
    net.Weights(3, 1) = 0.05;
    net.OutputUnits[1].Threshold = 0.1;
    NetworkState before = net;
    ComputeResponse(net, 1);
    StepOutputUnit(net, RuleKind::Gradient, 1);
    const double h = 1e-6;
    double largest = 0;
    for (long i = 0; i <= 3; ++i) {
        const double w = i == 0 ? before.OutputUnits[1].Threshold : before.Weights(i, 1);
        const double gradient = (ErrorAt(before, i, w + h) - ErrorAt(before, i, w - h)) / (2 * h);
        const double step = (i == 0 ? net.OutputUnits[1].Threshold : net.Weights(i, 1)) - w;
        EXPECT_NEAR(step, -rate * gradient / 2, 1e-9) << "weight " << i;
        largest = std::max(largest, std::abs(gradient));
    }
    EXPECT_GT(largest, 1e-3);  // the check means something only with a real gradient
}

TEST(ValueUnitRule, FollowsTheGaussianGradientWhenTheTargetIsZero)
{
    // With t = 0, delta = g*e: a step down the gradient of the squared error.
    const double rate = 0.05;
    NetworkState net = OneUnit({0.6, -0.2}, 0, UnitKind::Value, rate);
    net.Weights(1, 1) = 0.4;
    net.Weights(2, 1) = 0.3;
    net.OutputUnits[1].Threshold = -0.1;
    NetworkState before = net;
    ComputeResponse(net, 1);
    ASSERT_EQ(StepOutputUnit(net, RuleKind::Tarvik, 1), RuleOutcome::Updated);
    const double h = 1e-6;
    double largest = 0;
    for (long i = 0; i <= 2; ++i) {
        const double w = i == 0 ? before.OutputUnits[1].Threshold : before.Weights(i, 1);
        const double gradient = (ErrorAt(before, i, w + h) - ErrorAt(before, i, w - h)) / (2 * h);
        const double step = (i == 0 ? net.OutputUnits[1].Threshold : net.Weights(i, 1)) - w;
        EXPECT_NEAR(step, -rate * gradient / 2, 1e-9) << "weight " << i;
        largest = std::max(largest, std::abs(gradient));
    }
    EXPECT_GT(largest, 1e-3);
}

TEST(ValueUnitRule, ZeroNetInputDoesNotLearn)
{
    NetworkState net = OneUnit({1, 1}, 0.3, UnitKind::Value, 0.5);
    ComputeResponse(net, 1);
    ASSERT_EQ(net.OutputUnits[1].NetInput, 0);
    StepOutputUnit(net, RuleKind::Tarvik, 1);
    EXPECT_EQ(net.Weights(1, 1), 0);
    EXPECT_EQ(net.OutputUnits[1].Threshold, 0);
}

TEST(ValueUnitRule, OverflowStopsTheUnitPartWay)
{
    NetworkState net = OneUnit({1, 1e300, 1}, 1, UnitKind::Value, 1e10);
    net.OutputUnits[1].Threshold = 0.5;
    ComputeResponse(net, 1);
    NetworkState fast = net;
    EXPECT_EQ(StepOutputUnit(net, RuleKind::Tarvik, 1), RuleOutcome::Overflow);
    EXPECT_NE(net.Weights(1, 1), 0);   // first weight already changed
    EXPECT_EQ(net.Weights(2, 1), 0);   // the overflowing one is not stored
    EXPECT_EQ(net.Weights(3, 1), 0);   // nor anything after it
    EXPECT_EQ(net.OutputUnits[1].Threshold, 0.5);
    SweepWorkspace work;
    EXPECT_EQ(ApplyRuleToAllOutputs(fast, RuleKind::Tarvik, work), RuleOutcome::Overflow);
    for (long i = 1; i <= 3; ++i)
        EXPECT_EQ(fast.Weights(i, 1), net.Weights(i, 1));
    EXPECT_EQ(fast.OutputUnits[1].Threshold, 0.5);
}

TEST(Rules, FrozenThresholdsStayPut)
{
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        NetworkState net = OneUnit({1, 0.5}, 1, UnitKindForRule(rule), 0.5);
        net.FreezeThresholds = true;
        net.OutputUnits[1].Threshold = -0.3;
        net.Weights(1, 1) = 0.2;
        ComputeResponse(net, 1);
        SweepWorkspace work;
        ApplyRuleToAllOutputs(net, rule, work);
        EXPECT_EQ(net.OutputUnits[1].Threshold, -0.3);
        EXPECT_NE(net.Weights(1, 1), 0.2);
    }
}

// The row-by-row sweep the engine uses must give the per-unit rules' bits.
TEST(Rules, BatchedSweepMatchesThePerUnitRulesBitForBit)
{
    std::vector<std::vector<double>> in = {{0.3, -1.2, 0.7, 2.0, 0.0}};
    std::vector<std::vector<double>> out = {{1, 0, 0.5, 0.2}};
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        NetworkState a = MakeNetwork(in, out);
        a.LearningRate = 0.37;
        for (long i = 1; i <= 5; ++i)
            for (long k = 1; k <= 4; ++k)
                a.Weights(i, k) = 0.1 * i - 0.07 * k;
        for (long k = 1; k <= 4; ++k) {
            a.OutputUnits[k].UnitType = UnitKindForRule(rule);
            a.OutputUnits[k].Threshold = 0.05 * k;
        }
        ComputeResponse(a, 1);
        NetworkState b = a;
        for (long k = 1; k <= 4; ++k)
            StepOutputUnit(a, rule, k);
        SweepWorkspace work;
        ApplyRuleToAllOutputs(b, rule, work);
        for (long i = 1; i <= 5; ++i)
            for (long k = 1; k <= 4; ++k)
                EXPECT_EQ(a.Weights(i, k), b.Weights(i, k));
        for (long k = 1; k <= 4; ++k)
            EXPECT_EQ(a.OutputUnits[k].Threshold, b.OutputUnits[k].Threshold);
    }
}

// After an overflow the run goes on and the checked path runs for every
// pattern: it must still give the per-unit rule's bits, unit by unit, wherever
// each unit stops (at a weight row, at its threshold, or at once for a
// coefficient that is not finite), and the guard must stay an upper bound.
TEST(ValueUnitRule, CheckedStepsAfterOverflowMatchThePerUnitRule)
{
    const double big = 1e306;
    // Units whose threshold is near 1e303 take steps near 1e306: they stop at
    // the row whose input is 1e3 and must then keep the rows after it, whose
    // small inputs would give finite values; units with weights near 1e306
    // get coefficients that are not finite and change nothing.
    std::vector<std::vector<double>> in = {{1, 1e3, 1, 1, 0}, {0.5, -3, -2e3, 1, 0}, {1, 1, 1, 1, 1}};
    std::vector<std::vector<double>> out = {{1, 0, 1, 0, 1, 0}, {0, 1, 0, 1, 0, 1}, {1, 1, 0, 0, 1, 1}};
    for (bool frozen : {false, true}) {
        NetworkState perUnit = MakeNetwork(in, out);
        perUnit.LearningRate = 1e3;
        perUnit.FreezeThresholds = frozen;
        for (long k = 1; k <= 6; ++k) {
            perUnit.OutputUnits[k].UnitType = UnitKind::Value;
            perUnit.OutputUnits[k].Threshold = k % 2 ? 1e303 : -0.25 * k;
            for (long i = 1; i <= 5; ++i)
                perUnit.Weights(i, k) = (k % 3 == 0 ? big : 1e-3) * (i % 2 ? 1 : -1) / k;
        }
        NetworkState batched = perUnit;
        SweepWorkspace work;
        OverflowGuard guard = MakeOverflowGuard(batched, LargestInputMagnitude(batched));
        int overflows = 0;
        for (int round = 0; round < 4; ++round) {
            for (long p = 1; p <= 3; ++p) {
                ComputeResponse(perUnit, p);
                ComputeResponse(batched, p);
                RuleOutcome expected = RuleOutcome::Updated;
                for (long k = 1; k <= 6; ++k)
                    if (StepOutputUnit(perUnit, RuleKind::Tarvik, k) == RuleOutcome::Overflow)
                        expected = RuleOutcome::Overflow;
                ASSERT_EQ(ApplyRuleToAllOutputs(batched, RuleKind::Tarvik, work, &guard), expected)
                    << "round " << round << " pattern " << p;
                overflows += expected == RuleOutcome::Overflow;
                double largest = 0;
                for (long k = 1; k <= 6; ++k) {
                    for (long i = 1; i <= 5; ++i) {
                        ASSERT_EQ(std::bit_cast<std::uint64_t>(batched.Weights(i, k)),
                                  std::bit_cast<std::uint64_t>(perUnit.Weights(i, k)))
                            << "weight " << i << "," << k << " round " << round << " pattern " << p;
                        largest = std::max(largest, std::fabs(batched.Weights(i, k)));
                    }
                    ASSERT_EQ(batched.OutputUnits[k].Threshold, perUnit.OutputUnits[k].Threshold) << "unit " << k;
                    largest = std::max(largest, std::fabs(batched.OutputUnits[k].Threshold));
                }
                ASSERT_GE(guard.weightBound, largest);
            }
        }
        EXPECT_GE(overflows, 6) << "the case should overflow on most patterns";
    }
}

TEST(Rules, NamesAndKinds)
{
    EXPECT_EQ(RuleKindFromName("Delta"), RuleKind::Delta);
    EXPECT_EQ(RuleKindFromName("Gradient"), RuleKind::Gradient);
    EXPECT_EQ(RuleKindFromName("Tarvik"), RuleKind::Tarvik);
    EXPECT_EQ(RuleKindFromName("delta"), RuleKind::None);  // identifiers compare exactly
    for (RuleKind rule : {RuleKind::None, RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik})
        EXPECT_EQ(RuleKindFromName(RuleName(rule)), rule);
    for (StartSign sign : {StartSign::None, StartSign::Pos, StartSign::Neg, StartSign::Both})
        EXPECT_EQ(StartSignFromName(SignName(sign)), sign);
    EXPECT_EQ(StartSignFromName("both"), StartSign::None);
    EXPECT_STREQ(UnitKindName(UnitKindForRule(RuleKind::Delta)), "Binary");
    EXPECT_STREQ(UnitKindName(UnitKindForRule(RuleKind::Gradient)), "IntDev");
    EXPECT_STREQ(UnitKindName(UnitKindForRule(RuleKind::Tarvik)), "Value");
    EXPECT_STREQ(UnitKindName(UnitKind::None), "");
}

// The engine's sweep skips the value rule's checks while a bound allows; with
// and without overflow it must agree with the plain rule, weight for weight.
TEST(Rules, GuardedValueSweepMatchesThePlainRule)
{
    for (double rate : {0.1, 1e100}) {
        NetworkState plain = MakeNetwork({{0.5, 1, -2}, {1e100, 2, 0.1}, {0.3, 1e200, 1}, {-1, 0.2, 0.7}},
                                         {{0.5, 0}, {1, 0.2}, {0, 1}, {0.9, 0.1}});
        plain.LearningRate = rate;
        for (long i = 1; i <= 3; ++i)
            for (long k = 1; k <= 2; ++k)
                plain.Weights(i, k) = 1e-3 * i - 2e-3 * k;
        SetUnitTypes(plain, UnitKind::Value);
        for (long p = 1; p <= 4; ++p)
            plain.PatternOrder[p] = p;
        NetworkState swept = plain;

        bool overflowed = false;
        for (long p = 1; p <= 4; ++p) {
            ComputeResponse(plain, p);
            for (long k = 1; k <= 2; ++k)
                overflowed = (StepOutputUnit(plain, RuleKind::Tarvik, k) == RuleOutcome::Overflow) || overflowed;
        }
        SweepWorkspace work;
        EXPECT_EQ(TrainingSweep(swept, RuleKind::Tarvik, work) == RuleOutcome::Overflow, overflowed);
        if (rate > 1) {
            EXPECT_TRUE(overflowed);
        }
        for (long i = 1; i <= 3; ++i)
            for (long k = 1; k <= 2; ++k)
                EXPECT_EQ(plain.Weights(i, k), swept.Weights(i, k)) << rate << " " << i << "," << k;
        for (long k = 1; k <= 2; ++k)
            EXPECT_EQ(plain.OutputUnits[k].Threshold, swept.OutputUnits[k].Threshold);
    }
}
