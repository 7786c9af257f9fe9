// SPDX-License-Identifier: GPL-3.0-or-later
// Kept runs: the curve of every epoch as the engine's own history has it,
// thinned evenly for long runs; runs side by side with exactly the rows that
// differ marked; the confusion counts of a training file and a test file.

#include <gtest/gtest.h>

#include "FileConfusions.h"
#include "KeptRun.h"
#include "NetworkBuilders.h"
#include "TrainingEngine.h"

using namespace vantorelle;

namespace {

// Forwards each epoch to a trace, as the window's run does.
class TracingObserver : public RunObserver {
public:
    RunTrace trace;
    void EpochEnded(const EpochReport& report) override { trace.EpochEnded(report); }
    void RunEnded(const EpochReport&) override {}
    void Problem(const RunProblem&) override {}
    bool StopRequested() override { return false; }
};

SettingsInput Input(const char* epochs, const char* rate, const char* printEvery)
{
    NumberLocale c;
    return {EnteredNumber::FromText(epochs, c), EnteredNumber::FromText(rate, c),
            EnteredNumber::FromText(printEvery, c), EnteredNumber::FromText("0.01", c), true, true};
}

// AND trained from `seed`, kept as the window keeps a run.
KeptRun TrainedAnd(RuleKind rule, const char* rate, std::uint64_t seed)
{
    NetworkState net = vantorelle::testing::MakeAnd();
    net.LearningRule = rule;
    MersenneRandom random(seed);
    TracingObserver observer;
    double lastPrinted = 0;
    EXPECT_FALSE(StartTraining(net, Input("3000", rate, "1"), random, observer, lastPrinted));
    KeptRun run;
    run.Saved.net = net;
    run.Saved.random = random.State();
    run.Trace.Curve.Add(0, net.SSEHistory[1].SSE);
    run.Trace.Append(observer.trace);
    return run;
}

const SideBySideRow& RowNamed(const std::vector<SideBySideRow>& rows, const std::string& label)
{
    for (const SideBySideRow& row : rows)
        if (row.Label == label)
            return row;
    ADD_FAILURE() << "no row " << label;
    return rows.front();
}

}  // namespace

// the curve

TEST(KeptRun, TheCurveHoldsEveryEpochAsTheEnginesOwnHistoryRecordsIt)
{
    // Displayed every epoch, the engine's history records every epoch too:
    // an independent account of the same numbers.
    const KeptRun run = TrainedAnd(RuleKind::Gradient, "0.5", 11);
    const NetworkState& net = run.Saved.net;
    ASSERT_GT(net.EpochCount, 100);
    ASSERT_LE(net.EpochCount, MaxHistoryRows - 1);
    const std::vector<HistoryRow> points = run.Trace.Curve.Points();
    ASSERT_EQ(static_cast<long>(points.size()), net.EpochCount + 1);
    // (The history repeats the last epoch once more as the run's closing record.)
    ASSERT_GE(net.SSERecordCount, net.EpochCount + 1);
    for (int r = 1; r <= net.EpochCount + 1; ++r) {
        EXPECT_EQ(points[static_cast<std::size_t>(r - 1)].Epochs, net.SSEHistory[static_cast<std::size_t>(r)].Epochs);
        EXPECT_EQ(points[static_cast<std::size_t>(r - 1)].SSE, net.SSEHistory[static_cast<std::size_t>(r)].SSE);
    }
    // Stopped at all hits: the first epoch of all hits is the last.
    ASSERT_TRUE(run.Trace.EpochsToAllHits);
    EXPECT_EQ(*run.Trace.EpochsToAllHits, net.EpochCount);
    EXPECT_EQ(net.Hits, net.NumResponses);
}

TEST(KeptRun, ARunThatNeverHitsAllSaysNotReached)
{
    NetworkState net = vantorelle::testing::MakeXor();
    net.LearningRule = RuleKind::Delta;
    MersenneRandom random(3);
    TracingObserver observer;
    double lastPrinted = 0;
    ASSERT_FALSE(StartTraining(net, Input("200", "0.5", "10"), random, observer, lastPrinted));
    KeptRun run;
    run.Saved.net = net;
    run.Trace = observer.trace;
    EXPECT_FALSE(run.Trace.EpochsToAllHits);
    EXPECT_EQ(EpochsToAllHitsText(run), "not reached");
    EXPECT_EQ(run.Trace.Curve.Points().size(), 200u);
}

TEST(KeptRun, ALongCurveIsThinnedEvenlyAndKeepsItsEnds)
{
    EpochCurve curve;
    const long epochs = 3 * static_cast<long>(EpochCurve::MaxCurvePoints) + 17;
    for (long e = 0; e <= epochs; ++e)
        curve.Add(static_cast<double>(e), 1.0 / (1.0 + static_cast<double>(e)));
    const std::vector<HistoryRow> points = curve.Points();
    EXPECT_LE(points.size(), EpochCurve::MaxCurvePoints + 1);
    EXPECT_GE(points.size(), EpochCurve::MaxCurvePoints / 2);
    EXPECT_EQ(curve.Spacing(), 4);
    EXPECT_EQ(points.front().Epochs, 0);
    EXPECT_EQ(points.back().Epochs, static_cast<double>(epochs));
    EXPECT_EQ(points.back().SSE, 1.0 / (1.0 + static_cast<double>(epochs)));
    for (std::size_t i = 0; i + 2 < points.size(); ++i) {
        ASSERT_EQ(points[i + 1].Epochs - points[i].Epochs, curve.Spacing()) << "at point " << i;
        ASSERT_EQ(points[i].SSE, 1.0 / (1.0 + points[i].Epochs));  // each point its own epoch's value
    }
}

