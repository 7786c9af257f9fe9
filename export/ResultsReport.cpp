// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsReport.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "Response.h"
#include "TargetWriter.h"

namespace vantorelle {

namespace {

const std::string HeavyRule(45, '=');
const std::string LightRule(15, '-');

// Collects the report's lines and hands them to the file in large pieces.
// After the first failed write it keeps only the error.
class LineWriter {
public:
    LineWriter(ReportFiles& files, int handle) : files(files), handle(handle) {}

    // The text, `extraCRs` further CRs, then CR LF.
    void Line(std::string_view text, int extraCRs)
    {
        buffer.append(text);
        buffer.append(static_cast<std::size_t>(extraCRs), '\r');
        buffer.append("\r\n");
        if (buffer.size() >= 1 << 16)
            Flush();
    }

    void Flush()
    {
        if (error == 0 && !buffer.empty())
            error = files.Write(handle, buffer.data(), buffer.size());
        buffer.clear();
    }

    int error = 0;

private:
    ReportFiles& files;
    int handle;
    std::string buffer;
};

// Builds one table row: a label, TAB, then every value in the signed-2 form followed by a TAB.
class Row {
public:
    Row(std::string label, const NumberLocale& locale) : text(std::move(label)), locale(locale) { text += '\t'; }
    void Cell(std::string_view cell)
    {
        text += cell;
        text += '\t';
    }
    void Value(double value) { Cell(FormatSigned2(value, locale)); }
    const std::string& Text() const { return text; }

private:
    std::string text;
    const NumberLocale& locale;
};

std::string PatternLabel(long p) { return "Pattern " + FormatWhole(p); }

void WriteHeader(LineWriter& out, const NetworkState& net, const ReportRequest& request)
{
    out.Line("Perceptron Training Program", 1);
    out.Line(HeavyRule, 1);
    out.Line("", 1);
    out.Line("Results Of Training With File: " + net.TrainingFileName, 1);
    out.Line("Date Of Analysis: " + request.date, 1);
    out.Line("Time Of Analysis: " + request.time, 1);
    out.Line(HeavyRule, 1);
}

void WriteGeneral(LineWriter& out, const NetworkState& net, const NumberLocale& locale)
{
    out.Line("Learning rule: " + std::string(RuleName(net.LearningRule)), 1);
    out.Line("Learning rate: " + FormatGeneral(net.LearningRate, locale), 1);
    out.Line("Training completed after " + FormatWhole(net.EpochCount) + " epochs", 2);
    out.Line("Settings For Initial Random Weights:", 1);
    out.Line("Maximum value: " + FormatGeneral(net.WeightMax, locale), 1);
    out.Line("Minimum value: " + FormatGeneral(net.WeightMin, locale), 1);
    out.Line("   Sign value: " + std::string(SignName(net.WeightSign)), 2);
    out.Line("Settings For Initial Random Biases:", 1);
    out.Line("Maximum value: " + FormatGeneral(net.ThresholdMax, locale), 1);
    out.Line("Minimum value: " + FormatGeneral(net.ThresholdMin, locale), 1);
    out.Line("   Sign value: " + std::string(SignName(net.ThresholdSign)), 2);
    out.Line(std::string("Pattern randomization during an epoch: ") + (net.RandomizeOrder ? "True" : "False"), 1);
    out.Line(HeavyRule, 1);
}

void Heading(LineWriter& out, std::string_view heading)
{
    out.Line(heading, 1);
    out.Line(LightRule, 1);
}

// One row per pattern, computing each pattern's response first (the units
// end up describing the last pattern whichever table this is).
template <typename Column>
void PatternTable(LineWriter& out, NetworkState& net, long columns, const NumberLocale& locale, Column column)
{
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p);
        Row row(PatternLabel(p), locale);
        for (long c = 1; c <= columns; ++c)
            row.Value(column(p, c));
        out.Line(row.Text(), 1);
    }
}

void WriteResponses(LineWriter& out, NetworkState& net, const NumberLocale& locale)
{
    Heading(out, "Network Responses To Each Input Pattern:");
    PatternTable(out, net, net.NumOutputs, locale, [&](long, long k) { return net.OutputUnits[k].Activation; });
    out.Line(HeavyRule, 1);
}

void WriteErrors(LineWriter& out, NetworkState& net, const NumberLocale& locale)
{
    out.Line("After training, sum of squared error was: " + FormatGeneral(net.TotalSSE, locale), 1);
    Heading(out, "Network Response Errors To Each Input Pattern:");
    PatternTable(out, net, net.NumOutputs, locale, [&](long, long k) { return net.OutputUnits[k].Error; });
    out.Line(HeavyRule, 1);
}

