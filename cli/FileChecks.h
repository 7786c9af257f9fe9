// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the trainer can know about the files named on its command line before
// it reads or writes any: a long run, or a set made, whose file could never
// be written is spared.

#include <string>

namespace vantorelle::cli {

// Why a file named on the command line cannot be read ("does not exist",
// "is a folder"); nothing when it can.
std::string UnreadableFile(const std::string& path);

// Why a report, workbook or training set cannot go where the command line
// says ("the folder \"out\" does not exist"); nothing when it can. The
// writer makes its own checks at the end; a pipe's reader may still come later.
std::string UnwritableReport(const std::string& path);

}  // namespace vantorelle::cli
