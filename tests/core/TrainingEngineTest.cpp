// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "NetworkBuilders.h"
#include "LearningRules.h"
#include "RecordingHost.h"
#include "Response.h"
#include "TrainingEngine.h"

using namespace vantorelle;
using vantorelle::testing::MakeAnd;
using vantorelle::testing::MakeXor;
using vantorelle::testing::EngineHost;
using vantorelle::testing::RecordingHost;

namespace {

struct Fixture : ::testing::Test {
    NetworkState net = MakeAnd();
    RecordingHost panel;
    MersenneRandom random{12345};
    EngineHost host{panel, random};
};

using Settings = Fixture;
using Engine = Fixture;

}  // namespace

// --- the settings check ---

TEST_F(Settings, DefaultsAreCopiedAndTheRunButtonsHidden)
{
    net.FreshStart = true;
    panel.boxes = {"1000", "0.50", "100", "0.02", true, false};
    ASSERT_TRUE(ValidateSettings(net, host));
    EXPECT_EQ(net.LearningRate, 0.5);
    EXPECT_EQ(net.PrintSweeps, 100);
    EXPECT_EQ(net.MinError, 0.02);
    EXPECT_EQ(net.EpochLimit, 1000);
    EXPECT_TRUE(net.StopAtMaxEpochs);
    EXPECT_FALSE(net.StopWhenAllHits);
    EXPECT_TRUE(panel.warnings.empty());
}

TEST_F(Settings, HalvesRoundToEvenAndAnEmptyHitBoxKeepsTheOldCriterion)
{
    net.FreshStart = true;
    net.MinError = 0.3;
    panel.boxes = {"2.5", "1", "4.5", "", true, true};
    ASSERT_TRUE(ValidateSettings(net, host));
    EXPECT_EQ(net.EpochLimit, 2);
    EXPECT_EQ(net.PrintSweeps, 4);
    EXPECT_EQ(net.MinError, 0.3);
    net.FreshStart = false;
    net.EpochCount = 1200;
    panel.boxes.Sweeps = "500";
    ASSERT_TRUE(ValidateSettings(net, host));
    EXPECT_EQ(net.EpochLimit, 1700);
}

TEST_F(Settings, TheThreeWarningsAndTheirCorrections)
{
    panel.boxes = {"0", "0.5", "100", "0.01", true, true};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_EQ(panel.boxes.Sweeps, "1");
    ASSERT_EQ(panel.warnings.size(), 1u);
    EXPECT_EQ(panel.warnings[0], "Maximum Epochs|Maximum number of training epochs must be greater than zero.");

    panel.boxes = {"0", "0.5", "100", "0.01", false, true};  // not checked: not looked at
    EXPECT_TRUE(ValidateSettings(net, host));

    panel.boxes = {"10", "0.5", "100", "0.01", false, false};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_TRUE(panel.boxes.StopAtMaxEpochs && panel.boxes.StopWhenAllHits);
    EXPECT_EQ(panel.warnings.back(),
              "No stopping method set|At least one box for method of ending training must be checked.");
    EXPECT_FALSE(net.StopAtMaxEpochs);  // copied before the check failed

    panel.boxes = {"10", "-0.2", "100", "0.01", true, true};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_EQ(panel.boxes.LRate, "0.10");
    EXPECT_EQ(net.LearningRate, 0.1);
    EXPECT_EQ(panel.warnings.back(), "Learning Rate|Learning rate cannot be negative");
    EXPECT_TRUE(panel.errors.empty());
}

TEST_F(Settings, LimitsThatWouldNeverEndARunAreRefused)
{
    // An epoch box below one half rounds to no epochs.
    panel.boxes = {"0.4", "0.5", "100", "0.01", true, false};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_EQ(panel.boxes.Sweeps, "1");
    EXPECT_EQ(panel.warnings.back().substr(0, 15), "Maximum Epochs|");
    // A display interval that rounds below one.
    panel.boxes = {"10", "0.5", "0.4", "0.01", true, true};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_EQ(panel.boxes.PrintSweeps, "1");
    EXPECT_EQ(panel.warnings.back(), std::string("Display Interval|") + text::DisplayIntervalMessage);
    panel.boxes = {"10", "0.5", "-3", "0.01", true, true};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_EQ(panel.warnings.size(), 3u);
    EXPECT_TRUE(panel.errors.empty());
}

