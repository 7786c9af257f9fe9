#pragma once
// The inner loops of training, over the weight matrix. Each output's net
// input is still the sum over the inputs in input order, exactly as the plain
// loops write it; the kernels only keep several outputs' sums in registers
// at once and, in a training sweep, touch each weight row once per pattern.

#include "NetworkState.h"

namespace vantorelle {

// sum[k] = sum over i in order of x[i] * W(i, k), for k = 1 .. W.Cols().
void SumNetInputs(const Matrix& weights, const double* x, double* sum);

// W(i, k) = c[k] * x[i] + W(i, k) for every weight and, with each row just
// updated, sumNext[k] = the next pattern's sum over i of xNext[i] * W(i, k):
// one pass over the weights where an update and a response would take two.
void UpdateAndSumNext(Matrix& weights, const double* c, const double* x, const double* xNext, double* sumNext);

}  // namespace vantorelle
