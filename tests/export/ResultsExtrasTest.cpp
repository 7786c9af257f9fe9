// SPDX-License-Identifier: GPL-3.0-or-later
// What the user may add to the report and the workbook: the confusion tables
// and the seeds' table. Asked for, they come after everything else, as the
// core counts them; not asked for, the report and the workbook are as before.

#include <gtest/gtest.h>

#include "ExtraSheets.h"
#include "NetworkBuilders.h"
#include "ReportTestSupport.h"
#include "SeedsCsv.h"
#include "SpreadsheetSummary.h"
#include "TrainingEngine.h"
#include "WorkbookDump.h"

namespace vantorelle::testing {
namespace {

const AnalysisMoment Moment{{2026, 12, 9}, {14, 5, 30}};

// Three one-hot classes, answered right, wrong and right: a class table with
// something off the diagonal.
NetworkState ThreeClasses()
{
    NetworkState net = MakeNetwork({{3, 0, 0}, {0, 3, 0}, {0, 0, 3}, {3, 0, 0}},
                                   {{1, 0, 0}, {0, 0, 1}, {0, 0, 1}, {1, 0, 0}});
    net.TrainingFileName = "three.net";
    SetUnitTypes(net, UnitKind::IntDev);
    for (long k = 1; k <= 3; ++k) {
        net.Weights(k, k) = 1;
        net.OutputUnits[k].Threshold = -1.5;
    }
    net.EpochCount = 10;
    net.SSERecordCount = 1;
    return net;
}

std::vector<SeedOutcome> SomeSeeds()
{
    std::vector<SeedOutcome> seeds(3);
    seeds[0] = {7, true, 12, true, 0.0625, 4, 4, {}};
    seeds[1] = {8, false, 0, false, 0, 0, 0, {}};  // stopped before it started
    seeds[2] = {9, true, 1000, false, 1.0 / 3.0, 3, 4, {}};
    return seeds;
}

class NoProgress : public SummaryObserver {};

WorkbookDump Built(NetworkState net, const std::string& folder, const WorkbookExtras& extras)
{
    NewBookInFolder destination(folder);
    NoProgress progress;
    const SummaryResult result = BuildSpreadsheetSummary(net, Moment, destination, progress, extras);
    EXPECT_TRUE(result.ok) << result.message;
    return DumpWorkbook(result.path);
}

// the workbook

TEST(ResultsExtras, TheExtraSheetsComeLastAndLeaveTheSummarysCellsAsTheyWere)
{
    ScratchFolder scratch;
    const NetworkState net = ThreeClasses();
    const WorkbookDump plain = Built(net, scratch.Path("plain"), {});
    WorkbookExtras extras;
    extras.Confusions = {{"three.net", true, ConfusionOf(net)}};
    extras.Seeds = SomeSeeds();
    extras.SeedsSummary = "All hits in 1 of 2 runs";
    const WorkbookDump book = Built(net, scratch.Path("extras"), extras);

    std::vector<std::string> order = plain.sheets;
    order.push_back(ConfusionSheetName);
    order.push_back(SeedsSheetName);
    EXPECT_EQ(book.sheets, order);
    EXPECT_EQ(book.active, "General Information");
    EXPECT_EQ(book.names, plain.names);
    for (const auto& [where, cell] : plain.cells) {
        // The time of analysis is the same moment in both.
        const DumpedCell other = book.Cell(where.first, where.second);
        EXPECT_EQ(other.value, cell.value) << where.first << "!" << where.second;
        EXPECT_EQ(other.numberFormat, cell.numberFormat) << where.first << "!" << where.second;
    }
    for (const std::string& sheet : plain.sheets)
        EXPECT_EQ(book.CellCount(sheet), plain.CellCount(sheet)) << sheet;
}

TEST(ResultsExtras, TheConfusionSheetHoldsTheCoresCounts)
{
    ScratchFolder scratch;
    const NetworkState net = ThreeClasses();
    const Confusion counts = ConfusionOf(net);
    ASSERT_TRUE(counts.OneHot);
    WorkbookExtras extras;
    extras.Confusions = {{"three.net", true, counts}, {"other.net", false, counts}};
    const WorkbookDump book = Built(net, scratch.Path("books"), extras);
    const std::string sheet = ConfusionSheetName;

    EXPECT_EQ(book.Cell(sheet, "A1").value, "Training file");
    EXPECT_EQ(book.Cell(sheet, "B1").value, "three.net");
    EXPECT_EQ(book.Cell(sheet, "A2").value, "Unit");
    for (long k = 1; k <= 3; ++k) {
        const std::string row = std::to_string(2 + k);
        EXPECT_EQ(book.Number(sheet, "A" + row), k);
        EXPECT_EQ(book.Number(sheet, "B" + row), counts.UnitHits[k]) << "unit " << k;
        EXPECT_EQ(book.Number(sheet, "C" + row), counts.UnitMisses[k]) << "unit " << k;
    }
    // The class table starts two rows after the units: row 7, its rows the classes wanted.
    EXPECT_EQ(book.Cell(sheet, "A7").value, "Wanted \\ Answered");
    const char* columns = "BCD";
    for (long wanted = 1; wanted <= 3; ++wanted)
        for (long answered = 1; answered <= 3; ++answered) {
            const std::string ref = std::string(1, columns[answered - 1]) + std::to_string(7 + wanted);
            EXPECT_EQ(book.Number(sheet, ref), counts.Counts[wanted][answered]) << ref;
        }
    EXPECT_EQ(book.Cell(sheet, "A11").value, "Right");
    EXPECT_EQ(book.Number(sheet, "B11"), counts.Right);
    EXPECT_EQ(book.Number(sheet, "B12"), counts.Patterns);
    EXPECT_DOUBLE_EQ(book.Number(sheet, "B13"), counts.Accuracy());
    EXPECT_EQ(book.Cell(sheet, "B13").numberFormat, "0.00%");
    // The second file's block follows, named as a tested file.
    EXPECT_EQ(book.Cell(sheet, "A15").value, "Tested on");
    EXPECT_EQ(book.Cell(sheet, "B15").value, "other.net");
}

TEST(ResultsExtras, TheSeedsSheetHoldsTheRunsThatRanAndNothingComesWithoutThem)
{
    ScratchFolder scratch;
    const NetworkState net = ThreeClasses();
    WorkbookExtras extras;
    extras.Seeds = SomeSeeds();
    extras.SeedsSummary = "summary line";
    const WorkbookDump book = Built(net, scratch.Path("seeds"), extras);
    const std::string sheet = SeedsSheetName;
    EXPECT_EQ(book.sheets.back(), sheet);
    EXPECT_EQ(std::count(book.sheets.begin(), book.sheets.end(), ConfusionSheetName), 0);
    EXPECT_EQ(book.Cell(sheet, "A1").value, "Seed");
    EXPECT_EQ(book.Number(sheet, "A2"), 7);
    EXPECT_EQ(book.Number(sheet, "B2"), 12);
    EXPECT_EQ(book.Cell(sheet, "C2").value, "yes");
    EXPECT_EQ(book.Number(sheet, "A3"), 9);  // seed 8 never ran
    EXPECT_EQ(book.Cell(sheet, "C3").value, "no");
    EXPECT_NEAR(book.Number(sheet, "D3"), 1.0 / 3.0, 1e-15);
    EXPECT_EQ(book.Cell(sheet, "A5").value, "summary line");

    // Seeds none of which ran leave the workbook as it always was.
    WorkbookExtras idle;
    idle.Seeds = {SomeSeeds()[1]};
    EXPECT_TRUE(idle.Empty());
    const WorkbookDump plain = Built(net, scratch.Path("idle"), idle);
    EXPECT_EQ(plain.sheets.back(), "Sheet1");
}

// the report

TEST_F(AndReportTest, ConfusionTablesAskedForFollowTheDefaultReportUnchanged)
{
    GiveAndTrainedWeights(net);
    NetworkState again = net;
    ASSERT_TRUE(WriteResultsReport(net, request, status, messages));
    const std::string plain = ReadBytes(request.path);

    ReportExtras extras;
    extras.confusions = {{"and.net", true, ConfusionOf(again)}};
    ASSERT_TRUE(WriteResultsReport(again, request, status, messages, extras));
    const std::string withTables = ReadBytes(request.path);

    ASSERT_GT(withTables.size(), plain.size());
    EXPECT_EQ(withTables.substr(0, plain.size()), plain);
    std::string expected = "Confusion tables and accuracy:\r\r\n" + std::string(15, '-') + "\r\r\n";
    for (const std::string& line : FileConfusionLines(extras.confusions, request.locale))
        expected += line + "\r\n";
    expected += std::string(45, '=') + "\r\r\n";
    EXPECT_EQ(withTables.substr(plain.size()), expected);
}

// the seeds' CSV

TEST(ResultsExtras, TheSeedsCsvHasALineForEachSeedThatRanWithItsExactTotal)
{
    ScratchFolder scratch;
    SystemReportFiles files;
    const std::string path = scratch.Path("seeds.csv");
    ASSERT_EQ(WriteSeedsCsv(path, SomeSeeds(), files), "");
    EXPECT_EQ(ReadBytes(path), "seed,epochs,all_hits,total_sse,hits,responses\n"
                               "7,12,yes,0.0625,4,4\n"
                               "9,1000,no,0.3333333333333333,3,4\n");
    EXPECT_NE(WriteSeedsCsv(scratch.Path("no such folder/seeds.csv"), SomeSeeds(), files), "");
}

}  // namespace
}  // namespace vantorelle::testing
