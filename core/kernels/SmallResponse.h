// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The response to one pattern as plain loops, for small networks, where a
// call into the kernel tables costs more than the arithmetic. Output by
// output, so each sum stays in a register (the sums keep their input order).

#include "NetworkState.h"
#include "Response.h"

namespace vantorelle {

// ComputeResponse(net, p) without presenting the inputs.
inline void RespondSmall(NetworkState& net, long p)
{
    const double* x = net.InputPatterns.Row(p);
    const double* desired = net.DesiredOutputs.Row(p);
    const double* w = net.Weights.Row(0);
    const long stride = net.NumOutputs + 1;
    const long inputs = net.NumInputs;
    Unit* out = net.OutputUnits.data();
    for (long k = 1; k <= net.NumOutputs; ++k) {
        double sum = 0;
        for (long i = 1; i <= inputs; ++i)
            sum = x[i] * w[i * stride + k] + sum;
        Unit& unit = out[k];
        unit.NetInput = unit.Threshold + sum;
        unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
        unit.Error = desired[k] - unit.Activation;
        unit.Target = desired[k];
    }
}

}  // namespace vantorelle
