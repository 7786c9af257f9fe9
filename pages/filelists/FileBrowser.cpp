// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileBrowser.h"

#include <QDir>

#include "Dialogs.h"
#include "DriveList.h"
#include "FileList.h"
#include "FolderList.h"

namespace vantorelle {

FileBrowser::FileBrowser(DriveList* drives, FolderList* folders, FileList* files, const QString& pattern,
                         Dialogs& dialogs, QObject* parent)
    : QObject(parent), drives(drives), folders(folders), files(files), dialogs(dialogs)
{
    files->setPattern(pattern);
    connect(drives, &DriveList::driveChanged, this, &FileBrowser::driveChanged);
    connect(folders, &FolderList::pathChanged, this, &FileBrowser::folderChanged);
    connect(folders, &FolderList::folderRefused, this, &FileBrowser::folderRefused);

    if (!folders->setPath(QDir::currentPath()) && !folders->setPath(QDir::homePath()))
        folders->setPath(QDir::rootPath());
}

void FileBrowser::driveChanged(const QString& root)
{
    QString why;
    if (folders->setPath(root, &why))
        return;
    const QString shown = folders->path();
    drives->setDriveFor(shown);
    dialogs.Show(ErrorReport(tr("The drive \"%1\" cannot be read: %2.\rThe lists still show \"%3\".")
                                 .arg(QDir::toNativeSeparators(root), why, QDir::toNativeSeparators(shown))
                                 .toStdString()));
}

void FileBrowser::folderChanged(const QString& path)
{
    files->setPath(path);
    drives->setDriveFor(path);
}

void FileBrowser::folderRefused(const QString& path, const QString& why)
{
    dialogs.Show(ErrorReport(tr("The folder \"%1\" cannot be listed: %2.\rThe lists still show \"%3\".")
                                 .arg(QDir::toNativeSeparators(path), why,
                                      QDir::toNativeSeparators(folders->path()))
                                 .toStdString()));
}

}  // namespace vantorelle
