// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepWorkspace.h"

#include <cmath>

#include "LearningRules.h"
#include "SweepKernels.h"

namespace vantorelle {

const KernelSet& SweepWorkspace::Kernels() const { return kernels ? *kernels : DefaultKernels(); }

bool SweepWorkspace::SweepSumsMostlyReusable() const
{
    if (!sideBySide)
        return false;
    long holding = 0;
    for (std::size_t k = 1; k < sumsHold.size(); ++k)
        holding += sumsHold[k];
    return 2 * holding >= static_cast<long>(sumsHold.size()) - 1;
}

void SweepWorkspace::BindPatterns(const NetworkState& net)
{
    const long patterns = net.NumPatterns;
    const long inputs = net.NumInputs;
    const long block = Kernels().patternBlock;
    if (patterns == boundPatterns && inputs == boundInputs && net.NumOutputs == boundOutputs && block == boundBlock)
        return;
    // One spare block past the last pattern lets a kernel read a full block
    // from any pattern on.
    patternColumns = (patterns + block - 1) / block * block + block;
    byInput.assign(static_cast<std::size_t>(inputs) * static_cast<std::size_t>(patternColumns), 0.0);
    finiteInputs.assign(static_cast<std::size_t>(patterns) + 1, 1);
    inputBound = LargestInputMagnitude(net);
    for (long p = 1; p <= patterns; ++p) {
        const double* x = net.InputPatterns.Row(p);
        const long column = p - 1;
        double* to = byInput.data() + (column / block) * inputs * block + column % block;
        for (long i = 1; i <= inputs; ++i) {
            to[(i - 1) * block] = x[i];
            if (!std::isfinite(x[i]))
                finiteInputs[static_cast<std::size_t>(p)] = 0;
        }
    }
    sumsFromSweep = false;
    patternSums.assign(static_cast<std::size_t>(net.NumOutputs) * static_cast<std::size_t>(patternColumns), 0.0);
    boundPatterns = patterns;
    boundInputs = inputs;
    boundOutputs = net.NumOutputs;
    boundBlock = block;
}

}  // namespace vantorelle
