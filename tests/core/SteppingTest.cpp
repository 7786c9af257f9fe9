// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping through a run one pattern at a time: the same bits as a whole run
// under every rule and every sweep path, and each step told as it happened.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "NetworkBuilders.h"
#include "RecordingHost.h"
#include "StepExplanation.h"
#include "TrainingEngine.h"

using namespace vantorelle;
using vantorelle::testing::EngineHost;
using vantorelle::testing::MakeAnd;
using vantorelle::testing::MakeNetwork;
using vantorelle::testing::RecordingHost;

namespace {

// Steps the epochs `stepEpoch` picks, checking every step it is told of
// against the weights before and after it.
class SteppingHost : public RecordingHost {
public:
    std::function<bool(long epoch)> stepEpoch = [](long) { return true; };
    long epochsStarted = 0;
    long stepsTold = 0;
    std::vector<long> positions;

    bool WantsPatternSteps() override { return stepEpoch(++epochsStarted); }
    void PatternPresented(const PatternStep& step, const NetworkState& net) override
    {
        ++stepsTold;
        positions.push_back(step.Position);
        EXPECT_EQ(step.Pattern, net.PatternOrder[step.Position]);
        EXPECT_EQ(step.Epoch, net.EpochCount);
        for (long k = 1; k <= net.NumOutputs; ++k) {
            const OutputUnitStep& u = step.Outputs[k];
            if (u.Overflowed)
                continue;
            // The rule's formula, to the bit.
            for (long i = 1; i <= net.NumInputs; ++i)
                ASSERT_EQ(Bits(net.Weights(i, k)), Bits(u.Coefficient * step.Inputs[i] + step.WeightsBefore(i, k)))
                    << "weight " << i << "," << k;
            const double threshold = step.FrozenThresholds ? step.ThresholdsBefore[k]
                                                           : u.Coefficient + step.ThresholdsBefore[k];
            ASSERT_EQ(Bits(net.OutputUnits[k].Threshold), Bits(threshold)) << "threshold " << k;
            ASSERT_EQ(Bits(step.ThresholdsAfter[k]), Bits(threshold)) << "threshold after " << k;
            for (long i = 1; i <= net.NumInputs; ++i)
                ASSERT_EQ(Bits(step.WeightsAfter(i, k)), Bits(net.Weights(i, k)));
            EXPECT_EQ(u.Error, u.Target - u.Activation);
        }
    }
    static std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }
};

NetworkState RandomNetwork(long patterns, long inputs, long outputs, unsigned seed)
{
    std::mt19937 draw(seed);
    std::uniform_real_distribution<double> value(-1, 1);
    std::vector<std::vector<double>> in(patterns, std::vector<double>(inputs));
    std::vector<std::vector<double>> out(patterns, std::vector<double>(outputs));
    for (long p = 0; p < patterns; ++p) {
        for (double& x : in[p])
            x = draw() % 3 == 0 ? 0 : value(draw);  // some zeros, as real sets have
        for (double& t : out[p])
            t = draw() % 2;
    }
    return MakeNetwork(in, out);
}

struct Case {
    const char* name;
    NetworkState net;
    RuleKind rule;
    const char* rate;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        cases.push_back({"AND (the small networks' unrolled sweep)", MakeAnd(), rule, "0.5"});
        cases.push_back({"40 x 12 x 5 (the kernels' sweep)", RandomNetwork(40, 12, 5, 7), rule, "0.3"});
        cases.push_back({"300 x 30 x 3 (the step rule's side-by-side sweep)", RandomNetwork(300, 30, 3, 8), rule, "0.1"});
    }
    // Rates that overflow the value rule, which goes on after it.
    cases.push_back({"value rule overflowing", RandomNetwork(40, 12, 5, 9), RuleKind::Tarvik, "3000"});
    return cases;
}

void ExpectSameBits(const NetworkState& a, const NetworkState& b, const std::string& what)
{
    ASSERT_EQ(a.EpochCount, b.EpochCount) << what;
    EXPECT_EQ(a.Hits, b.Hits) << what;
    EXPECT_EQ(SteppingHost::Bits(a.TotalSSE), SteppingHost::Bits(b.TotalSSE)) << what;
    for (long i = 1; i <= a.NumInputs; ++i)
        for (long k = 1; k <= a.NumOutputs; ++k)
            ASSERT_EQ(SteppingHost::Bits(a.Weights(i, k)), SteppingHost::Bits(b.Weights(i, k)))
                << what << ": weight " << i << "," << k;
    for (long k = 1; k <= a.NumOutputs; ++k)
        ASSERT_EQ(SteppingHost::Bits(a.OutputUnits[k].Threshold), SteppingHost::Bits(b.OutputUnits[k].Threshold))
            << what;
    ASSERT_EQ(a.SSERecordCount, b.SSERecordCount) << what;
    for (long r = 1; r <= a.SSERecordCount; ++r)
        ASSERT_EQ(SteppingHost::Bits(a.SSEHistory[r].SSE), SteppingHost::Bits(b.SSEHistory[r].SSE)) << what;
}

// Trains `net` for 30 epochs with seed 5 under `host`.
void Train(NetworkState& net, RuleKind rule, const char* rate, RecordingHost& host)
{
    net.LearningRule = rule;
    net.RandomizeOrder = true;
    host.boxes = {"30", rate, "10", "0.01", true, false};
    MersenneRandom random(5);
    EngineHost engine{host, random};
    ASSERT_TRUE(vantorelle::testing::StartTraining(net, engine));
}

}  // namespace

