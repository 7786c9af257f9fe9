// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spreadsheet summary of a trained network: a workbook of seven named
// sheets (inputs, desired outputs, error history, weights, errors, responses
// and general information) with workbook-level range names, bold centred
// labels and two-decimal numbers.
//
// BuildSpreadsheetSummary builds the workbook in memory, then hands it to a
// destination that writes the file: a new Book<n>.xlsx in the folder of the
// run's workbooks (the desktop program) or a given file (the trainer). It
// reports its progress through SummaryObserver, 29 advances in all, and
// shows no message itself: the result carries the text for the user.
//
// It reads no clock: the caller passes the date and time of the analysis.
// It may run on a worker thread as long as nothing else touches the network
// state meanwhile (it recomputes Hits and TotalSSE and leaves the output
// units holding the last pattern's response).

#include <stdexcept>
#include <string>

#include "NetworkState.h"
#include "ExtraSheets.h"
#include "ReportFiles.h"
#include "Spreadsheet.h"
#include "XlsxWorkbook.h"

namespace vantorelle {

// Who follows the building of a summary (the hub's feedback line and
// progress bar, a test): a line for the user, then the steps as they are done.
// It hears nothing by default, which is all the trainer needs.
class SummaryObserver {
public:
    virtual ~SummaryObserver() = default;
    virtual void Feedback(const std::string& /*text*/) {}
    // The number of steps the building takes; none is done yet.
    virtual void StepsPlanned(int /*steps*/) {}
    virtual void StepDone() {}
    virtual void StepsEnded() {}
};

// A workbook file that could not be written; what() is the whole message for
// the user, naming the file or folder and the reason.
class WorkbookSaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a finished workbook is written.
class WorkbookDestination {
public:
    virtual ~WorkbookDestination() = default;
    // Writes the workbook and answers the path of the file written; throws
    // WorkbookSaveError when it cannot.
    virtual std::string Save(const XlsxWorkbook& book) = 0;
};

// A new workbook in a folder: Book1.xlsx, Book2.xlsx, ... the first name not
// taken, so earlier workbooks stay. The folder is created when missing. The
// file appears under its name only once it is complete.
class NewBookInFolder : public WorkbookDestination {
public:
    explicit NewBookInFolder(std::string folder) : folder(std::move(folder)) {}
    // Through `files`, which tests make fail (it must outlive this).
    NewBookInFolder(std::string folder, ReportFiles& files) : folder(std::move(folder)), files(&files) {}
    std::string Save(const XlsxWorkbook& book) override;

private:
    std::string folder;
    SystemReportFiles systemFiles;
    ReportFiles* files = &systemFiles;
};

// One named file, replaced only once the new workbook is complete (a
// temporary file beside it, then a rename), like the text report: a symbolic
// link is followed, a pipe or device written in place, anything else refused
// (see TargetWriter.h).
class ReplaceWorkbookFile : public WorkbookDestination {
public:
    explicit ReplaceWorkbookFile(std::string path) : path(std::move(path)) {}
    // Through `files`, which tests make fail (it must outlive this).
    ReplaceWorkbookFile(std::string path, ReportFiles& files) : path(std::move(path)), files(&files) {}
    std::string Save(const XlsxWorkbook& book) override;

private:
    std::string path;
    SystemReportFiles systemFiles;
    ReportFiles* files = &systemFiles;
};

// The date and time the summary records as the time of analysis.
struct AnalysisMoment {
    CalendarDate date;
    TimeOfDay time;
};
// The system's local date and time now.
AnalysisMoment LocalMoment();

struct SummaryResult {
    bool ok = false;
    std::string path;     // the workbook written, when ok
    std::string message;  // what to tell the user, when not ok
};

inline constexpr int SummaryAdvances = 29;

// `extras`: sheets after the summary's own (ExtraSheets.h); none by default.
SummaryResult BuildSpreadsheetSummary(NetworkState& net, const AnalysisMoment& when, WorkbookDestination& destination,
                                      SummaryObserver& progress, const WorkbookExtras& extras = {});

namespace text {
inline constexpr const char* SummaryPatience = "Please be patient while the spreadsheet is built...";
// The report asked for when building the workbook failed, ending with the
// failure's description.
std::string SpreadsheetErrorMessage(const std::string& description);
// The feedback line once the workbook is written.
std::string WorkbookWrittenCaption(const std::string& path);
}  // namespace text

}  // namespace vantorelle
