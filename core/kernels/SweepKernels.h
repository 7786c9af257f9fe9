// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kernel set this machine runs (the widest of AVX-512, AVX2, SSE2 it
// supports, chosen once at run time) and the per-pattern loops over the
// weight matrix the sweep and the response use. Every set gives the same
// bits; see KernelSet.h.

#include "KernelSet.h"
#include "NetworkState.h"

namespace vantorelle {

// The widest set the processor supports; each set needs the instructions of
// the narrower ones too, so the processor runs those as well.
const KernelSet& DefaultKernels();

// Marks the upper halves of the vector registers unused (vzeroupper) on
// processors with AVX. Code that ran before on the thread (a toolkit's
// drawing, a library) can leave them in use, and the plain SSE code of the
// core then runs several times slower until they are cleared; the sweep and
// the measurement clear them on entry, which costs a cycle.
void ClearUpperVectorState();

// sum[k] = sum over i in order of x[i] * W(i, k), for k = 1 .. W.Cols().
void SumNetInputs(const Matrix& weights, const double* x, double* sum);
void SumNetInputs(const KernelSet& kernels, const Matrix& weights, const double* x, double* sum);

// W(i, k) = c[k] * x[i] + W(i, k) for every weight and, with each row just
// updated, sumNext[k] = the next pattern's sum over i of xNext[i] * W(i, k):
// one pass over the weights where an update and a response would take two.
void UpdateAndSumNext(const KernelSet& kernels, Matrix& weights, const double* c, const double* x,
                      const double* xNext, double* sumNext);

}  // namespace vantorelle
