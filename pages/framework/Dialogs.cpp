// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include <utility>

namespace vantorelle {

std::vector<Answer> AnswersOf(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::OK: return {Answer::OK};
    case BoxButtons::OKCancel: return {Answer::OK, Answer::Cancel};
    case BoxButtons::AbortRetryIgnore: return {Answer::Abort, Answer::Retry, Answer::Ignore};
    case BoxButtons::YesNoCancel: return {Answer::Yes, Answer::No, Answer::Cancel};
    case BoxButtons::YesNo: return {Answer::Yes, Answer::No};
    case BoxButtons::RetryCancel: return {Answer::Retry, Answer::Cancel};
    }
    return {Answer::OK};
}

MessageBoxRequest ErrorReport(std::string text)
{
    MessageBoxRequest box;
    box.text = std::move(text);
    box.title = ProgramTitle;
    return box;
}

const char* AnswerName(Answer answer)
{
    switch (answer) {
    case Answer::OK: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Abort: return "Abort";
    case Answer::Retry: return "Retry";
    case Answer::Ignore: return "Ignore";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    }
    return "?";
}

const char* IconName(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::None: return "none";
    case BoxIcon::Critical: return "critical";
    case BoxIcon::Question: return "question";
    case BoxIcon::Exclamation: return "exclamation";
    case BoxIcon::Information: return "information";
    }
    return "?";
}

}  // namespace vantorelle
