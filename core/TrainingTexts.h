// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the training engine's messages, for the front ends and the
// tests. A message's lines are separated by "\r".

#include <string>
#include <vector>

namespace vantorelle::text {

inline constexpr const char* MaxEpochsTitle = "Maximum Epochs";
inline constexpr const char* MaxEpochsMessage = "Maximum number of training epochs must be greater than zero.";
inline constexpr const char* NoStopTitle = "No stopping method set";
inline constexpr const char* NoStopMessage = "At least one box for method of ending training must be checked.";
inline constexpr const char* LearningRateTitle = "Learning Rate";
inline constexpr const char* LearningRateMessage = "Learning rate cannot be negative";
inline constexpr const char* DisplayIntervalTitle = "Display Interval";
inline constexpr const char* DisplayIntervalMessage =
    "The number of epochs between progress displays must be at least one.";
inline constexpr const char* ContactAddress = "support@vantorelle.org";

// "Overflow error: " CR "An overflow error has occured." CR ...
std::string OverflowMessage();
// An error report: the opening line, the request to report it, and the
// error's own description. `what` names the part that failed ("" for the
// program in general, " with excel" for the workbook).
std::string ErrorReport(const std::string& what, const std::string& description);
// The general error report ending with the error's own description.
std::string GeneralErrorMessage(const std::string& description);
std::string OutOfMemoryMessage();
// Why a run ended early because the numbers stopped being finite.
std::string NonFiniteMessage(long epoch);
// The set-up page's file caption: "Training: " and the file's name.
std::string TrainingFileLabel(const std::string& fileName);
// Why a network whose sizes do not match its patterns cannot be trained.
std::string MismatchedSizesMessage();

// What is said of a file that was read but perhaps not as its author meant,
// each to follow the file's name: values beyond the header's count (decimal
// commas, "0,5", are the usual cause: every number becomes two), and empty
// fields. None for a file read cleanly.
std::vector<std::string> ReadNotes(bool valuesLeftOver, long emptyFields);

}  // namespace vantorelle::text
