// SPDX-License-Identifier: GPL-3.0-or-later
// The training kernels built for AVX-512; see KernelsImpl.h.
#include <utility>

#define KERNEL_VECTOR_BYTES 64
#define KERNEL_SET_NAME Avx512Kernels
#define KERNEL_SET_LABEL "AVX-512"
#include "KernelsImpl.h"
