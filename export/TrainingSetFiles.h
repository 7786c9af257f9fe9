// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Training sets written as ".net" files, the way reports are (see
// TargetWriter.h). A training file and its held-out test file go together:
// both are written beside their targets before either is renamed over its
// target, so a failure on the way leaves every earlier file as it was and
// never a training file without the test file cut from the same set.

#include <optional>
#include <string>
#include <vector>

#include "ReportFiles.h"
#include "TrainingSet.h"

namespace vantorelle {

struct TrainingSetFile {
    std::string path;
    const TrainingSet* set = nullptr;  // must have passed SetProblem
    ReportFiles* files = nullptr;      // how it is written; none: the system's
};

// Which file could not be written, where its links led and why (an errno value).
struct SetFileFailure {
    std::size_t file = 0;
    std::string place;
    int error = 0;
    // Whether files before it were already renamed over their targets (the
    // last step, which rarely fails alone); otherwise nothing has changed.
    bool earlierReplaced = false;
};

// Writes every set to its path; nothing on success.
std::optional<SetFileFailure> WriteTrainingSetFiles(const std::vector<TrainingSetFile>& files);

// A failure as a message for the user ("\r" separates its lines).
std::string SetFileFailureMessage(const std::vector<TrainingSetFile>& files, const SetFileFailure& failure);

}  // namespace vantorelle
