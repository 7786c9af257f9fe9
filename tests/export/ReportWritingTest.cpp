// SPDX-License-Identifier: GPL-3.0-or-later
// How the report reaches the disk: replacing an earlier file, and what a
// failure leaves behind (nothing new, the earlier file untouched).

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "NetworkBuilders.h"
#include "ReportTestSupport.h"

using namespace vantorelle;
using namespace vantorelle::testing;

namespace {

const std::string Earlier = "an earlier report\r\r\n";

class ReportWritingTest : public AndReportTest {
protected:
    bool Write()
    {
        SystemReportFiles files;
        return WriteReport(files);
    }

    // The label was left saying the file was not saved, and one message named the file and the reason.
    void ExpectNotSaved(const std::string& reason, bool earlierKept)
    {
        ASSERT_FALSE(status.stages.empty());
        EXPECT_EQ(status.stages.back(), ReportStage::NotSaved);
        ASSERT_EQ(messages.errors.size(), 1u);
        const std::string& text = messages.errors[0];
        EXPECT_EQ(text.find("The report could not be saved as \"" + request.path + "\".\r"), 0u) << text;
        EXPECT_NE(text.find(reason), std::string::npos) << text;
        EXPECT_EQ(text.find("earlier file") != std::string::npos, earlierKept) << text;
    }
};

}  // namespace

// replacing

TEST_F(ReportWritingTest, WritingTwiceReplacesTheFirstFileEntirely)
{
    request.sections.fill(true);
    ASSERT_TRUE(Write());
    const std::string longer = ReadBytes(request.path);
    request.sections.fill(false);
    ASSERT_TRUE(Write());
    const std::string shorter = ReadBytes(request.path);
    EXPECT_LT(shorter.size(), longer.size());
    EXPECT_EQ(longer.substr(0, shorter.size()), shorter);  // the same header, and nothing after it
    EXPECT_EQ(shorter.substr(shorter.size() - 48), "=============================================\r\r\n");
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

TEST_F(ReportWritingTest, ReplacingKeepsTheEarlierFilesPermissions)
{
    WriteBytes(request.path, Earlier);
    ASSERT_EQ(::chmod(request.path.c_str(), 0640), 0);
    ASSERT_TRUE(Write());
    struct stat st {};
    ASSERT_EQ(::stat(request.path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_NE(ReadBytes(request.path), Earlier);
}

TEST_F(ReportWritingTest, AReadOnlyFileIsNotReplaced)
{
    WriteBytes(request.path, Earlier);
    ASSERT_EQ(::chmod(request.path.c_str(), 0444), 0);
    AsItsOwner files;
    EXPECT_FALSE(WriteReport(files));
    ExpectNotSaved("Permission denied.", true);
    EXPECT_EQ(ReadBytes(request.path), Earlier);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

TEST_F(ReportWritingTest, ANameWithoutAFolderIsWrittenInTheCurrentFolder)
{
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.folder);
    request.path = "run1.txt";
    const bool saved = Write();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(saved);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

// failures

TEST_F(ReportWritingTest, MissingFolderIsNamedAndNothingIsCreated)
{
    request.path = scratch.Path("no such folder/run1.txt");
    EXPECT_FALSE(Write());
    ExpectNotSaved("The folder \"" + scratch.Path("no such folder") + "\" does not exist.", false);
    EXPECT_TRUE(scratch.Names().empty());
    EXPECT_EQ(status.stages.front(), ReportStage::Saving);
}

TEST_F(ReportWritingTest, AFolderInTheWayIsNamedAndLeftAlone)
{
    std::filesystem::create_directory(request.path);
    EXPECT_FALSE(Write());
    ExpectNotSaved("A folder of that name is in the way.", false);
    EXPECT_TRUE(std::filesystem::is_directory(request.path));
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

TEST_F(ReportWritingTest, PermissionDeniedWhenCreating)
{
    WriteBytes(request.path, Earlier);
    FaultyFiles files;
    files.createError = EACCES;
    EXPECT_FALSE(WriteReport(files));
    ExpectNotSaved("Permission denied.", true);
    EXPECT_EQ(ReadBytes(request.path), Earlier);
}

TEST_F(ReportWritingTest, FullDiskDuringTheWriteLeavesTheEarlierFileAndNoPartialFile)
{
    WriteBytes(request.path, Earlier);
    FaultyFiles files;
    files.writeError = ENOSPC;
    EXPECT_FALSE(WriteReport(files));
    ExpectNotSaved("The disk is full.", true);
    EXPECT_EQ(ReadBytes(request.path), Earlier);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
    EXPECT_EQ(files.created.size(), 1u);  // the temporary file was made, then removed
}

// A report larger than one write: the failure comes after some of it is on the disk.
TEST_F(ReportWritingTest, FullDiskPartWayThroughALargeReport)
{
    std::vector<std::vector<double>> inputs(3000, std::vector<double>(12, 0.5));
    std::vector<std::vector<double>> outputs(3000, std::vector<double>(12, 1.0));
    net = MakeNetwork(inputs, outputs);
    request.sections.fill(true);
    FaultyFiles files;
    files.writeError = ENOSPC;
    files.writesBeforeFailure = 3;
    EXPECT_FALSE(WriteReport(files));
    EXPECT_EQ(files.writes, 4);
    ExpectNotSaved("The disk is full.", false);
    EXPECT_TRUE(scratch.Names().empty());

    // Without the fault the same report is written in full.
    messages.errors.clear();
    ASSERT_TRUE(Write());
    EXPECT_GT(ReadBytes(request.path).size(), std::size_t{4} << 16);
}

TEST_F(ReportWritingTest, FailureOnClosingLeavesTheEarlierFile)
{
    WriteBytes(request.path, Earlier);
    FaultyFiles files;
    files.closeError = EIO;
    EXPECT_FALSE(WriteReport(files));
    ExpectNotSaved("Input/output error.", true);
    EXPECT_EQ(ReadBytes(request.path), Earlier);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

TEST_F(ReportWritingTest, FailedRenameLeavesTheEarlierFileAndRemovesTheNewOne)
{
    WriteBytes(request.path, Earlier);
    FaultyFiles files;
    files.replaceError = EACCES;
    EXPECT_FALSE(WriteReport(files));
    ExpectNotSaved("Permission denied.", true);
    EXPECT_EQ(ReadBytes(request.path), Earlier);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

TEST_F(ReportWritingTest, ReadOnlyDiskAndOtherReasonsAreNamed)
{
    EXPECT_NE(ReportFailureMessage("/mnt/cd/r.txt", EROFS, false).find("\rThe disk is read-only."), std::string::npos);
    EXPECT_NE(ReportFailureMessage("/x/r.txt", ENOTDIR, false).find("\rPart of the path is not a folder."),
              std::string::npos);
    EXPECT_NE(ReportFailureMessage("/x/r.txt", ENAMETOOLONG, false).find("\rThe name is too long."),
              std::string::npos);
    EXPECT_NE(ReportFailureMessage("/x/r.txt", EDQUOT, true).find("\rThe disk is full.\rThe earlier file"),
              std::string::npos);
}

// A failed save changes nothing a retry depends on: the next save works.
TEST_F(ReportWritingTest, ASaveAfterAFailureWorks)
{
    FaultyFiles files;
    files.replaceError = EXDEV;
    EXPECT_FALSE(WriteReport(files));
    messages.errors.clear();
    EXPECT_TRUE(Write());
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(status.stages.back(), ReportStage::Saved);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}
