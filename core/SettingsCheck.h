// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings check a run passes before its first epoch, as a pure
// function of values: what the user entered and where the network stands.
// The training page maps a problem's field to its box and message box, the
// trainer to its option and exit status; neither formats a value to have it
// parsed again.

#include <optional>
#include <string>

#include "NumberFormat.h"

namespace vantorelle {

// A number as the user entered it: its value, or none when the text is no
// number (the text is kept for the message that says so). The trainer's
// options are numbers already and carry no text.
struct EnteredNumber {
    std::optional<double> value;
    std::string text;

    static EnteredNumber Of(double value) { return {value, {}}; }
    // A box's text read with the user's separators.
    static EnteredNumber FromText(const std::string& text, const NumberLocale& locale)
    {
        return {ParseBoxNumber(text, locale), text};
    }
    // An empty box: nothing entered at all.
    bool Empty() const { return !value && text.empty(); }
};

// What the user set for one run.
struct SettingsInput {
    EnteredNumber Epochs;       // epochs to train (this run's, for a continued one)
    EnteredNumber LearningRate;
    EnteredNumber PrintSweeps;  // display and record interval
    EnteredNumber MinError;     // hit criterion; empty keeps the network's
    bool StopAtMaxEpochs = true;
    bool StopWhenAllHits = true;
};

// Where the run starts from.
struct RunStart {
    bool fresh = true;    // a new network (epoch 0) or one continued
    long epochCount = 0;  // epochs trained so far (continuing only)
};

// The values a run takes from the check. The check takes them box by box
// in the order above, so after a problem only those before it are set (and a
// refused negative rate is set back to the default the box is given).
struct CheckedSettings {
    std::optional<double> LearningRate;
    std::optional<long> PrintSweeps;
    std::optional<double> MinError;  // none: keep the network's
    std::optional<long> EpochLimit;  // the epoch count at which the epoch stop ends the run
    bool StopAtMaxEpochs = true;
    bool StopWhenAllHits = true;
};

// The setting a problem is about.
// The setting a problem is about; Network when the network itself cannot
// be trained (its sizes do not match its patterns, memory ran out).
enum class SettingsField { Epochs, StopMethod, LearningRate, PrintSweeps, MinError, Network };

struct SettingsProblem {
    enum class Kind {
        Warning,  // a value the run cannot use: titled message, the box corrected
        Error,    // a box that holds no usable number: the general error report
    };
    SettingsField field;
    Kind kind;
    std::string title;    // a warning's own title; empty for an error
    std::string message;  // the warning's text, or the whole error report
    std::string detail;   // an error's own description, without the report around it
    // What the box is set back to, a number in C form ("1", "0.10"); empty
    // when nothing is (for StopMethod both stop boxes are checked instead).
    std::string correction;
};

struct SettingsCheckResult {
    CheckedSettings taken;
    std::optional<SettingsProblem> problem;  // none: the run may start
};

// The values the run goes with and the first problem of the settings, in
// the order a user meets them.
SettingsCheckResult CheckSettings(const SettingsInput& input, const RunStart& start);

// Whether an epochs box ends every run before it starts: text that is no
// number, a number of zero or below, or one that rounds to no epochs. The
// page asks this as soon as the epoch stop is checked, the check before a run.
bool EpochsEndNoRun(const EnteredNumber& epochs);

}  // namespace vantorelle
