// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's --report and --sections: golden reports of deterministic
// runs, the system's locale, and what a bad path or list gives.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "ReportTestSupport.h"
#include "ShellCommand.h"
#include "SpecialFiles.h"
#include "Trainer.h"

using namespace vantorelle;
using namespace vantorelle::cli;
using vantorelle::testing::BoundSocket;
using vantorelle::testing::MaskDateAndTime;
using vantorelle::testing::KindAt;
using vantorelle::testing::MakeDeviceLike;
using vantorelle::testing::ReadBytes;
using vantorelle::testing::ScratchFolder;
using vantorelle::testing::WriteBytes;

namespace {

std::string Example(const std::string& name) { return std::string(VANTORELLE_EXAMPLES) + "/" + name; }
std::string Data(const std::string& name) { return std::string(VANTORELLE_TEST_DATA) + "/" + name; }

using Outcome = vantorelle::testing::ShellOutcome;

// Runs the real program with LC_ALL set (Qt reads it whether or not the C
// library has that locale generated).
Outcome Program(const std::string& locale, const std::string& arguments)
{
    return vantorelle::testing::RunThroughShell("env LC_ALL='" + locale + "' " + VANTORELLE_TRAIN + " " + arguments);
}

std::string LineAfter(const std::string& report, const std::string& label)
{
    const auto start = report.find(label);
    if (start == std::string::npos)
        return "(no " + label + "line)";
    const auto from = start + label.size();
    return report.substr(from, report.find('\r', from) - from);
}

// File order and start ranges of zero width make these runs the same on every
// run whatever the seed.
const std::string Fixed = " --seed 7 --file-order ";

class ReportOption : public ::testing::Test {
protected:
    ScratchFolder scratch;
    std::string report = scratch.Path("r.txt");
};

}  // namespace

// golden reports

