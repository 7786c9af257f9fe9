// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepWorkspace.h"

#include <cmath>

#include "LearningRules.h"
#include "SweepKernels.h"

namespace vantorelle {

const KernelSet& SweepWorkspace::Kernels() const { return kernels ? *kernels : DefaultKernels(); }

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
    inOrder.clear();
    sumsFromSweep = false;
    patternSums.assign(static_cast<std::size_t>(net.NumOutputs) * static_cast<std::size_t>(patternColumns), 0.0);
    boundPatterns = patterns;
    boundInputs = inputs;
    boundOutputs = net.NumOutputs;
    boundBlock = block;
}

const double* SweepWorkspace::PatternsInOrder(const NetworkState& net)
{
    const long patterns = net.NumPatterns;
    bool fileOrder = true;
    for (long j = 1; j <= patterns && fileOrder; ++j)
        fileOrder = net.PatternOrder[j] == j;
    if (fileOrder)
        return byInput.data();
    const long inputs = net.NumInputs;
    const long block = Kernels().patternBlock;
    inOrder.resize(byInput.size(), 0.0);
    // A block of patterns at a time, so each input's row of the block is
    // written whole rather than one double per cache line.
    std::vector<const double*>& rows = orderRows;
    rows.resize(static_cast<std::size_t>(block));
    for (long j0 = 1; j0 <= patterns; j0 += block) {
        const long count = patterns - j0 + 1 < block ? patterns - j0 + 1 : block;
        for (long b = 0; b < count; ++b)
            rows[static_cast<std::size_t>(b)] = net.InputPatterns.Row(net.PatternOrder[j0 + b]);
        double* to = inOrder.data() + ((j0 - 1) / block) * inputs * block;
        for (long i = 1; i <= inputs; ++i)
            for (long b = 0; b < count; ++b)
                to[(i - 1) * block + b] = rows[static_cast<std::size_t>(b)][i];
    }
    return inOrder.data();
}

}  // namespace vantorelle