TEST(KeptRun, AContinuedRunGoesOnFromTheEarlierCurveAndKeepsItsFirstAllHits)
{
    RunTrace first;
    first.EpochEnded({1, 1, 0, 2.0, 3, 4});
    first.EpochEnded({2, 2, 0, 0.5, 4, 4});
    RunTrace later;
    later.EpochEnded({3, 1, 0, 1.5, 3, 4});
    later.EpochEnded({4, 2, 0, 0.25, 4, 4});
    first.Append(later);
    const std::vector<HistoryRow> points = first.Curve.Points();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[2].Epochs, 3);
    EXPECT_EQ(points[2].SSE, 1.5);
    ASSERT_TRUE(first.EpochsToAllHits);
    EXPECT_EQ(*first.EpochsToAllHits, 2);
}

// side by side

TEST(KeptRun, ARunComparedWithItselfShowsNoDifference)
{
    const KeptRun run = TrainedAnd(RuleKind::Delta, "0.5", 5);
    const KeptRun copy = run;
    for (const std::vector<const KeptRun*>& runs :
         {std::vector<const KeptRun*>{&run, &run}, std::vector<const KeptRun*>{&run, &copy, &run}}) {
        const std::vector<SideBySideRow> rows = SideBySide(runs, NumberLocale{});
        ASSERT_FALSE(rows.empty());
        for (const SideBySideRow& row : rows) {
            EXPECT_FALSE(row.Differs) << row.Label;
            EXPECT_EQ(row.Values.size(), runs.size());
        }
    }
}

TEST(KeptRun, OnlyTheRowsThatDifferAreMarked)
{
    const KeptRun slow = TrainedAnd(RuleKind::Delta, "0.5", 5);
    KeptRun otherSeed = TrainedAnd(RuleKind::Delta, "0.5", 6);
    const std::vector<SideBySideRow> seeds = SideBySide({&slow, &otherSeed}, NumberLocale{});
    for (const SideBySideRow& row : seeds) {
        if (!row.Result) {
            EXPECT_EQ(row.Differs, row.Label == "Seed") << row.Label;
        }
    }
    EXPECT_EQ(RowNamed(seeds, "Seed").Values, (std::vector<std::string>{"5", "6"}));

    KeptRun tarvik = TrainedAnd(RuleKind::Tarvik, "0.1", 5);
    const std::vector<SideBySideRow> rules = SideBySide({&slow, &tarvik}, NumberLocale{","});
    for (const SideBySideRow& row : rules) {
        if (!row.Result) {
            EXPECT_EQ(row.Differs, row.Label == "Learning rule" || row.Label == "Learning rate") << row.Label;
        }
    }
    EXPECT_EQ(RowNamed(rules, "Learning rate").Values, (std::vector<std::string>{"0,5", "0,1"}));
    EXPECT_EQ(RowNamed(rules, "Epochs to all hits").Values[0], FormatWhole(*slow.Trace.EpochsToAllHits));
    EXPECT_EQ(RunDescription(tarvik, NumberLocale{}), "Tarvik, rate 0.1, seed 5");
    EXPECT_EQ(DefaultRunName(tarvik, 3, NumberLocale{}), "Run 3: Tarvik, rate 0.1, seed 5");
}

// confusion on two files

TEST(FileConfusions, TheTrainingFileIsCountedWithTheWeightsTheNetworkHasNow)
{
    NetworkState trainedOn = vantorelle::testing::MakeAnd();
    trainedOn.TrainingFileName = "and.net";
    NetworkState now = vantorelle::testing::MakeXor();  // read in for testing, weights kept
    now.TrainingFileName = "xor.net";
    vantorelle::testing::GiveAndTrainedWeights(now);
    now.OutputUnits[1].UnitType = UnitKind::Binary;  // answers 0 or 1: AND exactly

    const std::vector<FileConfusion> files = TrainingAndTestConfusions(now, &trainedOn);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].FileName, "and.net");
    EXPECT_TRUE(files[0].TrainingFile);
    // AND's weights (step unit, threshold -3, weights 2 and 2) answer AND rightly: every pattern a hit.
    EXPECT_EQ(files[0].Counts.UnitHits[1], 4);
    EXPECT_EQ(files[0].Counts.UnitMisses[1], 0);
    // ... and XOR as AND would: (0,1) and (1,0) wanted 1, (1,1) wanted 0: three misses.
    EXPECT_EQ(files[1].FileName, "xor.net");
    EXPECT_FALSE(files[1].TrainingFile);
    EXPECT_EQ(files[1].Counts.UnitHits[1], 1);
    EXPECT_EQ(files[1].Counts.UnitMisses[1], 3);

    const std::vector<std::string> lines = FileConfusionLines(files, NumberLocale{});
    EXPECT_EQ(lines.front(), "Training file: and.net");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Tested on: xor.net"), lines.end());

    // A file of other sizes cannot take these weights: the current file counts alone.
    NetworkState wide = vantorelle::testing::MakeNetwork({{0, 0, 0}}, {{1}});
    EXPECT_EQ(TrainingAndTestConfusions(now, &wide).size(), 1u);
    EXPECT_EQ(TrainingAndTestConfusions(now, nullptr).front().FileName, "xor.net");
}
