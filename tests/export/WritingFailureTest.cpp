// SPDX-License-Identifier: GPL-3.0-or-later
// Reports and workbooks whose writing fails: on a real full disk (/dev/full),
// and with a create, flush or rename failure or a read-only target injected
// through the file operations. Each failure names the file and the reason,
// keeps an earlier file as it was and leaves no partial file behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "NetworkBuilders.h"
#include "ReportTestSupport.h"
#include "SpreadsheetSummary.h"

namespace vantorelle::testing {
namespace {

// The new file is made as usual, but what is written to it goes to the
// kernel's always-full device, so the disk-full error is a real one. For the
// workbook, which its library opens by name, the new file's name leads there
// too (a symbolic link, so removing it never touches the device).
class FullDisk : public FaultyFiles {
public:
    int CreateBeside(const std::string& target, std::string& path, int& handle) override
    {
        if (const int error = FaultyFiles::CreateBeside(target, path, handle))
            return error;
        ::close(handle);
        ::unlink(path.c_str());
        if (::symlink("/dev/full", path.c_str()) != 0)
            return errno;
        handle = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        return handle < 0 ? errno : 0;
    }
    // Only the link is removed; make sure of it.
    void Remove(const std::string& path) override
    {
        ASSERT_NE(path, "/dev/full");
        FaultyFiles::Remove(path);
    }
};

const std::string Earlier = "an earlier file";

class WritingFailureTest : public AndReportTest {
protected:
    SummaryResult ReplaceWorkbook(ReportFiles& files)
    {
        ReplaceWorkbookFile destination(scratch.Path("summary.xlsx"), files);
        SummaryObserver progress;
        return BuildSpreadsheetSummary(net, AnalysisMoment{}, destination, progress);
    }

    // The report was not saved; the one message names the file, the reason
    // and, when there was one, that the earlier file is still there.
    void ExpectReportNotSaved(const std::string& reason)
    {
        ASSERT_EQ(messages.errors.size(), 1u);
        EXPECT_EQ(messages.errors[0].rfind("The report could not be saved as \"" + request.path + "\".\r", 0), 0u)
            << messages.errors[0];
        EXPECT_NE(messages.errors[0].find(reason), std::string::npos) << messages.errors[0];
        EXPECT_EQ(status.stages.back(), ReportStage::NotSaved);
    }
};

}  // namespace

// reports

TEST_F(WritingFailureTest, ReportOnAFullDiskKeepsTheEarlierFile)
{
    WriteBytes(request.path, Earlier);
    FullDisk files;
    EXPECT_FALSE(WriteReport(files));
    ExpectReportNotSaved("The disk is full.\rThe earlier file");
    EXPECT_EQ(ReadBytes(request.path), Earlier);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"run1.txt"});
}

// workbooks

TEST_F(WritingFailureTest, WorkbookOnAFullDiskKeepsTheEarlierFile)
{
    WriteBytes(scratch.Path("summary.xlsx"), Earlier);
    FullDisk files;
    const SummaryResult result = ReplaceWorkbook(files);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("The workbook could not be saved as \"" + scratch.Path("summary.xlsx") + "\".\r", 0),
              0u)
        << result.message;
    EXPECT_NE(result.message.find("The disk is full."), std::string::npos) << result.message;
    EXPECT_EQ(ReadBytes(scratch.Path("summary.xlsx")), Earlier);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"summary.xlsx"});
}

TEST_F(WritingFailureTest, WorkbookWhoseCreateFlushOrRenameFailsKeepsTheEarlierFile)
{
    struct Case {
        const char* what;
        int FaultyFiles::*fault;
        int error;
        const char* reason;
    };
    for (const Case& c : {Case{"create", &FaultyFiles::createError, ENOSPC, "The disk is full."},
                          Case{"flush", &FaultyFiles::closeError, EIO, "Input/output error."},
                          Case{"rename", &FaultyFiles::replaceError, EACCES, "Permission denied."}}) {
        SCOPED_TRACE(c.what);
        WriteBytes(scratch.Path("summary.xlsx"), Earlier);
        FaultyFiles files;
        files.*c.fault = c.error;
        const SummaryResult result = ReplaceWorkbook(files);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "The workbook could not be saved as \"" + scratch.Path("summary.xlsx") + "\".\r" +
                                      c.reason);
        EXPECT_EQ(ReadBytes(scratch.Path("summary.xlsx")), Earlier);
        EXPECT_EQ(scratch.Names(), std::vector<std::string>{"summary.xlsx"});
    }
}

TEST_F(WritingFailureTest, ReadOnlyWorkbookIsNotReplaced)
{
    WriteBytes(scratch.Path("summary.xlsx"), Earlier);
    ASSERT_EQ(::chmod(scratch.Path("summary.xlsx").c_str(), 0444), 0);
    AsItsOwner files;
    const SummaryResult result = ReplaceWorkbook(files);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "The workbook could not be saved as \"" + scratch.Path("summary.xlsx") + "\".\rPermission denied.");
    EXPECT_EQ(ReadBytes(scratch.Path("summary.xlsx")), Earlier);
}

// A new book in the workbooks folder on a full disk: no BookN.xlsx appears,
// and the next export, with room again, takes Book1.
TEST_F(WritingFailureTest, NewBookOnAFullDiskLeavesNoBook)
{
    FullDisk files;
    NewBookInFolder full(scratch.Path("books"), files);
    SummaryObserver progress;
    const SummaryResult failed = BuildSpreadsheetSummary(net, AnalysisMoment{}, full, progress);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find("The disk is full."), std::string::npos) << failed.message;
    EXPECT_TRUE(std::filesystem::is_empty(scratch.Path("books")));

    NewBookInFolder roomy(scratch.Path("books"));
    const SummaryResult saved = BuildSpreadsheetSummary(net, AnalysisMoment{}, roomy, progress);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(saved.path, scratch.Path("books") + "/Book1.xlsx");
}

}  // namespace vantorelle::testing
