// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One pattern of a stepped run, as it was presented: what each output unit
// computed, the rule's step, and the weights before and after it.

#include <vector>

#include "NetworkState.h"

namespace vantorelle {

struct OutputUnitStep {
    double NetInput = 0;
    double Activation = 0;
    double Target = 0;
    double Error = 0;
    // The rule's coefficient c: every weight into the unit became
    // c * x[i] + W(i, k), its threshold c + threshold (unless frozen).
    double Coefficient = 0;
    // The value rule stopped this unit's update part-way (an overflow).
    bool Overflowed = false;
};

struct PatternStep {
    RuleKind Rule = RuleKind::None;
    double LearningRate = 0;
    bool FrozenThresholds = false;
    long Epoch = 0;     // the epoch it belongs to (the network's count)
    long Position = 0;  // 1 for the epoch's first presented pattern
    long Pattern = 0;   // its number in the file
    std::vector<double> Inputs;           // [1..NumInputs]
    std::vector<OutputUnitStep> Outputs;  // [1..NumOutputs]
    Matrix WeightsBefore;
    std::vector<double> ThresholdsBefore;  // [1..NumOutputs]
    Matrix WeightsAfter;
    std::vector<double> ThresholdsAfter;  // [1..NumOutputs]
};

}  // namespace vantorelle
