// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scratch memory of one training run. The run owns one and hands it to the
// sweep, the rules and the measurement, so nothing is allocated per pattern
// and two runs (or a run and a page showing the network) never share scratch.
//
// A workspace also keeps the patterns transposed (input by input) for the
// kernels that work across patterns. It serves one pattern table: the run
// owning it keeps the table fixed; after reading new patterns into a network,
// use a new workspace.

#include <cstddef>
#include <vector>

#include "KernelSet.h"
#include "../LargeTable.h"
#include "NetworkState.h"
#include "../RunThreads.h"

namespace vantorelle {

class WorkerCrew;

struct SweepWorkspace {
    // The kernels to use; null means the widest this machine runs.
    const KernelSet* kernels = nullptr;

    std::vector<double> coefficient;  // the rule's step per output, [1..NumOutputs]
    std::vector<double> sum;          // weighted input sums per output, [1..NumOutputs]
    std::vector<double> row;          // a weight row computed aside, [1..NumOutputs]
    std::vector<unsigned char> unitStopped;  // the value rule's units stopped by an overflow
    std::vector<long> unitsGoing;            // and the units not stopped, [0..NumOutputs)
    std::vector<double> unitPeak;            // each unit's largest new weight, [1..NumOutputs]

    // InputPatterns transposed in the kernels' blocked layout (KernelSet.h),
    // pattern p in column p - 1, the columns past NumPatterns zero.
    LargeTable<double> byInput;
    // One block of the same with the columns in a sweep's presentation
    // order, laid out by the step rule's sweep as it gets there.
    std::vector<double> blockInOrder;
    // Columns in those tables (a whole number of blocks, one spare).
    long patternColumns = 0;
    // byInput packed (KernelSet.h), built where the kernels read packed
    // tables and it saves a quarter of the memory or more; the sums across
    // the bound table (below) then read it instead.
    bool packed = false;
    // A table the core's own caches hold (below this many bytes) is read at
    // full speed as it is; expanding it would only cost (letters: 0.8 of the
    // epochs a second). Tests lower it to reach the packed kernels with
    // small networks.
    std::size_t smallestTableToPack = std::size_t{1} << 20;
    // Whether a trial pass over each form of the table (full, packed,
    // lists) picks the forms the sums across the whole table read: a
    // packed table stays only where it reads faster than the full one, and
    // the lists serve those sums only where they read faster still. Which
    // is faster depends on the processor: a Zen 5 core summed a 3000 x 784
    // table with 60% of its inputs stored in 5.0 ms an epoch packed, 3.4 ms
    // full. Every form gives the same bits. Tests switch the trial off to
    // reach every kernel on any machine.
    bool chooseTablesByTrial = true;
    LargeTable<unsigned char> packedMasks;
    LargeTable<double> packedValues;
    std::vector<long> packedStart;
    // The same inputs pattern by pattern (KernelSet.h's sparse table),
    // built where at most SparseShare of them are stored (storedShare): the
    // sums across the whole bound table read it while every weight is
    // finite. The sweeps read it where fewer are stored: the sweep pattern
    // by pattern up to SparseShareToSweep (beyond, the full rows read as
    // fast), the step rule's sums a block at a time up to
    // SparseShareForBlocks (beyond, the packed or the full table reads
    // faster: 2.2 against 2.4 ms a sweep with 30% stored).
    static constexpr double SparseShare = 0.65;
    static constexpr double SparseShareToSweep = 0.5;
    static constexpr double SparseShareForBlocks = 0.25;
    bool sparse = false;
    // Below this many inputs in the patterns (letters: 910) the sweeps read
    // the full rows: the checks that let them skip zeros cost more than they
    // save. Tests lower it to reach the skip with small networks.
    long smallestTableToSkip = 16384;
    bool sumsFromLists = false;  // the whole-table sums read the lists (above)
    double storedShare = 1;
    LargeTable<unsigned> sparseIndex;
    LargeTable<double> sparseValue;
    std::vector<long> sparseStart;
    // The largest input magnitude of the patterns, at least 1 (BindPatterns
    // sets it; the value rule's overflow guard starts from it).
    double inputBound = 1;
    // Whether every input of pattern p is finite, [1..NumPatterns], and of
    // every pattern.
    std::vector<unsigned char> finiteInputs;
    bool allInputsFinite = true;
    // The desired outputs output by output, pattern p of output k at
    // (k - 1) * patternColumns + p - 1, for walks along the sums.
    std::vector<double> desiredByOutput;
    // Sums the kernels across patterns write, output by output, and each
    // pattern's squared error.
    std::vector<double> patternSums;
    std::vector<double> patternSSE;
    // The step rule's sweep: every output's sums for one block of patterns,
    // and one output's sums for the rest of a block after it took a step.
    std::vector<double> columnSums;
    std::vector<double> resummed;
    std::vector<unsigned char> outputZeroKeeps;

