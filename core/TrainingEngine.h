#pragma once
// The training engine: the settings check, then online training epoch after
// epoch until a stop condition holds, with progress shown through the host
// and the error history kept in the network state.

#include <string>

#include "LearningRules.h"
#include "NetworkState.h"
#include "TrainingHost.h"
#include "kernels/TrainingSweep.h"

namespace vantorelle {

// "Start Training": new weights and thresholds, check, run from epoch 0.
// Answers whether the check let the run go ahead.
bool StartTraining(NetworkState& net, TrainingHost& host);

// "Continue Training": check, then run on from the current weights and history.
bool ContinueTraining(NetworkState& net, TrainingHost& host);

// The steps of the two before the epoch loop, for front ends that run the
// loop elsewhere (the training page runs it on a thread of its own). After a
// refused fresh start the run buttons stay hidden: the weights are new and
// untrained, so neither continuing nor testing them means anything.
bool BeginFreshStart(NetworkState& net, TrainingHost& host);
bool BeginContinue(NetworkState& net, TrainingHost& host);

// Copies the boxes into the settings; answers false (after a warning or an
// error report) when a run must not start.
bool ValidateSettings(NetworkState& net, TrainingHost& host);

// The epoch loop; call only after ValidateSettings answered true. It uses
// host.progress, host.messages and host.random only.
void RunTraining(NetworkState& net, TrainingHost& host);

// Whether the units, weights and pattern table have the sizes the network's
// counts say; the engine refuses to run a network for which they do not.
bool NetworkMatchesPatterns(const NetworkState& net);

// The epoch, total SSE, hit and miss lines of the status area, change line
// empty, colours unchanged.
StatusLines ResultLines(const NetworkState& net, const NumberLocale& locale);

// Sets every output unit's kind.
void SetUnitTypes(NetworkState& net, UnitKind type);

// New presentation order: file order, then a forward Fisher-Yates shuffle
// when RandomizeOrder is set.
void ShufflePatterns(NetworkState& net, Random& random);

// The texts of the engine's messages, for front ends and tests.
namespace text {
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
// The general error report ending with the error's own description.
std::string GeneralErrorMessage(const std::string& description);
std::string OutOfMemoryMessage();
// Why a run ended early because the numbers stopped being finite.
std::string NonFiniteMessage(long epoch);
// The set-up page's file caption: "Training: " and the file's name.
std::string TrainingFileLabel(const NetworkState& net);
// Why a network whose sizes do not match its patterns cannot be trained.
std::string MismatchedSizesMessage();
}  // namespace text

}  // namespace vantorelle
