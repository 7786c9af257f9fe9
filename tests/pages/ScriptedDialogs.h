// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs for tests: each expected box, in order, with the answer to give.
// A test fails on a box nobody expected, on an expected box that never came
// (checked by verifyDone() and on destruction) and on an answer the box has
// no button for. Every box shown is recorded.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "Dialogs.h"

namespace vantorelle {

struct ExpectedBox {
    std::string title;
    std::string textContains;  // a part of the text; empty matches any text
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::OK;
    Answer answer = Answer::OK;
};

struct ExpectedInput {
    std::string title;
    std::optional<std::string> reply;  // nothing: the user cancels
};

class ScriptedDialogs : public Dialogs {
public:
    ~ScriptedDialogs() override;

    ScriptedDialogs& expect(ExpectedBox box);
    ScriptedDialogs& expectInput(ExpectedInput input);
    // Fails for every expected box or input that has not come, then forgets them.
    void verifyDone();

    const std::vector<MessageBoxRequest>& shownBoxes() const { return shown; }

    Answer Show(const MessageBoxRequest& box) override;
    std::optional<std::string> Input(const InputBoxRequest& box) override;

private:
    std::deque<ExpectedBox> boxes;
    std::deque<ExpectedInput> inputs;
    std::vector<MessageBoxRequest> shown;
};

// An error report as the pages show it: no icon, the program's title, OK.
ExpectedBox ExpectedErrorReport(std::string textContains);

}  // namespace vantorelle
