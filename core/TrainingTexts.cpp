// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingTexts.h"

namespace vantorelle::text {

std::string OverflowMessage()
{
    return "Overflow error: \rAn overflow error has occured.\rPlease consider decreasing the learning rate and trying "
           "again.\r";
}

std::string ErrorReport(const std::string& what, const std::string& description)
{
    return "This version of the code has encountered an error" + what + ".\r" +
           "It would be helpful if you could report this error to " + ContactAddress + "\r" +
           "Please include the following error message as well as\r" +
           "where the error occured and what version of windows you are using:\r" + description;
}

std::string GeneralErrorMessage(const std::string& description) { return ErrorReport("", description + " \r"); }

std::string OutOfMemoryMessage()
{
    return "Out of memory error: \rPlease try closing some applications and retrying.\r";
}

std::string NonFiniteMessage(long epoch)
{
    return "Training stopped after epoch " + std::to_string(epoch) +
           ":\rA weight, a threshold or the total error is no longer a finite number.\r"
           "Please consider decreasing the learning rate and trying again.\r";
}

std::string TrainingFileLabel(const std::string& fileName) { return "Training: " + fileName; }

std::string MismatchedSizesMessage()
{
    return "The network's units and weights do not match the patterns of the training file.\r"
           "Please read the training file again from the first page.\r";
}

std::vector<std::string> ReadNotes(bool valuesLeftOver, long emptyFields)
{
    std::vector<std::string> notes;
    if (valuesLeftOver)
        notes.push_back("has more values than its header asks for; the rest are ignored (numbers take a \".\" "
                        "decimal point)");
    if (emptyFields > 0)
        notes.push_back("has " + std::to_string(emptyFields) + " empty field" + (emptyFields == 1 ? "" : "s") +
                        " (\",,\"), read as no value at all");
    return notes;
}

}  // namespace vantorelle::text
