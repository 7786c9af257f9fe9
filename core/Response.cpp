// SPDX-License-Identifier: GPL-3.0-or-later
#include "Response.h"

#include <cmath>
#include <vector>

#include "kernels/KernelsSmall.h"
#include "kernels/MeasureAcrossPatterns.h"
#include "kernels/SmallResponse.h"
#include "kernels/SweepKernels.h"

namespace vantorelle {

void FinishResponse(NetworkState& net, long p, const double* sum)
{
    const double* desired = net.DesiredOutputs.Row(p);
    Unit* out = net.OutputUnits.data();
    for (long k = 1; k <= net.NumOutputs; ++k) {
        Unit& unit = out[k];
        unit.NetInput = unit.Threshold + sum[k];
        unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
        unit.Error = desired[k] - unit.Activation;
        unit.Target = desired[k];
    }
}

void PresentInputs(NetworkState& net, long p)
{
    const double* inputs = net.InputPatterns.Row(p);
    for (long i = 1; i <= net.NumInputs; ++i)
        net.InputUnits[i].Activation = inputs[i];
}

void ComputeResponse(NetworkState& net, long p, SweepWorkspace& work)
{
    work.Fit(net);
    PresentInputs(net, p);
    SumNetInputs(work.Kernels(), net.Weights, net.InputPatterns.Row(p), work.sum.data());
    FinishResponse(net, p, work.sum.data());
}

void ComputeResponse(NetworkState& net, long p)
{
    PresentInputs(net, p);
    std::vector<double> sum(static_cast<std::size_t>(net.NumOutputs) + 1);
    SumNetInputs(net.Weights, net.InputPatterns.Row(p), sum.data());
    FinishResponse(net, p, sum.data());
}

double PatternSSE(const NetworkState& net)
{
    double s = 0;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const double e = net.OutputUnits[k].Error;
        s = s + e * e;
    }
    return s;
}

long PatternHits(const NetworkState& net)
{
    long hits = 0;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const double e = net.OutputUnits[k].Error;
        if (e * e < net.MinError)
            ++hits;
    }
    return hits;
}

void EvaluateTrainingSet(NetworkState& net)
{
    SweepWorkspace work;
    EvaluateTrainingSet(net, work);
}

namespace {

// Below this many multiply-adds per pass the pattern-parallel kernels cost
// more in set-up than they save.
constexpr long SmallPass = 4096;

}  // namespace

void EvaluateTrainingSet(NetworkState& net, SweepWorkspace& work)
{
    ClearUpperVectorState();
    if (net.NumPatterns > 0 && net.NumPatterns * net.NumInputs * net.NumOutputs >= SmallPass) {
        work.measured = false;
        MeasureAcrossPatterns(net, work);
        return;
    }
    // A small network: plain loops, cheaper here than calls into the kernels.
    switch (net.NumPatterns > 0 ? small::SharedKind(net) : UnitKind::None) {
    case UnitKind::Binary: small::EvaluateAnySize<UnitKind::Binary>(net, work); return;
    case UnitKind::IntDev: small::EvaluateAnySize<UnitKind::IntDev>(net, work); return;
    case UnitKind::Value: small::EvaluateAnySize<UnitKind::Value>(net, work); return;
    case UnitKind::None: break;
    }
    work.measured = false;
    long hits = 0;
    double total = 0;
    const Unit* out = net.OutputUnits.data();
    for (long p = 1; p <= net.NumPatterns; ++p) {
        RespondSmall(net, p);
        double s = 0;
        for (long k = 1; k <= net.NumOutputs; ++k) {
            const double e = out[k].Error;
            hits += e * e < net.MinError;
            s = s + e * e;
        }
        total = total + s;
    }
    net.Hits = hits;
    net.TotalSSE = total;
    if (net.NumPatterns > 0)
        PresentInputs(net, net.NumPatterns);
}

double TrainingSetSSE(NetworkState& net)
{
    double total = 0;
    SweepWorkspace work;
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p, work);
        total = total + PatternSSE(net);
    }
    return total;
}

}  // namespace vantorelle
