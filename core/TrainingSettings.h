// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run is set to: the learning rule, its rate, the stop conditions,
// the presentation order and the start ranges, with every default defined
// once here. The set-up page, the trainer's options and its usage text all
// read their defaults from this file.

#include <string_view>

namespace vantorelle {

// The learning rules: the delta rule with step units, gradient descent with
// sigmoid units, and the value units' rule. None until a rule is chosen.
enum class RuleKind { None, Delta, Gradient, Tarvik };

// A rule's identifier, as reports, workbooks and the trainer's --rule write it:
// "Delta", "Gradient", "Tarvik"; empty for None. Any other text is None.
const char* RuleName(RuleKind rule);
RuleKind RuleKindFromName(std::string_view name);

// The sign rule of a range of start values: all positive, all negative, or
// either at random. None leaves drawn values as they come.
enum class StartSign { None, Pos, Neg, Both };

// "Pos", "Neg", "Both"; empty for None. Any other text is None.
const char* SignName(StartSign sign);
StartSign StartSignFromName(std::string_view name);

// The defaults every front end starts from. The box defaults are texts in C
// form, as the set-up page shows them before any locale is applied.
namespace defaults {
inline constexpr RuleKind Rule = RuleKind::Delta;
inline constexpr const char* EpochsText = "1000";
inline constexpr long Epochs = 1000;
inline constexpr const char* PrintSweepsText = "100";
inline constexpr long PrintSweeps = 100;
inline constexpr const char* MinErrorText = "0.01";
inline constexpr double MinError = 0.01;
inline constexpr bool RandomizeOrder = true;
inline constexpr bool FreezeThresholds = false;
inline constexpr double WeightMin = 0;
inline constexpr double WeightMax = 0.1;
inline constexpr StartSign WeightSign = StartSign::Both;
inline constexpr double ThresholdMin = 0;
inline constexpr double ThresholdMax = 0;
inline constexpr StartSign ThresholdSign = StartSign::Both;
// Each rule's learning rate, as its option button writes it into the box.
const char* RateText(RuleKind rule);
double Rate(RuleKind rule);
// What a refused negative rate is set back to.
inline constexpr const char* RefusedRateText = "0.10";
inline constexpr double RefusedRate = 0.1;
}  // namespace defaults

// What a run is set to. A new record holds zeros and None; SetDefaultSettings
// gives it the defaults above.
struct TrainingSettings {
    RuleKind LearningRule = RuleKind::None;
    double LearningRate = 0;
    double MinError = 0;  // the hit criterion: a squared error below it is a hit
    long PrintSweeps = 0;
    long EpochLimit = 0;
    bool StopAtMaxEpochs = false;
    bool StopWhenAllHits = false;
    bool RandomizeOrder = false;
    bool FreezeThresholds = false;
    double WeightMin = 0;
    double WeightMax = 0;
    StartSign WeightSign = StartSign::None;
    double ThresholdMin = 0;
    double ThresholdMax = 0;
    StartSign ThresholdSign = StartSign::None;
};

// The defaults of the start ranges, and of every setting (the rate the
// default rule's); the numbers that come from the set-up page's boxes are set
// to the boxes' default texts, so the settings are usable without a page.
void SetDefaultWeightStarts(TrainingSettings& settings);
void SetDefaultThresholdStarts(TrainingSettings& settings);
void SetDefaultSettings(TrainingSettings& settings);

}  // namespace vantorelle
