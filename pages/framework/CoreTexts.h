// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core writes its messages, status lines and explanations in English and
// knows nothing of languages (it has no Qt). The window puts them into its
// own language when it shows them: each core sentence is known here as an
// English pattern with its variable parts as %1, %2, ..., translated in the
// "CoreTexts" context of the program's .ts files. Numbers, file names, rows
// and columns are put back as the core wrote them (already in the user's
// number form where the core formats them). A text that no pattern matches is
// shown as it is, so a sentence the table does not know yet is never lost.
// Lines ("\r" or "\n" apart) are taken one at a time.
//
// Every place the window shows a text the core made goes through ShownText;
// the report, the workbook and the trainer use the core's English directly.

#include <QString>

#include <string_view>

namespace vantorelle {

// `english` in the window's language, as far as the installed translations go.
QString ShownText(std::string_view english);
QString ShownText(const QString& english);

// Whether every line of `english`, and every part of it that is a core text of
// its own, matches a pattern (a line with no words, such as a formula, needs
// none). The tests hold each core producer to this.
bool IsKnownCoreText(std::string_view english);

}  // namespace vantorelle
