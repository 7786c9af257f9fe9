// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepKernels.h"

namespace vantorelle {

namespace {

#if defined(__x86_64__)
bool RunsAvx2() { return __builtin_cpu_supports("avx2"); }
bool RunsAvx512()
{
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("popcnt");
}
#endif

const KernelSet& Widest()
{
#if defined(__x86_64__)
    if (RunsAvx512())
        return Avx512Kernels;
    if (RunsAvx2())
        return Avx2Kernels;
#endif
    return Sse2Kernels;
}

}  // namespace

void ClearUpperVectorState()
{
#if defined(__x86_64__)
    static const bool hasAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (hasAvx)
        asm volatile("vzeroupper" ::: "memory");
#endif
}

const KernelSet& DefaultKernels()
{
    static const KernelSet& chosen = Widest();
    return chosen;
}

void SumNetInputs(const KernelSet& kernels, const Matrix& weights, const double* x, double* sum)
{
    kernels.sumNetInputs(weights.Row(0), weights.Cols() + 1, weights.Rows(), weights.Cols(), x, sum);
}

void SumNetInputs(const Matrix& weights, const double* x, double* sum)
{
    SumNetInputs(DefaultKernels(), weights, x, sum);
}

void UpdateAndSumNext(const KernelSet& kernels, Matrix& weights, const double* c, const double* x,
                      const double* xNext, double* sumNext)
{
    kernels.updateAndSumNext(weights.Row(0), weights.Cols() + 1, weights.Rows(), weights.Cols(), c, x,
                             xNext, sumNext);
}

}  // namespace vantorelle
