// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text results report: a fixed header and up to seven sections chosen by
// the save-results page's Check1 boxes, written as 8-bit text with TAB
// separated tables. Every line ends CR LF, most with one or two extra CRs
// before it, as the tables of the writer show.
//
// The writer reads no clock and no locale: the front end passes the date and
// time texts and the number separators in.

#include <array>
#include <string>
#include <vector>

#include "FileConfusions.h"
#include "NetworkState.h"
#include "NumberFormat.h"
#include "ReportFiles.h"
#include "Messages.h"

namespace vantorelle {

// Indices of the section boxes, as the page numbers its Check1 array. The
// sections are written in the order General, Responses, Errors, Weights,
// InputPatterns, OutputPatterns, History whatever the indices.
enum ReportSection : int {
    InputPatternsSection = 0,
    GeneralSection = 1,
    ResponsesSection = 2,
    ErrorsSection = 3,
    WeightsSection = 4,
    OutputPatternsSection = 5,
    HistorySection = 6,
};
inline constexpr int ReportSectionCount = 7;

// One switch per box, true when checked.
using ReportSections = std::array<bool, ReportSectionCount>;

// The boxes checked when the save-results page opens.
inline constexpr ReportSections DefaultReportSections{false, true, true, true, true, false, false};

// How far the writing of a report has come.
enum class ReportStage { Saving, NotSaved, Saved };

// Who follows the writing: the save page's label, the trainer's output.
class ReportObserver {
public:
    virtual ~ReportObserver() = default;
    virtual void StageReached(ReportStage stage) = 0;
};

struct ReportRequest {
    std::string path;          // ResultsFilePath: the file to write
    ReportSections sections = DefaultReportSections;
    std::string date;          // the system's short date
    std::string time;          // the system's long time
    NumberLocale locale;       // the system's separators
};

// What the user may add after the sections: the confusion tables (none by
// default, and then the report is the same bytes as without this).
struct ReportExtras {
    std::vector<FileConfusion> confusions;
};

// Writes the report of `net` to request.path and answers whether it was
// saved. Recomputes Hits and TotalSSE over all patterns and leaves the output
// units holding the last pattern's response.
//
// The report goes to a temporary file beside the target that replaces the
// target only once every byte is on the disk: a failure leaves any earlier
// file as it was and no partial file behind. A symbolic link is followed, a
// pipe or device written in place, anything else refused (see
// TargetWriter.h). On failure `messages` gets one error naming the file and
// the reason, and the observer hears it was not saved.
bool WriteResultsReport(NetworkState& net, const ReportRequest& request, ReportObserver& observer, Messages& messages,
                        ReportFiles& files, const ReportExtras& extras = {});
bool WriteResultsReport(NetworkState& net, const ReportRequest& request, ReportObserver& observer, Messages& messages,
                        const ReportExtras& extras = {});

// The status caption of a stage for the file selected as `name`: name " being
// saved...", " has not been saved!" or " has been saved!"; and its
// background, green once saved, red before.
std::string ReportStageCaption(ReportStage stage, const std::string& name);
StatusColour ReportStageColour(ReportStage stage);

// What the user is told when the report cannot be saved; `error` is an errno
// value or WriteRefusal code, `existed` whether a file of that name was there
// before, `place` where the name's links lead (the folder a reason names is
// that one's), when it differs from `path`.
std::string ReportFailureMessage(const std::string& path, int error, bool existed, const std::string& place = {});

}  // namespace vantorelle
