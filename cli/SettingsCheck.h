#pragma once
// The training page's settings check, applied to the command line: the
// option texts become the page's boxes, the engine judges them, and each of
// its warnings is told as the option it is about.

#include <string>
#include <string_view>

#include "NumberFormat.h"
#include "Options.h"
#include "TrainingHost.h"

namespace vantorelle::cli {

// The boxes a run reads. `sweeps` is the epochs box: --epochs for the first
// run, --continue for the continued one. Numbers come C-form from the
// command line and go into the boxes in the locale's form, as a user would
// type them on the page.
SettingsBoxes BoxesFor(const Options& options, const std::string& sweeps, const NumberLocale& locale);

// One line for a warning of the engine's check: the option and its value,
// then the warning's text ("--epochs \"0\": Maximum number of ...").
std::string WarningLine(const Options& options, bool continuing, std::string_view title, std::string_view text);

// Runs the engine's check on the first run's settings and, with --continue,
// on the continued run's, before anything is trained. Answers the refusal
// line, or nothing when both runs may start. Beyond the page's checks it
// refuses a hit criterion no response can meet when only the all-hits stop
// could end the run, since that run would never end.
std::string CheckSettings(const Options& options);

// The line to warn with when no response can ever be a hit (a criterion of
// zero or less) and the run goes on to its epoch limit regardless; nothing
// otherwise.
std::string HitCriterionWarning(const Options& options);

}  // namespace vantorelle::cli
