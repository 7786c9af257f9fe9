// SPDX-License-Identifier: GPL-3.0-or-later
// The training kernels built for SSE2; see KernelsImpl.h.
#include <utility>

#define KERNEL_VECTOR_BYTES 16
#define KERNEL_SET_NAME Sse2Kernels
#define KERNEL_SET_LABEL "SSE2"
#include "KernelsImpl.h"
