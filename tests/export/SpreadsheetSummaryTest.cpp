// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet summary, written to a file and read back with openpyxl.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "NetworkBuilders.h"
#include "ExcelStuff.h"
#include "ReportTestSupport.h"
#include "Response.h"
#include "SpreadsheetSummary.h"
#include "TrainingEngine.h"
#include "WorkbookDump.h"

namespace vantorelle::testing {
namespace {

const std::vector<std::string> TabOrder{"General Information", "Network Responses", "Errors", "Connection Weights",
                                        "SSE Data", "Desired Outputs", "Inputs", "Sheet1"};

const AnalysisMoment Moment{{2026, 12, 9}, {14, 5, 30}};

// The workbook file holds numbers to 16 significant digits (the writer's
// precision), so a value read back may differ from the double in its last bit.
#define EXPECT_SIXTEEN_DIGITS(read, expected) \
    EXPECT_NEAR((read), (expected), 1e-15 * std::fabs(expected))

// A trained-looking network: set weights, thresholds and unit types, a history.
NetworkState TwoByThree()
{
    NetworkState net = MakeNetwork({{0, 1}, {1, 0.5}, {-1, 2}, {0.25, 0}}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}});
    net.TrainingFileName = "two-three.net";
    SetUnitTypes(net, UnitKind::IntDev);
    double w = -0.7;
    for (long i = 1; i <= 2; ++i)
        for (long k = 1; k <= 3; ++k)
            net.Weights(i, k) = (w += 0.37);
    for (long k = 1; k <= 3; ++k)
        net.OutputUnits[k].Threshold = 0.125 * static_cast<double>(k) - 0.3;
    net.MinError = 0.2;
    net.LearningRate = 0.5;
    net.EpochCount = 300;
    net.SSERecordCount = 3;
    net.SSEHistory[1] = {0, 4.5};
    net.SSEHistory[2] = {100, 2.25};
    net.SSEHistory[3] = {200, 1.125};
    return net;
}

class SpreadsheetSummaryTest : public ::testing::Test {
protected:
    SummaryResult Build(NetworkState& net)
    {
        NewBookInFolder destination(scratch.Path("books"));
        return BuildSpreadsheetSummary(net, Moment, destination, progress);
    }

    ScratchFolder scratch;
    RecordingProgress progress;
};

// sheets, names and labels

TEST_F(SpreadsheetSummaryTest, OnePatternOneInputOneOutput)
{
    NetworkState net = MakeNetwork({{0.5}}, {{1}});
    net.SSERecordCount = 1;
    const SummaryResult result = Build(net);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.path, scratch.Path("books") + "/Book1.xlsx");

    const WorkbookDump book = DumpWorkbook(result.path);
    EXPECT_EQ(book.sheets, TabOrder);
    EXPECT_EQ(book.active, "General Information");

    const std::map<std::string, std::string> names{
        {"Inputs", "Inputs!$B$2:$C$3"},
        {"Outputs", "'Desired Outputs'!$B$2:$C$3"},
        {"SSEData", "'SSE Data'!$A$2:$B$3"},
        {"Kind", "'Connection Weights'!$B$2:$C$2"},
        {"Biases", "'Connection Weights'!$B$3:$C$3"},
        {"Weights", "'Connection Weights'!$B$4:$C$5"},
        {"Error", "Errors!$B$2:$C$3"},
        {"Actual", "'Network Responses'!$B$2:$C$3"},
        {"TextStuff", "'General Information'!$A$1:$B$18"},
        // Labels end where the last sheet that defined them put them.
        {"InLabels", "'Connection Weights'!$A$2:$A$4"},
        {"PatLabels", "'Network Responses'!$A$2:$A$2"},
        {"OutLabels", "'Network Responses'!$A$1:$B$1"},
    };
    EXPECT_EQ(book.names, names);

    // The Inputs sheet cell by cell: labels bold and centred, the data range
    // centred in two decimals, one row and one column past the value.
    EXPECT_EQ(book.Cell("Inputs", "A1").value, "Pattern");
    EXPECT_EQ(book.Cell("Inputs", "B1").value, "IN  1");
    EXPECT_EQ(book.Cell("Inputs", "A2").value, "PAT  1");
    for (const char* label : {"A1", "B1", "A2"}) {
        EXPECT_TRUE(book.Cell("Inputs", label).bold) << label;
        EXPECT_EQ(book.Cell("Inputs", label).align, "center") << label;
    }
    const DumpedCell value = book.Cell("Inputs", "B2");
    EXPECT_EQ(value.type, "float");
    EXPECT_EQ(value.value, "0.5");
    EXPECT_EQ(value.numberFormat, "###0.00");
    EXPECT_EQ(value.align, "center");
    EXPECT_FALSE(value.bold);
    for (const char* edge : {"C2", "B3", "C3"}) {
        EXPECT_EQ(book.Cell("Inputs", edge).type, "blank") << edge;
        EXPECT_EQ(book.Cell("Inputs", edge).numberFormat, "###0.00") << edge;
    }
    EXPECT_EQ(book.CellCount("Inputs"), 7u);
    EXPECT_EQ(book.CellCount("Sheet1"), 0u);

    EXPECT_EQ(book.Cell("Connection Weights", "A2").value, "Type");
    EXPECT_EQ(book.Cell("Connection Weights", "A3").value, " Bias");
    EXPECT_EQ(book.Cell("Connection Weights", "A4").value, "IN  1");
    EXPECT_EQ(book.Cell("Connection Weights", "B1").value, "OUT  1");
    EXPECT_EQ(book.Cell("Errors", "B1").value, "ERR  1");
    EXPECT_EQ(book.Cell("Network Responses", "B1").value, "ACT  1");
}

