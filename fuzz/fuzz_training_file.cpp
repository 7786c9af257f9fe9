// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes ReadTrainingFile: whatever the bytes, it either reads a file whose
// sizes and values the rest of the program can trust, or refuses it with a
// message and leaves the previous network state exactly as it was.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "NetworkState.h"
#include "TrainingFile.h"

using namespace vantorelle;

namespace {

// A small loaded network standing for the one a refused file must not touch.
void LoadPrevious(NetworkState& net)
{
    net.NumOutputs = 1;
    net.NumInputs = 2;
    net.NumPatterns = 1;
    net.NumResponses = 1;
    net.InputPatterns.Resize(1, 2);
    net.InputPatterns(1, 1) = 0.25;
    net.InputPatterns(1, 2) = -4;
    net.DesiredOutputs.Resize(1, 1);
    net.DesiredOutputs(1, 1) = 1;
    net.PatternOrder.assign(2, 0);
}

bool AllFinite(const Matrix& m)
{
    for (long r = 1; r <= m.Rows(); ++r)
        for (long c = 1; c <= m.Cols(); ++c)
            if (!std::isfinite(m(r, c)))
                return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    const std::string& path = file.Hold(data, size);

    static NetworkState net;  // large (the history table): kept off the stack
    LoadPrevious(net);
    const ReadResult result = ReadTrainingFile(net, path);

    if (!result.ok) {
        FUZZ_CHECK(result.message.rfind("The training file \"", 0) == 0);
        FUZZ_CHECK(net.NumOutputs == 1 && net.NumInputs == 2 && net.NumPatterns == 1 && net.NumResponses == 1);
        FUZZ_CHECK(net.InputPatterns.Rows() == 1 && net.InputPatterns.Cols() == 2);
        FUZZ_CHECK(net.InputPatterns(1, 1) == 0.25 && net.InputPatterns(1, 2) == -4);
        FUZZ_CHECK(net.DesiredOutputs.Rows() == 1 && net.DesiredOutputs(1, 1) == 1);
        FUZZ_CHECK(net.PatternOrder.size() == 2);
        return 0;
    }

    FUZZ_CHECK(result.message.empty());
    for (long n : {net.NumOutputs, net.NumInputs, net.NumPatterns})
        FUZZ_CHECK(n >= 1 && n <= MaxSizeValue);
    FUZZ_CHECK(net.NumResponses == net.NumOutputs * net.NumPatterns);
    FUZZ_CHECK(net.NumResponses <= MaxSizeValue);
    FUZZ_CHECK(net.InputPatterns.Rows() == net.NumPatterns && net.InputPatterns.Cols() == net.NumInputs);
    FUZZ_CHECK(net.DesiredOutputs.Rows() == net.NumPatterns && net.DesiredOutputs.Cols() == net.NumOutputs);
    FUZZ_CHECK(net.PatternOrder.size() == static_cast<size_t>(net.NumPatterns) + 1);
    FUZZ_CHECK(AllFinite(net.InputPatterns) && AllFinite(net.DesiredOutputs));
    // Every value read took at least one byte and one separator, so what was
    // allocated is bounded by the file's own length.
    const long long values = static_cast<long long>(net.NumPatterns) * (net.NumInputs + net.NumOutputs);
    FUZZ_CHECK(values <= static_cast<long long>(size));
    return 0;
}
