// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --seeds: the same run from every seed of a range, summed up in a table.

#include <atomic>
#include <ostream>

#include "NetworkState.h"
#include "NumberFormat.h"
#include "Options.h"

namespace vantorelle::cli {

// `start`: the training file's network, sized and with the options' settings.
// Prints the table (and writes --seeds-csv); answers the exit code.
int RunSeedTable(const NetworkState& start, const Options& options, std::ostream& out, std::ostream& err,
                 const std::atomic<bool>* stopFlag, const NumberLocale& locale);

}  // namespace vantorelle::cli