TEST_F(SpreadsheetSummaryTest, TwoInputsThreeOutputs)
{
    NetworkState net = TwoByThree();
    const SummaryResult result = Build(net);
    ASSERT_TRUE(result.ok) << result.message;
    const WorkbookDump book = DumpWorkbook(result.path);

    EXPECT_EQ(book.names.at("Outputs"), "'Desired Outputs'!$B$2:$E$6");
    EXPECT_EQ(book.names.at("Error"), "Errors!$B$2:$E$6");
    EXPECT_EQ(book.names.at("Actual"), "'Network Responses'!$B$2:$E$6");
    EXPECT_EQ(book.names.at("Weights"), "'Connection Weights'!$B$4:$E$6");
    EXPECT_EQ(book.names.at("Kind"), "'Connection Weights'!$B$2:$E$2");
    EXPECT_EQ(book.names.at("InLabels"), "'Connection Weights'!$A$2:$A$5");
    EXPECT_EQ(book.names.at("OutLabels"), "'Network Responses'!$A$1:$D$1");

    // Weights and thresholds as numbers, kinds as text.
    const char* columns = "BCD";
    for (long k = 1; k <= 3; ++k) {
        const std::string col(1, columns[k - 1]);
        EXPECT_EQ(book.Cell("Connection Weights", col + "2").value, "IntDev");
        EXPECT_EQ(book.Cell("Connection Weights", col + "2").align, "center");
        EXPECT_EQ(book.Cell("Connection Weights", col + "2").numberFormat, "General");
        EXPECT_SIXTEEN_DIGITS(book.Number("Connection Weights", col + "3"), net.OutputUnits[k].Threshold);
        EXPECT_EQ(book.Cell("Connection Weights", col + "3").numberFormat, "###0.00");
        for (long i = 1; i <= 2; ++i)
            EXPECT_SIXTEEN_DIGITS(book.Number("Connection Weights", col + std::to_string(i + 3)), net.Weights(i, k));
    }
    EXPECT_EQ(book.Cell("Connection Weights", "E6").type, "blank");
    EXPECT_EQ(book.Cell("Connection Weights", "E6").numberFormat, "###0.00");

    // Errors and responses are the network's own, bit for bit; Hits and
    // TotalSSE were recomputed over all patterns.
    NetworkState check = TwoByThree();
    EvaluateTrainingSet(check);
    for (long p = 1; p <= 4; ++p) {
        ComputeResponse(check, p);
        for (long k = 1; k <= 3; ++k) {
            const std::string ref = std::string(1, columns[k - 1]) + std::to_string(p + 1);
            EXPECT_SIXTEEN_DIGITS(book.Number("Errors", ref), check.OutputUnits[k].Error) << ref;
            EXPECT_SIXTEEN_DIGITS(book.Number("Network Responses", ref), check.OutputUnits[k].Activation) << ref;
            EXPECT_EQ(book.Number("Desired Outputs", ref), check.DesiredOutputs(p, k)) << ref;
        }
    }
    EXPECT_EQ(net.Hits, check.Hits);
    EXPECT_EQ(net.TotalSSE, check.TotalSSE);
    EXPECT_GT(check.Hits, 0);
    EXPECT_LT(check.Hits, 12);

    // General Information.
    const std::string gi = "General Information";
    EXPECT_EQ(book.Cell(gi, "A1").value, "PERCEPTRON PROGRAM");
    EXPECT_EQ(book.Cell(gi, "B2").value, "two-three.net");
    EXPECT_EQ(book.Cell(gi, "B3").type, "datetime");
    EXPECT_EQ(book.Cell(gi, "B3").value, "2026-12-09T00:00:00");
    EXPECT_EQ(book.Cell(gi, "B4").type, "time");
    EXPECT_EQ(book.Cell(gi, "B4").value, "14:05:30");
    EXPECT_EQ(book.Cell(gi, "A5").value, "Learning Rule:");
    EXPECT_EQ(book.Cell(gi, "B5").value, "Delta");
    EXPECT_EQ(book.Cell(gi, "B6").value, "0.5");
    EXPECT_EQ(book.Cell(gi, "B7").type, "int");
    EXPECT_EQ(book.Cell(gi, "B7").value, "300");
    EXPECT_EQ(book.Cell(gi, "B8").value, std::to_string(check.Hits));
    EXPECT_EQ(book.Cell(gi, "B9").value, std::to_string(12 - check.Hits));
    EXPECT_EQ(book.Cell(gi, "A10").value, "Minimum Squared Error Defining A Hit:");
    EXPECT_EQ(book.Cell(gi, "B10").value, "0.2");
    EXPECT_EQ(book.Cell(gi, "B12").value, "0.1");
    EXPECT_EQ(book.Cell(gi, "B14").value, "Both");
    EXPECT_EQ(book.Cell(gi, "A15").value, "Bias Start Settings");
    EXPECT_EQ(book.Cell(gi, "B16").value, "0");
    EXPECT_EQ(book.Cell(gi, "A18").value, "Sign Option:");
    for (int row = 1; row <= 18; ++row) {
        const std::string r = std::to_string(row);
        EXPECT_TRUE(book.Cell(gi, "A" + r).bold) << row;
        EXPECT_TRUE(book.Cell(gi, "B" + r).bold) << row;
        EXPECT_EQ(book.Cell(gi, "A" + r).align, "right") << row;
        EXPECT_EQ(book.Cell(gi, "B" + r).align, "center") << row;
    }
    EXPECT_EQ(book.Cell(gi, "B6").numberFormat, "General");
    // Widths read back with the padding a spreadsheet program adds too.
    EXPECT_NEAR(book.widths.at({gi, "A"}), 50.71, 0.01);
    EXPECT_NEAR(book.widths.at({gi, "B"}), 20.71, 0.01);

    // The SSE history: a bold centred heading, values without a format.
    EXPECT_EQ(book.Cell("SSE Data", "A1").value, "Sweep");
    EXPECT_TRUE(book.Cell("SSE Data", "B1").bold);
    EXPECT_EQ(book.Cell("SSE Data", "A4").value, "200");
    EXPECT_EQ(book.Cell("SSE Data", "B4").value, "1.125");
    EXPECT_EQ(book.Cell("SSE Data", "B4").numberFormat, "General");
    EXPECT_EQ(book.names.at("SSEData"), "'SSE Data'!$A$2:$B$5");
}

