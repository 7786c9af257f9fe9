// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "InProcessTrainer.h"
#include "ReportTestSupport.h"
#include "RunningProgram.h"
#include "ShellCommand.h"
#include "Trainer.h"

using namespace vantorelle::cli;
using vantorelle::testing::Outcome;
using vantorelle::testing::Train;
using vantorelle::testing::ReadBytes;
using vantorelle::testing::RunningProgram;
using vantorelle::testing::ScratchFolder;

namespace {

std::string Example(const std::string& name) { return std::string(VANTORELLE_EXAMPLES) + "/" + name; }

// Runs the real program through the shell; answers its exit code and output.
Outcome Shell(const std::string& commandLine)
{
    vantorelle::testing::ShellOutcome outcome = vantorelle::testing::RunThroughShell(commandLine);
    return {outcome.code, std::move(outcome.output), ""};
}

Outcome Program(const std::string& arguments) { return Shell(std::string(VANTORELLE_TRAIN) + " " + arguments); }

}  // namespace

TEST(Trainer, TrainsAndWithTheStatusLinesOfThePage)
{
    Outcome r = Train({Example("and.net"), "--seed", "1", "--print-every", "1", "--no-hit-stop", "--epochs", "3"});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_EQ(r.err, "");
    // Epoch 1 has no change line; later blocks do; the final block always comes.
    EXPECT_EQ(r.out.find("Epochs: 1\nTotal SSE: "), 0u) << r.out;
    EXPECT_NE(r.out.find("\n  Hits: "), std::string::npos);
    EXPECT_NE(r.out.find("Epochs: 2\nTotal SSE: "), std::string::npos);
    EXPECT_NE(r.out.find("Change in SSE: "), std::string::npos);
    std::size_t blocks = 0;
    for (std::size_t at = r.out.find("Epochs: 3\n"); at != std::string::npos; at = r.out.find("Epochs: 3\n", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 2u);  // the display at epoch 3 and the final block
}

TEST(Trainer, SameSeedSameOutputAndQuietPrintsOnlyTheFinalBlock)
{
    Outcome a = Train({Example("letters.net"), "--seed", "5", "--rule", "Gradient", "--epochs", "200"});
    Outcome b = Train({Example("letters.net"), "--seed", "5", "--rule", "Gradient", "--epochs", "200"});
    EXPECT_EQ(a.out, b.out);
    Outcome q = Train({Example("letters.net"), "--seed", "5", "--rule", "Gradient", "--epochs", "200", "--quiet"});
    EXPECT_EQ(q.out.find("Epochs: "), q.out.rfind("Epochs: "));
    EXPECT_EQ(a.out.substr(a.out.size() - q.out.size()), q.out);
}

TEST(Trainer, ContinueAndTestFile)
{
    Outcome r = Train({Example("and.net"), "--seed", "2", "--no-hit-stop", "--epochs", "30", "--continue", "20",
                   "--print-every", "1000", "--test", Example("or.net")});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    EXPECT_NE(r.out.find("Epochs: 30\n"), std::string::npos);
    EXPECT_NE(r.out.find("Epochs: 50\n"), std::string::npos);
    EXPECT_NE(r.out.find("Test file: "), std::string::npos);

}

// Nothing is trained when the command line cannot be carried out to its end.
// A command line or settings at fault: one line, "(try --help)", exit 2.
TEST(Trainer, UsageRefusalsComeBeforeAnyTrainingAndExitTwo)
{
    // A refusal takes no time; a run that was never refused might never end.
    const std::string train = "timeout 120 " + std::string(VANTORELLE_TRAIN) + " " + Example("and.net") + " --epochs 5 ";
    struct Case {
        std::string arguments;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{
             {"--rate fast", "vantorelle-train: --rate \"fast\": not a number\n(try --help)\n"},
             {"--weights 0.5,0.2,Pos",
              "vantorelle-train: --weights \"0.5,0.2,Pos\": The minimum weight cannot be greater than the maximum "
              "weight.\n(try --help)\n"},
             {"--continue 0",
              "vantorelle-train: --continue \"0\": Maximum number of training epochs must be greater than zero.\n"
              "(try --help)\n"},
             // Only the all-hits stop could end it, and no response can be a hit.
             {"--no-epoch-limit --min-error -1",
              "vantorelle-train: --min-error \"-1\": no squared error is below -1, so no response can be a hit "
              "and, with --no-epoch-limit, the run would never end\n(try --help)\n"},
         }) {
        Outcome r = Shell(train + c.arguments);
        EXPECT_EQ(r.code, ExitUsageError) << c.arguments;
        EXPECT_EQ(r.out, c.expected);
    }
}

// A file that cannot be used, found before training: one line naming it, exit 1.
TEST(Trainer, FileRefusalsComeBeforeAnyTrainingAndExitOne)
{
    const std::string train = std::string(VANTORELLE_TRAIN) + " " + Example("and.net") + " --epochs 5 ";
    struct Case {
        std::string commandLine;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{
             {train + "--test /", "vantorelle-train: --test \"/\": the test file is a folder\n"},
             {train + "--test /nonexistent/or.net",
              "vantorelle-train: --test \"/nonexistent/or.net\": the test file does not exist\n"},
             {train + "--test " + Example("letters.net"),
              "vantorelle-train: --test \"" + Example("letters.net") +
                  "\": the test file has 35 inputs and 26 outputs; the training file has 2 and 1.\n"},
             {train + "--report /nonexistent/r.txt",
              "vantorelle-train: --report \"/nonexistent/r.txt\": the folder \"/nonexistent\" does not exist\n"},
             {train + "--report /", "vantorelle-train: --report \"/\": is a folder\n"},
             {std::string(VANTORELLE_TRAIN) + " /", "vantorelle-train: the training file \"/\" is a folder\n"},
             {std::string(VANTORELLE_TRAIN) + " /nonexistent/file.net",
              "vantorelle-train: the training file \"/nonexistent/file.net\" does not exist\n"},
         }) {
        Outcome r = Shell(c.commandLine);
        EXPECT_EQ(r.code, ExitDataError) << c.commandLine;
        EXPECT_EQ(r.out, c.expected);
    }
    // A test file that is there but no training file: the reader's message, said of the test file.
    Outcome bad = Shell(train + "--test " + std::string(VANTORELLE_TEST_DATA) + "/other_program_header.net");
    EXPECT_EQ(bad.code, ExitDataError);
    const std::string testFile = std::string(VANTORELLE_TEST_DATA) + "/other_program_header.net";
    EXPECT_EQ(bad.out.find("vantorelle-train: The test file \"" + testFile + "\" cannot be used: "), 0u) << bad.out;
}

// A criterion no response can meet still trains to the epoch limit, as the
// page would, but not without a word.
TEST(Trainer, AHitCriterionNoResponseCanMeetIsWarnedAbout)
{
    for (const std::string criterion : {"-1", "0"}) {
        Outcome r = Train({Example("and.net"), "--seed", "1", "--epochs", "5", "--quiet", "--min-error", criterion});
        EXPECT_EQ(r.code, ExitOk);
        EXPECT_EQ(r.err, "vantorelle-train: warning: --min-error \"" + criterion + "\": no squared error is below " +
                             criterion + ", so no response can be a hit; training goes on to the epoch limit\n");
        EXPECT_NE(r.out.find("Epochs: 5\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("  Hits: 0.00\n"), std::string::npos) << r.out;
    }
    Outcome small = Train({Example("and.net"), "--seed", "1", "--epochs", "5", "--quiet", "--min-error", "1e-300"});
    EXPECT_EQ(small.err, "");
}

TEST(Trainer, ProgramExitCodes)
{
    EXPECT_EQ(Program("--help").code, 0);
    EXPECT_EQ(Program("--version").code, 0);
    Outcome usage = Program("--frobnicate");
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.out.find("--frobnicate"), std::string::npos);
    Outcome bad = Program(std::string(VANTORELLE_TEST_DATA) + "/other_program_header.net");
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.out.find("\"SNNS\", is not a number"), std::string::npos);
    Outcome ok = Program(Example("and.net") + " --seed 3");
    EXPECT_EQ(ok.code, 0);
    EXPECT_NE(ok.out.find("Misses: "), std::string::npos);
}

// Ctrl-C and SIGTERM end a run that would never end by itself as a finished
// run ends (final block, report), and the exit status says which signal it was.
TEST(Trainer, StopSignalsEndARunawayRunWithTheFinalBlockAndTheReport)
{
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        SCOPED_TRACE(strsignal(signal));
        ScratchFolder scratch;
        const std::string report = scratch.Path("r.txt");
        // XOR with only the all-hits stop never ends by itself.
        RunningProgram program({VANTORELLE_TRAIN, Example("xor.net"), "--no-epoch-limit", "--print-every", "1000",
                                "--report", report, "--sections", "general"});
        // Signal once the run is surely under way: its first progress block is out.
        ASSERT_TRUE(program.ReadUntil("Epochs: 1000\n", "Misses: ")) << program.output;
        program.Signal(signal);
        ASSERT_TRUE(program.ReadToEnd()) << program.output;
        EXPECT_EQ(program.Wait(), status) << program.output;

        // The last block is complete, and the report describes the epoch it shows.
        const std::string& out = program.output;
        const auto last = out.rfind("Epochs: ");
        const auto misses = out.find("\nMisses: ", last);
        ASSERT_NE(misses, std::string::npos) << out;
        const std::string epochs = out.substr(last + 8, out.find('\n', last) - last - 8);
        EXPECT_EQ(out.substr(out.find('\n', misses + 1)), "\n\nr.txt has been saved!\n") << out;
        const std::string text = ReadBytes(report);
        EXPECT_NE(text.find("Training completed after " + epochs + " epochs\r"), std::string::npos) << text;
    }
}

