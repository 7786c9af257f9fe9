// SPDX-License-Identifier: GPL-3.0-or-later
// The installation remover on a real folder tree: it must take exactly the
// files the log lists as they were installed, and never reach through a link.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "InstallationLog.h"
#include "Removal.h"
#include "Summary.h"

namespace fs = std::filesystem;
using remover::InstallationLog;
using remover::RemovalOutcome;

namespace {

std::string Sha256(const std::string& contents)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(contents), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

std::optional<std::string> Sha256OfFd(int fd)
{
    std::string contents;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        contents.append(buffer, static_cast<std::size_t>(n));
    return Sha256(contents);
}

void Write(const fs::path& path, const std::string& contents)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << contents;
}

std::string Read(const fs::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An installation under a temporary folder with a sibling folder outside it.
class RemovalTest : public ::testing::Test {
protected:
    QTemporaryDir scratch;
    fs::path installation;
    fs::path outside;
    InstallationLog log;

    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        installation = fs::path(scratch.path().toStdString()) / "prefix";
        outside = fs::path(scratch.path().toStdString()) / "outside";
        fs::create_directories(outside);
        Install("bin/vantorelle-train", "trainer");
        Install("share/vantorelle/examples/and.net", "and");
        Install("share/vantorelle/examples/xor.net", "xor");
        Install("share/man/man1/vantorelle-train.1", "manual");
        log.folders = {"share/vantorelle", "share/vantorelle/examples"};
    }

    void Install(const std::string& path, const std::string& contents)
    {
        Write(installation / path, contents);
        log.files.push_back({Sha256(contents), path});
    }

    RemovalOutcome Remove()
    {
        const int fd = open(installation.c_str(), O_RDONLY | O_DIRECTORY);
        EXPECT_GE(fd, 0);
        RemovalOutcome outcome = remover::RemoveInstallation(fd, log, Sha256OfFd);
        close(fd);
        return outcome;
    }

    static std::string WhyLeft(const RemovalOutcome& outcome, const std::string& path)
    {
        for (const auto& left : outcome.left)
            if (left.path == path)
                return left.why;
        return "(not left)";
    }
};

TEST_F(RemovalTest, AnUntouchedInstallationGoesCompletelyButTheFoldersItShares)
{
    const RemovalOutcome outcome = Remove();
    EXPECT_TRUE(outcome.AllGone());
    EXPECT_EQ(outcome.removed.size(), 6u);
    EXPECT_FALSE(fs::exists(installation / "share/vantorelle"));
    EXPECT_FALSE(fs::exists(installation / "bin/vantorelle-train"));
    // Folders other programs share are not the installation's to remove.
    EXPECT_TRUE(fs::is_directory(installation / "share/man/man1"));
    EXPECT_TRUE(fs::is_directory(installation / "bin"));
}

