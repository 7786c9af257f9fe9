// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Save As" and "Open" dialogs for tests: every request is recorded, and each
// is answered with the same path (or, left empty, as if the user cancelled).

#include <optional>
#include <vector>

#include "Printing.h"

namespace vantorelle::testing {

class AnsweringSaveDialog : public SaveFileDialog {
public:
    std::optional<QString> saveFileName(const SaveFileRequest& request) override
    {
        asked.push_back(request);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<SaveFileRequest> asked;
};

class AnsweringOpenDialog : public OpenFileDialog {
public:
    std::optional<QString> openFileName(const SaveFileRequest& request) override
    {
        asked.push_back(request);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<SaveFileRequest> asked;
};

}  // namespace vantorelle::testing
