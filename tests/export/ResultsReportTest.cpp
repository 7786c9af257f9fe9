// SPDX-License-Identifier: GPL-3.0-or-later
// What the report holds, byte for byte, for a network small enough to work
// out by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "NetworkBuilders.h"
#include "ReportTestSupport.h"
#include "Response.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

const NumberLocale enUS{".", ","};

// Two inputs, two outputs (a step unit and a sigmoid unit), three patterns,
// chosen so the tables show every signed-2 example: 0.5, 1, 0, -0.25, 12.345,
// 1234.5, 0.004, -0.004, -12.5 and 100, and negative zero.
NetworkState Tiny()
{
    NetworkState net = MakeNetwork({{0.5, 1}, {0, -0.25}, {12.345, 1234.5}}, {{0.004, -0.004}, {1, 0}, {0, 1}});
    net.TrainingFileName = "tiny\xe9.net";  // a Latin-1 byte goes out as it is
    net.OutputUnits[1].UnitType = UnitKind::Binary;
    net.OutputUnits[2].UnitType = UnitKind::IntDev;
    net.OutputUnits[1].Threshold = 100;
    net.OutputUnits[2].Threshold = -0.0;
    net.Weights(1, 1) = -12.5;
    net.Weights(2, 1) = 0.004;
    net.Weights(1, 2) = -0.0;
    net.Weights(2, 2) = 0;
    net.LearningRule = RuleKind::Gradient;
    net.LearningRate = 0.5;
    net.EpochCount = 1234;
    net.WeightMax = 0.1;
    net.WeightMin = 1e-5;
    net.WeightSign = StartSign::Pos;
    net.ThresholdMax = 1.5e15;
    net.ThresholdMin = -0.0;
    net.ThresholdSign = StartSign::Both;
    net.RandomizeOrder = false;
    net.SSERecordCount = 3;
    net.SSEHistory[1] = {0, 12.5};
    net.SSEHistory[2] = {1500, 0.000123};
    net.SSEHistory[3] = {2000000, 0};
    // Left over from training; the report must recompute both.
    net.TotalSSE = 99;
    net.Hits = 99;
    return net;
}

const char* const Header =
    "Perceptron Training Program\r\r\n"
    "=============================================\r\r\n"
    "\r\r\n"
    "Results Of Training With File: tiny\xe9.net\r\r\n"
    "Date Of Analysis: 3/7/25\r\r\n"
    "Time Of Analysis: 4:05:06 PM UTC\r\r\n"
    "=============================================\r\r\n";

const char* const General =
    "Learning rule: Gradient\r\r\n"
    "Learning rate: 0.5\r\r\n"
    "Training completed after 1234 epochs\r\r\r\n"
    "Settings For Initial Random Weights:\r\r\n"
    "Maximum value: 0.1\r\r\n"
    "Minimum value: 1E-05\r\r\n"
    "   Sign value: Pos\r\r\r\n"
    "Settings For Initial Random Biases:\r\r\n"
    "Maximum value: 1.5E+15\r\r\n"
    "Minimum value: 0\r\r\n"
    "   Sign value: Both\r\r\r\n"
    "Pattern randomization during an epoch: False\r\r\n"
    "=============================================\r\r\n";

const char* const Responses =
    "Network Responses To Each Input Pattern:\r\r\n"
    "---------------\r\r\n"
    "Pattern 1\t+1.00\t+.50\t\r\r\n"
    "Pattern 2\t+1.00\t+.50\t\r\r\n"
    "Pattern 3\t+.00\t+.50\t\r\r\n"
    "=============================================\r\r\n";

// 0.996^2 + 0.504^2 + 0.5^2 + 0.5^2
const char* const Errors =
    "After training, sum of squared error was: 1.746032\r\r\n"
    "Network Response Errors To Each Input Pattern:\r\r\n"
    "---------------\r\r\n"
    "Pattern 1\t-1.00\t-.50\t\r\r\n"
    "Pattern 2\t+.00\t-.50\t\r\r\n"
    "Pattern 3\t+.00\t+.50\t\r\r\n"
    "=============================================\r\r\n";

const char* const Weights =
    "Connection weights from input units (rows) to output units (columns):\r\r\n"
    "---------------\r\r\n"
    "\tOut 1\tOut 2\t\r\r\n"
    "OutType\tBinary\tIntDev\t\r\r\n"
    "Bias\t+100.00\t+.00\t\r\r\n"
    "INP 1\t-12.50\t+.00\t\r\r\n"
    "INP 2\t+.00\t+.00\t\r\r\n"
    "=============================================\r\r\n";

const char* const Inputs =
    "The set of input patterns was:\r\r\n"
    "---------------\r\r\n"
    "Pattern 1\t+.50\t+1.00\t\r\r\n"
    "Pattern 2\t+.00\t-.25\t\r\r\n"
    "Pattern 3\t+12.35\t+1234.50\t\r\r\n"
    "=============================================\r\r\n";

