// SPDX-License-Identifier: GPL-3.0-or-later
// Training files that change between the listing and the double-click (or
// between the generalization page's check and its read): removed, or
// replaced by a named pipe or a folder. Each is refused at once with a
// message naming the file and why, the page stays usable, and the network
// keeps the patterns it had.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "HubFixture.h"

namespace vantorelle {
namespace {

class FileVanishingTest : public HubFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"and.net", "or.net", "xor.net"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/") + name, folder.filePath(name)));
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        HubFixture::SetUp();
    }
    void TearDown() override
    {
        HubFixture::TearDown();
        QDir::setCurrent(previousFolder);
    }

    void doubleClickFile(QWidget* page, const char* list, const char* name)
    {
        auto* files = control<QListWidget>(page, list);
        ASSERT_NE(files, nullptr);
        const auto found = files->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        doubleClickItem(files, files->row(found.first()));
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    void replaceByPipe(const char* name)
    {
        ASSERT_TRUE(QFile::remove(path(name)));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
    }
    void replaceByFolder(const char* name)
    {
        ASSERT_TRUE(QFile::remove(path(name)));
        ASSERT_TRUE(QDir(folder.path()).mkdir(QString::fromLatin1(name)));
    }
    static QString text(QWidget* page, const char* name)
    {
        auto* box = control<QLineEdit>(page, name);
        return box ? box->text() : QString();
    }

    QTemporaryDir folder;
    QString previousFolder;
};

TEST_F(FileVanishingTest, LoadFilePageRefusesAChangedFileAndKeepsTheOneRead)
{
    ScrollPage* page = open("LoadFile");
    ASSERT_NE(page, nullptr);
    doubleClickFile(page, "File1", "and.net");
    ASSERT_EQ(net.TrainingFileName, "and.net");

    // Were the pipe opened, the page would wait for a writer for ever and
    // this test would hang until ctest's timeout.
    replaceByPipe("or.net");
    dialogs.expect(ExpectedErrorReport("The training file \"or.net\" cannot be opened: it is not an ordinary file."));
    doubleClickFile(page, "File1", "or.net");
    dialogs.verifyDone();

    replaceByFolder("xor.net");
    dialogs.expect(ExpectedErrorReport("The training file \"xor.net\" cannot be opened: it is a folder."));
    doubleClickFile(page, "File1", "xor.net");
    dialogs.verifyDone();

    ASSERT_TRUE(QFile::remove(path("and.net")));
    dialogs.expect(
        ExpectedErrorReport("The training file \"and.net\" cannot be opened: No such file or directory."));
    doubleClickFile(page, "File1", "and.net");
    dialogs.verifyDone();

    // What was read stays, on the network and on the page.
    EXPECT_EQ(net.TrainingFileName, "and.net");
    EXPECT_EQ(net.NumPatterns, 4);
    EXPECT_EQ(net.DesiredOutputs(4, 1), 1);
    EXPECT_EQ(text(page, "OutputText_0"), QStringLiteral("and.net"));
}

TEST_F(FileVanishingTest, GeneralizationPageRefusesAFileChangedAfterItsCheck)
{
    trainByHand();
    ScrollPage* page = open("Generalize");
    ASSERT_NE(page, nullptr);

    doubleClickFile(page, "File2", "or.net");
    ASSERT_EQ(text(page, "OutputText_0"), QStringLiteral("or.net"));
    ASSERT_TRUE(QFile::remove(path("or.net")));
    dialogs.expect(ExpectedErrorReport("The training file \"or.net\" cannot be opened: No such file or directory."));
    press(page, "ReadNewFile");
    dialogs.verifyDone();

    doubleClickFile(page, "File2", "xor.net");
    replaceByPipe("xor.net");
    dialogs.expect(ExpectedErrorReport("The training file \"xor.net\" cannot be opened: it is not an ordinary file."));
    press(page, "ReadNewFile");
    dialogs.verifyDone();

    // Still and.net's patterns, the page open for another choice.
    EXPECT_EQ(net.TrainingFileName, "and.net");
    EXPECT_EQ(net.DesiredOutputs(2, 1), 0);
    EXPECT_EQ(net.EpochCount, 40);
    EXPECT_NE(find("Generalize"), nullptr);
}

}  // namespace
}  // namespace vantorelle
