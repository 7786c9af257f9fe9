// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved-network file (".vnet"): one JSON text that keeps a trained network
// with everything needed to go on with it or to repeat it: the training
// patterns themselves, every setting, the random generator's seed and state,
// the weights, thresholds and unit kinds, the history and epoch count, the
// set-up page's boxes and status lines, and a free-text note. The trainer
// and the window share this one reader and writer; docs/saved-network-format.md
// describes the fields.
//
// Every double reads back to the same bits: finite ones are JSON numbers in
// their shortest form that round-trips, the rest the strings the report writes
// ("Infinity", "-Infinity", "NaN").

#include <array>
#include <optional>
#include <string>

#include "NetworkState.h"
#include "Random.h"
#include "StatusLines.h"

namespace vantorelle {

inline constexpr int SavedNetworkVersion = 1;
inline constexpr const char* SavedNetworkExtension = ".vnet";

// The set-up page as the user left it: the four boxes' texts as typed (the
// trainer writes its options' texts) and the five status lines with the
// colours of the change and hit lines. Empty lines: nothing was shown.
struct SavedPage {
    std::string epochsBox;
    std::string printEveryBox;
    std::string rateBox;
    std::string minErrorBox;
    std::array<std::string, 5> statusLines;
    std::string changeColour;  // "green", "red" or empty
    std::string hitsColour;
};

// The five lines and their colours as a page keeps them, and back.
void KeepStatusLines(SavedPage& page, const StatusLines& lines);
StatusLines SavedStatusLines(const SavedPage& page);
// Whether the page showed any status line at all.
bool ShowsStatus(const SavedPage& page);

struct SavedNetwork {
    NetworkState net;
    std::string note;
    std::optional<RandomState> random;  // none: the run's generator had no state to save
    // The total SSE of the last progress display, which the next display's
    // change is measured from.
    double lastDisplayedSSE = 0;
    SavedPage page;
};

// Why a file could not be opened as a saved network.
enum class SavedNetworkFault {
    NotJson,        // not JSON at all, or cut short
    NotSaved,       // JSON, but not a saved network
    NewerVersion,   // written by a later program
    MissingField,   // a field is missing or of the wrong type
    BadNumber,      // a number that cannot be read as one
    SizeMismatch,   // a list's length differs from the sizes given
    BadValue,       // a rule, sign or unit kind not known, a size out of range
};

struct SavedNetworkProblem {
    SavedNetworkFault fault;
    std::string message;  // one sentence for the user, naming the field at fault
};

// The saved-network text of `saved`, ending with a line break.
std::string WriteSavedNetwork(const SavedNetwork& saved);

// Reads a saved-network text into `saved`. On any fault it answers the
// problem and leaves `saved` untouched.
std::optional<SavedNetworkProblem> ReadSavedNetwork(const std::string& text, SavedNetwork& saved);

// The same from a file, naming it in messages; a file that cannot be read is NotJson.
std::optional<SavedNetworkProblem> ReadSavedNetworkFile(const std::string& path, SavedNetwork& saved);

// The one sentence a front end shows: the file's name, then the problem.
std::string SavedNetworkMessage(const std::string& path, const SavedNetworkProblem& problem);

}  // namespace vantorelle
