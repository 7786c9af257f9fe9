// SPDX-License-Identifier: GPL-3.0-or-later
// The real tree search on a temporary tree and, one level deep, on "/".
// The tests run as root, which reads any folder whatever its permissions, so
// the unreadable folder is made unreadable twice: chmod 000 for ordinary users,
// and an opener that fails on it with EACCES, as opendir does for them.

#include "TreeSearch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <future>
#include <mutex>
#include <sys/stat.h>

namespace uninstaller {
namespace {

// Runs the search on its own thread so that a search caught in a loop fails
// the test instead of hanging it.
std::optional<std::string> FindWithin(const TreeSearch& search, const std::string& root, const std::string& name)
{
    std::atomic<bool> stop{false};
    auto result = std::async(std::launch::async, [&] { return search.find(root, name, stop); });
    if (result.wait_for(std::chrono::seconds(120)) != std::future_status::ready) {
        stop = true;
        result.wait();
        ADD_FAILURE() << "the search did not end";
        return std::nullopt;
    }
    return result.get();
}

// Opens folders as the search would, refusing some, and remembers every path asked for.
struct RecordingOpener {
    std::function<bool(const std::string&)> refuse;
    std::shared_ptr<std::vector<std::string>> asked = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<std::mutex> mutex = std::make_shared<std::mutex>();

    DIR* operator()(const std::string& path) const
    {
        {
            std::lock_guard lock(*mutex);
            asked->push_back(path);
        }
        if (refuse && refuse(path)) {
            errno = EACCES;
            return nullptr;
        }
        return TreeSearch::openFolder(path);
    }
};

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

void Link(const QString& target, const QString& link)
{
    ASSERT_TRUE(QFile::link(target, link)) << link.toStdString();
}

// root/
//   a/ST6UNST.EXE            unreadable folder: its match must not count
//   b/loop -> ..             symbolic links back up the tree
//   b/self -> .
//   c/aa -> ../d             a link to a folder holding a match: not followed
//   c/ST6UNST.EXE/           a folder of that name: not a match
//   c/deep/ST6UNST.EXE       the first match
//   d/ST6UNST.EXE            the second match
class TreeWithLoops : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.isValid());
        QDir root(tree.path());
        for (const char* folder : {"a", "b", "c/ST6UNST.EXE", "c/deep", "d"})
            ASSERT_TRUE(root.mkpath(QLatin1String(folder)));
        Touch(root.filePath("a/ST6UNST.EXE"));
        Touch(root.filePath("c/deep/ST6UNST.EXE"));
        Touch(root.filePath("d/ST6UNST.EXE"));
        Link(QStringLiteral(".."), root.filePath("b/loop"));
        Link(QStringLiteral("."), root.filePath("b/self"));
        Link(QStringLiteral("../d"), root.filePath("c/aa"));
        ASSERT_EQ(chmod(QFile::encodeName(root.filePath("a")).constData(), 0), 0);
        unreadable = QFile::encodeName(root.filePath("a")).toStdString();
        opener.refuse = [folder = unreadable](const std::string& path) { return path == folder; };
    }

    void TearDown() override
    {
        // QTemporaryDir could not empty the folder otherwise, as an ordinary user.
        chmod(unreadable.c_str(), 0700);
    }

    std::string path(const char* relative) const
    {
        return QFile::encodeName(QDir::cleanPath(tree.filePath(relative))).toStdString();
    }

    QTemporaryDir tree;
    std::string unreadable;
    RecordingOpener opener;
};

TEST_F(TreeWithLoops, FirstMatchWinsPastLoopsAndAnUnreadableFolder)
{
    const std::optional<std::string> found = FindWithin(TreeSearch(opener), path("."), "ST6UNST.EXE");

    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, path("c/deep/ST6UNST.EXE"));
    const std::vector<std::string>& asked = *opener.asked;
    EXPECT_NE(std::find(asked.begin(), asked.end(), unreadable), asked.end()) << "the unreadable folder was never tried";
    for (const std::string& folder : asked) {
        EXPECT_EQ(folder.find("/b/loop"), std::string::npos) << folder;
        EXPECT_EQ(folder.find("/b/self"), std::string::npos) << folder;
        EXPECT_EQ(folder.find("/c/aa"), std::string::npos) << folder;
        EXPECT_NE(folder, path("d")) << "searched on past the first match";
    }
}

TEST_F(TreeWithLoops, WithoutTheFirstMatchTheSecondIsFound)
{
    ASSERT_TRUE(QFile::remove(tree.filePath("c/deep/ST6UNST.EXE")));

    EXPECT_EQ(FindWithin(TreeSearch(opener), path("."), "ST6UNST.EXE"), path("d/ST6UNST.EXE"));
}

TEST_F(TreeWithLoops, NameThatIsNowhereEndsTheSearchEmpty)
{
    EXPECT_EQ(FindWithin(TreeSearch(opener), path("."), "NOWHERE.EXE"), std::nullopt);
    // Every real folder once: the root, a (refused), b, c, c/ST6UNST.EXE, c/deep, d.
    EXPECT_EQ(opener.asked->size(), 7u);
}

TEST_F(TreeWithLoops, LinkNamedLikeTheFileCountsWhenItLeadsToAFile)
{
    ASSERT_TRUE(QDir(tree.path()).mkpath("0"));
    Link(tree.filePath("d/ST6UNST.EXE"), tree.filePath("0/ST6UNST.EXE"));

    EXPECT_EQ(FindWithin(TreeSearch(opener), path("."), "ST6UNST.EXE"), path("0/ST6UNST.EXE"));
}

TEST_F(TreeWithLoops, StopEndsTheSearchWithoutAResult)
{
    const std::atomic<bool> stop{true};
    EXPECT_EQ(TreeSearch(opener).find(path("."), "ST6UNST.EXE", stop), std::nullopt);
}

TEST(TreeSearchOfTheRoot, NeverEntersTheKernelsTrees)
{
    // Only "/" and the folders right under it are listed: enough to see which
    // of them the search tries, without walking the whole disk.
    RecordingOpener opener;
    opener.refuse = [](const std::string& path) { return path != "/" && path.find('/', 1) != std::string::npos; };

    EXPECT_EQ(FindWithin(TreeSearch(opener), "/", "no file has this name.exe"), std::nullopt);

    const std::vector<std::string>& asked = *opener.asked;
    EXPECT_NE(std::find(asked.begin(), asked.end(), "/usr"), asked.end());
    for (const char* kernelTree : {"/proc", "/sys", "/dev", "/run"})
        EXPECT_EQ(std::find(asked.begin(), asked.end(), kernelTree), asked.end()) << kernelTree;
}

}  // namespace
}  // namespace uninstaller