// In a script that trains on many files, a message must say which program
// speaks and which file it means, as it was typed, not only its last part.
TEST(Trainer, ErrorsNameTheProgramAndTheFileAsTyped)
{
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch.Path("sub"));
    vantorelle::testing::WriteBytes(scratch.Path("sub/short.net"), "1 0 2 3\n0 0 0 1\n");
    const std::string inFolder = "cd " + scratch.folder.string() + " && " + VANTORELLE_TRAIN + " ";
    const std::string ending = " cannot be used: the file ends before all input values are read.\n";

    EXPECT_EQ(Shell(inFolder + "sub/short.net").out, "vantorelle-train: The training file \"sub/short.net\"" + ending);
    EXPECT_EQ(Shell(inFolder + Example("and.net") + " --test sub/short.net").out,
              "vantorelle-train: The test file \"sub/short.net\"" + ending);
    // A report that fails only at the end: the writer's two lines, the first one the program's.
    Outcome full = Shell(inFolder + Example("and.net") + " --seed 1 -q --report /dev/full 2>&1 >/dev/null");
    EXPECT_EQ(full.code, ExitDataError);
    EXPECT_EQ(full.out.find("vantorelle-train: The report could not be saved as \"/dev/full\".\n"), 0u) << full.out;
}

TEST(Trainer, VersionNamesThePackageAndTheLicence)
{
    for (const char* option : {"--version", "-V"}) {
        Outcome version = Program(option);
        EXPECT_EQ(version.code, 0);
        EXPECT_EQ(version.out.find("vantorelle-train (Vantorelle) "), 0u) << version.out;
        EXPECT_NE(version.out.find("\nLicense GPL-3.0-or-later"), std::string::npos) << version.out;
    }
}

// A file written with decimal commas trains on shifted values; it is read as
// always, but not without a word on standard error.
TEST(Trainer, FilesReadOtherwiseThanMeantAreWarnedAbout)
{
    ScratchFolder scratch;
    const std::string commas = scratch.Path("commas.net");
    vantorelle::testing::WriteBytes(commas, "1,0,2,2\n0,5 0,25\n0,75 1\n1\n0\n");
    const std::string empty = scratch.Path("empty.net");
    vantorelle::testing::WriteBytes(empty, "1,0,2,1\n0,,1,,,\n1\n");

    Outcome r = Train({commas, "--seed", "1", "--epochs", "2", "-q", "--test", empty});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_EQ(r.err, "vantorelle-train: warning: the training file \"" + commas +
                         "\" has more values than its header asks for; the rest are ignored (numbers take a \".\" "
                         "decimal point)\n"
                         "vantorelle-train: warning: the test file \"" + empty +
                         "\" has 3 empty fields (\",,\"), read as no value at all\n");
    EXPECT_NE(r.out.find("Epochs: 2\n"), std::string::npos) << r.out;
    EXPECT_EQ(Train({Example("and.net"), "--seed", "1", "--epochs", "2", "-q"}).err, "");
}
