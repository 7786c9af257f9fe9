// SPDX-License-Identifier: GPL-3.0-or-later
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

void SizeUnitsAndWeights(Network& net)
{
    net.InputUnits.assign(static_cast<std::size_t>(net.NumInputs) + 1, Unit{});
    net.OutputUnits.assign(static_cast<std::size_t>(net.NumOutputs) + 1, Unit{});
    net.Weights.Resize(net.NumInputs, net.NumOutputs);
}

}  // namespace vantorelle
