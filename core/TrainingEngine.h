// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The training engine: the settings check, then online training epoch after
// epoch until a stop condition holds, with progress told to a RunObserver
// and the error history kept in the network state.

#include <optional>

#include "LearningRules.h"
#include "NetworkState.h"
#include "Random.h"
#include "RunObserver.h"
#include "SettingsCheck.h"
#include "kernels/TrainingSweep.h"
#include "TrainingTexts.h"

namespace vantorelle {

// Why a run did not start; nothing when it may.
using Refusal = std::optional<SettingsProblem>;

// "Start Training": new weights and thresholds, then the settings check.
Refusal BeginFreshStart(NetworkState& net, const SettingsInput& input, Random& random);
// "Continue Training": the settings check; the run goes on from the current
// weights and history.
Refusal BeginContinue(NetworkState& net, const SettingsInput& input);

// Takes the settings into the network once they pass the check. The stop
// boxes are taken even when the check refuses; a refused negative rate sets
// the rate back as the box is.
Refusal AdoptSettings(NetworkState& net, const SettingsInput& input);

// The epoch loop; call only after a Begin step answered no refusal.
// `lastPrintedSSE` is the front end's: the total SSE of its last progress
// display, which the next display's change is measured from.
void RunTraining(NetworkState& net, Random& random, RunObserver& observer, double& lastPrintedSSE);

// A Begin step and, when it lets the run go ahead, the run.
Refusal StartTraining(NetworkState& net, const SettingsInput& input, Random& random, RunObserver& observer,
                      double& lastPrintedSSE);
Refusal ContinueTraining(NetworkState& net, const SettingsInput& input, Random& random, RunObserver& observer,
                         double& lastPrintedSSE);

// Whether the units, weights and pattern table have the sizes the network's
// counts say; the engine refuses to run a network for which they do not.
bool NetworkMatchesPatterns(const NetworkState& net);

// Sets every output unit's kind.
void SetUnitTypes(NetworkState& net, UnitKind type);

// New presentation order: file order, then a forward Fisher-Yates shuffle
// when RandomizeOrder is set.
void ShufflePatterns(NetworkState& net, Random& random);

}  // namespace vantorelle
