// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message and input boxes, shown with QMessageBox and
// QInputDialog, each centred on the page it belongs to.
//
// Which page that is comes from the page registry, not from the window that
// has the focus: once a box closes, no window may have it (without a window
// manager nothing gives it back), and a box with no parent opens in the
// middle of the screen, away from its page.

#include <QString>
#include <functional>

#include "Dialogs.h"

class QWidget;

namespace vantorelle {

// Finds the page a box belongs to; null when there is none to be found.
using DialogOwner = std::function<QWidget*()>;

// The window a box opens over, centred on it: the owner's page, else the
// active window.
QWidget* DialogParent(const DialogOwner& owner);

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(DialogOwner owner = {}) : owner(std::move(owner)) {}

    Answer Show(const MessageBoxRequest& box) override;
    std::optional<std::string> Input(const InputBoxRequest& box) override;

private:
    DialogOwner owner;
};

// A message's text for Qt: the core's sentences in the window's language
// (ShownText), "\r\n" and "\r" as line breaks.
QString DialogText(const std::string& text);

}  // namespace vantorelle