TEST_F(Settings, TextThatIsNotANumberGivesTheGeneralErrorReport)
{
    panel.boxes = {"ten", "0.5", "100", "0.01", false, true};  // read whichever boxes are checked
    EXPECT_FALSE(ValidateSettings(net, host));
    ASSERT_EQ(panel.errors.size(), 1u);
    EXPECT_EQ(panel.errors[0].find("This version of the code has encountered an error.\r"), 0u);
    EXPECT_NE(panel.errors[0].find("\"ten\""), std::string::npos);
    EXPECT_EQ(panel.errors[0].back(), '\r');

    panel.boxes = {"10", "0.5", "abc", "0.01", true, true};
    net.LearningRate = 0.9;
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_EQ(net.LearningRate, 0.5);  // copied before the failing box
    panel.boxes = {"1e30", "0.5", "100", "0.01", true, true};
    EXPECT_FALSE(ValidateSettings(net, host));
    EXPECT_NE(panel.errors.back().find("too large"), std::string::npos);
    EXPECT_EQ(panel.errors.size(), 3u);
    EXPECT_TRUE(panel.warnings.empty());
}

// Where "." groups thousands, a typed "0.3" is no number at all: the run is
// refused with the box's report, never trained at a rate of 3.
TEST_F(Settings, AGermanRateWithAPointIsRefusedNotReadAsThree)
{
    panel.locale = NumberLocale{",", "."};
    EngineHost& german = host;
    panel.boxes = {"10", "0.3", "100", "0,01", true, true};
    net.LearningRate = 0.5;
    EXPECT_FALSE(ValidateSettings(net, german));
    ASSERT_EQ(panel.errors.size(), 1u);
    EXPECT_NE(panel.errors[0].find("\"0.3\""), std::string::npos);
    EXPECT_EQ(net.LearningRate, 0.5);
    panel.boxes.LRate = "0,3";
    EXPECT_TRUE(ValidateSettings(net, german));
    EXPECT_EQ(net.LearningRate, 0.3);
}

// --- runs ---

TEST_F(Engine, HistoryRowsWithTheRepeatedLastRecord)
{
    net.LearningRule = RuleKind::Gradient;
    panel.boxes = {"1000", "0.5", "100", "0.01", true, false};
    StartTraining(net, host);
    EXPECT_EQ(net.EpochCount, 1000);
    ASSERT_EQ(net.SSERecordCount, 12);
    for (int r = 1; r <= 11; ++r)
        EXPECT_EQ(net.SSEHistory[r].Epochs, 100.0 * (r - 1));
    EXPECT_EQ(net.SSEHistory[12].Epochs, 1000);
    EXPECT_EQ(net.SSEHistory[12].SSE, net.SSEHistory[11].SSE);
    EXPECT_EQ(panel.shown.size(), 11u);  // ten displays and the final one
    EXPECT_TRUE(panel.shown.back().final);
    EXPECT_EQ(panel.progressMaximum, 1000);
    EXPECT_EQ(panel.progressValue, 1000);
}

