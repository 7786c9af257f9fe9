// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace vantorelle {

ScriptedDialogs::~ScriptedDialogs() { verifyDone(); }

ScriptedDialogs& ScriptedDialogs::expect(ExpectedBox box)
{
    boxes.push_back(std::move(box));
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectInput(ExpectedInput input)
{
    inputs.push_back(std::move(input));
    return *this;
}

void ScriptedDialogs::verifyDone()
{
    for (const ExpectedBox& box : boxes)
        ADD_FAILURE() << "expected message box never came: title \"" << box.title << "\", text with \""
                      << box.textContains << "\"";
    for (const ExpectedInput& input : inputs)
        ADD_FAILURE() << "expected input box never came: title \"" << input.title << "\"";
    boxes.clear();
    inputs.clear();
}

Answer ScriptedDialogs::Show(const MessageBoxRequest& box)
{
    shown.push_back(box);
    const std::vector<Answer> offered = AnswersOf(box.buttons);
    if (boxes.empty()) {
        ADD_FAILURE() << "unexpected message box: title \"" << box.title << "\", text \"" << box.text << "\"";
        return offered.front();
    }
    const ExpectedBox expected = boxes.front();
    boxes.pop_front();
    EXPECT_EQ(box.title, expected.title) << "message box text: " << box.text;
    if (!expected.textContains.empty()) {
        EXPECT_NE(box.text.find(expected.textContains), std::string::npos)
            << "message box text \"" << box.text << "\" lacks \"" << expected.textContains << "\"";
    }
    EXPECT_EQ(IconName(box.icon), std::string(IconName(expected.icon))) << "message box text: " << box.text;
    EXPECT_TRUE(box.buttons == expected.buttons) << "message box has other buttons: " << box.text;
    if (std::find(offered.begin(), offered.end(), expected.answer) == offered.end()) {
        ADD_FAILURE() << "the script answers " << AnswerName(expected.answer)
                      << " but the box has no such button: " << box.text;
        return offered.front();
    }
    return expected.answer;
}

std::optional<std::string> ScriptedDialogs::Input(const InputBoxRequest& box)
{
    if (inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: title \"" << box.title << "\", prompt \"" << box.prompt << "\"";
        return std::nullopt;
    }
    const ExpectedInput expected = inputs.front();
    inputs.pop_front();
    EXPECT_EQ(box.title, expected.title) << "input box prompt: " << box.prompt;
    return expected.reply;
}

ExpectedBox ExpectedErrorReport(std::string textContains)
{
    ExpectedBox box;
    box.title = ProgramTitle;
    box.textContains = std::move(textContains);
    return box;
}

}  // namespace vantorelle
