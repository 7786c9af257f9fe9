// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the help texts on a window's controls at run time, so the forms stay
// as drawn and one table holds every text (HelpTexts.h).
//
// A control that already has a tool tip keeps it: the tip its form gives it,
// or one its page sets (the SSE graph's note on a history that is full, the
// undo button's "Undo: ..."), says more about the moment than a fixed text.
// The What's This text always comes from the table.
//
// Shift+F1 on a window that KeepHelpApplied watches enters What's This mode:
// the pointer turns into a question mark, a click on any control (a label or
// a picture too, which take no focus) shows its text, Escape leaves.

#include <QString>
#include <vector>

class QWidget;

namespace vantorelle::help {

// Applies the table to window and every control in it (lists' items and
// tabs included), each under the objectName of the window it sits in.
void ApplyHelp(QWidget* window);

// Applies it now and gives the window its Shift+F1; every window opened over
// this one later (a panel the page opens) gets the same when it first shows.
void KeepHelpApplied(QWidget* window);

// The controls the table names under page (by default window's own name)
// that window does not hold, as "Page/Control": help that has outlived its
// control. A page's base parts are checked with page EveryPage.
std::vector<QString> StaleEntries(const QWidget* window, const QString& page = {});

}  // namespace vantorelle::help
