// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "NetworkBuilders.h"
#include "RecordingHost.h"
#include "SavedNetwork.h"
#include "TrainingEngine.h"

using namespace vantorelle;
using vantorelle::testing::EngineHost;
using vantorelle::testing::MakeNetwork;
using vantorelle::testing::RecordingHost;

namespace {

std::uint64_t Bits(double d)
{
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

// Every double of two networks, bit for bit, and every setting and count.
void ExpectSameBits(const SavedNetwork& a, const SavedNetwork& b)
{
    const NetworkState& x = a.net;
    const NetworkState& y = b.net;
    ASSERT_EQ(x.NumOutputs, y.NumOutputs);
    ASSERT_EQ(x.NumInputs, y.NumInputs);
    ASSERT_EQ(x.NumPatterns, y.NumPatterns);
    EXPECT_EQ(x.NumResponses, y.NumResponses);
    for (long p = 1; p <= x.NumPatterns; ++p) {
        for (long i = 1; i <= x.NumInputs; ++i)
            EXPECT_EQ(Bits(x.InputPatterns(p, i)), Bits(y.InputPatterns(p, i))) << p << "," << i;
        for (long k = 1; k <= x.NumOutputs; ++k)
            EXPECT_EQ(Bits(x.DesiredOutputs(p, k)), Bits(y.DesiredOutputs(p, k)));
        EXPECT_EQ(x.PatternOrder[p], y.PatternOrder[p]);
    }
    for (long k = 1; k <= x.NumOutputs; ++k) {
        EXPECT_EQ(Bits(x.OutputUnits[k].Threshold), Bits(y.OutputUnits[k].Threshold));
        EXPECT_EQ(x.OutputUnits[k].UnitType, y.OutputUnits[k].UnitType);
        for (long i = 1; i <= x.NumInputs; ++i)
            EXPECT_EQ(Bits(x.Weights(i, k)), Bits(y.Weights(i, k))) << i << "," << k;
    }
    EXPECT_EQ(x.TrainingFileName, y.TrainingFileName);
    EXPECT_EQ(x.LearningRule, y.LearningRule);
    for (auto field : {&TrainingSettings::LearningRate, &TrainingSettings::MinError, &TrainingSettings::WeightMin,
                       &TrainingSettings::WeightMax, &TrainingSettings::ThresholdMin, &TrainingSettings::ThresholdMax})
        EXPECT_EQ(Bits(x.*field), Bits(y.*field));
    EXPECT_EQ(x.PrintSweeps, y.PrintSweeps);
    EXPECT_EQ(x.EpochLimit, y.EpochLimit);
    for (auto flag : {&TrainingSettings::StopAtMaxEpochs, &TrainingSettings::StopWhenAllHits,
                      &TrainingSettings::RandomizeOrder, &TrainingSettings::FreezeThresholds})
        EXPECT_EQ(x.*flag, y.*flag);
    EXPECT_EQ(x.WeightSign, y.WeightSign);
    EXPECT_EQ(x.ThresholdSign, y.ThresholdSign);
    EXPECT_EQ(x.FreshStart, y.FreshStart);
    EXPECT_EQ(x.EpochCount, y.EpochCount);
    EXPECT_EQ(Bits(x.TotalSSE), Bits(y.TotalSSE));
    EXPECT_EQ(x.Hits, y.Hits);
    ASSERT_EQ(x.SSERecordCount, y.SSERecordCount);
    for (int r = 1; r <= x.SSERecordCount; ++r) {
        EXPECT_EQ(Bits(x.SSEHistory[r].Epochs), Bits(y.SSEHistory[r].Epochs));
        EXPECT_EQ(Bits(x.SSEHistory[r].SSE), Bits(y.SSEHistory[r].SSE));
    }
    EXPECT_EQ(x.SSERecordsDropped, y.SSERecordsDropped);
    EXPECT_EQ(Bits(a.lastDisplayedSSE), Bits(b.lastDisplayedSSE));
    EXPECT_EQ(a.note, b.note);
    ASSERT_EQ(a.random.has_value(), b.random.has_value());
    if (a.random) {
        EXPECT_EQ(a.random->seed, b.random->seed);
        EXPECT_EQ(a.random->engine, b.random->engine);
    }
    EXPECT_EQ(a.page.epochsBox, b.page.epochsBox);
    EXPECT_EQ(a.page.rateBox, b.page.rateBox);
    EXPECT_EQ(a.page.statusLines, b.page.statusLines);
    EXPECT_EQ(a.page.hitsColour, b.page.hitsColour);
}

// A network trained under each rule for a few epochs, its weights then
// salted with values that have no short decimal form and with the edge cases.
SavedNetwork Trained(RuleKind rule, MersenneRandom& random)
{
    SavedNetwork saved;
    saved.net = MakeNetwork({{0.1, 1.0 / 3}, {0, 1}, {1, 0}, {1, 1}, {-2.5e-300, 7e300}}, {{0, 1}, {1, 0}, {1, 1}, {0, 0}, {1, 0}});
    saved.net.TrainingFileName = "salted.net";
    RecordingHost panel;
    panel.boxes = {"37", defaults::RateText(rule), "5", "0.01", true, false};
    saved.net.LearningRule = rule;
    EngineHost host{panel, random};
    EXPECT_TRUE(vantorelle::testing::StartTraining(saved.net, host));
    saved.net.Weights(1, 1) = std::nextafter(0.1, 1.0);
    saved.net.Weights(2, 2) = -0.0;
    saved.net.OutputUnits[2].Threshold = std::numeric_limits<double>::denorm_min();
    saved.lastDisplayedSSE = host.LastPrintedSSE;
    saved.note = "Trained in class,\n\"quoted\" and ünïcode.";
    saved.random = random.State();
    saved.page.epochsBox = "37";
    saved.page.rateBox = "0,5";
    saved.page.statusLines = {"Epochs: 37", "Total SSE: 1", "", "  Hits: 7", "Misses: 3"};
    saved.page.hitsColour = "red";
    return saved;
}

}  // namespace

// --- round trips ---

TEST(SavedNetworkRoundTrip, EveryDoubleAndSettingComesBackToTheBitUnderEachRule)
{
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        SCOPED_TRACE(RuleName(rule));
        MersenneRandom random(99);
        const SavedNetwork saved = Trained(rule, random);
        SavedNetwork read;
        const auto problem = ReadSavedNetwork(WriteSavedNetwork(saved), read);
        ASSERT_FALSE(problem) << problem->message;
        ExpectSameBits(saved, read);
        // Writing what was read gives the same text: nothing drifts over saves.
        EXPECT_EQ(WriteSavedNetwork(read), WriteSavedNetwork(saved));
    }
}

