// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepSweepSideBySide.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "LearningRules.h"
#include "Response.h"
#include "SweepKernels.h"
#include "../WorkerCrew.h"

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

// One sweep, block by block: every output's sums for a block of patterns
// come from one pass over the block's inputs (the block stays in the cache
// while the outputs walk it). An output walks its sums up to its first step;
// the outputs that stepped then sum the rest of the block again with their
// new weights, a few at once (alone, each sum would wait on its own chain of
// additions), and walk on. The other outputs' sums still hold: no output's
// weights depend on another's.
class SideBySide {
public:
    SideBySide(NetworkState& net, SweepWorkspace& work)
        : net(net), work(work), kernels(work.Kernels()), n(net.NumPatterns), outputs(net.NumOutputs),
          inputs(net.NumInputs), stride(outputs + 1), block(kernels.patternBlock), order(net.PatternOrder.data()),
          w(net.Weights.Row(0)), step(net.LearningRate),
          together(kernels.columnGroup < MostTogether ? kernels.columnGroup : MostTogether)
    {
    }

    void Run()
    {
        fileOrder = true;
        for (long j = 1; j <= n && fileOrder; ++j)
            fileOrder = order[j] == j;
        const long parts = PartsAhead();
        work.blocksAhead = 0;
        Prepare();
        if (parts < 2)
            SweepBlocks(0, n);
        else
            SweepWithSumsAhead(parts);
        Finish();
    }

private:
    // How many threads take part in the sweep, the sweep's own and those
    // summing ahead of it: one unless the run lends the sweep threads, the
    // order is the file's and the last sweep left most outputs without a
    // step (else few sums summed ahead would hold).
    long PartsAhead() const
    {
        if (work.sweepCrew == nullptr || !fileOrder || !work.SweepSumsMostlyReusable())
            return 1;
        const long blocks = (n + block - 1) / block;
        const long parts = work.sweepCrew->Shares();
        return blocks >= 2 * parts ? parts : 1;
    }

    // The sweep takes blocks from the front while the other threads sum
    // blocks from the back with the weights the sweep started from, until
    // the two meet; each helper starts with a block of its own, the rest
    // goes to whoever is free first, so a core the machine lends to
    // something else meanwhile only does less. The sums made ahead hold
    // for every output that has taken no step by the time the sweep gets
    // there: it walks them after the meeting.
    void SweepWithSumsAhead(long parts)
    {
        const long blocks = (n + block - 1) / block;
        aheadColumns = blocks * block;
        work.aheadWeights.assign(w, w + (inputs + 1) * stride);
        work.aheadSums.resize(static_cast<std::size_t>(outputs * aheadColumns));
        const bool startFinite = weightsFinite;
        // Blocks [front, back) are nobody's yet; the helpers' first blocks
        // are past back.
        BlockClaims claims(0, blocks - (parts - 1));
        work.sweepCrew->Run([&](int share) {
            if (share == 0) {
                for (long b; (b = claims.FromFront()) >= 0;)
                    SweepBlocks(b * block, (b + 1) * block);
                return;
            }
            if (share >= parts)
                return;
            for (long b = blocks - share; b >= 0; b = claims.FromBack())
                work.SumBoundPatterns(work.aheadWeights.data(), stride, outputs, b * block, block,
                                      work.aheadSums.data() + b * block, aheadColumns, startFinite);
        });
        const long meeting = claims.Front();
        work.blocksAhead = blocks - meeting;
        for (long start = meeting * block; start < n; start += block)
            BlockFromAhead(start, start + block < n ? start + block : n);
    }

    // The blocks of a sweep with sums made ahead, claimed one at a time
    // from either end of those still unclaimed.
    class BlockClaims {
    public:
        BlockClaims(long front, long back) : ends(Pack(front, back)) {}
        // A block from the front, or -1 when none is left.
        long FromFront() { return Claim(true); }
        // A block from the back, or -1 when none is left.
        long FromBack() { return Claim(false); }
        long Front() const { return static_cast<long>(ends.load() >> 32); }

