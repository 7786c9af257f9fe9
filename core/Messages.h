// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the core talks to the user when something needs saying at once: the
// message boxes of a page, the error stream of the trainer, a test's record.

#include <string_view>

namespace vantorelle {

// Background of a status line: left as it is, green (0,255,0) or red (255,0,0).
enum class StatusColour { Unchanged, Green, Red };

class Messages {
public:
    virtual ~Messages() = default;
    // Exclamation icon, OK button, its own title.
    virtual void Warning(std::string_view title, std::string_view text) = 0;
    // No icon, OK button, the program's title. Lines are separated by "\r".
    virtual void Error(std::string_view text) = 0;
};

}  // namespace vantorelle