TEST(SavedNetworkRoundTrip, ManyRandomBitPatternsSurvive)
{
    MersenneRandom random(7);
    SavedNetwork saved = Trained(RuleKind::Delta, random);
    std::mt19937_64 bits(2024);
    for (int n = 0; n < 2000; ++n) {
        std::uint64_t b = bits();
        double d;
        std::memcpy(&d, &b, sizeof d);
        if (std::isnan(d))
            continue;  // NaN payloads are not kept: every NaN reads back as the one the report writes
        saved.net.Weights(1, 1) = d;
        SavedNetwork read;
        ASSERT_FALSE(ReadSavedNetwork(WriteSavedNetwork(saved), read));
        ASSERT_EQ(Bits(read.net.Weights(1, 1)), b) << d;
    }
}

TEST(SavedNetworkRoundTrip, OverflowedWeightsSaveAsTheReportWritesThem)
{
    MersenneRandom random(3);
    SavedNetwork saved = Trained(RuleKind::Gradient, random);
    saved.net.Weights(1, 1) = HUGE_VAL;
    saved.net.Weights(1, 2) = -HUGE_VAL;
    saved.net.TotalSSE = std::nan("");
    const std::string text = WriteSavedNetwork(saved);
    EXPECT_NE(text.find("\"Infinity\""), std::string::npos);
    EXPECT_NE(text.find("\"-Infinity\""), std::string::npos);
    EXPECT_NE(text.find("\"totalSSE\": \"NaN\""), std::string::npos);
    SavedNetwork read;
    ASSERT_FALSE(ReadSavedNetwork(text, read));
    EXPECT_EQ(read.net.Weights(1, 1), HUGE_VAL);
    EXPECT_EQ(read.net.Weights(1, 2), -HUGE_VAL);
    EXPECT_TRUE(std::isnan(read.net.TotalSSE));
}