    private:
        static std::uint64_t Pack(long front, long back)
        {
            return static_cast<std::uint64_t>(front) << 32 | static_cast<std::uint32_t>(back);
        }
        long Claim(bool front)
        {
            std::uint64_t seen = ends.load();
            for (;;) {
                const long f = static_cast<long>(seen >> 32);
                const long b = static_cast<long>(seen & 0xffffffffu);
                if (f >= b)
                    return -1;
                if (ends.compare_exchange_weak(seen, front ? Pack(f + 1, b) : Pack(f, b - 1)))
                    return front ? f : b - 1;
            }
        }
        std::atomic<std::uint64_t> ends;
    };

    void SweepBlocks(long from, long to)
    {
        for (long start = from; start < to; start += block) {
            const long end = start + block < n ? start + block : n;
            PlaceBlock(start, end);
            if (fileOrder)
                work.SumBoundPatterns(w, stride, outputs, start, block, work.columnSums.data(), block,
                                      weightsFinite && work.storedShare <= SweepWorkspace::SparseShareForBlocks);
            else
                kernels.sumPatterns(w, stride, inputs, outputs, table, block, work.columnSums.data(), block);
            behind.clear();
            for (long k = 1; k <= outputs; ++k) {
                const long from = Walk(k, work.columnSums.data() + (k - 1) * block, start, start, end);
                if (from < end)
                    behind.push_back({k, from});
            }
            CatchUp(end);
        }
    }

    // A block of a part summed ahead: the outputs that have taken no step
    // walk the sums made ahead, the others sum the block again (all of them
    // at once if they are most).
    void BlockFromAhead(long start, long end)
    {
        long stepped = 0;
        for (long k = 1; k <= outputs; ++k)
            stepped += !work.sumsHold[static_cast<std::size_t>(k)];
        if (2 * stepped > outputs) {
            SweepBlocks(start, end);
            return;
        }
        behind.clear();
        for (long k = 1; k <= outputs; ++k) {
            if (!work.sumsHold[static_cast<std::size_t>(k)]) {
                behind.push_back({k, start});
                continue;
            }
            const double* ahead = work.aheadSums.data() + (k - 1) * aheadColumns + start;
            const long from = Walk(k, ahead, start, start, end);
            if (from < end)
                behind.push_back({k, from});
        }
        CatchUp(end);
    }

    // An output that stepped inside the block, and the position it goes on from.
    struct Behind {
        long output;
        long from;
    };

    void Prepare()
    {
        work.BindPatterns(net);
        if (!fileOrder) {
            work.blockInOrder.assign(static_cast<std::size_t>(inputs * block), 0.0);
            table = work.blockInOrder.data();
        }
        work.columnSums.resize(static_cast<std::size_t>(outputs * block));
        work.resummed.resize(static_cast<std::size_t>(together * block));
        FindZeroStepKeeps(net, work.outputZeroKeeps);
        // Sums from the sparse table, and steps along it, need weights that
        // are all finite; a step that ends that ends them for the sweep. On
        // a small table the look at the weights costs more than the lists
        // save.
        weightsFinite = work.sparse && n * inputs >= work.smallestTableToSkip &&
                        SweepWorkspace::AllFinite(w, static_cast<std::size_t>((inputs + 1) * stride));
        work.sumsHold.assign(static_cast<std::size_t>(outputs) + 1, 1);
        behind.reserve(static_cast<std::size_t>(outputs));
        stillBehind.reserve(static_cast<std::size_t>(outputs));
    }

    // In file order the blocks are the bound table's; in another order each
    // block's patterns are laid out as the kernels read them, one block at
    // a time, while the block is in the cache anyway.
    void PlaceBlock(long start, long end)
    {
        if (fileOrder)
            return;
        origin = start;
        double* to = work.blockInOrder.data();
        for (long at = start; at < end; ++at) {
            const double* x = net.InputPatterns.Row(order[at + 1]);
            double* column = to + (at - start);
            for (long i = 1; i <= inputs; ++i)
                column[(i - 1) * block] = x[i];
        }
        // The last block's columns past the last pattern: zeros, as in the bound table.
        for (long b = end - start; b < block; ++b)
            for (long i = 1; i <= inputs; ++i)
                to[(i - 1) * block + b] = 0.0;
    }

