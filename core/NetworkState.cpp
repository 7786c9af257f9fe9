// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkState.h"

#include <utility>

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

NetworkState CopyBorrowingPatterns(NetworkState& net)
{
    // The patterns step aside while the rest is copied (a move leaves their
    // storage where it is), then come back, and the copy borrows them.
    Matrix patterns = std::move(net.InputPatterns);
    try {
        NetworkState copy = net;
        net.InputPatterns = std::move(patterns);
        copy.InputPatterns = Matrix::Borrowing(net.InputPatterns);
        return copy;
    } catch (...) {
        net.InputPatterns = std::move(patterns);
        throw;
    }
}

}  // namespace vantorelle
