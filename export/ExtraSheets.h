// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sheets the spreadsheet summary may carry after its own, each only when
// there is something to put on it: "Confusion", the confusion counts of the
// training file and of a file the network was tested on (when the user asked
// for them), and "Seeds", the table of the last many-seeds run. The summary's
// own sheets, cells and names stay as they are; the workbook still opens on
// "General Information".

#include <string>
#include <vector>

#include "FileConfusions.h"
#include "SeedSweep.h"
#include "Spreadsheet.h"

namespace vantorelle {

struct WorkbookExtras {
    std::vector<FileConfusion> Confusions;  // none: no "Confusion" sheet
    std::vector<SeedOutcome> Seeds;         // none that ran: no "Seeds" sheet
    std::string SeedsSummary;               // the line under the seeds' table (SummaryText)

    bool Empty() const;
};

inline constexpr const char* ConfusionSheetName = "Confusion";
inline constexpr const char* SeedsSheetName = "Seeds";

// Appends the sheets there is something for, each after the last sheet.
void AppendExtraSheets(Spreadsheet& book, const WorkbookExtras& extras);

}  // namespace vantorelle
