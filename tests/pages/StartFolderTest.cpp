// SPDX-License-Identifier: GPL-3.0-or-later
// Where the load-file page's lists start: the working folder, or the
// installed examples when that folder holds no training file.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "LoadFile.h"

namespace vantorelle {
namespace {

// An installed layout, PREFIX/bin and PREFIX/share/vantorelle/examples, and a
// home folder beside it.
class StartFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefix.isValid());
        QDir root(prefix.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("share/vantorelle/examples")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("home")));
        bin = root.filePath(QStringLiteral("bin"));
        examples = root.filePath(QStringLiteral("share/vantorelle/examples"));
        home = root.filePath(QStringLiteral("home"));
        touch(examples + QStringLiteral("/and.net"));
    }

    static void touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }

    QTemporaryDir prefix;
    QString bin, examples, home;
};

TEST_F(StartFolderTest, FolderWithoutTrainingFilesGivesTheInstalledExamples)
{
    // Other files, folders with the right name and hidden training files do not count.
    touch(home + QStringLiteral("/notes.txt"));
    touch(home + QStringLiteral("/.hidden.net"));
    ASSERT_TRUE(QDir(home).mkdir(QStringLiteral("folder.net")));
    EXPECT_EQ(LoadFile::startFolder(home, bin), QDir(examples).absolutePath());
}

TEST_F(StartFolderTest, FolderWithATrainingFileIsKept)
{
    touch(home + QStringLiteral("/XOR.NET"));  // any letter case, as the file list shows it
    EXPECT_EQ(LoadFile::startFolder(home, bin), home);
}

TEST_F(StartFolderTest, WithoutInstalledExamplesTheFolderIsKept)
{
    // A program run from its build folder has no examples beside it ...
    EXPECT_EQ(LoadFile::startFolder(home, home + QStringLiteral("/build")), home);
    // ... and an examples folder without training files is no better.
    ASSERT_TRUE(QFile::remove(examples + QStringLiteral("/and.net")));
    EXPECT_EQ(LoadFile::startFolder(home, bin), home);
}

}  // namespace
}  // namespace vantorelle
