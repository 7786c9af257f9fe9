// SPDX-License-Identifier: GPL-3.0-or-later
// The training kernels built for AVX2; see KernelsImpl.h.
#include <utility>

#define KERNEL_VECTOR_BYTES 32
#define KERNEL_SET_NAME Avx2Kernels
#define KERNEL_SET_LABEL "AVX2"
#include "KernelsImpl.h"
