// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepSweepSideBySide.h"

#include <bit>
#include <cstdint>
#include <vector>

#include "LearningRules.h"
#include "Response.h"
#include "SweepKernels.h"

namespace vantorelle {

namespace {

// Whether adding a zero step to each output's weights and threshold leaves
// their bits as they are (keeps[k], k = 1..NumOutputs): true unless one of
// them is -0 (a +0 step turns -0 into +0). A step never makes a -0 out of
// anything else, so the answer holds for the rest of the sweep.
void FindZeroStepKeeps(const NetworkState& net, std::vector<unsigned char>& keeps)
{
    const long outputs = net.NumOutputs;
    const long inputs = net.NumInputs;
    keeps.assign(static_cast<std::size_t>(outputs) + 1, 1);
    // Through a plain pointer: a store of a char may alias anything, the
    // vector's own pointer included, which would be read again per weight.
    unsigned char* keep = keeps.data();
    constexpr std::uint64_t NegativeZero = std::uint64_t{1} << 63;
    // Row by row, as the matrix is stored.
    for (long i = 1; i <= inputs; ++i) {
        const double* w = net.Weights.Row(i);
        for (long k = 1; k <= outputs; ++k)
            keep[k] &= std::bit_cast<std::uint64_t>(w[k]) != NegativeZero;
    }
    if (!net.FreezeThresholds)
        for (long k = 1; k <= outputs; ++k)
            keep[k] &= std::bit_cast<std::uint64_t>(net.OutputUnits[k].Threshold) != NegativeZero;
}

// One sweep. Outputs go in groups of the kernels' column group; the groups
// take turns, so they move through the patterns together and share the
// blocks while these are in the cache.
class SideBySide {
public:
    SideBySide(NetworkState& net, SweepWorkspace& work)
        : net(net), work(work), kernels(work.Kernels()), n(net.NumPatterns), outputs(net.NumOutputs),
          inputs(net.NumInputs), stride(outputs + 1), block(kernels.patternBlock), order(net.PatternOrder.data()),
          w(net.Weights.Row(0)), step(net.LearningRate),
          groupSize(kernels.columnGroup < MostGroups ? kernels.columnGroup : MostGroups)
    {
    }

    void Run()
    {
        Prepare();
        while (unfinished > 0)
            for (long first = 1; first <= outputs; first += groupSize) {
                const int groups = PlaceGroup(first);
                if (groups == 0)
                    continue;
                kernels.sumColumns(w, stride, inputs, xt, column, offset, groups, work.columnSums.data());
                for (int g = 0; g < groups; ++g)
                    Walk(g);
            }
        Finish();
    }

private:
    static constexpr int MostGroups = 8;

    void Prepare()
    {
        work.BindPatterns(net);
        xt = work.PatternsInOrder(net);
        work.columnSums.resize(static_cast<std::size_t>(groupSize * block));
        // Per output: the next position in the presentation order (0-based),
        // and whether a zero step may be skipped.
        work.outputPosition.assign(static_cast<std::size_t>(outputs) + 1, 0);
        FindZeroStepKeeps(net, work.outputZeroKeeps);
        work.sumsHold.assign(static_cast<std::size_t>(outputs) + 1, 1);
        unfinished = outputs;
    }

    // The outputs from `first` on, each from the block its position lies in;
    // answers how many there are, or 0 when all have seen every pattern.
    int PlaceGroup(long first)
    {
        const int groups = static_cast<int>(outputs - first + 1 < groupSize ? outputs - first + 1 : groupSize);
        const long align = kernels.columnAlign;
        bool any = false;
        for (int g = 0; g < groups; ++g) {
            const long at = work.outputPosition[static_cast<std::size_t>(first + g)];
            column[g] = first + g;
            offset[g] = at < n ? at - at % align : 0;
            any = any || at < n;
        }
        return any ? groups : 0;
    }

