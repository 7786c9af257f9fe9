// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's side of the engine's settings check: the options become the
// check's input as numbers, read once, and a problem is told as the option
// it is about.

#include <string>

#include "Options.h"
#include "SettingsCheck.h"

namespace vantorelle::cli {

// The settings of the first run, or with `continuing` of the --continue run
// (its epochs are --continue's).
SettingsInput InputFor(const Options& options, bool continuing);

// One line for a problem: the option and its value as typed, then the
// problem's text ("--epochs \"0\": Maximum number of ...").
std::string ProblemLine(const Options& options, bool continuing, const SettingsProblem& problem);

// Checks the first run's settings and, with --continue, the continued run's,
// before any file is read. Answers the refusal line, or nothing when both
// runs may start. Beyond the page's checks it refuses a hit criterion no
// response can meet when only the all-hits stop could end the run, since
// that run would never end.
std::string SettingsRefusal(const Options& options);

// The line to warn with when no response can ever be a hit (a criterion of
// zero or less) and the run goes on to its epoch limit regardless; nothing
// otherwise.
std::string HitCriterionWarning(const Options& options);

}  // namespace vantorelle::cli