const char* const Desired =
    "The set of desired outputs was:\r\r\n"
    "---------------\r\r\n"
    "Pattern 1\t+.00\t-.00\t\r\r\n"
    "Pattern 2\t+1.00\t+.00\t\r\r\n"
    "Pattern 3\t+.00\t+1.00\t\r\r\n"
    "=============================================\r\r\n";

const char* const History =
    "Network SSE as a function of sweeps of training was:\r\r\n"
    "---------------\r\r\n"
    "Sweeps\tNetwork SSE\r\r\n"
    "0.00\t1.25E+01\r\n"
    "1,500.00\t1.23E-04\r\n"
    "2,000,000.00\t0.00E+00\r\n"
    "=============================================\r\r\n";

ReportSections Only(std::initializer_list<int> boxes)
{
    ReportSections sections{};
    for (int box : boxes)
        sections[static_cast<std::size_t>(box)] = true;
    return sections;
}

class ResultsReportTest : public ::testing::Test {
protected:
    // Writes the report of `net` with the given boxes and answers the file's bytes.
    std::string Report(NetworkState& net, const ReportSections& sections, const NumberLocale& locale = enUS)
    {
        ReportRequest request{scratch.Path("run1.txt"), sections, "3/7/25", "4:05:06 PM UTC", locale};
        EXPECT_TRUE(WriteResultsReport(net, request, status, messages));
        EXPECT_TRUE(messages.errors.empty());
        return ReadBytes(request.path);
    }

    ScratchFolder scratch;
    RecordingStatus status;
    RecordingMessages messages;
};

}  // namespace

// whole files

TEST_F(ResultsReportTest, EverySectionInItsFixedOrder)
{
    NetworkState net = Tiny();
    const std::string expected = std::string(Header) + General + Responses + Errors + Weights + Inputs + Desired + History;
    EXPECT_EQ(Report(net, Only({0, 1, 2, 3, 4, 5, 6})), expected);
}

TEST_F(ResultsReportTest, NoBoxCheckedGivesTheSevenHeaderLinesAndStillRecomputesTheTotals)
{
    NetworkState net = Tiny();
    EXPECT_EQ(Report(net, Only({})), Header);
    EXPECT_NEAR(net.TotalSSE, 1.746032, 1e-12);
    EXPECT_EQ(net.Hits, 2);  // the zero errors of output 1 on patterns 2 and 3
    // The units describe the last pattern.
    EXPECT_EQ(net.OutputUnits[1].Activation, 0);
    EXPECT_EQ(net.OutputUnits[2].Target, 1);
}

TEST_F(ResultsReportTest, OnlyErrorsShowsTheRecomputedTotalAndEachPatternsOwnErrors)
{
    NetworkState net = Tiny();
    EXPECT_EQ(Report(net, Only({ErrorsSection})), std::string(Header) + Errors);
}

TEST_F(ResultsReportTest, TheDefaultBoxesWriteTheFirstFourSections)
{
    NetworkState net = Tiny();
    EXPECT_EQ(Report(net, DefaultReportSections), std::string(Header) + General + Responses + Errors + Weights);
}

// Each box switches its own section and no other: a box mixed up with another
// would show here.
TEST_F(ResultsReportTest, EachBoxAloneWritesItsOwnSection)
{
    const std::pair<int, const char*> boxes[] = {
        {0, Inputs}, {1, General}, {2, Responses}, {3, Errors}, {4, Weights}, {5, Desired}, {6, History},
    };
    for (const auto& [box, section] : boxes) {
        NetworkState net = Tiny();
        EXPECT_EQ(Report(net, Only({box})), std::string(Header) + section) << "box " << box;
    }
}

TEST_F(ResultsReportTest, OrderIsFixedWhateverTheBoxNumbers)
{
    NetworkState net = Tiny();
    EXPECT_EQ(Report(net, Only({6, 0, 4})), std::string(Header) + Weights + Inputs + History);
}

// formats and locale

