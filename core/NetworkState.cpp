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

void SetDefaultSettings(NetworkState& net)
{
    net.LearningRule = RuleDelta;
    net.LearningRate = 0.5;
    net.MinError = 0.01;
    net.PrintSweeps = 100;
    net.RandomizeOrder = true;
    net.FreezeThresholds = false;
    net.WeightMin = 0;
    net.WeightMax = 0.1;
    net.WeightSign = SignBoth;
    net.ThresholdMin = 0;
    net.ThresholdMax = 0;
    net.ThresholdSign = SignBoth;
}

void SizeUnitsAndWeights(NetworkState& net)
{
    net.InputUnits.assign(static_cast<std::size_t>(net.NumInputs) + 1, Unit{});
    net.OutputUnits.assign(static_cast<std::size_t>(net.NumOutputs) + 1, Unit{});
    net.Weights.Resize(net.NumInputs, net.NumOutputs);
}

}  // namespace vantorelle
