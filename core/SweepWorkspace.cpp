#include "SweepWorkspace.h"

#include <cmath>

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
    patternStride = (patterns + block - 1) / block * block + block;
    byInput.assign(static_cast<std::size_t>(inputs) * static_cast<std::size_t>(patternStride), 0.0);
    finiteInputs.assign(static_cast<std::size_t>(patterns) + 1, 1);
    for (long p = 1; p <= patterns; ++p) {
        const double* x = net.InputPatterns.Row(p);
        for (long i = 1; i <= inputs; ++i) {
            byInput[static_cast<std::size_t>((i - 1) * patternStride + p - 1)] = x[i];
            if (!std::isfinite(x[i]))
                finiteInputs[static_cast<std::size_t>(p)] = 0;
        }
    }
    inOrder.clear();
    patternSums.assign(static_cast<std::size_t>(net.NumOutputs) * static_cast<std::size_t>(patternStride), 0.0);
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
    inOrder.resize(byInput.size(), 0.0);
    // Eight patterns at a time, so each input row of the copy is written in
    // runs rather than one double per cache line.
    constexpr long Run = 8;
    for (long j0 = 1; j0 <= patterns; j0 += Run) {
        const long count = patterns - j0 + 1 < Run ? patterns - j0 + 1 : Run;
        const double* x[Run];
        for (long b = 0; b < count; ++b)
            x[b] = net.InputPatterns.Row(net.PatternOrder[j0 + b]);
        for (long i = 1; i <= inputs; ++i) {
            double* to = inOrder.data() + (i - 1) * patternStride + j0 - 1;
            for (long b = 0; b < count; ++b)
                to[b] = x[b][i];
        }
    }
    return inOrder.data();
}

}  // namespace vantorelle
