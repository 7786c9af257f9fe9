// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the trainer tells the user about a training or test file it accepted
// but may not read as its author meant: values beyond the header's count,
// empty fields.

#include <string>
#include <vector>

#include "TrainingFile.h"

namespace vantorelle::cli {

// One line each, without the program's name; none for a file read cleanly.
// `path` is the file as the user named it.
std::vector<std::string> ReadWarnings(const ReadResult& read, const std::string& path, FileRole role);

}  // namespace vantorelle::cli
