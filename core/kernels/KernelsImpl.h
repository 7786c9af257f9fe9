// SPDX-License-Identifier: GPL-3.0-or-later
// The kernels of KernelSet.h, written once with the compiler's vector types
// and included by one file per instruction set, which first defines
// KERNEL_VECTOR_BYTES (16, 32 or 64) and KERNEL_SET_NAME. Everything here has
// internal linkage: code built for a wider set must never be picked by the
// linker for a caller on a machine without it.

#include <array>
#include <utility>

#include "KernelSet.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace vantorelle {
namespace {

constexpr int Lanes = KERNEL_VECTOR_BYTES / 8;
typedef double Vec __attribute__((vector_size(KERNEL_VECTOR_BYTES)));

inline Vec Load(const double* p)
{
    Vec v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}
inline void Store(double* p, Vec v) { __builtin_memcpy(p, &v, sizeof v); }

// Per pattern, across outputs: a block of Width outputs' sums advance
// together in vector registers (full vectors, then halves down to one lane),
// so their chains of additions overlap instead of waiting for each other.
constexpr int WidestBlock = 4 * Lanes;

template <int N>
struct VecOf {
    typedef double type __attribute__((vector_size(N * 8)));
};
// One lane is a plain double: GCC handles a one-element vector type through
// memory, which made every odd width several times slower.
template <>
struct VecOf<1> {
    typedef double type;
};

constexpr int HeadLanes(int width)
{
    int h = Lanes;
    while (h > width)
        h /= 2;
    return h;
}

// Unaligned: a weight row starts wherever the matrix puts it.
template <typename V>
inline V LoadAs(const double* p)
{
    V v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}
template <typename V>
inline void StoreAs(double* p, V v)
{
    __builtin_memcpy(p, &v, sizeof v);
}

// Width doubles held as a vector of HeadLanes(Width) lanes and the rest.
template <int Width>
struct Lanes_ {
    static constexpr int H = HeadLanes(Width);
    using V = typename VecOf<H>::type;
    V head;
    Lanes_<Width - H> tail;