TEST(Stepping, StepsGiveTheWholeRunsBitsUnderEveryRuleAndSweep)
{
    for (Case& c : Cases()) {
        const std::string what = std::string(c.name) + ", " + RuleName(c.rule);
        NetworkState whole = c.net;
        RecordingHost wholeHost;
        Train(whole, c.rule, c.rate, wholeHost);

        NetworkState stepped = c.net;
        SteppingHost steppingHost;
        Train(stepped, c.rule, c.rate, steppingHost);
        ExpectSameBits(whole, stepped, what + " (every epoch stepped)");
        EXPECT_EQ(steppingHost.stepsTold, 30 * c.net.NumPatterns) << what;
        EXPECT_EQ(steppingHost.errors, wholeHost.errors) << what;  // the overflow message, once
        if (std::string(c.rate) == "3000") {
            EXPECT_EQ(wholeHost.errors.size(), 1u) << what << ": the case should overflow";
        }

        // Stepping switched on and off between epochs, as a student does.
        NetworkState mixed = c.net;
        SteppingHost mixedHost;
        mixedHost.stepEpoch = [](long epoch) { return epoch % 3 == 1; };
        Train(mixed, c.rule, c.rate, mixedHost);
        ExpectSameBits(whole, mixed, what + " (some epochs stepped)");
        EXPECT_EQ(mixedHost.stepsTold, 10 * c.net.NumPatterns) << what;
    }
}

TEST(Stepping, ThePositionsRunThroughEachEpochInOrder)
{
    NetworkState net = MakeAnd();
    SteppingHost host;
    Train(net, RuleKind::Delta, "0.5", host);
    ASSERT_EQ(host.positions.size(), 120u);
    for (std::size_t j = 0; j < host.positions.size(); ++j)
        EXPECT_EQ(host.positions[j], static_cast<long>(j % 4) + 1);
}

// The explanation writes the rule's own formula with the run's numbers.
TEST(StepExplanation, EachRuleShowsItsFormulaWithTheNumbersUsed)
{
    PatternStep step;
    step.LearningRate = 0.5;
    step.Inputs = {0, 1, 0};
    step.Outputs.resize(2);
    step.ThresholdsBefore = {0, 0.25};
    step.WeightsBefore = Matrix(2, 1);
    step.WeightsBefore(1, 1) = -0.75;
    step.WeightsBefore(2, 1) = 0.5;
    step.WeightsAfter = step.WeightsBefore;
    step.ThresholdsAfter = step.ThresholdsBefore;

    // The step rule: net -0.5, a 0, e 1, c 0.5; w1 -0.75 -> -0.25; w2 stays.
    step.Rule = RuleKind::Delta;
    step.Outputs[1] = {-0.5, 0, 1, 1, 0.5, false};
    step.WeightsAfter(1, 1) = -0.25;
    step.ThresholdsAfter[1] = 0.75;
    const std::vector<std::string> delta = ExplainUnitStep(step, 1, NumberLocale{});
    const std::vector<std::string> expected = {
        "net = \u03a3 x\u1d62 \u00b7 w\u1d62 + \u03b8 = 1 \u00b7 (\u22120.75) + 0 \u00b7 0.5 + 0.25 = \u22120.5",
        "a = 1 if net \u2265 0, else 0: a = 0",
        "e = t \u2212 a = 1 \u2212 0 = 1",
        "c = \u03b7 \u00b7 e = 0.5 \u00b7 1 = 0.5",
        "\u0394w\u2081 = c \u00b7 x\u2081 = 0.5 \u00b7 1 = 0.5:  w\u2081 \u22120.75 \u2192 \u22120.25",
        "\u0394w\u2082 = c \u00b7 x\u2082 = 0.5 \u00b7 0 = 0:  w\u2082 0.5 (unchanged)",
        "\u0394\u03b8 = c = 0.5:  \u03b8 0.25 \u2192 0.75",
    };
    EXPECT_EQ(delta, expected);

    // The gradient rule shows the slope; the value rule g and delta. Their
    // coefficient lines end in the coefficient the run used.
    step.Rule = RuleKind::Gradient;
    step.Outputs[1] = {-0.5, 0.3775, 1, 0.6225, 0.5 * ((1 - 0.3775) * 0.3775) * 0.6225, false};
    std::vector<std::string> gradient = ExplainUnitStep(step, 1, NumberLocale{","});
    EXPECT_EQ(gradient[3], "(1 \u2212 a) \u00b7 a = (1 \u2212 0,3775) \u00b7 0,3775 = 0,235  (the sigmoid's slope)");
    EXPECT_EQ(gradient[4], "c = \u03b7 \u00b7 (1 \u2212 a) \u00b7 a \u00b7 e = 0,5 \u00b7 0,235 \u00b7 0,6225 = 0,07314");

    step.Rule = RuleKind::Tarvik;
    step.FrozenThresholds = true;
    step.Outputs[1] = {-0.5, 0.4559, 1, 0.5441, 0, true};
    const std::vector<std::string> value = ExplainUnitStep(step, 1, NumberLocale{}, 1);
    EXPECT_EQ(value[1], "a = e^(\u2212\u03c0 \u00b7 net\u00b2) = e^(\u2212\u03c0 \u00b7 (\u22120.5)\u00b2) = 0.4559");
    EXPECT_EQ(value[3], "g = \u22122\u03c0 \u00b7 net \u00b7 a = \u22122\u03c0 \u00b7 (\u22120.5) \u00b7 0.4559 = 1.432");
    EXPECT_NE(value[6].find("Overflow"), std::string::npos);
    // One weight line asked for: the rest are counted.
    EXPECT_EQ(value[8], "\u0394w\u1d62 = c \u00b7 x\u1d62: 1 of 2 weights changed (the inputs that are 0 change nothing).");
    EXPECT_EQ(value.back(), "\u03b8 is frozen: 0.25");
}
