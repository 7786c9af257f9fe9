// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help on every control: for each page (a window's objectName) and control
// (the control's objectName) a short tool tip and a longer What's This text,
// in plain words for a student. The texts are marked for Qt's translation
// tools under the context "Help" and translated when they are looked up.
//
// A control of an array (Check1_0, Label8_3) finds its own entry first, then
// its array's (Check1, Label8), so members that mean the same share one text.
// A list's items are Name_Row (TestList_0 is the hub's first item). Entries
// under EveryPage belong to the page base itself (its scroll bars) and hold
// on every page.

#include <QString>
#include <span>

namespace vantorelle::help {

struct HelpText {
    const char* page;
    const char* control;
    // Null where the form or the page gives the control a tool tip of its own.
    const char* toolTip;
    const char* whatsThis;
};

inline constexpr const char* TranslationContext = "Help";
inline constexpr const char* EveryPage = "*";

std::span<const HelpText> AllTexts();

// The entry for page's control name: its own, its array's, or every page's.
const HelpText* Find(const QString& page, const QString& control);

// The array an element's name belongs to ("Check1" for "Check1_0"), or empty.
QString ArrayName(const QString& control);

// The translated texts of an entry (empty for a null text).
QString ToolTipOf(const HelpText& entry);
QString WhatsThisOf(const HelpText& entry);

}  // namespace vantorelle::help
