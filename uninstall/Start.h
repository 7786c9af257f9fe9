// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The confirmation window the program opens with: "Yes" goes on to the
// progress window, "Cancel" ends the program.

#include "ui_Start.h"

#include <QWidget>

namespace uninstaller {

struct ProgramState;
class UninstallPlatform;

class Start : public QWidget {
    Q_OBJECT

public:
    Start(ProgramState& state, UninstallPlatform& platform, QWidget* parent = nullptr);

private:
    void yesClicked();
    void cancelClicked();

    Ui::Start ui;
    ProgramState& state;
    UninstallPlatform& platform;
};

}  // namespace uninstaller
