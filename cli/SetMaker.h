// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vantorelle-train --make / --import: makes or imports a training set,
// perhaps holds some of its patterns out, and writes the ".net" files. Each
// file is written beside its target and renamed over it only once complete,
// and neither is written when anything about the set is wrong.

#include <ostream>

#include "Options.h"

namespace vantorelle::cli {

// Answers the process exit code (the trainer's table: 1 for a file that
// cannot be read or written, 2 for a command line that cannot make a set).
int RunSetMaker(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace vantorelle::cli
