// SPDX-License-Identifier: GPL-3.0-or-later
// The packed pattern table (exact +0.0 inputs left out) against the full one:
// every sum the kernels take from it must be the same bits, whatever the
// inputs hold (signed zeros, NaN, infinities, subnormals) and wherever a sum
// starts.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "NetworkState.h"
#include "kernels/SweepKernels.h"
#include "kernels/SweepWorkspace.h"

using namespace vantorelle;

namespace {

// A network whose inputs are mostly +0.0 (so the table is packed) and
// otherwise of every awkward kind.
NetworkState SparseNetwork(long patterns, long inputs, long outputs, std::mt19937_64& gen)
{
    NetworkState net;
    net.NumPatterns = patterns;
    net.NumInputs = inputs;
    net.NumOutputs = outputs;
    net.NumResponses = patterns * outputs;
    net.InputPatterns.Resize(patterns, inputs);
    net.DesiredOutputs.Resize(patterns, outputs);
    net.PatternOrder.assign(static_cast<std::size_t>(patterns) + 1, 0);
    SizeUnitsAndWeights(net);
    const double odd[] = {-0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min(), 1e300};
    std::uniform_real_distribution<double> unit(0, 1);
    for (long p = 1; p <= patterns; ++p)
        for (long i = 1; i <= inputs; ++i) {
            const double u = unit(gen);
            net.InputPatterns(p, i) = u < 0.6 ? 0.0 : (u < 0.66 ? odd[static_cast<int>(u * 1000) % 6] : u - 0.8);
        }
    for (long i = 1; i <= inputs; ++i)
        for (long k = 1; k <= outputs; ++k)
            net.Weights(i, k) = unit(gen) - 0.5;
    return net;
}

bool SameBits(const double* a, const double* b, std::size_t count)
{
    return std::memcmp(a, b, count * sizeof(double)) == 0;
}

}  // namespace

TEST(PackedPatterns, SumsMatchTheFullTableBitForBit)
{
    const KernelSet& kernels = DefaultKernels();
    if (kernels.sumPatternsPacked == nullptr)
        GTEST_SKIP() << kernels.name << " has no packed kernels";
    std::mt19937_64 gen(20261210);
    // Pattern counts short of, at and past a block; outputs past one group.
    for (long patterns : {5L, 16L, 37L}) {
        for (long outputs : {1L, 7L, 11L}) {
            SCOPED_TRACE(::testing::Message() << patterns << " patterns, " << outputs << " outputs");
            NetworkState net = SparseNetwork(patterns, 13, outputs, gen);
            SweepWorkspace work;
            work.smallestTableToPack = 0;
            work.chooseTablesByTrial = false;
            work.BindPatterns(net);
            ASSERT_TRUE(work.packed);
            const long stride = outputs + 1;
            const long block = kernels.patternBlock;
            const long columns = work.patternColumns;
            const double* w = net.Weights.Row(0);

            // Every output over the whole table, and over each block alone.
            const long count = columns - block;  // all but the spare block
            std::vector<double> full(static_cast<std::size_t>(outputs * columns));
            std::vector<double> packed(full.size());
            kernels.sumPatterns(w, stride, net.NumInputs, outputs, work.byInput.data(), count, full.data(), columns);
            work.SumBoundPatterns(w, stride, outputs, 0, count, packed.data(), columns, false);
            for (long k = 0; k < outputs; ++k)
                EXPECT_TRUE(SameBits(full.data() + k * columns, packed.data() + k * columns,
                                     static_cast<std::size_t>(count)))
                    << "output " << k + 1;
            for (long first = 0; first < count; first += block) {
                std::vector<double> one(static_cast<std::size_t>(outputs * block));
                work.SumBoundPatterns(w, stride, outputs, first, block, one.data(), block, false);
                for (long k = 0; k < outputs; ++k)
                    EXPECT_TRUE(SameBits(full.data() + k * columns + first, one.data() + k * block,
                                         static_cast<std::size_t>(block)))
                        << "output " << k + 1 << ", block from " << first;
            }

            // A few outputs at once from every vector of every block to
            // the block's end, or fewer vectors, from both tables.
            const long align = kernels.columnAlign;
            for (int together = 1; together <= kernels.columnGroup; ++together) {
                for (long first = 0; first < count; first += align) {
                    const int most = static_cast<int>((block - first % block) / align);
                    for (int vectors = 1; vectors <= most; ++vectors) {
                        SCOPED_TRACE(::testing::Message() << together << " outputs from column " << first << ", "
                                                          << vectors << " vectors");
                        std::vector<long> column(static_cast<std::size_t>(together));
                        for (int g = 0; g < together; ++g)
                            column[static_cast<std::size_t>(g)] = 1 + (g * 3 + first) % outputs;
                        std::vector<double> a(static_cast<std::size_t>(together * block));
                        std::vector<double> b(a.size());
                        kernels.sumColumns(w, stride, net.NumInputs, work.byInput.data(), column.data(), together,
                                           first, vectors, a.data());
                        work.SumBoundColumns(w, stride, column.data(), together, first, vectors, b.data());
                        for (int g = 0; g < together; ++g) {
                            const double* want = full.data() + (column[static_cast<std::size_t>(g)] - 1) * columns + first;
                            const std::size_t summed = static_cast<std::size_t>(vectors * align);
                            EXPECT_TRUE(SameBits(a.data() + g * block, want, summed)) << "full table, output " << g;
                            EXPECT_TRUE(SameBits(b.data() + g * block, want, summed)) << "packed table, output " << g;
                        }
                    }
                }
            }
        }
    }
}

