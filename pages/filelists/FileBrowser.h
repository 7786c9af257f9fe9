// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drive, folder and file lists of a page on which the user picks a
// training file, working together: choosing a drive lists its root folder,
// choosing a folder lists its matching files, and the drive list follows
// the folder shown. A drive or folder that cannot be read is reported and
// leaves the lists as they were. The lists start at the working folder (the
// home folder, or the root, when that has gone or cannot be read).
//
// The page keeps handling the file list's fileChosen() itself.

#include <QObject>

namespace vantorelle {

class Dialogs;
class DriveList;
class FolderList;
class FileList;

class FileBrowser : public QObject {
    Q_OBJECT

public:
    FileBrowser(DriveList* drives, FolderList* folders, FileList* files, const QString& pattern, Dialogs& dialogs,
                QObject* parent);

private:
    void driveChanged(const QString& root);
    void folderChanged(const QString& path);
    void folderRefused(const QString& path, const QString& why);

    DriveList* drives;
    FolderList* folders;
    FileList* files;
    Dialogs& dialogs;
};

}  // namespace vantorelle
