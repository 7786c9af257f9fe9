// SPDX-License-Identifier: GPL-3.0-or-later
// The check that comes before any start, on real folders under a private
// temporary folder (itself inside the sticky /tmp, which must pass). Files and
// folders of another user need chown: those cases are skipped unless the tests
// run as root, as they do in the project's runs.

#include "RunSafety.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace uninstaller {

// Found by gtest through the enum's namespace.
void PrintTo(RunRisk risk, std::ostream* out) { *out << "RunRisk(" << static_cast<int>(risk) << ')'; }

namespace {

constexpr uid_t SomeoneElse = 12345;

class RunSafety : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(base.isValid()); }

    std::string path(const QString& relative) const
    {
        return QFile::encodeName(base.filePath(relative)).toStdString();
    }

    // Makes each folder of relative that is missing, then sets the last one's mode.
    void folder(const QString& relative, mode_t mode)
    {
        ASSERT_TRUE(QDir(base.path()).mkpath(relative));
        ASSERT_EQ(chmod(path(relative).c_str(), mode), 0);
    }

    // An uninstaller at relative, its folder made 0755 when missing.
    void file(const QString& relative, mode_t mode)
    {
        const QString parent = QFileInfo(relative).path();
        if (!QFileInfo::exists(base.filePath(parent)))
            folder(parent, 0755);
        QFile made(base.filePath(relative));
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
        made.close();
        ASSERT_EQ(chmod(path(relative).c_str(), mode), 0);
    }

    void link(const QString& target, const QString& relative)
    {
        ASSERT_TRUE(QFile::link(target, base.filePath(relative)));
    }

    static bool canGiveAway() { return geteuid() == 0; }

    void giveAway(const QString& relative)
    {
        ASSERT_EQ(lchown(path(relative).c_str(), SomeoneElse, SomeoneElse), 0);
    }

    PathRisk check(const QString& relative) const { return CheckRunnable(path(relative), geteuid()); }

    QTemporaryDir base;
};

// what may run

TEST_F(RunSafety, OwnFileInOwnFoldersMayRunAlsoBelowAStickyFolder)
{
    file("bin/ST6UNST.EXE", 0755);
    folder("shared", 01777);
    file("shared/mine/ST6UNST.EXE", 0700);
    link("../../bin/ST6UNST.EXE", "shared/mine/link");

    EXPECT_EQ(check("bin/ST6UNST.EXE").risk, RunRisk::None);
    EXPECT_EQ(check("shared/mine/ST6UNST.EXE").risk, RunRisk::None);
    EXPECT_EQ(check("shared/mine/link").risk, RunRisk::None);
    EXPECT_EQ(check("shared/mine/../../bin/ST6UNST.EXE").risk, RunRisk::None);
}

// the file itself

TEST_F(RunSafety, FileOthersMayWriteIsRefused)
{
    file("world/ST6UNST.EXE", 0757);
    file("group/ST6UNST.EXE", 0775);

    for (const char* name : {"world/ST6UNST.EXE", "group/ST6UNST.EXE"}) {
        const PathRisk risk = check(QLatin1String(name));
        EXPECT_EQ(risk.risk, RunRisk::FileWritable) << name;
        EXPECT_EQ(risk.where, path(QLatin1String(name)));
    }
}

TEST_F(RunSafety, FileOfAnotherUserIsRefused)
{
    if (!canGiveAway())
        GTEST_SKIP() << "only root can give a file to another user";
    file("bin/ST6UNST.EXE", 0755);
    giveAway("bin/ST6UNST.EXE");

    EXPECT_EQ(check("bin/ST6UNST.EXE").risk, RunRisk::FileOwner);
}

TEST_F(RunSafety, WhatIsNoFileIsRefused)
{
    folder("bin/ST6UNST.EXE", 0755);

    EXPECT_EQ(check("bin/ST6UNST.EXE").risk, RunRisk::NotAFile);
    EXPECT_EQ(check("bin/missing").risk, RunRisk::Unexaminable);
    EXPECT_EQ(CheckRunnable("relative/ST6UNST.EXE", geteuid()).risk, RunRisk::Unexaminable);
}

// the folders on the way

TEST_F(RunSafety, FolderHoldingItThatOthersMayWriteIsRefusedStickyOrNot)
{
    const std::pair<const char*, mode_t> holders[] = {{"open", 0777}, {"sticky", 01777}, {"group", 0775}};
    for (const auto& [name, mode] : holders) {
        const QString holder = QLatin1String(name);
        folder(holder, mode);
        file(holder + "/ST6UNST.EXE", 0755);

        const PathRisk risk = check(holder + "/ST6UNST.EXE");
        EXPECT_EQ(risk.risk, RunRisk::FolderWritable) << name;
        EXPECT_EQ(risk.where, path(holder)) << name;
    }
}

TEST_F(RunSafety, FolderFurtherUpThatOthersMayWriteIsRefused)
{
    folder("open", 0777);
    file("open/sub/ST6UNST.EXE", 0755);

    const PathRisk risk = check("open/sub/ST6UNST.EXE");
    EXPECT_EQ(risk.risk, RunRisk::FolderWritable);
    EXPECT_EQ(risk.where, path("open"));
}

TEST_F(RunSafety, FolderOfAnotherUserIsRefusedAlsoInAStickyFolder)
{
    if (!canGiveAway())
        GTEST_SKIP() << "only root can give a folder to another user";
    file("theirs/ST6UNST.EXE", 0755);
    giveAway("theirs");
    folder("sticky", 01777);
    file("sticky/theirs/ST6UNST.EXE", 0755);
    giveAway("sticky/theirs");

    const PathRisk theirs = check("theirs/ST6UNST.EXE");
    EXPECT_EQ(theirs.risk, RunRisk::FolderOwner);
    EXPECT_EQ(theirs.where, path("theirs"));
    // Another user's folder in a sticky one can be renamed by that user.
    EXPECT_EQ(check("sticky/theirs/ST6UNST.EXE").risk, RunRisk::FolderWritable);
}

// symbolic links: every folder that holds a link on the way counts

TEST_F(RunSafety, LinkThroughAFolderOthersMayWriteIsRefused)
{
    file("bin/ST6UNST.EXE", 0755);
    folder("open", 0777);
    link(base.filePath("bin/ST6UNST.EXE"), "open/ST6UNST.EXE");
    file("open/real/ST6UNST.EXE", 0755);
    folder("safe", 0755);
    link(base.filePath("open/real/ST6UNST.EXE"), "safe/ST6UNST.EXE");
    link(base.filePath("open"), "safe/dir");

    EXPECT_EQ(check("open/ST6UNST.EXE").where, path("open")) << "the link in the open folder";
    EXPECT_EQ(check("safe/ST6UNST.EXE").where, path("open")) << "a link into the open folder";
    EXPECT_EQ(check("safe/dir/real/ST6UNST.EXE").where, path("open")) << "a folder link into the open folder";
    for (const char* name : {"open/ST6UNST.EXE", "safe/ST6UNST.EXE", "safe/dir/real/ST6UNST.EXE"})
        EXPECT_EQ(check(QLatin1String(name)).risk, RunRisk::FolderWritable) << name;
}

TEST_F(RunSafety, LinksInALoopAreRefused)
{
    folder("bin", 0755);
    link("ping", "bin/pong");
    link("pong", "bin/ping");

    EXPECT_EQ(check("bin/ping").risk, RunRisk::Unexaminable);
}

}  // namespace
}  // namespace uninstaller
