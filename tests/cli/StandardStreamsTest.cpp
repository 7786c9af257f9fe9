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

Ending RunInto(const ScratchFolder& scratch, const std::string& sink)
{
    const std::string status = scratch.Path("status");
    const std::string errors = scratch.Path("errors");
    RunThroughShell("{ " + LongRun(scratch.Path("r.txt")) + " 2>" + errors + "; echo $? >" + status + "; } " + sink);
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

TEST(StandardStreams, AFullDiskIsNotASilentSuccess)
{
    ScratchFolder scratch;
    const Ending ending = RunInto(scratch, ">/dev/full");
    EXPECT_EQ(ending.status, "3\n");
    EXPECT_EQ(ending.errors, "vantorelle-train: standard output could not be written; the run went on to its end\n");
    EXPECT_NE(ReadBytes(scratch.Path("r.txt")).find("Training completed after 4000 epochs\r"), std::string::npos);
}
