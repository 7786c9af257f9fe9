// SPDX-License-Identifier: GPL-3.0-or-later
// The drive, folder and file lists that the load-file and save-results pages share.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "DriveList.h"
#include "FileList.h"
#include "FolderList.h"

namespace vantorelle {
namespace {

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text().trimmed();
    return texts;
}

// file list
TEST(FileListTest, ListsOnlyOrdinaryFilesMatchingThePatternInAnyCase)
{
    QTemporaryDir folder;
    for (const char* name : {"and.net", "XOR.NET", "Letters.Net", "notes.txt", "and.net.bak", ".hidden.net"})
        Touch(folder.filePath(QString::fromLatin1(name)));
    QDir(folder.path()).mkdir(QStringLiteral("folder.net"));

    FileList list;
    list.setPattern(QStringLiteral("*.net"));
    list.setPath(folder.path());
    EXPECT_EQ(Texts(list), (QStringList{"and.net", "Letters.Net", "XOR.NET"}));
}

TEST(FileListTest, FullPathJoinsFolderAndNameAlsoAtTheRoot)
{
    FileList list;
    list.setPath(QStringLiteral("/"));
    EXPECT_EQ(list.filePath(QStringLiteral("and.net")), QStringLiteral("/and.net"));
    list.setPath(QStringLiteral("/home/student/nets"));
    EXPECT_EQ(list.filePath(QStringLiteral("and.net")), QStringLiteral("/home/student/nets/and.net"));
}

// folder list
TEST(FolderListTest, ShowsTheWayUpTheFolderAndItsSubfolders)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("beta"));
    QDir(folder.path()).mkdir(QStringLiteral("Alpha"));
    Touch(folder.filePath(QStringLiteral("file.net")));

    FolderList list;
    QSignalSpy changed(&list, &FolderList::pathChanged);
    ASSERT_TRUE(list.setPath(folder.path()));
    EXPECT_EQ(changed.count(), 1);
    const QString here = QDir(folder.path()).absolutePath();
    QStringList folders;
    for (int row = 0; row < list.count(); ++row)
        folders << FolderList::folderOf(list.item(row));
    // From the root down to the folder, then its subfolders (files are not listed).
    EXPECT_EQ(folders.first(), QDir::rootPath());
    const int current = folders.indexOf(here);
    ASSERT_GE(current, 0);
    EXPECT_EQ(list.currentRow(), current);
    EXPECT_EQ(folders.mid(current + 1), (QStringList{here + "/Alpha", here + "/beta"}));
    EXPECT_EQ(FolderList::folderOf(list.item(current - 1)), QFileInfo(here).absolutePath());
}

TEST(FolderListTest, FolderThatCannotBeListedLeavesTheListAsItWas)
{
    QTemporaryDir folder;
    FolderList list;
    ASSERT_TRUE(list.setPath(folder.path()));
    const QStringList before = Texts(list);
    QSignalSpy changed(&list, &FolderList::pathChanged);
    QString why;
    EXPECT_FALSE(list.setPath(folder.filePath(QStringLiteral("missing")), &why));
    EXPECT_FALSE(why.isEmpty());
    Touch(folder.filePath(QStringLiteral("plain.net")));
    EXPECT_FALSE(list.setPath(folder.filePath(QStringLiteral("plain.net")), &why));
    EXPECT_EQ(list.path(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(Texts(list), before);
    EXPECT_EQ(changed.count(), 0);
}

// drive list
TEST(DriveListTest, ListsTheRootAndFollowsAPath)
{
    DriveList drives;
    ASSERT_GT(drives.count(), 0);
    EXPECT_GE(drives.findData(QStringLiteral("/")), 0);
    QSignalSpy changed(&drives, &DriveList::driveChanged);
    drives.setDriveFor(QDir::tempPath());
    EXPECT_TRUE(QDir::tempPath().startsWith(drives.drive()));
    EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace vantorelle
