// SPDX-License-Identifier: GPL-3.0-or-later
// vantorelle-train --seeds: each line the run --seed gives, the CSV exact, and
// the options it cannot go with refused before anything runs.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "Options.h"
#include "InProcessTrainer.h"
#include "ReportTestSupport.h"
#include "Trainer.h"
#include "TrainingSet.h"

using namespace vantorelle;
using namespace vantorelle::cli;
using vantorelle::testing::MaskDateAndTime;
using vantorelle::testing::Outcome;
using vantorelle::testing::Train;
using vantorelle::testing::ReadBytes;
using vantorelle::testing::ScratchFolder;

namespace {

std::string Example(const char* name) { return std::string(VANTORELLE_EXAMPLES "/") + name; }

// The epoch count of a single run's final block.
long EpochsOf(const std::string& output)
{
    std::smatch match;
    EXPECT_TRUE(std::regex_search(output, match, std::regex(R"(Epochs: (\d+)\s*\n[^]*$)"))) << output;
    return std::stol(match[1]);
}

}  // namespace

TEST(SeedTable, EachLineIsTheRunItsSeedGivesAndTheCsvIsExact)
{
    ScratchFolder folder;
    const std::string csv = folder.Path("seeds.csv");
    const Outcome table = Train({Example("letters.net"), "--rule", "Gradient", "--rate", "2", "--epochs", "300",
                                 "--seeds", "1-8", "--threads", "3", "--seeds-csv", csv});
    ASSERT_EQ(table.code, ExitOk) << table.err;
    const std::string text = ReadBytes(csv);
    std::istringstream rows(text);
    std::string line;
    std::getline(rows, line);
    EXPECT_EQ(line, "seed,epochs,all_hits,total_sse,hits,responses");
    long reached = 0;
    for (int seed = 1; seed <= 8; ++seed) {
        ASSERT_TRUE(std::getline(rows, line)) << text;
        std::smatch cells;
        ASSERT_TRUE(std::regex_match(line, cells, std::regex(R"((\d+),(\d+),(yes|no),([^,]+),(\d+),676)"))) << line;
        EXPECT_EQ(cells[1], std::to_string(seed));
        const Outcome single = Train({Example("letters.net"), "--rule", "Gradient", "--rate", "2", "--epochs", "300",
                                      "--seed", std::to_string(seed), "--quiet"});
        EXPECT_EQ(std::stol(cells[2]), EpochsOf(single.out)) << "seed " << seed;
        reached += cells[3] == "yes";
        // Exact: the text reads back to a double that writes the same text.
        EXPECT_EQ(ExactNumberText(std::stod(cells[4])), cells[4].str());
    }
    EXPECT_FALSE(std::getline(rows, line));
    EXPECT_NE(table.out.find("All hits in " + std::to_string(reached) + " of 8 runs"), std::string::npos)
        << table.out;
}

TEST(SeedTable, WhatCannotGoWithSeedsIsRefusedBeforeAnythingRuns)
{
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"and.net", "--seeds", "1-5", "--seed", "3"}, "--seed cannot go with --seeds"},
        {{"and.net", "--seeds", "1-5", "--report", "r.txt"}, "--report cannot go with --seeds"},
        {{"and.net", "--seeds", "1-5", "--continue", "10"}, "--continue cannot go with --seeds"},
        {{"and.net", "--seeds", "5-1"}, "--seeds \"5-1\": not a range of 1 to 100000 seeds"},
        {{"and.net", "--seeds", "1-100001"}, "--seeds \"1-100001\": not a range of 1 to 100000 seeds"},
        {{"and.net", "--seeds", "7"}, "--seeds \"7\": not a range of seeds such as 1-100"},
        {{"and.net", "--seeds-csv", "s.csv"}, "--seeds-csv needs --seeds FIRST-LAST"},
        {{"and.net", "--seeds", "1-2", "--threads", "0"}, "--threads \"0\": not a whole number from 1 to 256"},
    };
    for (const auto& [args, message] : refused) {
        const ParseResult parsed = ParseOptions(args);
        EXPECT_NE(parsed.error.find(message), std::string::npos) << message << " | " << parsed.error;
    }
    const ParseResult fine = ParseOptions({"and.net", "--seeds=1-100000", "--threads=2"});
    EXPECT_TRUE(fine.error.empty()) << fine.error;
    const ParseResult alone = ParseOptions({"and.net", "--threads=2"});
    EXPECT_TRUE(alone.error.empty()) << alone.error;
}

// Without --seeds, --threads splits one run's outputs: the report is the
// one thread's, byte for byte, under each rule (the value rule's overflow
// message included, at a rate that overflows).
TEST(SeedTable, ThreadsOfOneRunLeaveItsReportAsOneThreadWritesIt)
{
    ScratchFolder folder;
    const std::pair<const char*, const char*> runs[] = {{"Delta", "0.5"}, {"Gradient", "2"}, {"Tarvik", "1e150"}};
    for (const auto& [rule, rate] : runs) {
        std::string reports[2];
        std::string outputs[2];
        const char* threads[] = {"1", "3"};
        for (int t = 0; t < 2; ++t) {
            const std::string report = folder.Path(std::string(rule) + ".txt");
            const Outcome run = Train({Example("letters.net"), "--rule", rule, "--rate", rate, "--epochs", "40",
                                       "--seed", "5", "--threads", threads[t], "--report", report});
            ASSERT_EQ(run.code, ExitOk) << run.err;
            reports[t] = MaskDateAndTime(ReadBytes(report));
            outputs[t] = run.out + run.err;
        }
        EXPECT_EQ(reports[0], reports[1]) << rule;
        EXPECT_EQ(outputs[0], outputs[1]) << rule;
    }
}