    void Zero()
    {
        head = V{};
        tail.Zero();
    }
    void Load(const double* p)
    {
        head = LoadAs<V>(p);
        tail.Load(p + H);
    }
    void Store(double* p) const
    {
        StoreAs<V>(p, head);
        tail.Store(p + H);
    }
    // this = w * x + this
    void Accumulate(const double* w, double x)
    {
        head = LoadAs<V>(w) * x + head;
        tail.Accumulate(w + H, x);
    }
    // w = step * x + w; this = xNext * w + this
    void UpdateAndAccumulate(const Lanes_& step, double* w, double x, double xNext)
    {
        const V updated = step.head * x + LoadAs<V>(w);
        StoreAs<V>(w, updated);
        head = updated * xNext + head;
        tail.UpdateAndAccumulate(step.tail, w + H, x, xNext);
    }
    // w = this * x + w (this holds the steps)
    void Update(double* w, double x) const
    {
        StoreAs<V>(w, head * x + LoadAs<V>(w));
        tail.Update(w + H, x);
    }
};
template <>
struct Lanes_<0> {
    void Zero() {}
    void Load(const double*) {}
    void Store(double*) const {}
    void Accumulate(const double*, double) {}
    void UpdateAndAccumulate(const Lanes_&, double*, double, double) {}
    void Update(double*, double) const {}
};

template <int Width>
void SumBlock(const double* w, long stride, long rows, const double* x, long first, double* sum)
{
    Lanes_<Width> acc;
    acc.Zero();
    for (long i = 1; i <= rows; ++i)
        acc.Accumulate(w + i * stride + first, x[i]);
    acc.Store(sum + first);
}

template <int Width>
void UpdateAndSumBlock(double* w, long stride, long rows, const double* c, const double* x, const double* xNext,
                       long first, double* sumNext)
{
    Lanes_<Width> step;
    step.Load(c + first);
    Lanes_<Width> acc;
    acc.Zero();
    for (long i = 1; i <= rows; ++i)
        acc.UpdateAndAccumulate(step, w + i * stride + first, x[i], xNext[i]);
    acc.Store(sumNext + first);
}

// From a sparse table (KernelSet.h): a few columns' sums side by side, each
// over its own stored inputs, so their chains of additions overlap; the
// common length first, then each column's rest alone.
constexpr long SparseTogether = 4;

template <int Width>
void SumSparseBlock(const double* w, long stride, const SparsePatterns& xt, long column, long firstK, double* out,
                    long outStride)
{
    Lanes_<Width> acc[SparseTogether];
    long from[SparseTogether];
    long common = 0;
    for (long t = 0; t < SparseTogether; ++t) {
        acc[t].Zero();
        from[t] = xt.start[column + t];
        const long length = xt.start[column + t + 1] - from[t];
        common = t == 0 || length < common ? length : common;
    }
    const double* base = w + firstK;
    for (long j = 0; j < common; ++j)
        for (long t = 0; t < SparseTogether; ++t)
            acc[t].Accumulate(base + xt.index[from[t] + j] * stride, xt.value[from[t] + j]);
    for (long t = 0; t < SparseTogether; ++t) {
        for (long j = from[t] + common; j < xt.start[column + t + 1]; ++j)
            acc[t].Accumulate(base + xt.index[j] * stride, xt.value[j]);
        double sums[Width];
        acc[t].Store(sums);
        for (int c = 0; c < Width; ++c)
            out[(firstK + c - 1) * outStride + t] = sums[c];
    }
}

// From a sparse table: the step on the rows of column's stored inputs, then
// the next column's sums over its stored inputs. The sums' chains of
// additions are as long as the stored inputs, not all of them.
template <int Width>
void UpdateAndSumSparseBlock(double* w, long stride, const double* c, const SparsePatterns& xt, long column,
                             long nextColumn, long first, double* sumNext)
{
    // The table's pointers in locals: the weights' stores (through memcpy)
    // would otherwise make the compiler read them again every row.
    const unsigned* const index = xt.index;
    const double* const value = xt.value;
    Lanes_<Width> step;
    step.Load(c + first);
    double* const base = w + first;
    for (long j = xt.start[column], end = xt.start[column + 1]; j < end; ++j)
        step.Update(base + index[j] * stride, value[j]);
    Lanes_<Width> acc;
    acc.Zero();
    for (long j = xt.start[nextColumn], end = xt.start[nextColumn + 1]; j < end; ++j)
        acc.Accumulate(base + index[j] * stride, value[j]);
    acc.Store(sumNext + first);
}

template <int... Widths>
struct BlockTables {
    static constexpr void (*sum[])(const double*, long, long, const double*, long, double*) = {
        nullptr, &SumBlock<Widths + 1>...};
    static constexpr void (*update[])(double*, long, long, const double*, const double*, const double*, long,
                                      double*) = {nullptr, &UpdateAndSumBlock<Widths + 1>...};
    static constexpr void (*sparse[])(const double*, long, const SparsePatterns&, long, long, double*, long) = {
        nullptr, &SumSparseBlock<Widths + 1>...};
    static constexpr void (*sparseUpdate[])(double*, long, const double*, const SparsePatterns&, long, long, long,
                                            double*) = {nullptr, &UpdateAndSumSparseBlock<Widths + 1>...};
};
template <int... Widths>
constexpr BlockTables<Widths...> MakeBlockTables(std::integer_sequence<int, Widths...>)
{
    return {};
}
using Tables = decltype(MakeBlockTables(std::make_integer_sequence<int, WidestBlock>{}));

void SumNetInputs(const double* w, long stride, long rows, long cols, const double* x, double* sum)
{
    for (long first = 1; first <= cols; first += WidestBlock) {
        const long width = cols - first + 1 < WidestBlock ? cols - first + 1 : WidestBlock;
        Tables::sum[width](w, stride, rows, x, first, sum);
    }
}

void UpdateAndSumNext(double* w, long stride, long rows, long cols, const double* c, const double* x,
                      const double* xNext, double* sumNext)
{
    for (long first = 1; first <= cols; first += WidestBlock) {
        const long width = cols - first + 1 < WidestBlock ? cols - first + 1 : WidestBlock;
        Tables::update[width](w, stride, rows, c, x, xNext, first, sumNext);
    }
}

void UpdateAndSumNextSparse(double* w, long stride, long cols, const double* c, const SparsePatterns& xt, long column,
                            long nextColumn, double* sumNext)
{
    for (long first = 1; first <= cols; first += WidestBlock) {
        const long width = cols - first + 1 < WidestBlock ? cols - first + 1 : WidestBlock;
        Tables::sparseUpdate[width](w, stride, c, xt, column, nextColumn, first, sumNext);
    }
}

void SumPatternsSparse(const double* w, long stride, long cols, const SparsePatterns& xt, long first, long count,
                       double* out, long outStride)
{
    for (long p = first; p < first + count; p += SparseTogether)
        for (long k = 1; k <= cols; k += WidestBlock) {
            const long width = cols - k + 1 < WidestBlock ? cols - k + 1 : WidestBlock;
            Tables::sparse[width](w, stride, xt, p, k, out + (p - first), outStride);
        }
}

// Across patterns: Outputs outputs times Vectors vectors of patterns, each
// lane its own pattern's chain, summed in input order.
constexpr int PatternVectors = 2;
constexpr long PatternBlock = Lanes * PatternVectors;

// Outputs are taken in groups of nearly equal size, at most this many: a
// small last group (10 outputs as 4, 4 and 2) would run with few chains in
// flight, at half speed, over the whole pattern table. With 32 vector
// registers a group holds twice as many, which shares each row's loads
// and bookkeeping among more outputs. Sums again after a step take up to
// MostListedOutputs at once.
constexpr int MostPatternOutputs = Lanes == 8 ? 10 : 5;
constexpr int MostListedOutputs = 5;

// Where a block's inputs come from, a row (input) at a time: Vectors vectors
// of the full table, from one of a block's vectors on.
template <int Vectors>
struct FullRows {
    static constexpr int Count = Vectors;
    const double* row;
    void Next(Vec (&x)[Vectors])
    {
        for (int u = 0; u < Vectors; ++u)
            x[u] = Load(row + u * Lanes);
        row += PatternBlock;
    }
};

// Which outputs a block kernel sums: neighbours from one on (the compiler
// then reads their weights at fixed offsets), or any few, listed.
struct Neighbours {
    long first;
    long operator[](int g) const { return first + g; }
};
template <int Outputs>
struct Listed {
    long k[Outputs];
    long operator[](int g) const { return k[g]; }
};

// One block of patterns (Rows::Count vectors of it) for outputs columns[g],
// g < Outputs, output g's sums written from out + g * outStride.
template <int Outputs, typename Rows, typename Columns>
void SumPatternsBlock(const double* w, long stride, long rows, Rows source, Columns columns, double* out,
                      long outStride)
{
    constexpr int Vectors = Rows::Count;
    Vec acc[Outputs][Vectors] = {};
    for (long i = 1; i <= rows; ++i) {
        Vec x[Vectors];
        source.Next(x);
        const double* wr = w + i * stride;
        for (int g = 0; g < Outputs; ++g) {
            const double wk = wr[columns[g]];
            for (int u = 0; u < Vectors; ++u)
                acc[g][u] = x[u] * wk + acc[g][u];
        }
    }
    for (int g = 0; g < Outputs; ++g)
        for (int u = 0; u < Vectors; ++u)
            Store(out + g * outStride + u * Lanes, acc[g][u]);
}

// SumPatternsBlock for neighbours, by their count (entry 0 unused).
template <typename Rows, int... Counts>
constexpr auto BlockKernels(std::integer_sequence<int, Counts...>)
{
    using Kernel = void (*)(const double*, long, long, Rows, Neighbours, double*, long);
    return std::array<Kernel, sizeof...(Counts) + 1>{nullptr, &SumPatternsBlock<Counts + 1, Rows, Neighbours>...};
}

// Every block of columns first..first+count-1, its rows from rowsAt(column).
template <typename Rows, typename RowsAt>
void SumPatternBlocks(const double* w, long stride, long rows, long cols, long first, long count, RowsAt rowsAt,
                      double* out, long outStride)
{
    static constexpr auto block = BlockKernels<Rows>(std::make_integer_sequence<int, MostPatternOutputs>{});
    const long groups = (cols + MostPatternOutputs - 1) / MostPatternOutputs;
    for (long p = first; p < first + count; p += PatternBlock) {
        long k = 1;
        for (long g = 0; g < groups; ++g) {
            const long left = groups - g;
            const long n = (cols - k + 1 + left - 1) / left;
            block[n](w, stride, rows, rowsAt(p), Neighbours{k}, out + (k - 1) * outStride + (p - first), outStride);
            k += n;
        }
    }
}

void SumPatterns(const double* w, long stride, long rows, long cols, const double* xt, long count, double* out,
                 long outStride)
{
    using Rows = FullRows<PatternVectors>;
    SumPatternBlocks<Rows>(
        w, stride, rows, cols, 0, count, [&](long p) { return Rows{xt + (p / PatternBlock) * rows * PatternBlock}; },
        out, outStride);
}

// A few listed outputs over the vectors of one block from column `first`
// on: the block kernel with its rows from makeRows(first), for each count of
// outputs and of vectors.
template <template <int> class Rows, typename MakeRows>
void SumListedColumns(const double* w, long stride, long rows, const long* column, int count, int vectors,
                      MakeRows makeRows, double* out)
{
    static_assert(PatternVectors == 2 && MostListedOutputs == 5);
    const auto run = [&]<int Outputs, int Vectors>() {
        Listed<Outputs> listed;
        for (int g = 0; g < Outputs; ++g)
            listed.k[g] = column[g];
        SumPatternsBlock<Outputs>(w, stride, rows, makeRows.template operator()<Vectors>(), listed, out, PatternBlock);
    };
    const auto withVectors = [&]<int Vectors>() {
        switch (count) {
        case 1: return run.template operator()<1, Vectors>();
        case 2: return run.template operator()<2, Vectors>();
        case 3: return run.template operator()<3, Vectors>();
        case 4: return run.template operator()<4, Vectors>();
        default: return run.template operator()<5, Vectors>();
        }
    };
    if (vectors == 1)
        withVectors.template operator()<1>();
    else
        withVectors.template operator()<2>();
}

void SumColumns(const double* w, long stride, long rows, const double* xt, const long* column, int count, long first,
                int vectors, double* out)
{
    const double* row = xt + (first / PatternBlock) * rows * PatternBlock + first % PatternBlock;
    SumListedColumns<FullRows>(
        w, stride, rows, column, count, vectors, [row]<int Vectors>() { return FullRows<Vectors>{row}; }, out);
}

#if KERNEL_VECTOR_BYTES == 64
// From a packed table (KernelSet.h): one segment's inputs for the next input
// row, the stored ones expanded into their lanes and +0.0 in the others,
// which is what the full table holds there.
// A plain load and a register expand: the expanding load reads through a
// pointer the compiler cannot see into, after which it keeps the sums in
// memory instead of registers. The table has a vector's room past its end.
inline Vec ExpandSegment(const unsigned char*& mask, const double*& values)
{
    const unsigned m = *mask++;
    const Vec x = (Vec)_mm512_maskz_expand_pd(static_cast<__mmask8>(m), (__m512d)Load(values));
    values += __builtin_popcount(m);
    return x;
}

// Each segment a stream of its own: a segment's rows are read in order.
struct SegmentStream {
    const unsigned char* mask;
    const double* values;
};
inline SegmentStream StreamOf(const PackedPatterns& xt, long rows, long segment)
{
    return {xt.masks + segment * rows, xt.values + xt.start[segment]};
}

// Vectors segments' rows from the packed table, from a given segment on.
template <int Vectors>
struct PackedRows {
    static constexpr int Count = Vectors;
    SegmentStream in[Vectors];
    PackedRows(const PackedPatterns& xt, long rows, long segment)
    {
        for (int u = 0; u < Vectors; ++u)
            in[u] = StreamOf(xt, rows, segment + u);
    }
    void Next(Vec (&x)[Vectors])
    {
        for (int u = 0; u < Vectors; ++u)
            x[u] = ExpandSegment(in[u].mask, in[u].values);
    }
};

void SumPatternsPacked(const double* w, long stride, long rows, long cols, const PackedPatterns& xt, long first,
                       long count, double* out, long outStride)
{
    using Rows = PackedRows<PatternVectors>;
    SumPatternBlocks<Rows>(
        w, stride, rows, cols, first, count, [&](long p) { return Rows(xt, rows, p / Lanes); }, out, outStride);
}

void SumColumnsPacked(const double* w, long stride, long rows, const PackedPatterns& xt, const long* column,
                      int count, long first, int vectors, double* out)
{
    SumListedColumns<PackedRows>(
        w, stride, rows, column, count, vectors,
        [&]<int Vectors>() { return PackedRows<Vectors>(xt, rows, first / Lanes); }, out);
}
constexpr auto PackedPatternSums = &SumPatternsPacked;
constexpr auto PackedColumnSums = &SumColumnsPacked;
#else
// No masked loads in this set: no packed tables.
constexpr void (*PackedPatternSums)(const double*, long, long, long, const PackedPatterns&, long, long, double*,
                                    long) = nullptr;
constexpr void (*PackedColumnSums)(const double*, long, long, const PackedPatterns&, const long*, int, long, int,
                                   double*) = nullptr;
#endif

// Bit u set where lane u of c is not zero (NaN included).
inline unsigned NonZeroLanes(Vec c)
{
#if KERNEL_VECTOR_BYTES == 64
    return _mm512_cmp_pd_mask((__m512d)c, _mm512_setzero_pd(), _CMP_NEQ_UQ);
#elif KERNEL_VECTOR_BYTES == 32 && defined(__AVX__)
    return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd((__m256d)c, _mm256_setzero_pd(), _CMP_NEQ_UQ)));