    // Output column[g] through its summed block, up to its first step: the
    // rest of the block was summed with the old weights and is dropped.
    void Walk(int g)
    {
        const Unit& unit = net.OutputUnits[column[g]];
        switch (unit.UnitType) {
        case UnitKind::Binary: return WalkWith(g, ActivationOf<UnitKind::Binary>{});
        case UnitKind::IntDev: return WalkWith(g, ActivationOf<UnitKind::IntDev>{});
        case UnitKind::Value: return WalkWith(g, ActivationOf<UnitKind::Value>{});
        case UnitKind::None: break;
        }
        // An unset kind keeps the activation it has.
        return WalkWith(g, [&unit](double) { return unit.Activation; });
    }

    // Walk with the unit's activation function. What the loop reads is
    // copied to locals first: the stores through `kept` and `unit` might,
    // for all the compiler knows, change the members, which it would then
    // read again at every pattern.
    template <typename ActivationFunction>
    void WalkWith(int g, ActivationFunction activation)
    {
        const long k = column[g];
        const long last = n;
        const long* presented = order;
        const bool zeroKeeps = work.outputZeroKeeps[static_cast<std::size_t>(k)];
        const unsigned char* finiteInputs = work.finiteInputs.data();
        const RuleStep<RuleKind::Delta> deltaStep = step;
        long& position = work.outputPosition[static_cast<std::size_t>(k)];
        long at = position;
        Unit& unit = net.OutputUnits[k];
        const double* sums = work.columnSums.data() + g * block;
        // Every sum is kept by pattern, for the measurement to reuse.
        double* kept = work.patternSums.data() + (k - 1) * work.patternColumns;
        for (long b = at - offset[g], end = block; b < end && at < last; ++b) {
            const long p = presented[at + 1];
            kept[p - 1] = sums[b];
            const double netInput = unit.Threshold + sums[b];
            const double a = activation(netInput);
            const double desired = net.DesiredOutputs(p, k);
            const double e = desired - a;
            const double c = deltaStep(netInput, a, e, desired);
            at = at + 1;
            if (at == last) {
                unit.NetInput = netInput;
                unit.Error = e;
                unit.Target = desired;
                --unfinished;
            }
            // Only an unset kind reads it back, and keeps it.
            unit.Activation = a;
            if (c == 0 && zeroKeeps && finiteInputs[p])
                continue;
            StepOutput(k, p, c);
            break;
        }
        position = at;
    }

    void StepOutput(long k, long p, double c)
    {
        ++steps;
        work.sumsHold[static_cast<std::size_t>(k)] = 0;
        const double* x = net.InputPatterns.Row(p);
        for (long i = 1; i <= inputs; ++i)
            w[i * stride + k] = c * x[i] + w[i * stride + k];
        if (!net.FreezeThresholds)
            net.OutputUnits[k].Threshold = c + net.OutputUnits[k].Threshold;
    }

    // The last pattern's inputs presented, and the weights and thresholds
    // the kept sums go with.
    void Finish()
    {
        PresentInputs(net, order[n]);
        work.sweptWeights.assign(w, w + (inputs + 1) * stride);
        work.sweptThresholds.resize(static_cast<std::size_t>(outputs) + 1);
        for (long k = 1; k <= outputs; ++k)
            work.sweptThresholds[static_cast<std::size_t>(k)] = net.OutputUnits[k].Threshold;
        work.sumsFromSweep = true;
        work.updateShare =
            static_cast<double>(steps) / (static_cast<double>(n) * static_cast<double>(outputs > 0 ? outputs : 1));
    }

    NetworkState& net;
    SweepWorkspace& work;
    const KernelSet& kernels;
    const long n;
    const long outputs;
    const long inputs;
    const long stride;
    const long block;
    const long* order;
    double* w;
    const RuleStep<RuleKind::Delta> step;
    const int groupSize;
    const double* xt = nullptr;  // the patterns, transposed, in presentation order
    long column[MostGroups] = {};
    long offset[MostGroups] = {};
    long steps = 0;
    long unfinished = 0;
};

}  // namespace

void StepSweepSideBySide(NetworkState& net, SweepWorkspace& work) { SideBySide(net, work).Run(); }

}  // namespace vantorelle
