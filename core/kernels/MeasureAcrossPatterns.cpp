// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasureAcrossPatterns.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "Response.h"
#include "SweepKernels.h"
#include "../WorkerCrew.h"

namespace vantorelle {

namespace {

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

// Calls sum(first, columns) over the table's columns [0, count) in parts of
// whole blocks, one for each thread lent to the step rule's sweep (idle
// while the run measures), where each part keeps work.smallestPartToSplit
// multiply-adds at `perColumn` a column; else once, for all of them.
template <typename SumPart>
void InPatternParts(SweepWorkspace& work, long count, long perColumn, SumPart sum)
{
    const long block = work.Kernels().patternBlock;
    const long blocks = count / block;
    long parts = work.sweepCrew != nullptr ? work.sweepCrew->Shares() : 1;
    while (parts > 1 && count / parts * perColumn < work.smallestPartToSplit)
        --parts;
    if (parts < 2 || blocks < parts) {
        sum(0, count);
        return;
    }
    work.sweepCrew->Run([&](int share) {
        if (share >= parts)
            return;
        const long first = blocks * share / parts * block;
        sum(first, blocks * (share + 1) / parts * block - first);
    });
}

// Every pattern's weighted input sums into work.patternSums, output by
// output. While the sweep's sums hold, only the outputs that took a step
// are summed again, a few listed at once, where that takes fewer passes
// over the table than summing them all.
void SumAllPatterns(const NetworkState& net, SweepWorkspace& work)
{
    const long outputs = net.NumOutputs;
    const long stride = work.patternColumns;
    const KernelSet& kernels = work.Kernels();
    const long block = kernels.patternBlock;
    const long count = (net.NumPatterns + block - 1) / block * block;
    const double* w = net.Weights.Row(0);
    std::vector<long>& stepped = work.listedOutputs;
    stepped.clear();
    const bool hold = SweepSumsHold(net, work);
    if (hold)
        for (long k = 1; k <= outputs; ++k)
            if (!work.sumsHold[static_cast<std::size_t>(k)])
                stepped.push_back(k);
    const long group = kernels.columnGroup;
    const auto passes = [group](long n) { return (n + group - 1) / group; };
    if (!hold || passes(static_cast<long>(stepped.size())) >= passes(outputs)) {
        const bool finite = work.sumsFromLists &&
                            SweepWorkspace::AllFinite(w, static_cast<std::size_t>((net.NumInputs + 1) * (outputs + 1)));
        InPatternParts(work, count, net.NumInputs * outputs, [&](long first, long columns) {
            work.SumBoundPatterns(w, outputs + 1, outputs, first, columns, work.patternSums.data() + first, stride,
                                  finite);
        });
        return;
    }
    const int vectors = static_cast<int>(block / kernels.columnAlign);
    const long listedWork = net.NumInputs * static_cast<long>(stepped.size());
    InPatternParts(work, count, listedWork, [&](long from, long columns) {
        std::vector<double> sums(static_cast<std::size_t>(group * block));
        for (std::size_t first = 0; first < stepped.size(); first += static_cast<std::size_t>(group)) {
            const int n =
                static_cast<int>(std::min<std::size_t>(stepped.size() - first, static_cast<std::size_t>(group)));
            const long* listed = stepped.data() + first;
            for (long p = from; p < from + columns; p += block) {
                work.SumBoundColumns(w, outputs + 1, listed, n, p, vectors, sums.data());
                for (int g = 0; g < n; ++g)
                    std::memcpy(work.patternSums.data() + (listed[g] - 1) * stride + p, sums.data() + g * block,
                                static_cast<std::size_t>(block) * sizeof(double));
            }
        }
    });
}

// Output k's unit left describing the last pattern, whose sum was lastSum.
void DescribeLastPattern(NetworkState& net, long k, double lastSum)
{
    Unit& unit = net.OutputUnits[k];
    const double desired = net.DesiredOutputs(net.NumPatterns, k);
    unit.NetInput = unit.Threshold + lastSum;
    unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
    unit.Error = desired - unit.Activation;
    unit.Target = desired;
}

// Output k's errors over every pattern, from its sums (pattern p at
// sum[p - 1], which then holds the pattern's squared error): hits counted,
// and the unit left describing the last pattern.
template <typename ActivationFunction>
long MeasureOutput(NetworkState& net, long k, double* sum, ActivationFunction activation)
{
    const long patterns = net.NumPatterns;
    const long desiredStride = net.NumOutputs + 1;
    const double* d = net.DesiredOutputs.Row(0) + k;
    const double minError = net.MinError;
    const double threshold = net.OutputUnits[k].Threshold;
    const double lastSum = sum[patterns - 1];
    long hits = 0;
    for (long p = 1; p <= patterns; ++p) {
        const double e = d[p * desiredStride] - activation(threshold + sum[p - 1]);
        hits += e * e < minError;
        sum[p - 1] = e * e;
    }
    DescribeLastPattern(net, k, lastSum);
    return hits;
}

// MeasureOutput with output k's activation function compiled in; a binary
// unit's along the kernels, a vector of patterns at a time.
long MeasureOutputOfItsKind(NetworkState& net, const SweepWorkspace& work, long k, double* sum)
{
    const Unit& unit = net.OutputUnits[k];
    switch (unit.UnitType) {
    case UnitKind::Binary: {
        const double lastSum = sum[net.NumPatterns - 1];
        const long hits = work.Kernels().squaredBinaryErrors(
            sum, work.desiredByOutput.data() + (k - 1) * work.patternColumns, net.NumPatterns, unit.Threshold,
            net.MinError);
        DescribeLastPattern(net, k, lastSum);
        return hits;
    }
    case UnitKind::IntDev: return MeasureOutput(net, k, sum, ActivationOf<UnitKind::IntDev>{});
    case UnitKind::Value: return MeasureOutput(net, k, sum, ActivationOf<UnitKind::Value>{});
    case UnitKind::None: break;
    }
    // An unset kind keeps the activation the unit had, for every pattern.
    const double kept = unit.Activation;
    return MeasureOutput(net, k, sum, [kept](double) { return kept; });
}

}  // namespace

long MeasureSquaredErrors(NetworkState& net, SweepWorkspace& work)
{
    work.BindPatterns(net);
    SumAllPatterns(net, work);
    work.sumsFromSweep = false;
    // Output by output: its kind and threshold at hand, its sums in a row.
    long hits = 0;
    for (long k = 1; k <= net.NumOutputs; ++k)
        hits += MeasureOutputOfItsKind(net, work, k, work.patternSums.data() + (k - 1) * work.patternColumns);
    return hits;
}

void AddSquaredErrors(const double* rows, long outputs, long stride, long patterns, double* sse)
{
    for (long k = 0; k < outputs; ++k) {
        const double* squared = rows + k * stride;
        for (long p = 1; p <= patterns; ++p)
            sse[p] = sse[p] + squared[p - 1];
    }
}

double SumInFileOrder(const double* sse, long patterns)
{
    double total = 0;
    for (long p = 1; p <= patterns; ++p)
        total = total + sse[p];
    return total;
}

void MeasureAcrossPatterns(NetworkState& net, SweepWorkspace& work)
{
    const long hits = MeasureSquaredErrors(net, work);
    const long patterns = net.NumPatterns;
    work.patternSSE.assign(static_cast<std::size_t>(patterns) + 1, 0.0);
    AddSquaredErrors(work.patternSums.data(), net.NumOutputs, work.patternColumns, patterns, work.patternSSE.data());
    PresentInputs(net, patterns);
    net.Hits = hits;
    net.TotalSSE = SumInFileOrder(work.patternSSE.data(), patterns);
}

}  // namespace vantorelle
