// SPDX-License-Identifier: GPL-3.0-or-later
#include "Uninstall.h"

#include "NotFound.h"
#include "Platform.h"
#include "Program.h"
#include "Public.h"

namespace uninstaller {

Uninstall::Uninstall(ProgramState& state, UninstallPlatform& platform, QWidget* parent)
    : QWidget(parent), state(state), platform(platform)
{
    ui.setupUi(this);
    SetPointSize(ui.Label2, 10.5);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Uninstall::load()
{
    try {
        state.executableName = QStringLiteral("ST6UNST.EXE");
        state.logPath = JoinPath(platform.programFolder(), QStringLiteral("ST6UNST.LOG"));
        show();
        setStatus(QStringLiteral("Checking for ST6UNST.LOG..."));

        if (!platform.fileExists(state.logPath)) {
            ending = true;
            platform.showMessage(LogMissingMessage());
            end();
            return;
        }

        const QString candidate = JoinPath(platform.windowsFolder(), state.executableName);
        if (platform.fileExists(candidate)) {
            runUninstaller(candidate);
            return;
        }
        // The rest of the load step follows in searchFinished, once the
        // worker is done; the window keeps painting meanwhile.
        search = new Public::BackgroundSearch(platform, SearchRoots(platform), state.executableName, this);
        connect(search, &Public::BackgroundSearch::finished, this, &Uninstall::searchFinished);
    } catch (...) {
        fail();
    }
}

bool Uninstall::searching() const { return search != nullptr; }

void Uninstall::searchFinished(const QString& path)
{
    search->deleteLater();
    search = nullptr;
    try {
        if (path.isEmpty()) {
            openLocatePage();
            return;
        }
        if (refused(path))
            return;
        // Not where the installer puts it: say which file would run, and let
        // the user look for it on the locate page instead.
        if (!platform.confirm(FoundElsewhereQuestion(platform.windowsFolder(), path))) {
            openLocatePage();
            return;
        }
        start(path);
    } catch (...) {
        fail();
    }
}

void Uninstall::openLocatePage()
{
    auto* page = new NotFound(state, platform, *this);
    page->show();
}

void Uninstall::showAgain()
{
    show();
    raise();
    activateWindow();
    // Run here, not on the activation event: a window system may activate
    // late, not at all (no window manager), or deliver the activation of the
    // first show() after the locate page has set its flag, which would end the
    // run while the user is still choosing a folder.
    activationStep();
}

void Uninstall::activationStep()
{
    if (state.locatePageFlag != 1 || ending)
        return;
    ending = true;
    try {
        if (state.locatedFlag == 0) {
            setStatus(QStringLiteral("File Not Found."));
            platform.showMessage(NotLocatedMessage());
            end();
            return;
        }
        runUninstaller(state.locatedExecutablePath);
    } catch (...) {
        fail();
    }
}

void Uninstall::runUninstaller(const QString& executablePath)
{
    if (!refused(executablePath))
        start(executablePath);
}

bool Uninstall::refused(const QString& executablePath)
{
    const PathRisk risk = platform.checkRunnable(executablePath);
    if (risk.risk == RunRisk::None)
        return false;
    ending = true;
    platform.showMessage(NotStartedMessage(executablePath, risk));
    end();
    return true;
}

void Uninstall::start(const QString& executablePath)
{
    ending = true;
    setStatus(QStringLiteral("File found.  Running Uninstallation..."));
    if (!StartUninstaller(platform, executablePath, state.logPath)) {
        fail();
        return;
    }
    end();
}

void Uninstall::setStatus(const QString& text) { ui.Label2->setText(text); }

void Uninstall::end()
{
    ending = true;
    EndProgram(platform);
}

void Uninstall::fail()
{
    ending = true;
    platform.showMessage(ErrorMessage());
    close();
    EndProgram(platform);
}

}  // namespace uninstaller
