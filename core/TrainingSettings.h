#pragma once
// What a run is set to: the learning rule, its rate, the stop conditions,
// the presentation order and the start ranges, with every default defined
// once here. The set-up page, the trainer's options and its usage text all
// read their defaults from this file.

#include <string_view>

namespace vantorelle {

// Identifier strings of the learning rules and sign rules.
inline constexpr const char* RuleDelta = "Delta";
inline constexpr const char* RuleGradient = "Gradient";
inline constexpr const char* RuleTarvik = "Tarvik";
inline constexpr const char* SignPos = "Pos";
inline constexpr const char* SignNeg = "Neg";
inline constexpr const char* SignBoth = "Both";

// The defaults every front end starts from. The box defaults are texts in C
// form, as the set-up page shows them before any locale is applied.
namespace defaults {
inline constexpr const char* Rule = RuleDelta;
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
inline constexpr const char* WeightSign = SignBoth;
inline constexpr double ThresholdMin = 0;
inline constexpr double ThresholdMax = 0;
inline constexpr const char* ThresholdSign = SignBoth;
// Each rule's learning rate, as its option button writes it into the box.
const char* RateText(std::string_view rule);
double Rate(std::string_view rule);
// What a refused negative rate is set back to.
inline constexpr const char* RefusedRateText = "0.10";
inline constexpr double RefusedRate = 0.1;
}  // namespace defaults

}  // namespace vantorelle