// A view copies the network between two epochs: each look must find the
// epoch just ended whole, its totals those of the report before it.
TEST_F(Engine, ObserversSeeTheWholeNetworkBetweenEveryTwoEpochs)
{
    struct Looker : RecordingHost {
        std::vector<long> epochsSeen;
        long lastReported = -1;
        bool totalsMatched = true;
        void EpochEnded(const EpochReport& report) override
        {
            RecordingHost::EpochEnded(report);
            lastReported = report.Epoch;
        }
        void BetweenEpochs(const NetworkState& seen) override
        {
            epochsSeen.push_back(seen.EpochCount);
            totalsMatched = totalsMatched && seen.EpochCount == lastReported;
        }
    } looker;
    looker.boxes = {"7", "0.5", "3", "0.01", true, false};
    EngineHost lookingHost{looker, random};
    StartTraining(net, lookingHost);
    EXPECT_EQ(looker.epochsSeen, (std::vector<long>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(looker.totalsMatched);
}

TEST_F(Engine, RowOneIsTheUntrainedNetworkUnderTheRulesUnitKind)
{
    // Thresholds 0, weights drawn: under Binary units the untrained AND net
    // answers 1 or 0 per pattern, never the empty kind's stale 0.
    net.WeightMin = net.WeightMax = 0;  // every net input 0: Binary answers 1
    panel.boxes = {"1", "0.5", "100", "0.01", true, false};
    StartTraining(net, host);
    EXPECT_EQ(net.SSEHistory[1].Epochs, 0);
    EXPECT_EQ(net.SSEHistory[1].SSE, 3.0);  // three patterns want 0
}

TEST_F(Engine, EveryEpochDisplayedLeavesBoxThreeOutAtEpochOne)
{
    panel.boxes = {"3", "0.5", "1", "0.01", true, false};
    StartTraining(net, host);
    ASSERT_EQ(panel.shown.size(), 4u);
    EXPECT_EQ(panel.shown[0].lines.Epochs, "Epochs: 1");
    EXPECT_TRUE(panel.shown[0].lines.Change.empty());
    EXPECT_EQ(panel.shown[0].lines.ChangeColour, StatusColour::Unchanged);
    EXPECT_EQ(panel.shown[1].lines.Change.substr(0, 15), "Change in SSE: ");
    EXPECT_NE(panel.shown[1].lines.ChangeColour, StatusColour::Unchanged);
    EXPECT_EQ(net.SSERecordCount, 5);  // rows 0, 1, 2, 3 and 3 again
    EXPECT_EQ(net.SSEHistory[5].Epochs, 3);
}

TEST_F(Engine, FinalDisplayLinesAndColours)
{
    net.LearningRule = RuleKind::Delta;
    panel.boxes = {"1000", "0.5", "100", "0.01", true, true};
    StartTraining(net, host);
    ASSERT_EQ(net.Hits, 4);  // AND is learnable
    const StatusLines& f = panel.Final();
    EXPECT_EQ(f.Epochs, "Epochs: " + std::to_string(net.EpochCount));
    EXPECT_EQ(f.TotalSSE, "Total SSE: 0.00");
    EXPECT_EQ(f.Hits, "  Hits: 4.00");
    EXPECT_EQ(f.Misses, "Misses: 0.00");
    EXPECT_EQ(f.HitsColour, StatusColour::Green);
    EXPECT_EQ(f.ChangeColour, StatusColour::Unchanged);
    // AND is learnt well before the first display at epoch 100, so the change
    // line still holds the zero it started with.
    ASSERT_GT(net.EpochCount, 1);
    ASSERT_LT(net.EpochCount, 100);
    EXPECT_EQ(f.Change, "Change in SSE: 0.00E+00");
}

TEST_F(Engine, FirstDisplayOfAPageComparesWithZero)
{
    net = MakeXor();
    panel.boxes = {"10", "0.5", "5", "0.01", true, false};
    StartTraining(net, host);
    ASSERT_GT(panel.shown.size(), 1u);
    const StatusLines& first = panel.shown[0].lines;
    EXPECT_EQ(first.Epochs, "Epochs: 5");
    EXPECT_EQ(first.ChangeColour, StatusColour::Red);  // 0 - TotalSSE < 0
    EXPECT_EQ(first.Change[15], '-');
    EXPECT_EQ(panel.Final().HitsColour, StatusColour::Red);  // XOR is never all hits
}

TEST_F(Engine, ContinueTrainingAddsTheBoxsEpochs)
{
    panel.boxes = {"1200", "0.5", "100", "0.01", true, false};
    StartTraining(net, host);
    ASSERT_EQ(net.EpochCount, 1200);
    const int rows = net.SSERecordCount;
    panel.boxes.Sweeps = "500";
    EXPECT_TRUE(ContinueTraining(net, host));
    EXPECT_EQ(net.EpochCount, 1700);
    EXPECT_EQ(panel.progressMaximum, 500);  // only this run's epochs
    EXPECT_EQ(panel.progressValue, 500);
    EXPECT_GT(net.SSERecordCount, rows);
    EXPECT_EQ(net.SSEHistory[rows + 1].Epochs, 1300);
}

// Continuing starts from the weights the last run left: one more epoch from
// them, by hand, gives exactly what Continue Training leaves.
TEST_F(Engine, ContinueTrainingKeepsTheWeights)
{
    net.RandomizeOrder = false;
    panel.boxes = {"7", "0.5", "100", "0.01", true, false};
    ASSERT_TRUE(StartTraining(net, host));
    NetworkState byHand = net;
    panel.boxes.Sweeps = "1";
    ASSERT_TRUE(ContinueTraining(net, host));
    SetUnitTypes(byHand, UnitKind::Binary);
    ShufflePatterns(byHand, random);
    SweepWorkspace work;
    TrainingSweep(byHand, RuleKind::Delta, work);
    for (long i = 1; i <= net.NumInputs; ++i)
        EXPECT_EQ(net.Weights(i, 1), byHand.Weights(i, 1));
    EXPECT_EQ(net.OutputUnits[1].Threshold, byHand.OutputUnits[1].Threshold);
}

// A refused fresh start has drawn new weights: the buttons that would act on
// them as if trained stay hidden.
TEST_F(Engine, ARefusedFreshStartHidesTheRunButtons)
{
    panel.boxes = {"20", "0.5", "100", "0.01", true, true};
    ASSERT_TRUE(StartTraining(net, host));
    panel.boxes.LRate = "-1";
    EXPECT_FALSE(StartTraining(net, host));
    EXPECT_EQ(panel.warnings.size(), 1u);
}

// After a new file on the generalization page (no fresh start, no epochs), a
// run begins a new history from the current weights.
TEST_F(Engine, ANewHistoryFromTheCurrentWeights)
{
    panel.boxes = {"30", "0.5", "100", "0.01", true, false};
    ASSERT_TRUE(StartTraining(net, host));
    const Matrix trained = net.Weights;
    const double sseBefore = TrainingSetSSE(net);
    net.FreshStart = false;
    net.EpochCount = 0;
    panel.boxes.Sweeps = "5";
    ASSERT_TRUE(ContinueTraining(net, host));
    EXPECT_EQ(net.EpochCount, 5);
    EXPECT_EQ(net.SSEHistory[1].Epochs, 0);
    EXPECT_EQ(net.SSEHistory[1].SSE, sseBefore);  // row 1 is the current weights, not new ones
    EXPECT_EQ(net.SSEHistory[2].Epochs, 5);
    EXPECT_EQ(net.SSERecordCount, 2);
    (void)trained;
}

// A pattern table of other sizes than the units and weights is refused, not
// indexed past.
TEST_F(Engine, MismatchedSizesAreRefusedBeforeAnyIndexing)
{
    panel.boxes = {"20", "0.5", "100", "0.01", true, true};
    net.NumInputs = 5;  // as if a file of other sizes had been read without resizing
    EXPECT_FALSE(StartTraining(net, host));
    EXPECT_FALSE(ContinueTraining(net, host));
    ASSERT_EQ(panel.errors.size(), 2u);
    EXPECT_EQ(panel.errors[0], text::MismatchedSizesMessage());
}

TEST_F(Engine, AllHitsInTheFirstEpochStopAfterOne)
{
    // Weights 1 and thresholds -1.5 already compute AND; rate 0 keeps them.
    net.WeightMin = net.WeightMax = 1;
    net.WeightSign = StartSign::Pos;
    net.ThresholdMin = net.ThresholdMax = -1.5;
    net.ThresholdSign = StartSign::Neg;
    panel.boxes = {"100", "0", "10", "0.01", true, true};
    StartTraining(net, host);
    EXPECT_EQ(net.EpochCount, 1);
    EXPECT_EQ(net.Hits, 4);
    EXPECT_EQ(panel.Final().HitsColour, StatusColour::Green);
    EXPECT_TRUE(panel.Final().Change.empty());  // box 3 only after more than one epoch
}

TEST_F(Engine, HistoryStopsAtTwoThousandRowsButDisplaysGoOn)
{
    panel.boxes = {"2100", "0.5", "1", "0.01", true, false};
    StartTraining(net, host);
    EXPECT_EQ(net.SSERecordCount, 2000);
    EXPECT_EQ(net.SSEHistory[2000].Epochs, 1999);
    EXPECT_EQ(panel.shown.size(), 2101u);
    // Rows at epochs 0 to 2100 and the final record (2100 again) would have
    // been kept: 2000 of 2102.
    EXPECT_EQ(net.SSERecordsDropped, 102);

    // Continuing counts on (a display at epoch 2120, a final record at 2125);
    // a new history starts the count again.
    panel.boxes = {"25", "0.5", "20", "0.01", true, false};
    ASSERT_TRUE(ContinueTraining(net, host));
    EXPECT_EQ(net.SSERecordsDropped, 104);
    panel.boxes = {"3", "0.5", "1", "0.01", true, false};
    ASSERT_TRUE(StartTraining(net, host));
    EXPECT_EQ(net.SSERecordCount, 5);
    EXPECT_EQ(net.SSERecordsDropped, 0);
}

TEST_F(Engine, ARunawayRunStopsWhenAsked)
{
    net = MakeXor();
    panel.boxes = {"0", "0.5", "100", "0.01", false, true};  // all-hits only: never met
    panel.stopAfterAsks = 250;
    StartTraining(net, host);
    EXPECT_EQ(net.EpochCount, 250);
    EXPECT_TRUE(panel.shown.back().final);
    EXPECT_EQ(net.SSEHistory[net.SSERecordCount].Epochs, 250);
}

TEST_F(Engine, NonFiniteWeightsEndTheRunWithAMessage)
{
    // Two identical inputs that want different answers: the delta rule's
    // step of rate * 1e300 overflows at once.
    net = vantorelle::testing::MakeNetwork({{1e300}, {1e300}}, {{1}, {0}});
    panel.boxes = {"1000", "1e10", "100", "0.01", true, false};
    StartTraining(net, host);
    EXPECT_LT(net.EpochCount, 1000);
    ASSERT_EQ(panel.errors.size(), 1u);
    EXPECT_NE(panel.errors[0].find("no longer a finite number"), std::string::npos);
    EXPECT_TRUE(panel.shown.back().final);
}

TEST_F(Engine, ValueRuleOverflowIsReportedOncePerRunAndTrainingGoesOn)
{
    net = vantorelle::testing::MakeNetwork({{1e200}, {1}}, {{1}, {0}});
    net.LearningRule = RuleKind::Tarvik;
    net.WeightMin = net.WeightMax = 1e-200;
    panel.boxes = {"20", "1e200", "5", "0.01", true, false};
    StartTraining(net, host);
    EXPECT_EQ(net.EpochCount, 20);
    ASSERT_EQ(panel.errors.size(), 1u);
    EXPECT_EQ(panel.errors[0], text::OverflowMessage());
    EXPECT_EQ(panel.errors[0],
              "Overflow error: \rAn overflow error has occured.\rPlease consider decreasing the learning rate "
              "and trying again.\r");
}

TEST_F(Engine, SameSeedSameBits)
{
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        NetworkState a = MakeXor(), b = MakeXor();
        a.LearningRule = b.LearningRule = rule;
        RecordingHost pa, pb;
        pa.boxes = pb.boxes = {"300", "0.3", "50", "0.01", true, false};
        MersenneRandom ra(99), rb(99);
        EngineHost ha{pa, ra}, hb{pb, rb};
        StartTraining(a, ha);
        StartTraining(b, hb);
        EXPECT_EQ(a.TotalSSE, b.TotalSSE);
        EXPECT_EQ(a.Weights(1, 1), b.Weights(1, 1));
        EXPECT_EQ(a.OutputUnits[1].Threshold, b.OutputUnits[1].Threshold);
    }
}

TEST(Shuffle, FileOrderOrAPermutation)
{
    NetworkState net = vantorelle::testing::MakeNetwork({{0}, {1}, {2}, {3}, {4}, {5}}, {{0}, {0}, {0}, {0}, {0}, {0}});
    MersenneRandom r(3);
    net.RandomizeOrder = false;
    ShufflePatterns(net, r);
    for (long i = 1; i <= 6; ++i)
        EXPECT_EQ(net.PatternOrder[i], i);
    net.RandomizeOrder = true;
    bool moved = false;
    for (int n = 0; n < 20; ++n) {
        ShufflePatterns(net, r);
        std::vector<long> seen(net.PatternOrder.begin() + 1, net.PatternOrder.end());
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, (std::vector<long>{1, 2, 3, 4, 5, 6}));
        for (long i = 1; i <= 6; ++i)
            moved = moved || net.PatternOrder[i] != i;
    }
    EXPECT_TRUE(moved);
}

