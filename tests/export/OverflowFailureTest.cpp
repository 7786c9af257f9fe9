// SPDX-License-Identifier: GPL-3.0-or-later
// A learning rate so large that the weights overflow, under each rule: the
// run ends in order with its message, the network still answers a probe,
// and the report and the workbook are written, the workbook readable by
// another program (openpyxl) with the overflowed values as words.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "NetworkBuilders.h"
#include "RecordingHost.h"
#include "ReportTestSupport.h"
#include "Response.h"
#include "SpreadsheetSummary.h"
#include "TrainingEngine.h"
#include "WorkbookDump.h"

namespace vantorelle::testing {
namespace {

bool AnyNonFinite(const NetworkState& net)
{
    for (long i = 1; i <= net.NumInputs; ++i)
        for (long k = 1; k <= net.NumOutputs; ++k)
            if (!std::isfinite(net.Weights(i, k)))
                return true;
    for (long k = 1; k <= net.NumOutputs; ++k)
        if (!std::isfinite(net.OutputUnits[k].Threshold))
            return true;
    return !std::isfinite(net.TotalSSE);
}

class OverflowTest : public ::testing::TestWithParam<const char*> {};

TEST_P(OverflowTest, RunEndsInOrderAndEverythingStillWrites)
{
    // Identical huge inputs that want different answers, started from huge
    // weights of both signs, at a rate of 1e300: any rule's step overflows.
    NetworkState net = MakeNetwork({{1e300, -1e300}, {1e300, -1e300}, {1, 1}}, {{1, 0}, {0, 1}, {1, 1}});
    net.TrainingFileName = "overflow.net";
    net.LearningRule = RuleKindFromName(GetParam());
    net.WeightMin = 1e300;
    net.WeightMax = 1e307;
    net.WeightSign = StartSign::Both;
    RecordingHost panel;
    panel.boxes = {"50", "1e300", "1", "0.01", true, false};
    MersenneRandom random{7};
    EngineHost host{panel, random};
    ASSERT_TRUE(StartTraining(net, host));

    // In order: the final display came, the buttons are back, one message.
    ASSERT_FALSE(panel.shown.empty());
    EXPECT_TRUE(panel.shown.back().final);
    // The value rule first says it overflowed (once), then, like the others,
    // that the numbers are no longer finite.
    const bool valueRule = std::string(GetParam()) == "Tarvik";
    std::vector<std::string> expected{text::NonFiniteMessage(net.EpochCount)};
    if (valueRule)
        expected.insert(expected.begin(), text::OverflowMessage());
    EXPECT_EQ(panel.errors, expected);
    EXPECT_TRUE(AnyNonFinite(net));

    // The probe still answers, whatever the numbers.
    for (long p = 1; p <= net.NumPatterns; ++p)
        ComputeResponse(net, p);

    ScratchFolder scratch;
    ReportRequest request{scratch.Path("overflow.txt"), {}, "3/7/25", "4:05:06 PM", {}};
    request.sections.fill(true);
    RecordingStatus status;
    RecordingMessages messages;
    ASSERT_TRUE(WriteResultsReport(net, request, status, messages)) << messages.errors.front();
    const std::string report = ReadBytes(request.path);
    EXPECT_TRUE(report.find("Infinity") != std::string::npos || report.find("NaN") != std::string::npos);

    ReplaceWorkbookFile book(scratch.Path("overflow.xlsx"));
    SummaryObserver progress;
    const SummaryResult summary = BuildSpreadsheetSummary(net, AnalysisMoment{}, book, progress);
    ASSERT_TRUE(summary.ok) << summary.message;
    const WorkbookDump dump = DumpWorkbook(scratch.Path("overflow.xlsx"));
    ASSERT_EQ(dump.sheets.size(), 8u);
    // Each weight reads back as the number it is or as the report's word for it.
    for (long i = 1; i <= net.NumInputs; ++i) {
        for (long k = 1; k <= net.NumOutputs; ++k) {
            const double w = net.Weights(i, k);
            const DumpedCell cell = dump.Cell("Connection Weights", std::string(1, static_cast<char>('A' + k)) +
                                                                        std::to_string(i + 3));
            SCOPED_TRACE("weight " + std::to_string(i) + "," + std::to_string(k));
            if (std::isfinite(w)) {
                EXPECT_NE(cell.type, "str");
            } else {
                EXPECT_EQ(cell.type, "str");
                EXPECT_EQ(cell.value, std::isnan(w) ? "NaN" : w < 0 ? "-Infinity" : "Infinity");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachRule, OverflowTest, ::testing::Values("Delta", "Gradient", "Tarvik"));

}  // namespace
}  // namespace vantorelle::testing
