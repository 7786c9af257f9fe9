// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetSummary.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <unistd.h>

#include "ExcelStuff.h"
#include "ReportFiles.h"
#include "Response.h"
#include "TargetWriter.h"
#include "TrainingEngine.h"
#include "TrainingTexts.h"

namespace vantorelle {

namespace text {

std::string SpreadsheetErrorMessage(const std::string& description)
{
    return ErrorReport(" with excel", description);
}

std::string WorkbookWrittenCaption(const std::string& path) { return "The workbook has been written to " + path; }

}  // namespace text

namespace {

constexpr const char* TwoDecimals = "###0.00";
constexpr long MaxHits = 32767;  // Hits is a 16-bit count

void CentreTwoDecimals(Spreadsheet& book, const std::string& name)
{
    const CellRange range = book.NamedRange(name);
    book.SetAlignment(range, HorizontalAlign::Centre);
    book.SetNumberFormat(range, TwoDecimals);
}

// One pattern block: labels, the named data range (from B2, one row and one
// column past the data) and the values, advancing as the summary's steps do.
template <typename Value>
void PatternSheet(Spreadsheet& book, SummaryObserver& progress, const NetworkState& net, const std::string& name,
                  const std::string& columnLabels, const std::string& columnPrefix, long columns, Value value)
{
    WriteColumnLabels(book, columnLabels, columnPrefix, columns);
    WriteRowLabels(book, "PatLabels", "PAT ", net.NumPatterns);
    book.NameRange(name, {{2, 2}, {net.NumPatterns + 2, columns + 2}});
    progress.StepDone();
    for (long p = 1; p <= net.NumPatterns; ++p)
        for (long c = 1; c <= columns; ++c)
            book.SetNumber({p + 1, c + 1}, value(p, c));
    progress.StepDone();
    CentreTwoDecimals(book, name);
}

void InputsSheet(Spreadsheet& book, SummaryObserver& progress, const NetworkState& net)
{
    book.AddSheet();
    book.RenameActiveSheet("Inputs");
    progress.StepDone();
    PatternSheet(book, progress, net, "Inputs", "InLabels", "IN ", net.NumInputs,
                 [&](long p, long i) { return net.InputPatterns(p, i); });
}

void DesiredOutputsSheet(Spreadsheet& book, SummaryObserver& progress, const NetworkState& net)
{
    book.AddSheet();
    progress.StepDone();
    book.RenameActiveSheet("Desired Outputs");
    PatternSheet(book, progress, net, "Outputs", "OutLabels", "OUT ", net.NumOutputs,
                 [&](long p, long k) { return net.DesiredOutputs(p, k); });
}

void SSEDataSheet(Spreadsheet& book, SummaryObserver& progress, const NetworkState& net)
{
    const long records = net.SSERecordCount < MaxHistoryRows ? net.SSERecordCount : MaxHistoryRows;
    book.AddSheet();
    book.RenameActiveSheet("SSE Data");
    progress.StepDone();
    book.NameRange("SSEData", {{2, 1}, {records + 2, 2}});
    book.SetText({1, 1}, "Sweep");
    book.SetText({1, 2}, "SSE");
    book.SetAlignment({{1, 1}, {1, 2}}, HorizontalAlign::Centre);
    book.SetBold({{1, 1}, {1, 2}}, true);
    progress.StepDone();
    for (long r = 1; r <= records; ++r) {
        const HistoryRow& row = net.SSEHistory[static_cast<std::size_t>(r)];
        book.SetNumber({r + 1, 1}, row.Epochs);
        book.SetNumber({r + 1, 2}, row.SSE);
    }
    progress.StepDone();
}

void ConnectionWeightsSheet(Spreadsheet& book, SummaryObserver& progress, const NetworkState& net)
{
    const long outputs = net.NumOutputs;
    book.AddSheet();
    book.RenameActiveSheet("Connection Weights");
    WriteColumnLabels(book, "OutLabels", "OUT ", outputs);
    WriteWeightRowLabels(book, "InLabels", "IN ", net.NumInputs);
    progress.StepDone();
    book.NameRange("Kind", {{2, 2}, {2, outputs + 2}});
    book.NameRange("Biases", {{3, 2}, {3, outputs + 2}});
    book.NameRange("Weights", {{4, 2}, {net.NumInputs + 4, outputs + 2}});
    progress.StepDone();
    for (long k = 1; k <= outputs; ++k)
        book.SetText({2, k + 1}, UnitKindName(net.OutputUnits[static_cast<std::size_t>(k)].UnitType));
    progress.StepDone();
    for (long k = 1; k <= outputs; ++k)
        book.SetNumber({3, k + 1}, net.OutputUnits[static_cast<std::size_t>(k)].Threshold);
    progress.StepDone();
    for (long i = 1; i <= net.NumInputs; ++i)
        for (long k = 1; k <= outputs; ++k)
            book.SetNumber({i + 3, k + 1}, net.Weights(i, k));
    progress.StepDone();
    book.SetAlignment(book.NamedRange("Kind"), HorizontalAlign::Centre);
    CentreTwoDecimals(book, "Biases");
    CentreTwoDecimals(book, "Weights");
    progress.StepDone();
}

void ErrorsSheet(Spreadsheet& book, SummaryObserver& progress, NetworkState& net)
{
    book.AddSheet();
    book.RenameActiveSheet("Errors");
    progress.StepDone();
    WriteColumnLabels(book, "OutLabels", "ERR ", net.NumOutputs);
    WriteRowLabels(book, "PatLabels", "PAT ", net.NumPatterns);
    book.NameRange("Error", {{2, 2}, {net.NumPatterns + 2, net.NumOutputs + 2}});
    progress.StepDone();
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p);
        for (long k = 1; k <= net.NumOutputs; ++k)
            book.SetNumber({p + 1, k + 1}, net.OutputUnits[static_cast<std::size_t>(k)].Error);
    }
    progress.StepDone();
    CentreTwoDecimals(book, "Error");
}

