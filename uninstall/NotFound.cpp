// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotFound.h"

#include "Platform.h"
#include "Program.h"
#include "Uninstall.h"

#include <QDir>

namespace uninstaller {

NotFound::NotFound(ProgramState& state, UninstallPlatform& platform, Uninstall& progress, QWidget* parent)
    : QWidget(parent), state(state), platform(platform), progress(progress)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    SetPointSize(ui.ExecutableText, 10.5);
    for (QWidget* list : {static_cast<QWidget*>(ui.Drive1), static_cast<QWidget*>(ui.Dir1),
                          static_cast<QWidget*>(ui.File1)})
        SetPointSize(list, 8.25);
    load();
    // Connected after the lists have their first folder: only the user's moves count.
    connect(ui.Drive1, &DriveBox::driveChanged, this, &NotFound::driveChanged);
    connect(ui.Dir1, &FolderBox::pathChanged, this, &NotFound::folderChanged);
    connect(ui.Dir1, &FolderBox::folderRefused, this, &NotFound::folderRefused);
    connect(ui.File1, &QListWidget::itemDoubleClicked, this, &NotFound::fileDoubleClicked);
    connect(ui.Continue, &QPushButton::clicked, this, &NotFound::continueClicked);
}

void NotFound::load()
{
    progress.hide();
    ui.File1->setPattern(state.executableName);
    state.locatePageFlag = 1;

    if (!ui.Dir1->setPath(QDir::currentPath()) && !ui.Dir1->setPath(QDir::homePath()))
        ui.Dir1->setPath(QDir::rootPath());
    ui.File1->setPath(ui.Dir1->path());
    ui.Drive1->setDriveFor(ui.Dir1->path());
}

void NotFound::driveChanged(const QString& root)
{
    if (!ui.Dir1->setPath(root)) {
        folderRefused(root);
        ui.Drive1->setDriveFor(ui.Dir1->path());
    }
}

void NotFound::folderChanged(const QString& path)
{
    ui.Drive1->setDriveFor(path);
    ui.File1->setPath(path);
    if (ui.File1->count() == 0)
        return;
    ui.File1->setCurrentRow(0);
    const QString name = ui.File1->fileName();
    ui.ExecutableText->setText(name);
    if (name != state.executableName)
        return;  // the list matches in any letter case; the uninstaller's name must match exactly
    const QString located = JoinPath(ui.File1->path(), name);
    const PathRisk risk = platform.checkRunnable(located);
    if (risk.risk != RunRisk::None) {
        // Said here, with the page still up, so the user can look elsewhere.
        platform.showMessage(NotStartedLine(located, risk));
        return;
    }
    state.locatedExecutablePath = located;
    state.locatedFlag = 1;
    handBack();
}

void NotFound::folderRefused(const QString& path)
{
    platform.showMessage(QStringLiteral("The folder \"%1\" cannot be opened.").arg(path));
}

void NotFound::fileDoubleClicked() { ui.ExecutableText->setText(ui.File1->fileName()); }

void NotFound::continueClicked()
{
    state.locatedFlag = 0;
    handBack();
}

void NotFound::handBack()
{
    // Out of sight first: the progress window's message must not sit over a
    // locate page that no longer takes any input.
    hide();
    progress.showAgain();
    close();
}

}  // namespace uninstaller