    // The outputs behind, a few at once: the rest of the block summed with
    // their weights as they are now, and walked, until none is behind.
    // Outputs behind from the same vector of the block on are summed
    // together, over the block's vectors from there: each input row read
    // serves them all.
    void CatchUp(long end)
    {
        const long align = kernels.columnAlign;
        const long blockEnd = (end - 1) / block * block + block;
        const auto byVector = [align](const Behind& a, const Behind& b) {
            return a.from / align != b.from / align ? a.from / align < b.from / align : a.output < b.output;
        };
        while (!behind.empty()) {
            std::sort(behind.begin(), behind.end(), byVector);
            stillBehind.clear();
            for (std::size_t first = 0; first < behind.size();) {
                const long from = behind[first].from - behind[first].from % align;
                std::size_t last = first + 1;
                while (last < behind.size() && last - first < static_cast<std::size_t>(together) &&
                       behind[last].from - behind[last].from % align == from)
                    ++last;
                const int count = static_cast<int>(last - first);
                const int vectors = static_cast<int>((blockEnd - from) / align);
                long column[MostTogether];
                for (int g = 0; g < count; ++g)
                    column[g] = behind[first + g].output;
                if (fileOrder)
                    work.SumBoundColumns(w, stride, column, count, from, vectors, work.resummed.data());
                else
                    kernels.sumColumns(w, stride, inputs, table, column, count, from - origin, vectors,
                                       work.resummed.data());
                for (int g = 0; g < count; ++g) {
                    const long next =
                        Walk(column[g], work.resummed.data() + g * block, from, behind[first + g].from, end);
                    if (next < end)
                        stillBehind.push_back({column[g], next});
                }
                first = last;
            }
            behind.swap(stillBehind);
        }
    }

    // Output k from position `from` (0-based, in the presentation order) up
    // to its first step or `end`, `sums[at - first]` being position at's sum;
    // answers the position after the step, or `end`.
    long Walk(long k, const double* sums, long first, long from, long end)
    {
        const Unit& unit = net.OutputUnits[k];
        switch (unit.UnitType) {
        case UnitKind::Binary:
            if (fileOrder && work.allInputsFinite && work.outputZeroKeeps[static_cast<std::size_t>(k)])
                from = SkipHeldBinary(k, sums, first, from, end);
            return WalkWith(k, sums, first, from, end, ActivationOf<UnitKind::Binary>{});
        case UnitKind::IntDev: return WalkWith(k, sums, first, from, end, ActivationOf<UnitKind::IntDev>{});
        case UnitKind::Value: return WalkWith(k, sums, first, from, end, ActivationOf<UnitKind::Value>{});
        case UnitKind::None: break;
        }
        // An unset kind keeps the activation it has.
        return WalkWith(k, sums, first, from, end, [&unit](double) { return unit.Activation; });
    }

    // In file order, a binary unit's positions before its next step go a
    // vector at a time (every zero step keeps the weights' bits here): their
    // sums are kept for the measurement, and the walk takes up from the last
    // of them, which leaves the unit describing it, to the step. Answers
    // where the walk takes up.
    long SkipHeldBinary(long k, const double* sums, long first, long from, long end)
    {
        const double* desired = work.desiredByOutput.data() + (k - 1) * work.patternColumns;
        const long stop = from + kernels.firstBinaryStep(sums + (from - first), desired + from, end - from,
                                                         net.OutputUnits[k].Threshold, net.LearningRate);
        const long resume = stop > from ? stop - 1 : from;
        double* kept = work.patternSums.data() + (k - 1) * work.patternColumns;
        std::memcpy(kept + from, sums + (from - first), static_cast<std::size_t>(resume - from) * sizeof(double));
        return resume;
    }

