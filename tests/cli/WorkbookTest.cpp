// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's --xlsx: the same workbook as the hub's export, written to the
// named file only once it is complete, and a clear refusal of a bad path.

#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "ShellCommand.h"
#include "WorkbookDump.h"

using vantorelle::testing::DumpWorkbook;
using vantorelle::testing::ReadBytes;
using vantorelle::testing::RunThroughShell;
using vantorelle::testing::ScratchFolder;
using vantorelle::testing::ShellOutcome;
using vantorelle::testing::WriteBytes;

namespace {

using Outcome = ShellOutcome;

Outcome Trainer(const std::string& arguments)
{
    return RunThroughShell(std::string(VANTORELLE_TRAIN) + " " + arguments);
}

const std::string And = std::string(VANTORELLE_EXAMPLES) + "/and.net";

TEST(TrainerWorkbookTest, WritesTheSummaryWorkbook)
{
    ScratchFolder scratch;
    const std::string book = scratch.Path("and.xlsx");
    WriteBytes(book, "an earlier file");
    const Outcome run = Trainer(And + " --seed 1 --rule Gradient --quiet --xlsx '" + book + "'");
    ASSERT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"and.xlsx"});  // no temporary left behind

    const auto dump = DumpWorkbook(book);
    EXPECT_EQ(dump.sheets.front(), "General Information");
    EXPECT_EQ(dump.sheets.size(), 8u);
    EXPECT_EQ(dump.Cell("General Information", "B2").value, "and.net");
    EXPECT_EQ(dump.Cell("General Information", "B5").value, "Gradient");
    EXPECT_EQ(dump.names.at("Inputs"), "Inputs!$B$2:$D$6");
    // The hits and misses are those of the final status block.
    const auto hits = run.output.find("  Hits: ");
    ASSERT_NE(hits, std::string::npos) << run.output;
    const std::string shown = run.output.substr(hits + 8, run.output.find('\n', hits) - hits - 8);
    EXPECT_EQ(dump.Cell("General Information", "B8").value + ".00", shown);
}

TEST(TrainerWorkbookTest, ABadPathIsRefusedBeforeTraining)
{
    ScratchFolder scratch;
    const Outcome run = Trainer(And + " --xlsx '" + scratch.Path("missing/and.xlsx") + "'");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.output.find("--xlsx"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("does not exist"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Epochs"), std::string::npos) << run.output;
}

}  // namespace
