// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The locate page, shown when the uninstaller was found neither in the Windows
// folder nor by the tree search. Moving into a folder that holds
// "ST6UNST.EXE" starts it at once, unless others may have changed it (then
// the page says so and stays); "Continue" gives up.

#include "ui_NotFound.h"

#include <QWidget>

namespace uninstaller {

struct ProgramState;
class UninstallPlatform;
class Uninstall;

class NotFound : public QWidget {
    Q_OBJECT

public:
    NotFound(ProgramState& state, UninstallPlatform& platform, Uninstall& progress, QWidget* parent = nullptr);

private:
    void load();
    void driveChanged(const QString& root);
    void folderChanged(const QString& path);
    void folderRefused(const QString& path);
    void fileDoubleClicked();
    void continueClicked();
    // Shows the progress window again, whose activation step ends the run.
    void handBack();

    Ui::NotFound ui;
    ProgramState& state;
    UninstallPlatform& platform;
    Uninstall& progress;
};

}  // namespace uninstaller