TEST_F(ResultsReportTest, SeparatorsComeFromTheLocaleGiven)
{
    NetworkState net = Tiny();
    net.LearningRate = 0.25;
    const std::string report = Report(net, Only({1, 4, 6}), NumberLocale{",", "."});
    EXPECT_NE(report.find("Learning rate: 0,25\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("Bias\t+100,00\t+,00\t\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("INP 1\t-12,50\t+,00\t\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\n1.500,00\t1,23E-04\r\n2.000.000,00\t0,00E+00\r\n"), std::string::npos);
}

TEST_F(ResultsReportTest, GeneralFormsOfLargeNegativeAndFractionalSettings)
{
    NetworkState net = Tiny();
    net.LearningRate = 1.0 / 3;
    net.EpochCount = 0;
    net.WeightMax = 123456789012345.0;
    net.WeightMin = -0.0001;
    net.RandomizeOrder = true;
    const std::string report = Report(net, Only({GeneralSection}));
    EXPECT_NE(report.find("Learning rate: 0.333333333333333\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("Training completed after 0 epochs\r\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("Maximum value: 123456789012345\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("Minimum value: -0.0001\r\r\n"), std::string::npos);
    EXPECT_NE(report.find("Pattern randomization during an epoch: True\r\r\n"), std::string::npos);
}

// Before any epoch the unit kinds are empty: the kind cells are empty but keep their TABs.
TEST_F(ResultsReportTest, UntrainedUnitsHaveEmptyKindCells)
{
    NetworkState net = Tiny();
    net.OutputUnits[1].UnitType = UnitKind::None;
    net.OutputUnits[2].UnitType = UnitKind::Value;
    const std::string report = Report(net, Only({WeightsSection}));
    EXPECT_NE(report.find("\r\nOutType\t\tValue\t\r\r\n"), std::string::npos);
}

// history

TEST_F(ResultsReportTest, HistoryOfOneRecordHoldsTheStartingError)
{
    NetworkState net = Tiny();
    net.SSERecordCount = 1;
    net.SSEHistory[1] = {0, 1.746032};
    EXPECT_EQ(Report(net, Only({HistorySection})),
              std::string(Header) +
                  "Network SSE as a function of sweeps of training was:\r\r\n"
                  "---------------\r\r\n"
                  "Sweeps\tNetwork SSE\r\r\n"
                  "0.00\t1.75E+00\r\n"
                  "=============================================\r\r\n");
}

TEST_F(ResultsReportTest, HistoryOfTwoThousandRows)
{
    // At most three significant digits, over seven decades: no value lies near
    // a rounding half, so printf's own rounding gives the same text.
    auto Sse = [](int r) { return ((r - 1) % 1000 + 1) / 100.0 * std::pow(10.0, -(r % 7)); };
    NetworkState net = Tiny();
    net.SSERecordCount = MaxHistoryRows;
    for (int r = 1; r <= MaxHistoryRows; ++r)
        net.SSEHistory[static_cast<std::size_t>(r)] = {100.0 * (r - 1), Sse(r)};
    const std::string report = Report(net, Only({HistorySection}));

    // Build the rows independently of the writer: "sweeps.00", TAB, d.ddE-xx, CR LF.
    std::string rows;
    for (int r = 1; r <= MaxHistoryRows; ++r) {
        const long sweeps = 100L * (r - 1);
        std::string grouped = std::to_string(sweeps);
        for (int at = static_cast<int>(grouped.size()) - 3; at > 0; at -= 3)
            grouped.insert(static_cast<std::size_t>(at), ",");
        char sse[32];
        std::snprintf(sse, sizeof sse, "%.2E", Sse(r));
        rows += grouped + ".00\t" + sse + "\r\n";
    }
    EXPECT_EQ(report, std::string(Header) +
                          "Network SSE as a function of sweeps of training was:\r\r\n"
                          "---------------\r\r\n"
                          "Sweeps\tNetwork SSE\r\r\n" +
                          rows + "=============================================\r\r\n");
    EXPECT_NE(report.find("\r\n199,900.00\t1.00E-04\r\n====="), std::string::npos);
}

// status

TEST_F(ResultsReportTest, StatusShowsSavingOnRedThenSavedOnGreen)
{
    NetworkState net = Tiny();
    Report(net, DefaultReportSections);
    ASSERT_EQ(status.stages.size(), 2u);
    EXPECT_EQ(ReportStageCaption(status.stages[0], "run1.txt"), "run1.txt being saved...");
    EXPECT_EQ(ReportStageColour(status.stages[0]), StatusColour::Red);
    EXPECT_EQ(ReportStageCaption(status.stages[1], "run1.txt"), "run1.txt has been saved!");
    EXPECT_EQ(ReportStageColour(status.stages[1]), StatusColour::Green);
    EXPECT_EQ(ReportStageCaption(ReportStage::NotSaved, "run1.txt"), "run1.txt has not been saved!");
    EXPECT_EQ(ReportStageColour(ReportStage::NotSaved), StatusColour::Red);
}

// A network with no patterns still gets its header and empty tables.
TEST_F(ResultsReportTest, NoPatternsGivesEmptyTables)
{
    NetworkState net = Tiny();
    net.NumPatterns = 0;
    const std::string report = Report(net, Only({ResponsesSection, ErrorsSection}));
    EXPECT_EQ(report, std::string(Header) +
                          "Network Responses To Each Input Pattern:\r\r\n"
                          "---------------\r\r\n"
                          "=============================================\r\r\n"
                          "After training, sum of squared error was: 0\r\r\n"
                          "Network Response Errors To Each Input Pattern:\r\r\n"
                          "---------------\r\r\n"
                          "=============================================\r\r\n");
    EXPECT_EQ(net.Hits, 0);
}
