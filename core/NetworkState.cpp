#include "NetworkState.h"

namespace vantorelle {

const char* UnitKindName(UnitKind kind)
{
    switch (kind) {
    case UnitKind::Binary: return "Binary";
    case UnitKind::IntDev: return "IntDev";
    case UnitKind::Value: return "Value";
    case UnitKind::None: break;
    }
    return "";
}

namespace defaults {

const char* RateText(std::string_view rule) { return rule == RuleTarvik ? "0.10" : "0.50"; }

double Rate(std::string_view rule) { return rule == RuleTarvik ? 0.1 : 0.5; }

}  // namespace defaults

void SetDefaultWeightStarts(NetworkState& net)
{
    net.WeightMin = defaults::WeightMin;
    net.WeightMax = defaults::WeightMax;
    net.WeightSign = defaults::WeightSign;
}

void SetDefaultThresholdStarts(NetworkState& net)
{
    net.ThresholdMin = defaults::ThresholdMin;
    net.ThresholdMax = defaults::ThresholdMax;
    net.ThresholdSign = defaults::ThresholdSign;
}

void SetDefaultSettings(NetworkState& net)
{
    net.LearningRule = defaults::Rule;
    net.LearningRate = defaults::Rate(defaults::Rule);
    net.MinError = defaults::MinError;
    net.PrintSweeps = defaults::PrintSweeps;
    net.RandomizeOrder = defaults::RandomizeOrder;
    net.FreezeThresholds = defaults::FreezeThresholds;
    SetDefaultWeightStarts(net);
    SetDefaultThresholdStarts(net);
}

void SizeUnitsAndWeights(NetworkState& net)
{
    net.InputUnits.assign(static_cast<std::size_t>(net.NumInputs) + 1, Unit{});
    net.OutputUnits.assign(static_cast<std::size_t>(net.NumOutputs) + 1, Unit{});
    net.Weights.Resize(net.NumInputs, net.NumOutputs);
}

}  // namespace vantorelle
