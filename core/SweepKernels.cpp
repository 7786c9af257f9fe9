#include "SweepKernels.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantorelle {

namespace {

// Width outputs' sums advance together, so their chains of additions overlap
// instead of waiting for each other; beyond 16 the registers run out.
constexpr int WidestBlock = 16;

template <int Width>
void SumBlock(const Matrix& weights, const double* x, long first, double* sum)
{
    double acc[Width] = {};
    for (long i = 1; i <= weights.Rows(); ++i) {
        const double xi = x[i];
        const double* w = weights.Row(i) + first;
        for (int b = 0; b < Width; ++b)
            acc[b] = xi * w[b] + acc[b];
    }
    for (int b = 0; b < Width; ++b)
        sum[first + b] = acc[b];
}

template <int Width>
void UpdateAndSumBlock(Matrix& weights, const double* c, const double* x, const double* xNext, long first,
                       double* sumNext)
{
    double step[Width];
    for (int b = 0; b < Width; ++b)
        step[b] = c[first + b];
    double acc[Width] = {};
    for (long i = 1; i <= weights.Rows(); ++i) {
        const double xi = x[i];
        const double xn = xNext[i];
        double* w = weights.Row(i) + first;
        for (int b = 0; b < Width; ++b) {
            const double updated = step[b] * xi + w[b];
            w[b] = updated;
            acc[b] = xn * updated + acc[b];
        }
    }
    for (int b = 0; b < Width; ++b)
        sumNext[first + b] = acc[b];
}

// Tables of the kernels by width, 1 to WidestBlock (index 0 unused).
template <template <int> class Kernel, int... Widths>
constexpr auto MakeTable(std::integer_sequence<int, Widths...>)
{
    return std::array{Kernel<1>::fn, Kernel<Widths + 1>::fn...};
}
template <int Width>
struct Sum {
    static constexpr auto fn = &SumBlock<Width>;
};
template <int Width>
struct UpdateAndSum {
    static constexpr auto fn = &UpdateAndSumBlock<Width>;
};
constexpr auto SumTable = MakeTable<Sum>(std::make_integer_sequence<int, WidestBlock>{});
constexpr auto UpdateAndSumTable = MakeTable<UpdateAndSum>(std::make_integer_sequence<int, WidestBlock>{});

// Calls table[width] for successive blocks of outputs.
template <typename Call>
void ForEachBlock(long outputs, Call call)
{
    for (long first = 1; first <= outputs; first += WidestBlock)
        call(first, static_cast<std::size_t>(std::min<long>(WidestBlock, outputs - first + 1)));
}

}  // namespace

void SumNetInputs(const Matrix& weights, const double* x, double* sum)
{
    ForEachBlock(weights.Cols(), [&](long first, std::size_t width) { SumTable[width](weights, x, first, sum); });
}

void UpdateAndSumNext(Matrix& weights, const double* c, const double* x, const double* xNext, double* sumNext)
{
    ForEachBlock(weights.Cols(), [&](long first, std::size_t width) {
        UpdateAndSumTable[width](weights, c, x, xNext, first, sumNext);
    });
}

}  // namespace vantorelle
