#pragma once
// The program's message and input boxes, shown with QMessageBox and
// QInputDialog over the active page.

#include <QString>

#include "Dialogs.h"

namespace vantorelle {

class QtDialogs : public Dialogs {
public:
    Answer Show(const MessageBoxRequest& box) override;
    std::optional<std::string> Input(const InputBoxRequest& box) override;
};

// A message's text for Qt: "\r\n" and "\r" become line breaks.
QString DialogText(const std::string& text);

}  // namespace vantorelle
