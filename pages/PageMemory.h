// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pages remember of one another and across visits, apart from the
// network itself: how the set-up page comes back from the testing hub, the
// report file chosen on the save page, the runs kept for comparing, whether
// the confusion tables go into reports and workbooks, and the last
// many-seeds table. The program keeps one beside its network state; every
// page that needs it is given it when made.

#include <string>
#include <vector>

#include "KeptRuns.h"
#include "SeedSweep.h"

namespace vantorelle {

struct PageMemory {
    // Set by the testing hub when the user goes back to continue training,
    // cleared when the hub opens again: while set, the set-up page shows the
    // totals of the current weights rather than empty status boxes.
    bool ContinueFromTests = false;
    // The report file last chosen on the save page, which its next visit names.
    std::string ResultsFilePath;
    // This sitting's finished runs.
    KeptRuns Runs;
    // Set in the confusion window: the text report and the workbook then
    // carry the confusion tables after their own sections and sheets.
    bool ConfusionInResults = false;
    // The last many-seeds run, for the workbook's "Seeds" sheet (none: no sheet).
    std::vector<SeedOutcome> SeedRun;
    std::string SeedRunSummary;
};

}  // namespace vantorelle