#elif KERNEL_VECTOR_BYTES == 16 && defined(__SSE2__)
    return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpneq_pd((__m128d)c, _mm_setzero_pd())));
#else
    unsigned bits = 0;
    for (int u = 0; u < Lanes; ++u)
        bits |= static_cast<unsigned>(c[u] != 0) << u;
    return bits;
#endif
}

// A binary unit's activation from a sum, threshold + sum >= 0 ? 1 : 0, a
// vector of sums at a time or one.
inline Vec BinaryActivation(double threshold, Vec sums)
{
    return threshold + sums >= 0 ? Vec{} + 1.0 : Vec{};
}
inline double BinaryActivation(double threshold, double sum) { return threshold + sum >= 0 ? 1.0 : 0.0; }

// The step rule's walk over a binary unit's sums, a vector at a time, the
// same operations in the same order as the walk's own.
long FirstBinaryStep(const double* sums, const double* desired, long count, double threshold, double rate)
{
    long j = 0;
    for (; j + Lanes <= count; j += Lanes) {
        const Vec a = BinaryActivation(threshold, Load(sums + j));
        const unsigned steps = NonZeroLanes(rate * (Load(desired + j) - a));
        if (steps != 0)
            return j + __builtin_ctz(steps);
    }
    for (; j < count; ++j)
        if (rate * (desired[j] - BinaryActivation(threshold, sums[j])) != 0)
            return j;
    return count;
}

