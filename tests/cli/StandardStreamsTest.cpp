// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer as one command of a pipeline: standard output that fails,
// standard input as the training file, the report on standard output.

#include <gtest/gtest.h>

#include <string>

#include "ReportTestSupport.h"
#include "ShellCommand.h"

using vantorelle::testing::ReadBytes;
using vantorelle::testing::RunThroughShell;
using vantorelle::testing::ScratchFolder;

namespace {

std::string Example(const std::string& name) { return std::string(VANTORELLE_EXAMPLES) + "/" + name; }

// Far more progress than a pipe holds, so that the trainer is still printing
// when the reader has gone, however the two are scheduled.
std::string LongRun(const std::string& report)
{
    return std::string(VANTORELLE_TRAIN) + " " + Example("and.net") +
           " --seed 4 --no-hit-stop --epochs 4000 --print-every 1 --report " + report;
}

// The trainer's exit status and standard error, when its standard output goes to `sink`.
struct Ending {
    std::string status;
    std::string errors;
};

Ending RunInto(const ScratchFolder& scratch, const std::string& sink, const std::string& report = {})
{
    const std::string status = scratch.Path("status");
    const std::string errors = scratch.Path("errors");
    RunThroughShell("{ " + LongRun(report.empty() ? scratch.Path("r.txt") : report) + " 2>" + errors + "; echo $? >" +
                    status + "; } " + sink);
    return {ReadBytes(status), ReadBytes(errors)};
}

}  // namespace

// "vantorelle-train ... | head -1": the reader leaves early. The trainer
// stops printing, finishes, writes the report and says standard output failed.
TEST(StandardStreams, AClosedPipeStillGetsTheReportWrittenAndExitsThree)
{
    ScratchFolder scratch;
    const Ending ending = RunInto(scratch, "| head -c 1 >/dev/null");
    EXPECT_EQ(ending.status, "3\n");
    EXPECT_EQ(ending.errors, "vantorelle-train: standard output could not be written; the run went on to its end\n");
    EXPECT_NE(ReadBytes(scratch.Path("r.txt")).find("Training completed after 4000 epochs\r"), std::string::npos);
}

// When more than one status applies, the lowest: a report that could not be
// written matters more than progress lines lost.
TEST(StandardStreams, AFailedReportOutranksAFailedStandardOutput)
{
    ScratchFolder scratch;
    const Ending ending = RunInto(scratch, "| head -c 1 >/dev/null", "/dev/full");
    EXPECT_EQ(ending.status, "1\n");
    EXPECT_EQ(ending.errors.find("vantorelle-train: The report could not be saved as \"/dev/full\".\n"), 0u)
        << ending.errors;
}

TEST(StandardStreams, AFullDiskIsNotASilentSuccess)
{
    ScratchFolder scratch;
    const Ending ending = RunInto(scratch, ">/dev/full");
    EXPECT_EQ(ending.status, "3\n");
    EXPECT_EQ(ending.errors, "vantorelle-train: standard output could not be written; the run went on to its end\n");
    EXPECT_NE(ReadBytes(scratch.Path("r.txt")).find("Training completed after 4000 epochs\r"), std::string::npos);
}

// "-" reads the training file from a pipe, which has no length to check
// beforehand, and trains exactly as on the file itself.
TEST(StandardStreams, TheTrainingFileFromAPipe)
{
    const std::string train = std::string(VANTORELLE_TRAIN) + " ";
    const auto fromFile = RunThroughShell(train + Example("letters.net") + " --seed 7 --no-hit-stop --epochs 50 -q");
    const auto fromPipe = RunThroughShell("cat " + Example("letters.net") + " | " + train + "- --seed 7 --no-hit-stop --epochs 50 -q");
    EXPECT_EQ(fromPipe.code, 0) << fromPipe.output;
    EXPECT_EQ(fromPipe.output, fromFile.output);
    EXPECT_NE(fromPipe.output.find("Epochs: 50\n"), std::string::npos) << fromPipe.output;

    const auto shortPipe = RunThroughShell("printf '1 0 2 3 0 1' | " + train + "-");
    EXPECT_EQ(shortPipe.code, 1);
    EXPECT_EQ(shortPipe.output,
              "vantorelle-train: The training file \"-\" cannot be used: the file ends before all input values are read.\n");
}

// "-o -": standard output carries the report alone, so that it can be piped
// on; the progress goes to standard error. A redirected file is written
// into, not replaced.
TEST(StandardStreams, TheReportOnStandardOutput)
{
    ScratchFolder scratch;
    const std::string train = std::string(VANTORELLE_TRAIN) + " " + Example("and.net") + " --seed 3 --sections all ";
    const auto named = RunThroughShell(train + "--report " + scratch.Path("r.txt"));
    ASSERT_EQ(named.code, 0) << named.output;
    const std::string errors = scratch.Path("errors");
    const auto piped = RunThroughShell(train + "-o - 2>" + errors + " | cat >" + scratch.Path("piped.txt"));
    EXPECT_EQ(piped.code, 0) << piped.output;
    const auto redirected = RunThroughShell("{ echo before; " + train + "-o - 2>/dev/null; } >" + scratch.Path("out.txt"));
    EXPECT_EQ(redirected.code, 0) << redirected.output;

    // All but the date and time lines (the runs a second apart) are the same.
    const std::string file = ReadBytes(scratch.Path("r.txt"));
    const std::string body = file.substr(file.find("Training completed after"));
    const std::string piece = ReadBytes(scratch.Path("piped.txt"));
    EXPECT_EQ(piece.substr(0, file.find("Date Of Analysis")), file.substr(0, file.find("Date Of Analysis")));
    EXPECT_EQ(piece.substr(piece.find("Training completed after")), body);
    EXPECT_EQ(piece.find("Epochs: "), std::string::npos);
    EXPECT_NE(ReadBytes(errors).find("Misses: "), std::string::npos);
    const std::string out = ReadBytes(scratch.Path("out.txt"));
    EXPECT_EQ(out.find("before\nPerceptron Training Program\r\r\n"), 0u) << out;
    EXPECT_EQ(out.substr(out.find("Training completed after")), body);
}
