// SPDX-License-Identifier: GPL-3.0-or-later
// The largest training files allowed, 32767 patterns of one output and 3276
// patterns of ten outputs with 784 inputs (32767 and 32760 responses),
// generated here: read, trained for a few epochs, probed, reported and
// exported as a workbook without a failure.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "RecordingHost.h"
#include "ReportTestSupport.h"
#include "Response.h"
#include "SpreadsheetSummary.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

namespace vantorelle::testing {
namespace {

// A training file of the given sizes: inputs from a repeating pattern of
// short values, each pattern's output the one its number picks.
void WriteLargeFile(const std::string& path, long outputs, long inputs, long patterns)
{
    std::ofstream out(path, std::ios::binary);
    out << outputs << ", 0, " << inputs << ", " << patterns << "\n";
    static const char* const Values[] = {"0", "1", "0.5", "0.25", "0.75", "-1", "0.125"};
    for (long p = 1; p <= patterns; ++p) {
        for (long i = 1; i <= inputs; ++i)
            out << Values[(p * 31 + i * 7) % 7] << (i == inputs ? '\n' : ' ');
    }
    for (long p = 1; p <= patterns; ++p)
        for (long k = 1; k <= outputs; ++k)
            out << (p % outputs + 1 == k ? "1" : "0") << (k == outputs ? '\n' : ' ');
    ASSERT_TRUE(out.good());
}

struct Largest {
    long outputs, inputs, patterns;
    const char* rule;
};

void PrintTo(const Largest& s, std::ostream* out)
{
    *out << s.patterns << " patterns, " << s.inputs << " inputs, " << s.outputs << " outputs, " << s.rule;
}

class LargestFileTest : public ::testing::TestWithParam<Largest> {};

TEST_P(LargestFileTest, ReadTrainedProbedReportedAndExported)
{
    const Largest sizes = GetParam();
    ScratchFolder scratch;
    const std::string file = scratch.Path("largest.net");
    WriteLargeFile(file, sizes.outputs, sizes.inputs, sizes.patterns);

    NetworkState net;
    const ReadResult read = ReadTrainingFile(net, file);
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_EQ(net.NumResponses, sizes.outputs * sizes.patterns);
    ASSERT_LE(net.NumResponses, MaxSizeValue);
    net.TrainingFileName = "largest.net";
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    net.LearningRule = RuleKindFromName(sizes.rule);

    RecordingHost panel;
    panel.boxes = {"3", "0.1", "1", "0.01", true, false};
    MersenneRandom random{3};
    EngineHost host{panel, random};
    ASSERT_TRUE(StartTraining(net, host));
    EXPECT_EQ(net.EpochCount, 3);
    EXPECT_TRUE(panel.errors.empty()) << panel.errors.front();
    EXPECT_TRUE(panel.shown.back().final);
    EXPECT_LE(net.Hits, net.NumResponses);

    // Probing the last pattern gives an answer for every output.
    ComputeResponse(net, net.NumPatterns);
    for (long k = 1; k <= net.NumOutputs; ++k)
        EXPECT_TRUE(std::isfinite(net.OutputUnits[k].Activation)) << k;

    ReportRequest request{scratch.Path("largest.txt"), {}, "3/7/25", "4:05:06 PM", {}};
    request.sections.fill(true);
    RecordingStatus status;
    RecordingMessages messages;
    ASSERT_TRUE(WriteResultsReport(net, request, status, messages));
    // At least one character and a separator per input value.
    EXPECT_GT(ReadBytes(request.path).size(), static_cast<std::size_t>(2 * sizes.inputs * sizes.patterns));

    ReplaceWorkbookFile book(scratch.Path("largest.xlsx"));
    RecordingProgress progress;
    const SummaryResult summary = BuildSpreadsheetSummary(net, AnalysisMoment{}, book, progress);
    ASSERT_TRUE(summary.ok) << summary.message;
    EXPECT_EQ(progress.advances, SummaryAdvances);
    EXPECT_GT(std::filesystem::file_size(scratch.Path("largest.xlsx")), 10000u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LargestFileTest,
                         ::testing::Values(Largest{1, 2, 32767, "Delta"}, Largest{10, 784, 3276, "Gradient"}));

}  // namespace
}  // namespace vantorelle::testing
