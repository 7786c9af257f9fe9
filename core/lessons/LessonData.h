// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The training set a lesson asks for, made and put into the network as if the
// student had read it from a training file: a generated set goes through the
// training-file text and the one reader, so it is the same set, bit for bit,
// that saving it and opening the file would give.

#include <string>
#include <variant>

#include "Lesson.h"
#include "NetworkState.h"
#include "TrainingSet.h"

namespace vantorelle {

struct LessonSets {
    TrainingSet training;
    TrainingSet heldOut;  // empty unless the lesson holds patterns out
    std::string name;     // what the set-up page calls the training set
};

// The sets `data` describes, relative files found in `folder`; or why they
// cannot be made, in one sentence.
std::variant<LessonSets, std::string> MakeLessonSets(const LessonData& data, const std::string& folder);

// Puts `set` into the network as its training patterns, named `name`, ready
// for a fresh start, with no epoch trained on it. Empty on success, else why (the reader's words).
std::string UseTrainingSet(NetworkState& net, const TrainingSet& set, const std::string& name);

// Puts `set` in place of the network's patterns for testing, the weights
// kept, as the generalization page does with a file. False when its units differ.
bool UseTestSet(NetworkState& net, const TrainingSet& set, const std::string& name);

}  // namespace vantorelle