// A table with few zeros stays full: packing it would save little memory.
TEST(PackedPatterns, DenseTablesStayFull)
{
    std::mt19937_64 gen(7);
    NetworkState net = SparseNetwork(40, 9, 3, gen);
    for (long p = 1; p <= net.NumPatterns; ++p)
        for (long i = 1; i <= net.NumInputs; ++i)
            if (net.InputPatterns(p, i) == 0 && !std::signbit(net.InputPatterns(p, i)) && (p + i) % 3 != 0)
                net.InputPatterns(p, i) = 0.5;
    SweepWorkspace work;
    work.smallestTableToPack = 0;
    work.chooseTablesByTrial = false;
    work.BindPatterns(net);
    EXPECT_FALSE(work.packed);
}

// A table the caches hold stays full however sparse: expanding it would
// only cost.
TEST(PackedPatterns, SmallTablesStayFull)
{
    std::mt19937_64 gen(8);
    NetworkState net = SparseNetwork(40, 9, 3, gen);
    SweepWorkspace work;
    work.BindPatterns(net);
    EXPECT_FALSE(work.packed);
}

// The trial between the two forms keeps whichever reads faster here, and
// the sums across the table read that one, with the bits of the packed
// table's sums.
TEST(PackedPatterns, TheTrialKeepsAFormWithThePackedTablesBits)
{
    std::mt19937_64 gen(9);
    const NetworkState net = SparseNetwork(300, 40, 7, gen);
    SweepWorkspace trial;
    trial.smallestTableToPack = 0;  // the trial runs on a small table too
    trial.BindPatterns(net);
    EXPECT_EQ(trial.packed, !trial.packedValues.empty());
    SweepWorkspace packed;
    packed.smallestTableToPack = 0;
    packed.chooseTablesByTrial = false;
    packed.BindPatterns(net);
    ASSERT_TRUE(packed.packed);

    const long stride = net.NumOutputs + 1;
    const long count = packed.patternColumns - packed.Kernels().patternBlock;
    std::vector<double> fromTrial(static_cast<std::size_t>(net.NumOutputs * count), 1.0);
    std::vector<double> fromPacked(fromTrial.size(), 2.0);
    const double* w = net.Weights.Row(0);
    trial.SumBoundPatterns(w, stride, net.NumOutputs, 0, count, fromTrial.data(), count, false);
    packed.SumBoundPatterns(w, stride, net.NumOutputs, 0, count, fromPacked.data(), count, false);
    for (std::size_t j = 0; j < fromTrial.size(); ++j)
        ASSERT_EQ(std::bit_cast<std::uint64_t>(fromTrial[j]), std::bit_cast<std::uint64_t>(fromPacked[j])) << j;
}

