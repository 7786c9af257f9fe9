// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileConfusions.h"

#include "TrainingEngine.h"

namespace vantorelle {

Confusion ConfusionWithWeights(const Network& patterns, const NetworkState& weights)
{
    NetworkState probe = weights;
    probe.NumPatterns = patterns.NumPatterns;
    probe.NumResponses = patterns.NumResponses;
    probe.InputPatterns = patterns.InputPatterns;
    probe.DesiredOutputs = patterns.DesiredOutputs;
    probe.TrainingFileName = patterns.TrainingFileName;
    return ConfusionOf(probe);
}

std::vector<FileConfusion> TrainingAndTestConfusions(const NetworkState& current, const Network* trainedOn)
{
    if (!NetworkMatchesPatterns(current))
        return {};  // units or weights not sized for these patterns: nothing to count
    const bool fits = trainedOn && trainedOn->NumInputs == current.NumInputs &&
                      trainedOn->NumOutputs == current.NumOutputs && trainedOn->NumPatterns > 0;
    if (!fits)
        return {{current.TrainingFileName, true, ConfusionOf(current)}};
    std::vector<FileConfusion> files{{trainedOn->TrainingFileName, true, ConfusionWithWeights(*trainedOn, current)}};
    if (current.TrainingFileName != trainedOn->TrainingFileName)
        files.push_back({current.TrainingFileName, false, ConfusionOf(current)});
    return files;
}

std::vector<std::string> FileConfusionLines(const std::vector<FileConfusion>& files, const NumberLocale& locale)
{
    std::vector<std::string> lines;
    for (const FileConfusion& file : files) {
        if (!lines.empty())
            lines.push_back("");
        lines.push_back((file.TrainingFile ? "Training file: " : "Tested on: ") + file.FileName);
        for (std::string& line : ConfusionLines(file.Counts, locale))
            lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vantorelle