TEST_F(RemovalTest, WhatTheUserChangedOrAddedStaysAndIsNamed)
{
    Write(installation / "share/vantorelle/examples/and.net", "and, edited by a teacher");
    Write(installation / "share/vantorelle/examples/mine.net", "a student's own file");
    fs::remove(installation / "share/vantorelle/examples/xor.net");

    const RemovalOutcome outcome = Remove();
    EXPECT_FALSE(outcome.AllGone());
    EXPECT_EQ(WhyLeft(outcome, "share/vantorelle/examples/and.net"), "changed since it was installed");
    EXPECT_EQ(WhyLeft(outcome, "share/vantorelle/examples"), "holds files this installation did not write");
    EXPECT_EQ(outcome.alreadyGone, std::vector<std::string>{"share/vantorelle/examples/xor.net"});
    EXPECT_EQ(Read(installation / "share/vantorelle/examples/and.net"), "and, edited by a teacher");
    EXPECT_EQ(Read(installation / "share/vantorelle/examples/mine.net"), "a student's own file");
    EXPECT_FALSE(fs::exists(installation / "bin/vantorelle-train"));

    const std::string summary = remover::SummaryText(installation.string(), outcome, false);
    EXPECT_NE(summary.find("  share/vantorelle/examples/and.net: changed since it was installed\n"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("installation log bin/ST6UNST.LOG is kept"), std::string::npos) << summary;
}

TEST_F(RemovalTest, NoLinkIsFollowedNeitherAtTheEndNorOnTheWay)
{
    // A file of ours replaced by a link to an identical file elsewhere.
    Write(outside / "trainer", "trainer");
    fs::remove(installation / "bin/vantorelle-train");
    fs::create_symlink(outside / "trainer", installation / "bin/vantorelle-train");
    // A folder of ours replaced by a link to a folder elsewhere holding files
    // with the very contents the log names.
    Write(outside / "examples/and.net", "and");
    Write(outside / "examples/xor.net", "xor");
    fs::remove_all(installation / "share/vantorelle/examples");
    fs::create_directory_symlink(outside / "examples", installation / "share/vantorelle/examples");

    const RemovalOutcome outcome = Remove();
    EXPECT_EQ(WhyLeft(outcome, "bin/vantorelle-train"), "now a link");
    EXPECT_EQ(WhyLeft(outcome, "share/vantorelle/examples/and.net"), "a folder on its way is now a link or a file");
    EXPECT_EQ(Read(outside / "trainer"), "trainer");
    EXPECT_EQ(Read(outside / "examples/and.net"), "and");
    EXPECT_EQ(Read(outside / "examples/xor.net"), "xor");
    EXPECT_TRUE(fs::is_symlink(installation / "bin/vantorelle-train"));
}

TEST_F(RemovalTest, AFileTurnedIntoSomethingElseStays)
{
    fs::remove(installation / "share/man/man1/vantorelle-train.1");
    fs::create_directory(installation / "share/man/man1/vantorelle-train.1");
    fs::remove(installation / "bin/vantorelle-train");
    ASSERT_EQ(mkfifo((installation / "bin/vantorelle-train").c_str(), 0600), 0);

    const RemovalOutcome outcome = Remove();
    EXPECT_EQ(WhyLeft(outcome, "share/man/man1/vantorelle-train.1"), "no longer a regular file");
    EXPECT_EQ(WhyLeft(outcome, "bin/vantorelle-train"), "no longer a regular file");
    EXPECT_TRUE(fs::is_fifo(installation / "bin/vantorelle-train"));
}

TEST(InstallationLogTest, ReadsTheWrittenFormAndRefusesPathsOutOfTheInstallation)
{
    const std::string digest(64, 'a');
    std::istringstream good("# comment\nvantorelle-installation-log 1\nfile " + digest
                            + "  share/vantorelle/examples/my file.net\nfolder share/vantorelle\n");
    const remover::LogReading reading = remover::ReadInstallationLog(good);
    ASSERT_TRUE(reading.ok) << reading.problem;
    ASSERT_EQ(reading.log.files.size(), 1u);
    EXPECT_EQ(reading.log.files[0].path, "share/vantorelle/examples/my file.net");
    EXPECT_EQ(reading.log.folders, std::vector<std::string>{"share/vantorelle"});

    const std::pair<std::string, std::string> bad[] = {
        {"# only a comment\n", "empty: no installation is listed"},
        {"vantorelle-installation-log 2\n", "line 1: not a Vantorelle installation log (or a newer one)"},
        {"vantorelle-installation-log 1\nfile " + digest + "  ../etc/passwd\n",
         "line 2: the path \"../etc/passwd\" leads out of the installation"},
        {"vantorelle-installation-log 1\nfile " + digest + "  /etc/passwd\n",
         "line 2: the path \"/etc/passwd\" leads out of the installation"},
        {"vantorelle-installation-log 1\nfolder share//vantorelle\n",
         "line 2: the path \"share//vantorelle\" leads out of the installation"},
        {"vantorelle-installation-log 1\nfile 12ab  bin/x\n", "line 2: a file line without a SHA-256 and a path"},
        {"vantorelle-installation-log 1\nremove everything\n", "line 2: neither a file nor a folder"},
    };
    for (const auto& [text, problem] : bad) {
        std::istringstream in(text);
        const remover::LogReading refused = remover::ReadInstallationLog(in);
        EXPECT_FALSE(refused.ok) << text;
        EXPECT_EQ(refused.problem, problem) << text;
    }
    EXPECT_FALSE(remover::IsPathUnderInstallation("bin/./x"));
    EXPECT_FALSE(remover::IsPathUnderInstallation("bin/"));
    EXPECT_TRUE(remover::IsPathUnderInstallation("bin/..x"));
}

}  // namespace