void NetworkResponsesSheet(Spreadsheet& book, SummaryObserver& progress, NetworkState& net)
{
    book.AddSheet();
    book.RenameActiveSheet("Network Responses");
    progress.StepDone();
    WriteColumnLabels(book, "OutLabels", "ACT ", net.NumOutputs);
    WriteRowLabels(book, "PatLabels", "PAT ", net.NumPatterns);
    book.NameRange("Actual", {{2, 2}, {net.NumPatterns + 2, net.NumOutputs + 2}});
    net.Hits = 0;
    net.TotalSSE = 0;
    progress.StepDone();
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p);
        const long hits = net.Hits + PatternHits(net);
        // Hits is a 16-bit count: going past its range is an error, not a wrap.
        if (hits > MaxHits)
            throw SpreadsheetError("Overflow");
        net.Hits = hits;
        net.TotalSSE = net.TotalSSE + PatternSSE(net);
        for (long k = 1; k <= net.NumOutputs; ++k)
            book.SetNumber({p + 1, k + 1}, net.OutputUnits[static_cast<std::size_t>(k)].Activation);
    }
    progress.StepDone();
    CentreTwoDecimals(book, "Actual");
}

void GeneralInformationSheet(Spreadsheet& book, SummaryObserver& progress, const NetworkState& net,
                             const AnalysisMoment& when)
{
    book.AddSheet();
    progress.StepDone();
    book.RenameActiveSheet("General Information");
    book.NameRange("TextStuff", {{1, 1}, {18, 2}});
    auto label = [&](long row, const char* text) { book.SetText({row, 1}, text); };

    label(1, "PERCEPTRON PROGRAM");
    label(2, "Results Of Training With File:");
    book.SetText({2, 2}, net.TrainingFileName);
    label(3, "Date of Analysis:");
    book.SetDate({3, 2}, when.date);
    label(4, "Time of Analysis:");
    book.SetTime({4, 2}, when.time);
    progress.StepDone();

    label(5, "Learning Rule:");
    book.SetText({5, 2}, RuleName(net.LearningRule));
    label(6, "Learning Rate:");
    book.SetNumber({6, 2}, net.LearningRate);
    label(7, "Sweeps Of Training:");
    book.SetInteger({7, 2}, net.EpochCount);
    label(8, "Hits:");
    book.SetInteger({8, 2}, net.Hits);
    label(9, "Misses:");
    book.SetInteger({9, 2}, net.NumResponses - net.Hits);
    progress.StepDone();

    label(10, "Minimum Squared Error Defining A Hit:");
    book.SetNumber({10, 2}, net.MinError);
    label(11, "Weight Start Settings");
    label(12, "Maximum:");
    book.SetNumber({12, 2}, net.WeightMax);
    label(13, "Minimum:");
    book.SetNumber({13, 2}, net.WeightMin);
    label(14, "Sign Option:");
    book.SetText({14, 2}, SignName(net.WeightSign));
    progress.StepDone();

    label(15, "Bias Start Settings");
    label(16, "Maximum:");
    book.SetNumber({16, 2}, net.ThresholdMax);
    label(17, "Minimum:");
    book.SetNumber({17, 2}, net.ThresholdMin);
    label(18, "Sign Option:");
    book.SetText({18, 2}, SignName(net.ThresholdSign));
    progress.StepDone();

    const CellRange labels{{1, 1}, {18, 1}};
    const CellRange values{{1, 2}, {18, 2}};
    book.SetColumnWidth(labels, 50);
    book.SetColumnWidth(values, 20);
    book.SetBold(book.NamedRange("TextStuff"), true);
    book.SetAlignment(labels, HorizontalAlign::Right);
    book.SetAlignment(values, HorizontalAlign::Centre);
    progress.StepDone();
}

