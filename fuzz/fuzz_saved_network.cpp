// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the saved-network reader: any text is refused with a message and
// leaves the network it was to replace alone, or it is read, and then what
// it holds is written and read back to the same text (nothing read is lost
// or changed on the way).

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFile.h"
#include "SavedNetwork.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    static SavedNetwork untouched;
    untouched.note = "left alone";
    SavedNetwork saved = untouched;
    const auto problem = ReadSavedNetwork(text, saved);
    if (problem) {
        FUZZ_CHECK(!problem->message.empty());
        FUZZ_CHECK(saved.note == "left alone" && saved.net.NumInputs == 0);
        return 0;
    }
    const std::string written = WriteSavedNetwork(saved);
    SavedNetwork again;
    FUZZ_CHECK(!ReadSavedNetwork(written, again));
    FUZZ_CHECK(WriteSavedNetwork(again) == written);
    return 0;
}
