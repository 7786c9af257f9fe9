// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadWarnings.h"

namespace vantorelle::cli {

std::vector<std::string> ReadWarnings(const ReadResult& read, const std::string& path, FileRole role)
{
    const std::string file = std::string(role == FileRole::Test ? "the test file" : "the training file") + " \"" +
                             path + "\"";
    std::vector<std::string> warnings;
    // Decimal commas ("0,5") are the usual cause: every number becomes two.
    if (read.valuesLeftOver)
        warnings.push_back("warning: " + file +
                           " has more values than its header asks for; the rest are ignored (numbers take a \".\" "
                           "decimal point)");
    if (read.emptyFields > 0)
        warnings.push_back("warning: " + file + " has " + std::to_string(read.emptyFields) + " empty field" +
                           (read.emptyFields == 1 ? "" : "s") + " (\",,\"), read as no value at all");
    return warnings;
}

}  // namespace vantorelle::cli