// Creates an empty file with a name of its own in folder, for a workbook
// being written; answers its path and keeps it open in `handle` so that
// closing it later forces the written bytes to the disk.
std::string TemporaryBeside(ReportFiles& files, const std::string& target, int& handle)
{
    std::string temporary;
    if (const int error = files.CreateBeside(target, temporary, handle))
        throw WorkbookSaveError("The workbook could not be saved as \"" + target + "\".\r" +
                                FileErrorReason(target, error));
    return temporary;
}

// Writes the workbook into the temporary file and forces it to the disk.
void WriteTemporary(ReportFiles& files, const XlsxWorkbook& book, const std::string& temporary, int handle,
                    const std::string& target)
{
    const std::string failure = book.Save(temporary);
    const int closing = files.Close(handle);
    if (!failure.empty() || closing != 0) {
        files.Remove(temporary);
        throw WorkbookSaveError("The workbook could not be saved as \"" + target + "\".\r" +
                                (failure.empty() ? FileErrorReason(target, closing) : failure));
    }
}

}  // namespace

std::string NewBookInFolder::Save(const XlsxWorkbook& book)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made || !std::filesystem::is_directory(folder))
        throw WorkbookSaveError("The folder for the workbooks, \"" + folder + "\", cannot be created.\r" +
                                (made ? made.message() + "." : std::string("A file of that name is in the way.")));

    ReportFiles& files = *this->files;
    const std::string first = folder + "/Book1.xlsx";
    int handle = -1;
    const std::string temporary = TemporaryBeside(files, first, handle);
    WriteTemporary(files, book, temporary, handle, first);

    // A hard link gives the finished file its name only if no file has that
    // name yet, so an earlier workbook is never replaced, even by another
    // copy of the program exporting into the same folder.
    for (int n = 1;; ++n) {
        const std::string name = folder + "/Book" + std::to_string(n) + ".xlsx";
        if (::link(temporary.c_str(), name.c_str()) == 0) {
            files.Remove(temporary);
            return name;
        }
        const int error = errno;
        if (error == EEXIST)
            continue;
        // File systems without hard links: take the first free name.
        if ((error == EPERM || error == ENOTSUP || error == EOPNOTSUPP) && !files.Exists(name) &&
            ::access(name.c_str(), F_OK) != 0 && files.Replace(temporary, name) == 0)
            return name;
        files.Remove(temporary);
        throw WorkbookSaveError("The workbook could not be saved as \"" + name + "\".\r" +
                                FileErrorReason(name, error));
    }
}