// --- the random generator ---

TEST(SavedNetworkRandom, ARestoredGeneratorDrawsWhatTheOriginalWouldHave)
{
    MersenneRandom original(5);
    for (int n = 0; n < 1000; ++n)
        original.Next();
    MersenneRandom restored;
    ASSERT_TRUE(restored.Restore(*original.State()));
    EXPECT_EQ(restored.State()->seed, 5u);
    for (int n = 0; n < 1000; ++n)
        ASSERT_EQ(Bits(restored.Next()), Bits(original.Next()));
    EXPECT_FALSE(restored.Restore({1, "12 13 not a state"}));
}

// --- bad files ---

namespace {

struct BadFile {
    const char* what;
    std::string from;  // replaced in a good file's text
    std::string to;
    SavedNetworkFault fault;
    const char* named;  // what the message must name
};

}  // namespace

TEST(SavedNetworkBadFiles, EachFaultIsNamedAndNothingIsChanged)
{
    MersenneRandom random(11);
    const SavedNetwork good = Trained(RuleKind::Delta, random);
    const std::string text = WriteSavedNetwork(good);
    const BadFile cases[] = {
        {"newer version", "\"version\": 1", "\"version\": 2", SavedNetworkFault::NewerVersion, "version 2"},
        {"not ours", "Vantorelle saved network", "Something else", SavedNetworkFault::NotSaved, "format"},
        {"a word for a weight", "[0.10000000000000002,", "[\"lots\",",
         SavedNetworkFault::BadNumber, "network.weights[0][0]"},
        {"beyond a double", "[0.10000000000000002,", "[1e999,", SavedNetworkFault::BadNumber, "1e999"},
        {"sizes that do not match", "\"inputs\": 2", "\"inputs\": 3", SavedNetworkFault::SizeMismatch,
         "inputPatterns[0]"},
        {"a missing field", "\"epochLimit\"", "\"epochLimits\"", SavedNetworkFault::MissingField, "settings.epochLimit"},
        {"an unknown rule", "\"Delta\"", "\"Hebb\"", SavedNetworkFault::BadValue, "settings.learningRule"},
        {"a bad generator state", "\"engine\": \"", "\"engine\": \"x", SavedNetworkFault::BadValue, "random.engine"},
    };
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.what);
        std::string edited = text;
        const auto at = edited.find(c.from);
        ASSERT_NE(at, std::string::npos);
        edited.replace(at, c.from.size(), c.to);
        SavedNetwork open = good;
        const auto problem = ReadSavedNetwork(edited, open);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->fault, c.fault) << problem->message;
        EXPECT_NE(problem->message.find(c.named), std::string::npos) << problem->message;
        ExpectSameBits(open, good);
    }
    // Cut short anywhere: never read, never a crash.
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, text.size() / 3, text.size() - 3}) {
        SavedNetwork open = good;
        const auto problem = ReadSavedNetwork(text.substr(0, length), open);
        ASSERT_TRUE(problem) << length;
        EXPECT_EQ(problem->fault, SavedNetworkFault::NotJson);
        ExpectSameBits(open, good);
    }
}
