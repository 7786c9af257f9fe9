// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes ReadTrainingFileHeader, the check the generalization page runs on a
// double-click, and holds it to the full reader: a file the reader accepts
// has a header the check accepts with the same sizes, and a header the check
// refuses belongs to a file the reader refuses too.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "NetworkState.h"
#include "TrainingFile.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    const std::string& path = file.Hold(data, size);

    FileHeader header;
    header.NumOutputs = -7;  // a failed check must leave the caller's header alone
    header.NumInputs = -7;
    header.NumPatterns = -7;
    const ReadResult checked = ReadTrainingFileHeader(path, header);
    if (checked.ok) {
        FUZZ_CHECK(checked.message.empty());
        for (long n : {header.NumOutputs, header.NumInputs, header.NumPatterns})
            FUZZ_CHECK(n >= 1 && n <= MaxSizeValue);
    } else {
        FUZZ_CHECK(checked.message.rfind("The training file \"", 0) == 0);
        FUZZ_CHECK(header.NumOutputs == -7 && header.NumInputs == -7 && header.NumPatterns == -7);
    }

    static NetworkState net;
    const ReadResult read = ReadTrainingFile(net, path);
    if (read.ok) {
        FUZZ_CHECK(checked.ok);
        FUZZ_CHECK(header.NumOutputs == net.NumOutputs && header.NumInputs == net.NumInputs &&
                   header.NumPatterns == net.NumPatterns);
    }
    if (!checked.ok)
        FUZZ_CHECK(!read.ok && read.message == checked.message);
    return 0;
}
