// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes and input boxes behind a small interface, so that pages never
// open a QMessageBox themselves: the program passes a QtDialogs, tests a
// ScriptedDialogs that knows which boxes to expect and what to answer.
//
// Texts follow the program's convention: lines inside a message are separated
// by a single carriage return ("\r"); QtDialogs turns them into line breaks.

#include <optional>
#include <string>
#include <vector>

namespace vantorelle {

// The title error reports carry.
inline constexpr const char* ProgramTitle = "Vantorelle";

enum class BoxIcon { None, Critical, Question, Exclamation, Information };
enum class BoxButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class Answer { OK, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::OK;
    int defaultButton = 0;  // 0 the first button of `buttons`, 1 the second, 2 the third
};

struct InputBoxRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message box and answers the button pressed.
    virtual Answer Show(const MessageBoxRequest& box) = 0;
    // Shows a modal input box; the text typed, or nothing when it was cancelled.
    virtual std::optional<std::string> Input(const InputBoxRequest& box) = 0;
};

// The answers a box offers, in the order of its buttons.
std::vector<Answer> AnswersOf(BoxButtons buttons);

// An error report: no icon, the program's title, an OK button.
MessageBoxRequest ErrorReport(std::string text);

const char* AnswerName(Answer answer);
const char* IconName(BoxIcon icon);

}  // namespace vantorelle
