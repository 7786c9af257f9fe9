// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepWorkspace.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>

#include "LearningRules.h"
#include "SweepKernels.h"

namespace vantorelle {

const KernelSet& SweepWorkspace::Kernels() const { return kernels ? *kernels : DefaultKernels(); }

long SweepWorkspace::OutputsHoldingSums() const
{
    return sumsHold.empty() ? 0 : std::count(sumsHold.begin() + 1, sumsHold.end(), 1);
}

bool SweepWorkspace::SweepSumsMostlyReusable() const
{
    return sideBySide && 2 * OutputsHoldingSums() >= static_cast<long>(sumsHold.size()) - 1;
}

void SweepWorkspace::BindPatterns(const NetworkState& net)
{
    const long patterns = net.NumPatterns;
    const long inputs = net.NumInputs;
    const long block = Kernels().patternBlock;
    if (patterns != boundPatterns || inputs != boundInputs || block != boundBlock) {
        // One spare block past the last pattern lets a kernel read a full
        // block from any pattern on.
        patternColumns = (patterns + block - 1) / block * block + block;
        const long stored = LayOutByInput(net);  // inputs other than +0.0, which the packed and sparse tables keep
        inputBound = LargestInputMagnitude(net);
        allInputsFinite = std::find(finiteInputs.begin() + 1, finiteInputs.end(), 0) == finiteInputs.end();
        PackPatterns(patterns, inputs, stored);
        ListPatterns(net, stored);
        sumsFromLists = sparse;
        if (chooseTablesByTrial && (packed || sparse))
            ChooseTablesByTrial(inputs, net.NumOutputs);
        boundPatterns = patterns;
        boundInputs = inputs;
        boundBlock = block;
        boundOutputs = -1;
    }
    // The same patterns with other outputs (a share of a run's outputs
    // taking over a workspace of the whole run): only the outputs' tables
    // are laid out anew.
    if (net.NumOutputs == boundOutputs)
        return;
    desiredByOutput.assign(static_cast<std::size_t>(net.NumOutputs) * static_cast<std::size_t>(patternColumns), 0.0);
    for (long k = 1; k <= net.NumOutputs; ++k)
        for (long p = 1; p <= patterns; ++p)
            desiredByOutput[static_cast<std::size_t>((k - 1) * patternColumns + p - 1)] = net.DesiredOutputs(p, k);
    sumsFromSweep = false;
    patternSums.assign(static_cast<std::size_t>(net.NumOutputs) * static_cast<std::size_t>(patternColumns), 0.0);
    boundOutputs = net.NumOutputs;
}

long SweepWorkspace::LayOutByInput(const NetworkState& net)
{
    const long patterns = net.NumPatterns;
    const long inputs = net.NumInputs;
    const long block = Kernels().patternBlock;
    // A block of patterns at a time, input by input: the writes go in
    // order, each element written once (the spare columns as zeros).
    byInput.resize(static_cast<std::size_t>(inputs) * static_cast<std::size_t>(patternColumns));
    std::vector<const double*> rows(static_cast<std::size_t>(block));
    for (long first = 0; first < patternColumns; first += block) {
        const long live = std::clamp(patterns - first, 0L, block);
        for (long t = 0; t < live; ++t)
            rows[static_cast<std::size_t>(t)] = net.InputPatterns.Row(first + t + 1);
        double* to = byInput.data() + first * inputs;
        for (long i = 1; i <= inputs; ++i, to += block) {
            for (long t = 0; t < live; ++t)
                to[t] = rows[static_cast<std::size_t>(t)][i];
            for (long t = live; t < block; ++t)
                to[t] = 0.0;
        }
    }
    finiteInputs.assign(static_cast<std::size_t>(patterns) + 1, 1);
    long stored = 0;
    for (long p = 1; p <= patterns; ++p) {
        const double* x = net.InputPatterns.Row(p);
        long storedHere = 0;
        bool finite = true;
        for (long i = 1; i <= inputs; ++i) {
            storedHere += std::bit_cast<std::uint64_t>(x[i]) != 0;
            finite = finite && std::isfinite(x[i]);
        }
        stored += storedHere;
        finiteInputs[static_cast<std::size_t>(p)] = finite;
    }
    return stored;
}

void SweepWorkspace::PackPatterns(long patterns, long inputs, long stored)
{
    packed = false;
    packedMasks.clear();
    packedValues.clear();
    packedStart.clear();
    const KernelSet& set = Kernels();
    if (set.sumPatternsPacked == nullptr || byInput.empty())
        return;
    constexpr long Segment = 8;  // columns per mask byte
    const long block = set.patternBlock;
    // Measured on the patterns' own inputs (the padding past them would
    // favour packing a small table).
    const double fullBytes = static_cast<double>(patterns) * static_cast<double>(inputs) * sizeof(double);
    const double packedBytes = static_cast<double>(stored) * sizeof(double) +
                               static_cast<double>(inputs) * static_cast<double>(patterns) / Segment;
    if (fullBytes < static_cast<double>(smallestTableToPack) || 4 * packedBytes > 3 * fullBytes)
        return;
    const long segments = patternColumns / Segment;
    packedMasks.resize(static_cast<std::size_t>(segments * inputs));
    packedStart.resize(static_cast<std::size_t>(segments));
    // Every value is written, and the count moves past the ones stored:
    // no branch on the data, which is as unpredictable as the inputs.
    packedValues.resize(static_cast<std::size_t>(stored + Segment));
    double* values = packedValues.data();
    long count = 0;
    for (long s = 0; s < segments; ++s) {
        packedStart[static_cast<std::size_t>(s)] = count;
        const long column = s * Segment;
        const double* from = byInput.data() + (column / block) * inputs * block + column % block;
        for (long i = 0; i < inputs; ++i) {
            unsigned mask = 0;
            for (long b = 0; b < Segment; ++b) {
                const double x = from[i * block + b];
                const unsigned keep = std::bit_cast<std::uint64_t>(x) != 0;
                values[count] = x;
                count += keep;
                mask |= keep << b;
            }
            packedMasks[static_cast<std::size_t>(s * inputs + i)] = static_cast<unsigned char>(mask);
        }
    }
    // Room for a whole vector's load past the last value.
    std::fill(packedValues.begin() + count, packedValues.end(), 0.0);
    packed = true;
}

void SweepWorkspace::ChooseTablesByTrial(long inputs, long outputs)
{
    // Each form summed over the whole table for every output, twice in
    // turn, the faster of each pair kept: a few milliseconds on the largest
    // tables, once a run. The weights are zeros: every form's time is the
    // same whatever they are.
    const KernelSet& set = Kernels();
    const long cols = outputs > 0 ? outputs : 1;
    const std::vector<double> weights(static_cast<std::size_t>((inputs + 1) * (cols + 1)), 0.0);
    std::vector<double> out(static_cast<std::size_t>(cols * patternColumns));
    const long count = patternColumns - set.patternBlock;  // the spare block left out
    const PackedPatterns packedTable{packedMasks.data(), packedValues.data(), packedStart.data()};
    const SparsePatterns lists{sparseIndex.data(), sparseValue.data(), sparseStart.data()};
    using Clock = std::chrono::steady_clock;
    const auto fastest = [](auto sums) {
        Clock::duration best = Clock::duration::max();
        for (int round = 0; round < 2; ++round) {
            const auto start = Clock::now();
            sums();
            best = std::min(best, Clock::now() - start);
        }
        return best;
    };
    Clock::duration table = fastest([&] {
        set.sumPatterns(weights.data(), cols + 1, inputs, cols, byInput.data(), count, out.data(), patternColumns);
    });
    if (packed) {
        const Clock::duration packedTime = fastest([&] {
            set.sumPatternsPacked(weights.data(), cols + 1, inputs, cols, packedTable, 0, count, out.data(),
                                  patternColumns);
        });
        if (packedTime < table) {
            table = packedTime;
        } else {
            packed = false;
            packedMasks = {};
            packedValues = {};
            packedStart = {};
        }
    }
    if (sparse)
        sumsFromLists = fastest([&] {
            set.sumPatternsSparse(weights.data(), cols + 1, cols, lists, 0, count, out.data(), patternColumns);
        }) < table;
}

void SweepWorkspace::ListPatterns(const NetworkState& net, long stored)
{
    sparse = false;
    storedShare = 1;
    sparseIndex.clear();
    sparseValue.clear();
    sparseStart.clear();
    const long patterns = net.NumPatterns;
    const long inputs = net.NumInputs;
    const double all = static_cast<double>(patterns) * static_cast<double>(inputs);
    storedShare = all > 0 ? static_cast<double>(stored) / all : 1;
    if (storedShare > SparseShare)
        return;
    // As the packed table: every input written, the count moving past the
    // stored ones (one spare slot for the last write).
    sparseIndex.resize(static_cast<std::size_t>(stored) + 1);
    sparseValue.resize(static_cast<std::size_t>(stored) + 1);
    sparseStart.reserve(static_cast<std::size_t>(patternColumns) + 1);
    unsigned* index = sparseIndex.data();
    double* value = sparseValue.data();
    long count = 0;
    for (long p = 1; p <= patterns; ++p) {
        sparseStart.push_back(count);
        const double* x = net.InputPatterns.Row(p);
        for (long i = 1; i <= inputs; ++i) {
            index[count] = static_cast<unsigned>(i);
            value[count] = x[i];
            count += std::bit_cast<std::uint64_t>(x[i]) != 0;
        }
    }
    sparseIndex.resize(static_cast<std::size_t>(count));
    sparseValue.resize(static_cast<std::size_t>(count));
    // The columns past the last pattern have nothing stored.
    sparseStart.resize(static_cast<std::size_t>(patternColumns) + 1, count);
    sparse = true;
}

bool SweepWorkspace::AllFinite(const double* w, std::size_t count)
{
    // On the bits, which the compiler runs through vector registers: a sum
    // of doubles would be one chain of additions, as long as the matrix
    // (which on a small network costs a fair share of the epoch).
    constexpr std::uint64_t Exponent = 0x7ff0000000000000;
    std::uint64_t notFinite = 0;
    for (std::size_t j = 0; j < count; ++j)
        notFinite |= (std::bit_cast<std::uint64_t>(w[j]) & Exponent) == Exponent;
    return notFinite == 0;
}

void SweepWorkspace::SumBoundPatterns(const double* w, long stride, long cols, long first, long count, double* out,
                                      long outStride, bool weightsFinite) const
{
    const KernelSet& set = Kernels();
    if (sumsFromLists && weightsFinite) {
        const SparsePatterns xt{sparseIndex.data(), sparseValue.data(), sparseStart.data()};
        set.sumPatternsSparse(w, stride, cols, xt, first, count, out, outStride);
        return;
    }
    if (packed) {
        const PackedPatterns xt{packedMasks.data(), packedValues.data(), packedStart.data()};
        set.sumPatternsPacked(w, stride, boundInputs, cols, xt, first, count, out, outStride);
        return;
    }
    const long block = set.patternBlock;
    set.sumPatterns(w, stride, boundInputs, cols, byInput.data() + first / block * boundInputs * block, count, out,
                    outStride);
}

void SweepWorkspace::SumBoundColumns(const double* w, long stride, const long* column, int count, long first,
                                     int vectors, double* out) const
{
    const KernelSet& set = Kernels();
    if (packed) {
        const PackedPatterns xt{packedMasks.data(), packedValues.data(), packedStart.data()};
        set.sumColumnsPacked(w, stride, boundInputs, xt, column, count, first, vectors, out);
        return;
    }
    set.sumColumns(w, stride, boundInputs, byInput.data(), column, count, first, vectors, out);
}

}  // namespace vantorelle