TEST_F(SpreadsheetSummaryTest, TwoThousandHistoryRows)
{
    NetworkState net = TwoByThree();
    net.SSERecordCount = MaxHistoryRows;
    for (int r = 1; r <= MaxHistoryRows; ++r)
        net.SSEHistory[r] = {static_cast<double>((r - 1) * 10), 1.0 / r};
    const SummaryResult result = Build(net);
    ASSERT_TRUE(result.ok) << result.message;
    const WorkbookDump book = DumpWorkbook(result.path);
    EXPECT_EQ(book.names.at("SSEData"), "'SSE Data'!$A$2:$B$2002");
    EXPECT_EQ(book.Cell("SSE Data", "A2").value, "0");
    EXPECT_EQ(book.Cell("SSE Data", "A2001").value, "19990");
    EXPECT_EQ(book.Number("SSE Data", "B2001"), 1.0 / 2000);
    EXPECT_EQ(book.Cell("SSE Data", "A2002").type, "none");
    EXPECT_EQ(book.CellCount("SSE Data"), 2u + 2 * 2000);
}

// progress and files

TEST_F(SpreadsheetSummaryTest, AdvancesTwentyNineTimesAndSaysWhereTheBookIs)
{
    NetworkState net = TwoByThree();
    const SummaryResult result = Build(net);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(progress.maximum, 29);
    EXPECT_EQ(progress.advances, 29);
    EXPECT_FALSE(progress.visible);
    ASSERT_EQ(progress.feedback.size(), 2u);
    EXPECT_EQ(progress.feedback[0], "Please be patient while the spreadsheet is built...");
    EXPECT_EQ(progress.feedback[1], "The workbook has been written to " + result.path);
}

