// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingSettings.h"

namespace vantorelle {

const char* RuleName(RuleKind rule)
{
    switch (rule) {
    case RuleKind::Delta: return "Delta";
    case RuleKind::Gradient: return "Gradient";
    case RuleKind::Tarvik: return "Tarvik";
    case RuleKind::None: break;
    }
    return "";
}

RuleKind RuleKindFromName(std::string_view name)
{
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik})
        if (name == RuleName(rule))
            return rule;
    return RuleKind::None;
}

const char* SignName(StartSign sign)
{
    switch (sign) {
    case StartSign::Pos: return "Pos";
    case StartSign::Neg: return "Neg";
    case StartSign::Both: return "Both";
    case StartSign::None: break;
    }
    return "";
}

StartSign StartSignFromName(std::string_view name)
{
    for (StartSign sign : {StartSign::Pos, StartSign::Neg, StartSign::Both})
        if (name == SignName(sign))
            return sign;
    return StartSign::None;
}

namespace defaults {

const char* RateText(RuleKind rule) { return rule == RuleKind::Tarvik ? "0.10" : "0.50"; }

double Rate(RuleKind rule) { return rule == RuleKind::Tarvik ? 0.1 : 0.5; }

}  // namespace defaults

void SetDefaultWeightStarts(TrainingSettings& settings)
{
    settings.WeightMin = defaults::WeightMin;
    settings.WeightMax = defaults::WeightMax;
    settings.WeightSign = defaults::WeightSign;
}

void SetDefaultThresholdStarts(TrainingSettings& settings)
{
    settings.ThresholdMin = defaults::ThresholdMin;
    settings.ThresholdMax = defaults::ThresholdMax;
    settings.ThresholdSign = defaults::ThresholdSign;
}

void SetDefaultSettings(TrainingSettings& settings)
{
    settings.LearningRule = defaults::Rule;
    settings.LearningRate = defaults::Rate(defaults::Rule);
    settings.MinError = defaults::MinError;
    settings.PrintSweeps = defaults::PrintSweeps;
    settings.RandomizeOrder = defaults::RandomizeOrder;
    settings.FreezeThresholds = defaults::FreezeThresholds;
    SetDefaultWeightStarts(settings);
    SetDefaultThresholdStarts(settings);
}

}  // namespace vantorelle