// The sweep updates the weights and sums the next pattern's net inputs in one
// pass; it must leave exactly what presenting the patterns one by one and
// applying the plain per-unit rules leaves.
TEST(Sweep, MatchesThePlainRulesBitForBit)
{
    MersenneRandom random(5);
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        for (long outputs : {1L, 3L, 10L, 17L}) {
            const long inputs = 9;
            const long patterns = 12;
            std::vector<std::vector<double>> in(patterns, std::vector<double>(inputs));
            std::vector<std::vector<double>> out(patterns, std::vector<double>(outputs));
            for (auto& row : in)
                for (double& x : row)
                    x = random.Next() * 2 - 1;
            for (auto& row : out)
                for (double& t : row)
                    t = random.Next() < 0.5 ? 0 : 1;
            NetworkState plain = vantorelle::testing::MakeNetwork(in, out);
            plain.LearningRate = 0.7;
            plain.FreezeThresholds = outputs == 3;
            for (long i = 1; i <= inputs; ++i)
                for (long k = 1; k <= outputs; ++k)
                    plain.Weights(i, k) = random.Next() - 0.5;
            SetUnitTypes(plain, UnitKindForRule(rule));
            ShufflePatterns(plain, random);
            NetworkState swept = plain;
            const Matrix startWeights = plain.Weights;

            for (int epoch = 0; epoch < 3; ++epoch) {
                for (long j = 1; j <= patterns; ++j) {
                    ComputeResponse(plain, plain.PatternOrder[j]);
                    for (long k = 1; k <= outputs; ++k)
                        StepOutputUnit(plain, rule, k);
                }
                SweepWorkspace work;
                TrainingSweep(swept, rule, work);
            }
            SCOPED_TRACE(::testing::Message() << "rule " << static_cast<int>(rule) << ", outputs " << outputs);
            for (long i = 1; i <= inputs; ++i) {
                EXPECT_EQ(plain.InputUnits[i].Activation, swept.InputUnits[i].Activation);
                for (long k = 1; k <= outputs; ++k)
                    ASSERT_EQ(plain.Weights(i, k), swept.Weights(i, k)) << i << "," << k;
            }
            for (long k = 1; k <= outputs; ++k) {
                const Unit& a = plain.OutputUnits[k];
                const Unit& b = swept.OutputUnits[k];
                EXPECT_EQ(a.Threshold, b.Threshold);
                EXPECT_EQ(a.NetInput, b.NetInput);
                EXPECT_EQ(a.Activation, b.Activation);
                EXPECT_EQ(a.Error, b.Error);
            }
            bool trained = false;  // the comparison means nothing if no rule changed a weight
            for (long i = 1; i <= inputs; ++i)
                for (long k = 1; k <= outputs; ++k)
                    trained = trained || plain.Weights(i, k) != startWeights(i, k);
            EXPECT_TRUE(trained);
        }
    }
}
