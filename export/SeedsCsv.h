// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of a many-seeds run as CSV, one line a seed that ran:
// seed,epochs,all_hits,total_sse,hits,responses. The trainer's --seeds-csv
// and the window's "Export CSV..." write it through this one writer, so the
// two files of the same seeds are the same bytes.

#include <string>
#include <vector>

#include "ReportFiles.h"
#include "SeedSweep.h"

namespace vantorelle {

std::string SeedsCsvText(const std::vector<SeedOutcome>& outcomes);

// Writes the CSV to `path` the way reports are written (TargetWriter.h):
// a file is replaced only once the new one is complete. Answers "" or why
// it could not be written (FileErrorReason).
std::string WriteSeedsCsv(const std::string& path, const std::vector<SeedOutcome>& outcomes, ReportFiles& files);

}  // namespace vantorelle
