// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's messages as a page's message boxes: a warning with its own
// title, an exclamation icon and OK; an error as the program's error report.

#include "Dialogs.h"
#include "Messages.h"

namespace vantorelle {

class DialogMessages : public Messages {
public:
    explicit DialogMessages(Dialogs& dialogs) : dialogs(dialogs) {}

    void Warning(std::string_view title, std::string_view text) override
    {
        dialogs.Show(MessageBoxRequest{std::string(text), std::string(title), BoxIcon::Exclamation, BoxButtons::OK, 0});
    }
    void Error(std::string_view text) override { dialogs.Show(ErrorReport(std::string(text))); }

private:
    Dialogs& dialogs;
};

}  // namespace vantorelle
