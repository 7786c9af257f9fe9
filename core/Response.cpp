#include "Response.h"

#include <cmath>
#include <vector>

#include "SweepKernels.h"

namespace vantorelle {

double Pi()
{
    static const double pi = 4 * std::atan(1.0);
    return pi;
}

double Activation(UnitKind kind, double x, double previous)
{
    switch (kind) {
    case UnitKind::Binary: return x >= 0 ? 1.0 : 0.0;
    case UnitKind::IntDev: return 1 / (1 + std::exp(-x));
    case UnitKind::Value: return std::exp((-Pi() * x) * x);
    case UnitKind::None: break;
    }
    return previous;
}

void ComputeActivation(NetworkState& net, long k)
{
    Unit& unit = net.OutputUnits[k];
    unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
}

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
    SumNetInputs(net.Weights, net.InputPatterns.Row(p), work.sum.data());
    FinishResponse(net, p, work.sum.data());
}

void ComputeResponse(NetworkState& net, long p)
{
    SweepWorkspace work;
    ComputeResponse(net, p, work);
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

void EvaluateTrainingSet(NetworkState& net, SweepWorkspace& work)
{
    net.Hits = 0;
    net.TotalSSE = 0;
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p, work);
        net.Hits = net.Hits + PatternHits(net);
        net.TotalSSE = net.TotalSSE + PatternSSE(net);
    }
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