    // Walk with the unit's activation function. What the loop reads is
    // copied to locals first: the stores through `kept` and `unit` might,
    // for all the compiler knows, change the members, which it would then
    // read again at every pattern.
    template <typename ActivationFunction>
    long WalkWith(long k, const double* sums, long first, long from, long end, ActivationFunction activation)
    {
        const long* presented = order;
        const bool zeroKeeps = work.outputZeroKeeps[static_cast<std::size_t>(k)];
        const unsigned char* finiteInputs = work.finiteInputs.data();
        const RuleStep<RuleKind::Delta> deltaStep = step;
        const long last = n;
        Unit& unit = net.OutputUnits[k];
        // Every sum is kept by pattern, for the measurement to reuse.
        double* kept = work.patternSums.data() + (k - 1) * work.patternColumns;
        for (long at = from; at < end; ++at) {
            const long p = presented[at + 1];
            const double sum = sums[at - first];
            kept[p - 1] = sum;
            const double netInput = unit.Threshold + sum;
            const double a = activation(netInput);
            const double desired = net.DesiredOutputs(p, k);
            const double e = desired - a;
            const double c = deltaStep(netInput, a, e, desired);
            if (at + 1 == last) {
                unit.NetInput = netInput;
                unit.Error = e;
                unit.Target = desired;
            }
            // Only an unset kind reads it back, and keeps it.
            unit.Activation = a;
            if (c == 0 && zeroKeeps && finiteInputs[p])
                continue;
            StepOutput(k, p, c);
            return at + 1;
        }
        return end;
    }

    void StepOutput(long k, long p, double c)
    {
        ++steps;
        work.sumsHold[static_cast<std::size_t>(k)] = 0;
        if (weightsFinite && std::isfinite(c) && work.outputZeroKeeps[static_cast<std::size_t>(k)]) {
            // Only the inputs stored in the sparse table: c times a zero
            // input is a zero, which leaves a weight other than -0.0 as it is.
            const long from = work.sparseStart[static_cast<std::size_t>(p - 1)];
            const long to = work.sparseStart[static_cast<std::size_t>(p)];
            const unsigned* index = work.sparseIndex.data();
            const double* value = work.sparseValue.data();
            bool finite = true;
            for (long j = from; j < to; ++j) {
                double& weight = w[index[j] * stride + k];
                weight = c * value[j] + weight;
                finite &= std::isfinite(weight);
            }
            weightsFinite = finite;
        } else if (weightsFinite) {
            const double* x = net.InputPatterns.Row(p);
            bool finite = true;
            for (long i = 1; i <= inputs; ++i) {
                double& weight = w[i * stride + k];
                weight = c * x[i] + weight;
                finite &= std::isfinite(weight);
            }
            weightsFinite = finite;
        } else {
            // Once a weight is not finite (or the sparse table is not
            // there) the sweep no longer asks.
            const double* x = net.InputPatterns.Row(p);
            for (long i = 1; i <= inputs; ++i) {
                double& weight = w[i * stride + k];
                weight = c * x[i] + weight;
            }
        }
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
    static constexpr int MostTogether = 5;
    const int together;  // outputs summed again at once
    // In file order the sums read the workspace's bound table; in another,
    // the block laid out as the kernels read them (KernelSet.h), the
    // table's column 0 being position `origin` of the presentation order.
    bool fileOrder = true;
    const double* table = nullptr;
    long origin = 0;
    // Columns of each output's sums made ahead (the whole table's).
    long aheadColumns = 0;
    long steps = 0;
    // Whether every weight is finite and the sparse table serves (Prepare).
    bool weightsFinite = false;
    std::vector<Behind> behind;
    std::vector<Behind> stillBehind;
};

}  // namespace

void StepSweepSideBySide(NetworkState& net, SweepWorkspace& work) { SideBySide(net, work).Run(); }

}  // namespace vantorelle
