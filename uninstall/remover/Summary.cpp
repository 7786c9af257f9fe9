// SPDX-License-Identifier: GPL-3.0-or-later
#include "Summary.h"

namespace remover {

std::string SummaryText(const std::string& installation, const RemovalOutcome& outcome, bool logRemoved)
{
    std::string text = "Removed " + std::to_string(outcome.removed.size() + (logRemoved ? 1 : 0))
                       + " files and folders of Vantorelle from " + installation + ".\n";
    if (!outcome.alreadyGone.empty())
        text += std::to_string(outcome.alreadyGone.size()) + " listed in the installation log were already gone.\n";
    if (outcome.left.empty()) {
        text += "Nothing of this installation is left.\n";
        return text;
    }
    text += "Left in place:\n";
    for (const LeftInPlace& left : outcome.left)
        text += "  " + left.path + ": " + left.why + "\n";
    if (!logRemoved)
        text += "The installation log bin/ST6UNST.LOG is kept, so the removal can be run again.\n";
    return text;
}

}  // namespace remover