// Every form of a bound table holds the patterns' inputs, bit for bit, and
// nothing else: the full table transposed with zero columns past the last
// pattern, the packed table's masks and values, and each pattern's list of
// stored inputs (every input but +0.0) in input order.
TEST(PackedPatterns, EveryFormHoldsThePatternsAndNothingElse)
{
    std::mt19937_64 gen(10);
    for (long patterns : {1L, 16L, 45L}) {
        SCOPED_TRACE(::testing::Message() << patterns << " patterns");
        const NetworkState net = SparseNetwork(patterns, 11, 3, gen);
        SweepWorkspace work;
        work.smallestTableToPack = 0;
        work.chooseTablesByTrial = false;
        work.BindPatterns(net);
        ASSERT_TRUE(work.sparse);
        const long inputs = net.NumInputs;
        const long block = work.Kernels().patternBlock;
        const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
        const auto inTable = [&](long column, long i) {
            return work.byInput[static_cast<std::size_t>((column / block) * inputs * block + (i - 1) * block +
                                                         column % block)];
        };
        for (long column = 0; column < work.patternColumns; ++column) {
            const long p = column + 1;
            std::vector<std::pair<unsigned, std::uint64_t>> listed;
            bool finite = true;
            for (long i = 1; i <= inputs; ++i) {
                const double x = p <= patterns ? net.InputPatterns(p, i) : 0.0;
                ASSERT_EQ(bits(inTable(column, i)), bits(x)) << "column " << column << ", input " << i;
                if (bits(x) != 0)
                    listed.emplace_back(static_cast<unsigned>(i), bits(x));
                finite = finite && std::isfinite(x);
            }
            if (p <= patterns) {
                EXPECT_EQ(work.finiteInputs[static_cast<std::size_t>(p)] != 0, finite) << p;
            }
            const long from = work.sparseStart[static_cast<std::size_t>(column)];
            const long to = work.sparseStart[static_cast<std::size_t>(column) + 1];
            ASSERT_EQ(to - from, static_cast<long>(listed.size())) << "column " << column;
            for (long j = from; j < to; ++j) {
                EXPECT_EQ(work.sparseIndex[static_cast<std::size_t>(j)], listed[static_cast<std::size_t>(j - from)].first);
                EXPECT_EQ(bits(work.sparseValue[static_cast<std::size_t>(j)]),
                          listed[static_cast<std::size_t>(j - from)].second);
            }
        }
        if (!work.packed)
            continue;  // a kernel set without packed kernels
        constexpr long Segment = 8;
        long next = 0;
        for (long s = 0; s < work.patternColumns / Segment; ++s) {
            ASSERT_EQ(work.packedStart[static_cast<std::size_t>(s)], next);
            for (long i = 1; i <= inputs; ++i) {
                const unsigned mask = work.packedMasks[static_cast<std::size_t>(s * inputs + i - 1)];
                for (long b = 0; b < Segment; ++b) {
                    const std::uint64_t x = bits(inTable(s * Segment + b, i));
                    EXPECT_EQ((mask >> b) & 1u, x != 0 ? 1u : 0u) << "segment " << s << ", input " << i;
                    if (x != 0) {
                        EXPECT_EQ(bits(work.packedValues[static_cast<std::size_t>(next++)]), x);
                    }
                }
            }
        }
        EXPECT_EQ(static_cast<long>(work.packedValues.size()), next + Segment);
    }
}
