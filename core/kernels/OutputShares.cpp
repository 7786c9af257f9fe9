// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputShares.h"

#include <algorithm>
#include <utility>

#include "../Response.h"
#include "MeasureAcrossPatterns.h"
#include "TrainingSweep.h"

namespace vantorelle {

namespace {

// A network with every input and pattern of net and its outputs first ..
// first + count - 1, numbered from 1.
NetworkState ShareOf(const NetworkState& net, long first, long count)
{
    NetworkState part;
    static_cast<TrainingSettings&>(part) = net;
    part.NumInputs = net.NumInputs;
    part.NumOutputs = count;
    part.NumPatterns = net.NumPatterns;
    part.NumResponses = net.NumPatterns * count;
    part.InputPatterns = Matrix::Borrowing(net.InputPatterns);  // the shares only read them
    part.PatternOrder = net.PatternOrder;
    part.InputUnits = net.InputUnits;
    part.DesiredOutputs.Resize(net.NumPatterns, count);
    part.Weights.Resize(net.NumInputs, count);
    part.OutputUnits.assign(static_cast<std::size_t>(count) + 1, Unit{});
    for (long k = 1; k <= count; ++k) {
        part.OutputUnits[static_cast<std::size_t>(k)] = net.OutputUnits[static_cast<std::size_t>(first + k - 1)];
        for (long p = 1; p <= net.NumPatterns; ++p)
            part.DesiredOutputs(p, k) = net.DesiredOutputs(p, first + k - 1);
        for (long i = 1; i <= net.NumInputs; ++i)
            part.Weights(i, k) = net.Weights(i, first + k - 1);
    }
    return part;
}

}  // namespace

OutputShares::OutputShares(const NetworkState& net, int count, std::vector<SweepWorkspace> bound)
    : crew(static_cast<int>(std::clamp<long>(count, 1, std::max(1L, net.NumOutputs))))
{
    const long outputs = net.NumOutputs;
    const long n = crew.Shares();
    shares.resize(static_cast<std::size_t>(n));
    for (long s = 0; s < n; ++s) {
        const long first = 1 + outputs * s / n;
        const long next = 1 + outputs * (s + 1) / n;
        Share& share = shares[static_cast<std::size_t>(s)];
        share.first = first;
        share.part = ShareOf(net, first, next - first);
        if (static_cast<std::size_t>(s) < bound.size())
            share.work = std::move(bound[static_cast<std::size_t>(s)]);
    }
}

bool OutputShares::SweepSumsMostlyReusable() const
{
    long holding = 0;
    long outputs = 0;
    for (const Share& share : shares) {
        if (!share.work.sideBySide)
            return false;
        holding += share.work.OutputsHoldingSums();
        outputs += share.part.NumOutputs;
    }
    return 2 * holding >= outputs;
}

void OutputShares::Train(Share& share, const NetworkState& net, RuleKind rule)
{
    NetworkState& part = share.part;
    part.PatternOrder = net.PatternOrder;
    part.LearningRate = net.LearningRate;
    part.MinError = net.MinError;
    for (long k = 1; k <= part.NumOutputs; ++k)
        part.OutputUnits[static_cast<std::size_t>(k)].UnitType =
            net.OutputUnits[static_cast<std::size_t>(share.first + k - 1)].UnitType;
    share.outcome = TrainingSweep(part, rule, share.work);
    share.hits = MeasureSquaredErrors(part, share.work);
}

void OutputShares::WriteBack(NetworkState& net)
{
    const long patterns = net.NumPatterns;
    patternSSE.assign(static_cast<std::size_t>(patterns) + 1, 0.0);
    long hits = 0;
    for (const Share& share : shares) {
        const NetworkState& part = share.part;
        for (long k = 1; k <= part.NumOutputs; ++k) {
            const long to = share.first + k - 1;
            net.OutputUnits[static_cast<std::size_t>(to)] = part.OutputUnits[static_cast<std::size_t>(k)];
            for (long i = 1; i <= net.NumInputs; ++i)
                net.Weights(i, to) = part.Weights(i, k);
        }
        AddSquaredErrors(share.work.patternSums.data(), part.NumOutputs, share.work.patternColumns, patterns,
                         patternSSE.data());
        hits += share.hits;
    }
    PresentInputs(net, patterns);
    net.Hits = hits;
    net.TotalSSE = SumInFileOrder(patternSSE.data(), patterns);
}

RuleOutcome OutputShares::Epoch(NetworkState& net, RuleKind rule)
{
    crew.Run([&](int s) { Train(shares[static_cast<std::size_t>(s)], net, rule); });
    WriteBack(net);
    for (const Share& share : shares)
        if (share.outcome == RuleOutcome::Overflow)
            return RuleOutcome::Overflow;
    return RuleOutcome::Updated;
}

}  // namespace vantorelle
