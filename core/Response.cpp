#include "Response.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "kernels/KernelsSmall.h"
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

// Whether the sums the step rule's sweep kept still describe the network:
// the same weights and thresholds, bit for bit, as the sweep left.
bool SweepSumsHold(const NetworkState& net, const SweepWorkspace& work)
{
    if (!work.sumsFromSweep)
        return false;
    const std::size_t weights = static_cast<std::size_t>(net.NumInputs + 1) * static_cast<std::size_t>(net.NumOutputs + 1);
    if (work.sweptWeights.size() != weights || work.sweptThresholds.size() != static_cast<std::size_t>(net.NumOutputs) + 1 ||
        work.sumsHold.size() != static_cast<std::size_t>(net.NumOutputs) + 1)
        return false;
    if (std::memcmp(work.sweptWeights.data(), net.Weights.Row(0), weights * sizeof(double)) != 0)
        return false;
    for (long k = 1; k <= net.NumOutputs; ++k)
        if (std::memcmp(&work.sweptThresholds[static_cast<std::size_t>(k)], &net.OutputUnits[k].Threshold,
                        sizeof(double)) != 0)
            return false;
    return true;
}

// EvaluateTrainingSet with the net inputs of all patterns summed side by side
// first (each still in input order), then each pattern's measures in file order.
void EvaluateAcrossPatterns(NetworkState& net, SweepWorkspace& work)
{
    work.BindPatterns(net);
    const long patterns = net.NumPatterns;
    const long outputs = net.NumOutputs;
    const long stride = work.patternColumns;
    const KernelSet& kernels = work.Kernels();
    const long count = (patterns + kernels.patternBlock - 1) / kernels.patternBlock * kernels.patternBlock;
    const double* w = net.Weights.Row(0);
    if (SweepSumsHold(net, work)) {
        // Only the outputs that took a step in the sweep need new sums.
        for (long first = 1; first <= outputs; ++first) {
            if (work.sumsHold[static_cast<std::size_t>(first)])
                continue;
            long last = first;
            while (last < outputs && !work.sumsHold[static_cast<std::size_t>(last + 1)])
                ++last;
            kernels.sumPatterns(w + first - 1, outputs + 1, net.NumInputs, last - first + 1, work.byInput.data(), count,
                                work.patternSums.data() + (first - 1) * stride, stride);
            first = last;
        }
    } else {
        kernels.sumPatterns(w, outputs + 1, net.NumInputs, outputs, work.byInput.data(), count,
                            work.patternSums.data(), stride);
    }
    work.sumsFromSweep = false;

    // Output by output (its kind and threshold at hand, its sums in a row),
    // each pattern's squared errors still added in output order.
    Unit* out = net.OutputUnits.data();
    const double* sums = work.patternSums.data();
    std::vector<double>& patternSSE = work.patternSSE;
    patternSSE.assign(static_cast<std::size_t>(patterns) + 1, 0.0);
    double* sse = patternSSE.data();
    const double* desired = net.DesiredOutputs.Row(0);
    const long desiredStride = outputs + 1;
    const double minError = net.MinError;
    long hits = 0;
    for (long k = 1; k <= outputs; ++k) {
        Unit& unit = out[k];
        const double threshold = unit.Threshold;
        const double* sum = sums + (k - 1) * stride;  // pattern p at sum[p - 1]
        const double* d = desired + k;
        // An unset kind keeps the activation the unit had, for every pattern.
        auto measure = [&](auto activation) {
            for (long p = 1; p <= patterns; ++p) {
                const double e = d[p * desiredStride] - activation(threshold + sum[p - 1]);
                hits += e * e < minError;
                sse[p] = sse[p] + e * e;
            }
        };
        switch (unit.UnitType) {
        case UnitKind::Binary: measure(ActivationOf<UnitKind::Binary>{}); break;
        case UnitKind::IntDev: measure(ActivationOf<UnitKind::IntDev>{}); break;
        case UnitKind::Value: measure(ActivationOf<UnitKind::Value>{}); break;
        case UnitKind::None: measure([&](double) { return unit.Activation; }); break;
        }
        // The unit describes the last pattern.
        unit.NetInput = threshold + sum[patterns - 1];
        unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
        unit.Error = d[patterns * desiredStride] - unit.Activation;
        unit.Target = d[patterns * desiredStride];
    }
    double total = 0;
    for (long p = 1; p <= patterns; ++p)
        total = total + sse[p];
    PresentInputs(net, patterns);
    net.Hits = hits;
    net.TotalSSE = total;
}

}  // namespace

void EvaluateTrainingSet(NetworkState& net, SweepWorkspace& work)
{
    ClearUpperVectorState();
    if (net.NumPatterns > 0 && net.NumPatterns * net.NumInputs * net.NumOutputs >= SmallPass) {
        work.measured = false;
        EvaluateAcrossPatterns(net, work);
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
