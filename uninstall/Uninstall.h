// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window: checks for the installation log, looks for the
// uninstaller in the Windows folder and then in the trees of the
// installation's own folders, and starts it once it is sure nobody else can
// have changed it, asking first when it was not in the Windows folder. When
// the search fails it hands over to the locate page, hides, and finishes the
// run once the locate page shows it again.

#include "ui_Uninstall.h"

#include <QWidget>

namespace uninstaller {

struct ProgramState;
class UninstallPlatform;
namespace Public {
class BackgroundSearch;
}

class Uninstall : public QWidget {
    Q_OBJECT

public:
    Uninstall(ProgramState& state, UninstallPlatform& platform, QWidget* parent = nullptr);

    // The load step, run by the confirmation window right after creating this one.
    void load();
    // Shows the window again from the locate page and runs the activation
    // step, the only time this window becomes active with the locate page's
    // flag set (it stays hidden while the locate page is up).
    void showAgain();
    // Whether the tree search is still going.
    bool searching() const;

private:
    void searchFinished(const QString& path);
    void openLocatePage();
    void activationStep();
    // Starts the uninstaller unless refused() says no.
    void runUninstaller(const QString& executablePath);
    // Whether the file may not be started (see RunSafety.h); if so, says why
    // and ends the run.
    bool refused(const QString& executablePath);
    // The load step's last steps: status line, start, end.
    void start(const QString& executablePath);
    void setStatus(const QString& text);
    void end();
    void fail();

    Ui::Uninstall ui;
    ProgramState& state;
    UninstallPlatform& platform;
    Public::BackgroundSearch* search = nullptr;
    // Set once the run is ending, so that nothing starts a second
    // uninstaller or message while the last one is up.
    bool ending = false;
};

}  // namespace uninstaller
