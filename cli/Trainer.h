// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless trainer: the same engine, settings check, warnings and status
// lines as the training page, printed to streams.

#include <atomic>
#include <ostream>

#include "Options.h"
#include "SystemTexts.h"

namespace vantorelle::cli {

// ExitDataError: a file that cannot be used (a training or test file that
// cannot be read or does not fit, a report or workbook that cannot be
// written), whether found before training or after it. ExitUsageError: the
// command line or the settings; nothing was trained. ExitOutputError:
// standard output could not be written (a closed pipe, a full disk); the run
// went on to its end and wrote its files.
// What every message of the trainer's on standard error begins with.
inline constexpr const char* ProgramPrefix = "vantorelle-train: ";

enum ExitCode { ExitOk = 0, ExitDataError = 1, ExitUsageError = 2, ExitOutputError = 3 };

// Trains as the options say, then writes the report when one is asked for.
// `stopFlag`, when set, ends the run after the current epoch (Ctrl-C).
// `texts` gives the separators, date and time (the system's when null).
// Answers the process exit code.
int RunTrainer(const Options& options, std::ostream& out, std::ostream& err,
               const std::atomic<bool>* stopFlag = nullptr, const SystemTexts* texts = nullptr);

}  // namespace vantorelle::cli
