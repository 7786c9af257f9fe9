// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadWarnings.h"

#include "TrainingTexts.h"

namespace vantorelle::cli {

std::vector<std::string> ReadWarnings(const ReadResult& read, const std::string& path, FileRole role)
{
    const std::string file = std::string(role == FileRole::Test ? "the test file" : "the training file") + " \"" +
                             path + "\"";
    std::vector<std::string> warnings;
    for (const std::string& note : text::ReadNotes(read.valuesLeftOver, read.emptyFields))
        warnings.push_back("warning: " + file + " " + note);
    return warnings;
}

}  // namespace vantorelle::cli