void WriteWeights(LineWriter& out, const NetworkState& net, const NumberLocale& locale)
{
    Heading(out, "Connection weights from input units (rows) to output units (columns):");
    Row outs("", locale);  // the corner cell is empty
    Row types("OutType", locale);
    Row bias("Bias", locale);
    for (long k = 1; k <= net.NumOutputs; ++k) {
        outs.Cell("Out " + FormatWhole(k));
        types.Cell(UnitKindName(net.OutputUnits[k].UnitType));
        bias.Value(net.OutputUnits[k].Threshold);
    }
    out.Line(outs.Text(), 1);
    out.Line(types.Text(), 1);
    out.Line(bias.Text(), 1);
    for (long i = 1; i <= net.NumInputs; ++i) {
        Row row("INP " + FormatWhole(i), locale);
        for (long k = 1; k <= net.NumOutputs; ++k)
            row.Value(net.Weights(i, k));
        out.Line(row.Text(), 1);
    }
    out.Line(HeavyRule, 1);
}

void WriteInputs(LineWriter& out, NetworkState& net, const NumberLocale& locale)
{
    Heading(out, "The set of input patterns was:");
    PatternTable(out, net, net.NumInputs, locale, [&](long p, long i) { return net.InputPatterns(p, i); });
    out.Line(HeavyRule, 1);
}

void WriteDesired(LineWriter& out, NetworkState& net, const NumberLocale& locale)
{
    Heading(out, "The set of desired outputs was:");
    PatternTable(out, net, net.NumOutputs, locale, [&](long p, long k) { return net.DesiredOutputs(p, k); });
    out.Line(HeavyRule, 1);
}

void WriteHistory(LineWriter& out, const NetworkState& net, const NumberLocale& locale)
{
    Heading(out, "Network SSE as a function of sweeps of training was:");
    out.Line("Sweeps\tNetwork SSE", 1);
    const int rows = net.SSERecordCount < MaxHistoryRows ? net.SSERecordCount : MaxHistoryRows;
    for (int r = 1; r <= rows; ++r) {
        const HistoryRow& row = net.SSEHistory[static_cast<std::size_t>(r)];
        out.Line(FormatStandard(row.Epochs, locale) + "\t" + FormatScientific(row.SSE, locale), 0);
    }
    out.Line(HeavyRule, 1);
}

// Only when asked for: the default report ends with the sections above.
void WriteConfusions(LineWriter& out, const std::vector<FileConfusion>& files, const NumberLocale& locale)
{
    Heading(out, "Confusion tables and accuracy:");
    for (const std::string& line : FileConfusionLines(files, locale))
        out.Line(line, 0);
    out.Line(HeavyRule, 1);
}

void WriteReport(LineWriter& out, NetworkState& net, const ReportRequest& request, const ReportExtras& extras)
{
    const NumberLocale& locale = request.locale;
    const ReportSections& on = request.sections;
    WriteHeader(out, net, request);
    // The totals replace the ones training left, whichever sections are written.
    EvaluateTrainingSet(net);
    if (on[GeneralSection])
        WriteGeneral(out, net, locale);
    if (on[ResponsesSection])
        WriteResponses(out, net, locale);
    if (on[ErrorsSection])
        WriteErrors(out, net, locale);
    if (on[WeightsSection])
        WriteWeights(out, net, locale);
    if (on[InputPatternsSection])
        WriteInputs(out, net, locale);
    if (on[OutputPatternsSection])
        WriteDesired(out, net, locale);
    if (on[HistorySection])
        WriteHistory(out, net, locale);
    if (!extras.confusions.empty())
        WriteConfusions(out, extras.confusions, locale);
    out.Flush();
}

}  // namespace

std::string ReportStageCaption(ReportStage stage, const std::string& name)
{
    switch (stage) {
    case ReportStage::Saving: return name + " being saved...";
    case ReportStage::NotSaved: return name + " has not been saved!";
    case ReportStage::Saved: break;
    }
    return name + " has been saved!";
}

StatusColour ReportStageColour(ReportStage stage)
{
    return stage == ReportStage::Saved ? StatusColour::Green : StatusColour::Red;
}

std::string ReportFailureMessage(const std::string& path, int error, bool existed, const std::string& place)
{
    std::string text = "The report could not be saved as \"" + path + "\".\r" +
                       FileErrorReason(place.empty() ? path : place, error);
    if (existed)
        text += "\rThe earlier file of that name has been left as it was.";
    return text;
}

bool WriteResultsReport(NetworkState& net, const ReportRequest& request, ReportObserver& observer, Messages& messages,
                        ReportFiles& files, const ReportExtras& extras)
{
    observer.StageReached(ReportStage::Saving);
    const bool existed = files.Exists(request.path);
    TargetWriter target(files, request.path);
    auto fail = [&](int error) {
        target.Abandon();
        observer.StageReached(ReportStage::NotSaved);
        messages.Error(ReportFailureMessage(request.path, error, existed, target.Place()));
        return false;
    };

    if (int error = target.Open())
        return fail(error);
    LineWriter out(files, target.Handle());
    WriteReport(out, net, request, extras);
    if (out.error != 0)
        return fail(out.error);
    if (int error = target.Finish())
        return fail(error);
    observer.StageReached(ReportStage::Saved);
    return true;
}

bool WriteResultsReport(NetworkState& net, const ReportRequest& request, ReportObserver& observer, Messages& messages,
                        const ReportExtras& extras)
{
    SystemReportFiles files;
    return WriteResultsReport(net, request, observer, messages, files, extras);
}

}  // namespace vantorelle