TEST_F(ReportOption, GradientRunWithEverySection)
{
    Outcome r = Program("C", Example("and.net") + Fixed +
                             "--rule Gradient --weights 0.1,0.1,Pos --thresholds 0,0,Pos --epochs 300 --no-hit-stop "
                             "--print-every 100 --sections all --report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    EXPECT_EQ(MaskDateAndTime(ReadBytes(report)), ReadBytes(Data("report_and_gradient_file_order_all_sections.txt")));
}

TEST_F(ReportOption, AfterContinueAndTestTheReportDescribesTheTestFile)
{
    Outcome r = Program("C", Example("and.net") + Fixed +
                             "--weights 0.05,0.05,Pos --thresholds 0,0,Pos --epochs 20 --print-every 5 --no-hit-stop "
                             "--continue 10 --test " + Example("or.net") + " --sections all --report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    EXPECT_EQ(MaskDateAndTime(ReadBytes(report)), ReadBytes(Data("report_and_delta_continue_then_test_on_or.txt")));
}

TEST_F(ReportOption, DefaultSectionsAfterAnAllHitsStop)
{
    Outcome r = Program("C", Example("xor.net") + Fixed +
                             "--rule Tarvik --weights 0.2,0.2,Neg --thresholds 0.5,0.5,Pos --epochs 50 "
                             "--print-every 10 --report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    EXPECT_EQ(MaskDateAndTime(ReadBytes(report)), ReadBytes(Data("report_xor_tarvik_default_sections.txt")));
    EXPECT_NE(r.output.find("\nr.txt has been saved!\n"), std::string::npos) << r.output;
}

// Continuing alone: the epoch count and history carry on from the first run.
TEST_F(ReportOption, ContinueWithoutTest)
{
    Outcome r = Program("C", Example("and.net") + Fixed +
                             "--weights 0.05,0.05,Pos --thresholds 0,0,Pos --epochs 20 --print-every 10 "
                             "--no-hit-stop --continue 15 --quiet --sections general,history --report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    const std::string text = ReadBytes(report);
    EXPECT_EQ(LineAfter(text, "Results Of Training With File: "), "and.net");
    EXPECT_EQ(LineAfter(text, "Training completed after "), "35 epochs");
    EXPECT_NE(text.find("\r\n20.00\t0.00E+00\r\n20.00\t0.00E+00\r\n30.00\t0.00E+00\r\n35.00\t0.00E+00\r\n"),
              std::string::npos);
    EXPECT_EQ(r.output.find("has been saved"), std::string::npos);  // --quiet
}

// locale

TEST_F(ReportOption, AmericanLocaleGroupsThousandsWithCommas)
{
    Outcome r = Program("en_US.UTF-8", Example("and.net") + Fixed +
                                       "--rule Gradient --rate 0.25 --epochs 1500 --print-every 1500 --no-hit-stop "
                                       "--sections general,history --report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("\r\n1,500.00\t"), std::string::npos);
    EXPECT_EQ(LineAfter(text, "Learning rate: "), "0.25");
    // The short date and the long time (with its zone) of that locale.
    EXPECT_TRUE(std::regex_match(LineAfter(text, "Date Of Analysis: "), std::regex(R"(\d{1,2}/\d{1,2}/\d{2})")))
        << LineAfter(text, "Date Of Analysis: ");
    EXPECT_TRUE(std::regex_match(LineAfter(text, "Time Of Analysis: "), std::regex(R"(\d{1,2}:\d{2}:\d{2} [AP]M .+)")))
        << LineAfter(text, "Time Of Analysis: ");
}

TEST_F(ReportOption, GermanLocaleSwapsTheSeparatorsInReportAndStatusLines)
{
    Outcome r = Program("de_DE.UTF-8", Example("and.net") + Fixed +
                                       "--rule Gradient --rate 0.25 --epochs 1500 --print-every 1500 --no-hit-stop "
                                       "--sections general,history --report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("\r\n1.500,00\t"), std::string::npos);
    // The rate typed the C way on the command line still means a quarter.
    EXPECT_EQ(LineAfter(text, "Learning rate: "), "0,25");
    EXPECT_TRUE(std::regex_match(LineAfter(text, "Date Of Analysis: "), std::regex(R"(\d{2}\.\d{2}\.\d{2})")));
    EXPECT_NE(r.output.find("\nTotal SSE: 0,"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("\nEpochs: 1500\n"), std::string::npos);
}

TEST_F(ReportOption, CLocaleUsesCommaGroupsAndPointDecimals)
{
    Outcome r = Program("C", Example("and.net") + Fixed +
                             "--epochs 1500 --print-every 1500 --no-hit-stop --rate 0.25 --sections general,history "
                             "--report " + report);
    ASSERT_EQ(r.code, 0) << r.output;
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("\r\n1,500.00\t"), std::string::npos);
    EXPECT_EQ(LineAfter(text, "Learning rate: "), "0.25");
    EXPECT_NE(r.output.find("\n  Hits: 4.00\n"), std::string::npos) << r.output;
}

// failures

// A report that could never be written is refused before training, not
// after a run that may take hours.
TEST_F(ReportOption, MissingFolderIsRefusedBeforeTraining)
{
    const std::string path = scratch.Path("missing/r.txt");
    Outcome r = Program("C", Example("and.net") + " --seed 1 --report " + path);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.output, "vantorelle-train: --report \"" + path + "\": the folder \"" + scratch.Path("missing") +
                            "\" does not exist\n");
    EXPECT_TRUE(scratch.Names().empty());
}

TEST_F(ReportOption, FailedTestFileWritesNoReport)
{
    Outcome r = Program("C", Example("and.net") + " --seed 1 --test " + Example("letters.net") + " --report " + report);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.output.find("Epochs: "), std::string::npos) << r.output;
    EXPECT_TRUE(scratch.Names().empty());
}

// What --report names need not be a plain file: a link is followed, a device
// written in place, a socket refused before training. Run as root, a device
// node would once have been replaced by a plain file; these are copies of
// /dev/full and /dev/null where root may make them.
TEST_F(ReportOption, LinksDevicesAndSocketsAreNeverReplaced)
{
    WriteBytes(scratch.Path("real.txt"), "an earlier report");
    ASSERT_EQ(::symlink("real.txt", report.c_str()), 0);
    Outcome linked = Program("C", Example("and.net") + " --seed 1 --quiet --report " + report);
    EXPECT_EQ(linked.code, 0) << linked.output;
    EXPECT_EQ(KindAt(report), S_IFLNK);
    EXPECT_EQ(ReadBytes(scratch.Path("real.txt")).rfind("Perceptron Training Program\r\r\n", 0), 0u);

    const std::string full = scratch.Path("full");
    const bool node = MakeDeviceLike(full, "/dev/full");
    Outcome filled = Program("C", Example("and.net") + " --seed 1 --quiet --report " + full);
    EXPECT_EQ(filled.code, 1);
    EXPECT_NE(filled.output.find("The report could not be saved as \"" + full + "\".\nThe disk is full.\n"),
              std::string::npos)
        << filled.output;
    EXPECT_EQ(KindAt(full), node ? S_IFCHR : S_IFLNK);

    const std::string null = scratch.Path("null");
    const bool nullNode = MakeDeviceLike(null, "/dev/null");
    EXPECT_EQ(Program("C", Example("and.net") + " --seed 1 --quiet --report " + null).code, 0);
    EXPECT_EQ(KindAt(null), nullNode ? S_IFCHR : S_IFLNK);

    BoundSocket socket(scratch.Path("socket"));
    ASSERT_TRUE(socket.bound);
    Outcome refused = Program("C", Example("and.net") + " --seed 1 --report " + scratch.Path("socket"));
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.output, "vantorelle-train: --report \"" + scratch.Path("socket") +
                                  "\": a socket of that name is in the way\n");
    EXPECT_EQ(KindAt(scratch.Path("socket")), S_IFSOCK);
}

TEST_F(ReportOption, BadSectionListsExitTwoNamingTheOption)
{
    for (const std::string list : {"general,colours", "all,general", "", "general,", "General;errors"}) {
        Outcome r = Program("C", Example("and.net") + " --report " + report + " --sections '" + list + "'");
        EXPECT_EQ(r.code, 2) << list;
        EXPECT_NE(r.output.find("vantorelle-train: --sections"), std::string::npos) << r.output;
    }
    EXPECT_TRUE(scratch.Names().empty());
}

// The whole path through RunTrainer, with the date, time and separators given in.
TEST_F(ReportOption, TrainerTakesItsTextsFromWhatItIsGiven)
{
    struct Texts : SystemTexts {
        NumberLocale Numbers() const override { return {"!", "_"}; }
        std::string Date() const override { return "the date"; }
        std::string Time() const override { return "the time"; }
    } texts;
    ParseResult parsed = ParseOptions({Example("and.net"), "--epochs", "1500", "--print-every", "1500",
                                       "--no-hit-stop", "--sections", "history", "--report", report});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    std::ostringstream out, err;
    ASSERT_EQ(RunTrainer(parsed.options, out, err, nullptr, &texts), ExitOk) << err.str();
    const std::string text = ReadBytes(report);
    EXPECT_EQ(LineAfter(text, "Date Of Analysis: "), "the date");
    EXPECT_EQ(LineAfter(text, "Time Of Analysis: "), "the time");
    EXPECT_NE(text.find("\r\n1_500!00\t"), std::string::npos);
    EXPECT_NE(out.str().find("Total SSE: 0!"), std::string::npos) << out.str();
}
