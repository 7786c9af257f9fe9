// The kernels of KernelSet.h, written once with the compiler's vector types
// and included by one file per instruction set, which first defines
// KERNEL_VECTOR_BYTES (16, 32 or 64) and KERNEL_SET_NAME. Everything here has
// internal linkage: code built for a wider set must never be picked by the
// linker for a caller on a machine without it.

#include "KernelSet.h"

namespace vantorelle {
namespace {

constexpr int Lanes = KERNEL_VECTOR_BYTES / 8;
typedef double Vec __attribute__((vector_size(KERNEL_VECTOR_BYTES), aligned(8), may_alias));

inline Vec Load(const double* p) { return *reinterpret_cast<const Vec*>(p); }
inline void Store(double* p, Vec v) { *reinterpret_cast<Vec*>(p) = v; }

// Per pattern, across outputs: Width outputs' sums advance together so their
// chains of additions overlap; beyond 16 the registers run out.
constexpr int WidestBlock = 16;

template <int Width>
void SumBlock(const double* w, long stride, long rows, const double* x, long first, double* sum)
{
    double acc[Width] = {};
    for (long i = 1; i <= rows; ++i) {
        const double xi = x[i];
        const double* wr = w + i * stride + first;
        for (int b = 0; b < Width; ++b)
            acc[b] = xi * wr[b] + acc[b];
    }
    for (int b = 0; b < Width; ++b)
        sum[first + b] = acc[b];
}

template <int Width>
void UpdateAndSumBlock(double* w, long stride, long rows, const double* c, const double* x, const double* xNext,
                       long first, double* sumNext)
{
    double step[Width];
    for (int b = 0; b < Width; ++b)
        step[b] = c[first + b];
    double acc[Width] = {};
    for (long i = 1; i <= rows; ++i) {
        const double xi = x[i];
        const double xn = xNext[i];
        double* wr = w + i * stride + first;
        for (int b = 0; b < Width; ++b) {
            const double updated = step[b] * xi + wr[b];
            wr[b] = updated;
            acc[b] = xn * updated + acc[b];
        }
    }
    for (int b = 0; b < Width; ++b)
        sumNext[first + b] = acc[b];
}

template <int... Widths>
struct BlockTables {
    static constexpr void (*sum[])(const double*, long, long, const double*, long, double*) = {
        nullptr, &SumBlock<Widths + 1>...};
    static constexpr void (*update[])(double*, long, long, const double*, const double*, const double*, long,
                                      double*) = {nullptr, &UpdateAndSumBlock<Widths + 1>...};
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

// Across patterns: Outputs outputs times Vectors vectors of patterns, each
// lane its own pattern's chain, summed in input order.
constexpr int PatternVectors = 2;
constexpr long PatternBlock = Lanes * PatternVectors;
constexpr int OutputsAtOnce = 4;

template <int Outputs>
void SumPatternsBlock(const double* w, long stride, long rows, const double* xt, long xtStride, long p, long firstK,
                      double* out, long outStride)
{
    Vec acc[Outputs][PatternVectors] = {};
    for (long i = 1; i <= rows; ++i) {
        const double* xr = xt + (i - 1) * xtStride + p;
        Vec x[PatternVectors];
        for (int u = 0; u < PatternVectors; ++u)
            x[u] = Load(xr + u * Lanes);
        const double* wr = w + i * stride + firstK;
        for (int g = 0; g < Outputs; ++g) {
            const double wk = wr[g];
            for (int u = 0; u < PatternVectors; ++u)
                acc[g][u] = x[u] * wk + acc[g][u];
        }
    }
    for (int g = 0; g < Outputs; ++g)
        for (int u = 0; u < PatternVectors; ++u)
            Store(out + (firstK + g - 1) * outStride + p + u * Lanes, acc[g][u]);
}

void SumPatterns(const double* w, long stride, long rows, long cols, const double* xt, long xtStride, long count,
                 double* out, long outStride)
{
    static constexpr void (*block[])(const double*, long, long, const double*, long, long, long, double*, long) = {
        nullptr, &SumPatternsBlock<1>, &SumPatternsBlock<2>, &SumPatternsBlock<3>, &SumPatternsBlock<4>};
    for (long p = 0; p < count; p += PatternBlock) {
        for (long k = 1; k <= cols; k += OutputsAtOnce) {
            const long n = cols - k + 1 < OutputsAtOnce ? cols - k + 1 : OutputsAtOnce;
            block[n](w, stride, rows, xt, xtStride, p, k, out, outStride);
        }
    }
}

// Several output columns, each from its own pattern column on.
template <int Groups>
void SumColumnsBlock(const double* w, long stride, long rows, const double* xt, long xtStride, const long* column,
                     const long* offset, double* out)
{
    Vec acc[Groups][PatternVectors] = {};
    for (long i = 1; i <= rows; ++i) {
        const double* xr = xt + (i - 1) * xtStride;
        const double* wr = w + i * stride;
        for (int g = 0; g < Groups; ++g) {
            const double wk = wr[column[g]];
            for (int u = 0; u < PatternVectors; ++u)
                acc[g][u] = Load(xr + offset[g] + u * Lanes) * wk + acc[g][u];
        }
    }
    for (int g = 0; g < Groups; ++g)
        for (int u = 0; u < PatternVectors; ++u)
            Store(out + g * PatternBlock + u * Lanes, acc[g][u]);
}

void SumColumns(const double* w, long stride, long rows, const double* xt, long xtStride, const long* column,
                const long* offset, int groups, double* out)
{
    static constexpr void (*block[])(const double*, long, long, const double*, long, const long*, const long*,
                                     double*) = {nullptr, &SumColumnsBlock<1>, &SumColumnsBlock<2>,
                                                 &SumColumnsBlock<3>, &SumColumnsBlock<4>};
    block[groups](w, stride, rows, xt, xtStride, column, offset, out);
}

}  // namespace

extern const KernelSet KERNEL_SET_NAME;
const KernelSet KERNEL_SET_NAME = {
    KERNEL_SET_LABEL, PatternBlock, OutputsAtOnce, &SumNetInputs, &UpdateAndSumNext, &SumPatterns, &SumColumns,
};

}  // namespace vantorelle
