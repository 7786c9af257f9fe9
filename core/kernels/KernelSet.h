// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inner loops of training, compiled once for each vector instruction set
// (SSE2, AVX2, AVX-512) and chosen at run time. Every kernel sums each net
// input over the inputs in input order, one multiply and one add per step
// (no fused multiply-add), exactly as the plain loops do; a wider set only
// works on more outputs or more patterns at once, so every set gives the same
// bits.
//
// This header is included by the per-set files, which are compiled with
// their own instruction-set flags: it must stay free of inline code.
//
// Layouts: a weight matrix is `w` with input i's row at w + i * stride and
// output k at index k (rows 1..rows, outputs 1..cols, as the network state
// keeps it). Transposed patterns `xt` come in blocks of patternBlock
// patterns, each block input by input: input i (1..rows) of the pattern in
// column p is at xt[(p / B) * rows * B + (i - 1) * B + p % B], B =
// patternBlock, so a kernel reads each block front to back.

namespace vantorelle {

// The patterns transposed as above, with the exact +0.0 inputs left out. A
// block's columns go in segments of 8 (the AVX-512 kernels' lanes): for
// segment s (columns 8s..8s+7) and input i, masks[s * rows + i - 1] has bit b
// set when column 8s + b's input is stored, and the stored inputs follow one
// another from values + start[s], input by input, in column order. Every
// other bit pattern (-0.0, NaN, infinities) is stored, so the kernels see the
// same inputs as in the full table. The values have 8 doubles' room past the
// last, for whole-vector loads. Sparse tables take a fraction of the
// memory, which is what the sums across patterns wait for.
struct PackedPatterns {
    const unsigned char* masks;
    const double* values;
    const long* start;
};

// The patterns' inputs other than +0.0, column by column (pattern p in
// column p - 1, as above): column c's in input order from start[c] to
// start[c + 1], each input's number (1..rows) in index and its value in
// value. A sum over them has the bits of the full sum wherever every weight
// is finite: each input left out adds a zero to a sum that, starting at
// +0.0, is never -0.0, which leaves it as it is.
struct SparsePatterns {
    const unsigned* index;
    const double* value;
    const long* start;
};

struct KernelSet {
    const char* name;
    // Patterns processed together by sumPatterns, and the block size of xt;
    // columns past the last pattern must be zero, with one spare block at
    // the end.
    long patternBlock;
    // The columns of a vector: sumColumns covers whole vectors of a block.
    long columnAlign;
    // Outputs sumColumns takes at once.
    int columnGroup;

    // sum[k] = sum over i in order of x[i] * w(i, k), for k = 1..cols.
    void (*sumNetInputs)(const double* w, long stride, long rows, long cols, const double* x, double* sum);

    // w(i, k) = c[k] * x[i] + w(i, k) for every weight and, with each row just
    // updated, sumNext[k] = sum over i of xNext[i] * w(i, k).
    void (*updateAndSumNext)(double* w, long stride, long rows, long cols, const double* c, const double* x,
                             const double* xNext, double* sumNext);

    // The same from a sparse table, x being its column `column` and xNext
    // column nextColumn: only the stored inputs' rows are updated and summed.
    // Only where every coefficient and weight is finite and no weight is
    // -0.0 (then a step on a +0.0 input leaves the weight as it is).
    void (*updateAndSumNextSparse)(double* w, long stride, long cols, const double* c, const SparsePatterns& xt,
                                   long column, long nextColumn, double* sumNext);

    // out[(k - 1) * outStride + p] = sum over i of xt(i, p) * w(i, k) for every
    // output k and every column p < count (count a multiple of patternBlock).
    void (*sumPatterns)(const double* w, long stride, long rows, long cols, const double* xt, long count,
                        double* out, long outStride);

    // For g < count (at most columnGroup): out[g * patternBlock + b] = sum
    // over i of xt(i, first + b) * w(i, column[g]), b < vectors * columnAlign:
    // first a multiple of columnAlign, and the vectors inside first's block.
    void (*sumColumns)(const double* w, long stride, long rows, const double* xt, const long* column, int count,
                       long first, int vectors, double* out);

    // The same two from a packed table, where the set has masked loads
    // (else null): sumPatternsPacked covers columns first..first+count-1
    // (first and count multiples of patternBlock) and writes column p at
    // out[(k - 1) * outStride + p - first]; sumColumnsPacked's first is a
    // column of the whole table.
    void (*sumPatternsPacked)(const double* w, long stride, long rows, long cols, const PackedPatterns& xt, long first,
                              long count, double* out, long outStride);
    void (*sumColumnsPacked)(const double* w, long stride, long rows, const PackedPatterns& xt, const long* column,
                             int count, long first, int vectors, double* out);

    // sumPatternsPacked's sums from a sparse table; only for weights that
    // are all finite.
    void (*sumPatternsSparse)(const double* w, long stride, long cols, const SparsePatterns& xt, long first, long count,
                              double* out, long outStride);

    // The step rule on a binary unit from its sums: the first j < count
    // whose step rate * (desired[j] - a) is not zero (or is NaN), a being
    // threshold + sums[j] >= 0 ? 1 : 0; count if there is none.
    long (*firstBinaryStep)(const double* sums, const double* desired, long count, double threshold, double rate);

    // A binary unit's squared errors from its sums: each sums[j] becomes
    // e * e, e = desired[j] - (threshold + sums[j] >= 0 ? 1 : 0); answers
    // how many are below minError (the hits).
    long (*squaredBinaryErrors)(double* sums, const double* desired, long count, double threshold, double minError);
};

extern const KernelSet Sse2Kernels;
#if defined(__x86_64__)
extern const KernelSet Avx2Kernels;
extern const KernelSet Avx512Kernels;
#endif

}  // namespace vantorelle