long SquaredBinaryErrors(double* sums, const double* desired, long count, double threshold, double minError)
{
    typedef long Counts __attribute__((vector_size(KERNEL_VECTOR_BYTES)));
    Counts below = {};  // a compare's true lane is -1
    long j = 0;
    for (; j + Lanes <= count; j += Lanes) {
        const Vec e = Load(desired + j) - BinaryActivation(threshold, Load(sums + j));
        const Vec squared = e * e;
        below -= squared < minError;
        Store(sums + j, squared);
    }
    long hits = 0;
    for (int u = 0; u < Lanes; ++u)
        hits += below[u];
    for (; j < count; ++j) {
        const double e = desired[j] - BinaryActivation(threshold, sums[j]);
        hits += e * e < minError;
        sums[j] = e * e;
    }
    return hits;
}

}  // namespace

extern const KernelSet KERNEL_SET_NAME;
const KernelSet KERNEL_SET_NAME = {
    KERNEL_SET_LABEL, PatternBlock, Lanes, MostListedOutputs, &SumNetInputs, &UpdateAndSumNext, &UpdateAndSumNextSparse,
    &SumPatterns, &SumColumns,
    PackedPatternSums, PackedColumnSums, &SumPatternsSparse, &FirstBinaryStep,
    &SquaredBinaryErrors,
};

}  // namespace vantorelle
