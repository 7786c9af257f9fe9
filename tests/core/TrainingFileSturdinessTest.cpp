// Files that are not ordinary files, reached when a listed training file is
// replaced between the listing and the double-click: the reader and the
// header check refuse them at once with a message, and nothing is changed.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "NetworkState.h"
#include "TrainingFile.h"

namespace vantorelle {
namespace {

class NotAFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("vantorelle-sturdy-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net").ok);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Both readers refuse path with a message containing why; net keeps and.net.
    void ExpectRefused(const std::string& path, const std::string& why)
    {
        const ReadResult read = ReadTrainingFile(net, path);
        EXPECT_FALSE(read.ok);
        EXPECT_NE(read.message.find(why), std::string::npos) << read.message;
        EXPECT_EQ(net.NumPatterns, 4);
        EXPECT_EQ(net.NumInputs, 2);
        FileHeader header;
        const ReadResult checked = ReadTrainingFileHeader(path, header);
        EXPECT_FALSE(checked.ok);
        EXPECT_EQ(checked.message, read.message);
        EXPECT_EQ(header.NumOutputs, 0);
    }

    std::filesystem::path folder;
    NetworkState net;
};

// Opening a named pipe for reading would wait for a writer for ever; the
// test would hang (ctest's timeout) rather than fail if that came back.
TEST_F(NotAFileTest, NamedPipeIsRefusedWithoutWaiting)
{
    const std::string pipe = (folder / "pipe.net").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ExpectRefused(pipe, "\"pipe.net\" cannot be opened: it is not an ordinary file.");
}

TEST_F(NotAFileTest, FolderIsRefusedAsAFolder)
{
    const std::filesystem::path inner = folder / "inner.net";
    std::filesystem::create_directory(inner);
    ExpectRefused(inner.string(), "\"inner.net\" cannot be opened: it is a folder.");
}

TEST_F(NotAFileTest, VanishedFileNamesTheReason)
{
    ExpectRefused((folder / "gone.net").string(), "\"gone.net\" cannot be opened: No such file or directory.");
}

}  // namespace
}  // namespace vantorelle
