// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not ordinary files, reached when a listed training file is
// replaced between the listing and the double-click: the reader and the
// header check refuse them at once with a message, and nothing is changed.
// Files far longer than their header needs: memory and reading follow the
// header's sizes, not the file's length.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <streambuf>
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


// --- files far longer than their header needs ---

// A source of `prefix` followed by `junkLength` bytes of junk, made up as it
// is read, counting how many bytes the reader fetched.
class GeneratedSource : public std::streambuf {
public:
    GeneratedSource(std::string prefix, char junk, unsigned long long junkLength)
        : prefix(std::move(prefix)), junk(junk), length(this->prefix.size() + junkLength)
    {
    }
    unsigned long long Fetched() const { return fetched; }
    unsigned long long Length() const { return length; }

protected:
    int_type underflow() override
    {
        if (fetched == length)
            return traits_type::eof();
        const std::size_t n = static_cast<std::size_t>(std::min<unsigned long long>(sizeof chunk, length - fetched));
        for (std::size_t i = 0; i < n; ++i)
            chunk[i] = fetched + i < prefix.size() ? prefix[fetched + i] : junk;
        fetched += n;
        setg(chunk, chunk, chunk + n);
        return traits_type::to_int_type(chunk[0]);
    }

private:
    std::string prefix;
    char junk;
    unsigned long long length;
    unsigned long long fetched = 0;
    char chunk[4096];
};

// Everything after the last desired output is ignored, as it always was:
// the reader accepts the file and stops fetching right after it.
TEST(LongFileTest, TrailingJunkIsNeverFetched)
{
    // 4 GB of junk: had the reader loaded it whole, the test would run out
    // of memory; it only fetches the first block.
    GeneratedSource source("1, 0, 1, 1\n0.5\n1\n", 'x', 4ULL << 30);
    std::istream stream(&source);
    NetworkState net;
    const ReadResult read = ReadTrainingFile(net, stream, "long.net", source.Length());
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(net.NumPatterns, 1);
    EXPECT_EQ(net.InputPatterns(1, 1), 0.5);
    EXPECT_EQ(net.DesiredOutputs(1, 1), 1.0);
    EXPECT_LE(source.Fetched(), 128u * 1024);
}

TEST(LongFileTest, HeaderCheckFetchesOnlyTheStart)
{
    GeneratedSource source("3 0 2 5 ", '7', 4ULL << 30);
    std::istream stream(&source);
    FileHeader header;
    ASSERT_TRUE(ReadTrainingFileHeader(stream, "long.net", header).ok);
    EXPECT_EQ(header.NumOutputs, 3);
    EXPECT_EQ(header.NumInputs, 2);
    EXPECT_EQ(header.NumPatterns, 5);
    EXPECT_LE(source.Fetched(), 128u * 1024);
}

// One endless token is refused once it passes any number's length, with its
// position, instead of being gathered whole.
TEST(LongFileTest, EndlessTokenIsRefusedEarly)
{
    GeneratedSource source("1 0 1 1\n", '0', 4ULL << 30);
    std::istream stream(&source);
    NetworkState net;
    const ReadResult read = ReadTrainingFile(net, stream, "long.net", source.Length());
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.message, "The training file \"long.net\" cannot be used: value 5 (line 2, column 1), \"" +
                                std::string(40, '0') + "...\", is too long to be a number.");
    EXPECT_LE(source.Fetched(), 128u * 1024);
}

// The same through a real file: a 1x1x1 header and 8 MB of junk lines read
// like the short file.
TEST_F(NotAFileTest, LongFileWithTrailingJunkReadsLikeTheShortOne)
{
    const std::string path = (folder / "long.net").string();
    {
        std::ofstream out(path, std::ios::binary);
        out << "1, 0, 1, 1\n0.25\n0\n";
        const std::string line(1023, '#');
        for (int i = 0; i < 8 * 1024; ++i)
            out << line << '\n';
    }
    ASSERT_GT(std::filesystem::file_size(path), 8u << 20);
    const ReadResult read = ReadTrainingFile(net, path);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(net.NumPatterns, 1);
    EXPECT_EQ(net.NumInputs, 1);
    EXPECT_EQ(net.InputPatterns(1, 1), 0.25);
    EXPECT_EQ(net.DesiredOutputs(1, 1), 0.0);
}

// A source that fails part way is reported as unreadable, not as short.
TEST(LongFileTest, ReadFailureIsReportedAsSuch)
{
    class Failing : public std::streambuf {
    protected:
        int_type underflow() override
        {
            if (served)
                throw std::ios_base::failure("device error");
            served = true;
            std::memcpy(text, "1 0 2 3 0.5", 11);
            setg(text, text, text + 11);
            return traits_type::to_int_type(text[0]);
        }

    private:
        bool served = false;
        char text[16];
    } failing;
    std::istream stream(&failing);
    NetworkState net;
    const ReadResult read = ReadTrainingFile(net, stream, "bad.net", 1000);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.message, "The training file \"bad.net\" cannot be read.");
    EXPECT_EQ(net.NumPatterns, 0);
}

}  // namespace
}  // namespace vantorelle
