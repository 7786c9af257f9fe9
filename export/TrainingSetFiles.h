// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Training sets written as ".net" files, the way reports are (see
// TargetWriter.h). A training file and its held-out test file go together:
// both are written beside their targets before either is renamed over its
// target, so a failure on the way leaves every earlier file as it was and
// never a training file without the test file cut from the same set.

#include <string>
#include <vector>

#include "ReportFiles.h"
#include "TrainingSet.h"

namespace vantorelle {

struct TrainingSetFile {
    std::string path;
    const TrainingSet* set = nullptr;  // must have passed SetProblem
};

// Writes every set to its path; answers nothing on success, otherwise the
// message for the user ("\r" separates its lines) naming the file and why.
std::string WriteTrainingSetFiles(const std::vector<TrainingSetFile>& files, ReportFiles& system);
std::string WriteTrainingSetFiles(const std::vector<TrainingSetFile>& files);

}  // namespace vantorelle
