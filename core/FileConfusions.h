// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The confusion counts (Confusion.h) of a network on the file it trained on
// and on a file it is tested on: after "Test Current Network On A New
// Problem" the network holds the new file's patterns, so the training file's
// come from the run that trained it, with the weights the network has now.

#include <string>
#include <vector>

#include "Confusion.h"
#include "NetworkState.h"
#include "NumberFormat.h"

namespace vantorelle {

struct FileConfusion {
    std::string FileName;
    bool TrainingFile = true;  // false: a file the network was tested on
    Confusion Counts;
};

// `weights`' weights, thresholds, unit kinds and hit criterion answering
// `patterns`' patterns; the two must have the same numbers of inputs and outputs.
Confusion ConfusionWithWeights(const Network& patterns, const NetworkState& weights);

// The counts of `current` on the patterns of `trainedOn` (the training file)
// and, when `current` holds another file's patterns of the same sizes, on
// those too. Without `trainedOn`, or when its sizes no longer fit, the
// current patterns count as the training file's. None when `current` has no
// units and weights sized for its patterns (a file read, never trained).
std::vector<FileConfusion> TrainingAndTestConfusions(const NetworkState& current, const Network* trainedOn);

// Each file's counts under a line naming it, as the report and the window write them.
std::vector<std::string> FileConfusionLines(const std::vector<FileConfusion>& files, const NumberLocale& locale);

}  // namespace vantorelle