    // After the step rule's side-by-side sweep: whether output k took no step
    // ([1..NumOutputs]; its sums in patternSums then hold for the weights the
    // sweep left), and those weights and thresholds, so the measurement can
    // tell that they still hold and reuse the sums.
    std::vector<unsigned char> sumsHold;
    std::vector<double> sweptWeights;
    std::vector<double> sweptThresholds;
    bool sumsFromSweep = false;
    std::vector<long> listedOutputs;  // the measurement's: the outputs that took a step

    // Threads the run lends the step rule's side-by-side sweep (null: none),
    // and the weights the sweep started from, with which they sum the later
    // patterns ahead of it, output by output (every column of the table).
    WorkerCrew* sweepCrew = nullptr;
    // The measurement sums on those threads too, in parts of the patterns
    // that keep at least this many multiply-adds each (as a run's split,
    // RunThreads.h). Tests lower it to reach the split with small networks.
    long smallestPartToSplit = SplitWorthWork;
    std::vector<double> aheadWeights;
    std::vector<double> aheadSums;
    long blocksAhead = 0;  // in the last side-by-side sweep: blocks summed ahead

    // A small network's last measurement (KernelsSmall.h): every pattern's
    // net inputs and activations, [(p - 1) * NumOutputs + k - 1], and the
    // weights (the matrix's storage), thresholds ([1..NumOutputs]) and unit
    // kind they were computed with.
    std::vector<double> measuredNetInputs;
    std::vector<double> measuredActivations;
    std::vector<double> measuredWeights;
    std::vector<double> measuredThresholds;
    UnitKind measuredKind = UnitKind::None;
    bool measured = false;

    // Share of the step rule's responses that changed weights in the last
    // sweep; it picks the sweep's strategy for the next one.
    double updateShare = 1;
    // Outputs that took a step in the last sweep of the step rule, and in
    // its sweep pattern by pattern each output's mark, [1..NumOutputs].
    long outputsStepped = 0;
    std::vector<unsigned char> outputStepMarks;
    // Whether the last sweep took the step rule's side-by-side path.
    bool sideBySide = false;
    // In the last sweep pattern by pattern: steps that read the sparse table.
    long stepsSkippingZeros = 0;

    const KernelSet& Kernels() const;

    // Whether each of the `count` numbers from w on is finite.
    static bool AllFinite(const double* w, std::size_t count);

    // Whether the last sweep went the step rule's side-by-side way and left
    // the sums of most outputs (those that took no step) for the
    // measurement to reuse: then a second thread has little left to do.
    bool SweepSumsMostlyReusable() const;
    // How many outputs took no step in the last side-by-side sweep.
    long OutputsHoldingSums() const;

    // Sizes the per-output buffers for net's outputs.
    void Fit(const NetworkState& net)
    {
        const std::size_t n = static_cast<std::size_t>(net.NumOutputs) + 1;
        if (coefficient.size() != n) {
            coefficient.assign(n, 0.0);
            sum.assign(n, 0.0);
            row.assign(n, 0.0);
            unitStopped.assign(n, 0);
            unitsGoing.assign(n, 0);
            unitPeak.assign(n, 0.0);
        }
    }

    // Builds byInput (packed too, where that pays) and finiteInputs from
    // net's patterns unless already built for a table of these sizes (and
    // these kernels); and the desired outputs by output for net's outputs.
    // A workspace bound to a network serves another with the same patterns
    // and fewer outputs (a share of them) at the cost of the outputs alone.
    void BindPatterns(const NetworkState& net);

    // KernelSet::sumPatterns over columns first..first+count-1 of the bound
    // table (out[(k - 1) * outStride + p - first]), from the lists where
    // they serve these sums (sumsFromLists) and the caller knows every
    // weight is finite, else from the packed
    // table if there is one; and sumColumns from a column of the whole
    // table, from the packed table if there is one.
    void SumBoundPatterns(const double* w, long stride, long cols, long first, long count, double* out, long outStride,
                          bool weightsFinite) const;
    void SumBoundColumns(const double* w, long stride, const long* column, int count, long first, int vectors,
                         double* out) const;

private:
    // Fills byInput; answers the inputs other than +0.0.
    long LayOutByInput(const NetworkState& net);
    // `stored`: the patterns' inputs other than +0.0.
    void PackPatterns(long patterns, long inputs, long stored);
    void ChooseTablesByTrial(long inputs, long outputs);
    void ListPatterns(const NetworkState& net, long stored);

    long boundPatterns = -1;
    long boundInputs = -1;
    long boundOutputs = -1;
    long boundBlock = -1;
};

}  // namespace vantorelle