namespace {

// The library writes only a file it opens by name and can seek in; for a pipe
// or a device the workbook is made in a file of the temporary folder first.
int SaveThroughScratchFile(const XlsxWorkbook& book, TargetWriter& target, std::string& failure)
{
    std::error_code noFolder;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(noFolder);
    std::string scratch = (noFolder ? std::filesystem::path("/tmp") : folder) / "vantorelle-workbook-XXXXXX";
    const int handle = ::mkstemp(scratch.data());
    if (handle < 0)
        return errno;
    ::close(handle);
    failure = book.Save(scratch);
    const int error = failure.empty() ? target.CopyFrom(scratch) : 0;
    ::unlink(scratch.c_str());
    return error;
}

}  // namespace

std::string ReplaceWorkbookFile::Save(const XlsxWorkbook& book)
{
    ReportFiles& files = *this->files;
    TargetWriter target(files, path);
    std::string failure;
    int error = target.Open();
    if (error == 0 && target.Temporary().empty())
        error = SaveThroughScratchFile(book, target, failure);
    else if (error == 0)
        failure = book.Save(target.Temporary());
    if (error == 0 && failure.empty())
        error = target.Finish();
    if (error != 0 || !failure.empty()) {
        target.Abandon();
        throw WorkbookSaveError("The workbook could not be saved as \"" + path + "\".\r" +
                                (failure.empty() ? FileErrorReason(target.Place(), error) : failure));
    }
    return path;
}

AnalysisMoment LocalMoment()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return AnalysisMoment{{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                          {local.tm_hour, local.tm_min, local.tm_sec}};
}

SummaryResult BuildSpreadsheetSummary(NetworkState& net, const AnalysisMoment& when, WorkbookDestination& destination,
                                      SummaryObserver& progress, const WorkbookExtras& extras)
{
    progress.Feedback(text::SummaryPatience);
    SummaryResult result;
    try {
        progress.StepsPlanned(SummaryAdvances);
        // There is no spreadsheet application to start: the workbook is
        // built here and written as a file at the end.
        progress.StepDone();
        XlsxWorkbook book;
        progress.StepDone();

        InputsSheet(book, progress, net);
        DesiredOutputsSheet(book, progress, net);
        SSEDataSheet(book, progress, net);
        ConnectionWeightsSheet(book, progress, net);
        ErrorsSheet(book, progress, net);
        NetworkResponsesSheet(book, progress, net);
        GeneralInformationSheet(book, progress, net, when);
        if (!extras.Empty()) {
            AppendExtraSheets(book, extras);
            book.ActivateSheet("General Information");  // the sheet the workbook opens on
        }

        result.path = destination.Save(book);
        result.ok = true;
    } catch (const WorkbookSaveError& failure) {
        result.message = failure.what();
    } catch (const std::bad_alloc&) {
        result.message = text::OutOfMemoryMessage();
    } catch (const std::exception& failure) {
        result.message = text::SpreadsheetErrorMessage(failure.what());
    }
    if (!result.ok)
        return result;  // the label and the bar stay as they were, as after any failed step
    progress.Feedback(text::WorkbookWrittenCaption(result.path));
    progress.StepsEnded();
    return result;
}

}  // namespace vantorelle