TEST_F(SpreadsheetSummaryTest, EachExportWritesANewBook)
{
    NetworkState net = TwoByThree();
    EXPECT_EQ(Build(net).path, scratch.Path("books") + "/Book1.xlsx");
    EXPECT_EQ(Build(net).path, scratch.Path("books") + "/Book2.xlsx");
    EXPECT_EQ(DumpWorkbook(scratch.Path("books") + "/Book1.xlsx").sheets, TabOrder);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path("books")))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Book1.xlsx", "Book2.xlsx"}));  // no temporary left
}

TEST_F(SpreadsheetSummaryTest, ReplacingANamedFile)
{
    NetworkState net = TwoByThree();
    const std::string target = scratch.Path("summary.xlsx");
    WriteBytes(target, "old");
    ReplaceWorkbookFile destination(target);
    const SummaryResult result = BuildSpreadsheetSummary(net, Moment, destination, progress);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(DumpWorkbook(target).sheets, TabOrder);
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"summary.xlsx"}));
}

// failures

TEST_F(SpreadsheetSummaryTest, AFolderThatCannotBeMadeIsNamed)
{
    NetworkState net = TwoByThree();
    WriteBytes(scratch.Path("books"), "a file in the way");
    const SummaryResult result = Build(net);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("\"" + scratch.Path("books") + "\", cannot be created"), std::string::npos)
        << result.message;
    // The label and the bar stay as the failure left them.
    EXPECT_TRUE(progress.visible);
    EXPECT_EQ(progress.feedback.back(), "Please be patient while the spreadsheet is built...");
}

TEST_F(SpreadsheetSummaryTest, ATargetThatCannotBeReplacedKeepsTheEarlierFile)
{
    NetworkState net = TwoByThree();
    std::filesystem::create_directories(scratch.Path("summary.xlsx"));
    ReplaceWorkbookFile destination(scratch.Path("summary.xlsx"));
    const SummaryResult result = BuildSpreadsheetSummary(net, Moment, destination, progress);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("could not be saved as \"" + scratch.Path("summary.xlsx") + "\""),
              std::string::npos)
        << result.message;
    EXPECT_TRUE(std::filesystem::is_directory(scratch.Path("summary.xlsx")));
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"summary.xlsx"}));
}

TEST_F(SpreadsheetSummaryTest, HitsBeyondSixteenBitsIsAnOverflowNotAWrap)
{
    // 33000 responses that are all hits: more than a 16-bit count holds.
    NetworkState net = MakeNetwork(std::vector<std::vector<double>>(3300, {0.0}),
                                   std::vector<std::vector<double>>(3300, std::vector<double>(10, 0.0)));
    const SummaryResult result = Build(net);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, text::SpreadsheetErrorMessage("Overflow"));
    EXPECT_NE(result.message.find("support@"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(scratch.Path("books")));
}

TEST_F(SpreadsheetSummaryTest, MoreInputsThanASheetHasColumns)
{
    NetworkState net = MakeNetwork({std::vector<double>(SheetMaxColumns, 0.5)}, {{1}});
    const SummaryResult result = Build(net);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("a sheet has only 16384 columns"), std::string::npos) << result.message;
    EXPECT_EQ(result.message.rfind("This version of the code has encountered an error with excel.\r", 0), 0u);
}

// the label routines

TEST(ExcelStuffTest, LabelsCarryABlankForTheSign)
{
    EXPECT_EQ(NumberedLabel("IN ", 1), "IN  1");
    EXPECT_EQ(NumberedLabel("PAT ", 32767), "PAT  32767");
}

}  // namespace
}  // namespace vantorelle::testing
