// SPDX-License-Identifier: GPL-3.0-or-later
// What a report or workbook does to each kind of thing its name may stand
// for: a symbolic link (also dangling, also a chain) is followed and the file
// it leads to replaced, the link kept; a named pipe or a character device is
// written where it is; a socket, a folder or a disk device is refused. Never
// is anything but a plain file renamed over.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "NetworkBuilders.h"
#include "ReportTestSupport.h"
#include "SpecialFiles.h"
#include "SpreadsheetSummary.h"
#include "WorkbookDump.h"

namespace vantorelle::testing {
namespace {

const std::string Earlier = "an earlier report\r\r\n";

class TargetKindsTest : public AndReportTest {
protected:
    // Writes the report to `path`, through the real file operations unless given others.
    bool WriteTo(const std::string& path, ReportFiles& files)
    {
        request.path = path;
        return WriteReport(files);
    }
    bool WriteTo(const std::string& path)
    {
        SystemReportFiles files;
        return WriteTo(path, files);
    }

    // The report's bytes as a plain file gets them.
    std::string PlainReport()
    {
        const std::string path = scratch.Path("plain.txt");
        EXPECT_TRUE(WriteTo(path));
        std::string bytes = ReadBytes(path);
        std::filesystem::remove(path);
        return bytes;
    }

    SummaryResult WorkbookTo(const std::string& path)
    {
        ReplaceWorkbookFile destination(path);
        SummaryObserver quiet;
        return BuildSpreadsheetSummary(net, AnalysisMoment{}, destination, quiet);
    }

    // One message, naming the file as given and the reason; no claim about an earlier file.
    void ExpectRefused(const std::string& path, const std::string& reason)
    {
        ASSERT_EQ(messages.errors.size(), 1u);
        EXPECT_EQ(messages.errors[0], "The report could not be saved as \"" + path + "\".\r" + reason);
        EXPECT_EQ(status.stages.back(), ReportStage::NotSaved);
        messages.errors.clear();
    }
};

}  // namespace

// symbolic links

TEST_F(TargetKindsTest, ALinkIsFollowedAndItsFileReplacedWithItsPermissions)
{
    const std::string report = PlainReport();
    WriteBytes(scratch.Path("real.txt"), Earlier);
    ASSERT_EQ(::chmod(scratch.Path("real.txt").c_str(), 0640), 0);
    ASSERT_EQ(::symlink("real.txt", scratch.Path("link.txt").c_str()), 0);
    ASSERT_EQ(::symlink("link.txt", scratch.Path("chain.txt").c_str()), 0);
    // From another folder: the new file is made beside the file it replaces.
    std::filesystem::create_directories(scratch.Path("links"));
    ASSERT_EQ(::symlink("../chain.txt", scratch.Path("links/r.txt").c_str()), 0);

    for (const char* name : {"link.txt", "chain.txt", "links/r.txt"}) {
        SCOPED_TRACE(name);
        WriteBytes(scratch.Path("real.txt"), Earlier);
        ASSERT_TRUE(WriteTo(scratch.Path(name))) << messages.errors.front();
        EXPECT_EQ(KindAt(scratch.Path("link.txt")), S_IFLNK);
        EXPECT_EQ(KindAt(scratch.Path("chain.txt")), S_IFLNK);
        EXPECT_EQ(KindAt(scratch.Path("links/r.txt")), S_IFLNK);
        EXPECT_EQ(ReadBytes(scratch.Path("real.txt")), report);
        struct stat st {};
        ASSERT_EQ(::stat(scratch.Path("real.txt").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
    }
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"chain.txt", "link.txt", "links", "real.txt"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path("links")), {}), 1);
}

TEST_F(TargetKindsTest, ADanglingLinkGetsItsFileMade)
{
    ASSERT_EQ(::symlink("made.txt", scratch.Path("dangling.txt").c_str()), 0);
    ASSERT_TRUE(WriteTo(scratch.Path("dangling.txt")));
    EXPECT_EQ(KindAt(scratch.Path("dangling.txt")), S_IFLNK);
    EXPECT_EQ(ReadBytes(scratch.Path("made.txt")), ReadBytes(scratch.Path("dangling.txt")));
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"dangling.txt", "made.txt"}));

    // Its folder is the one a missing folder's message names.
    ASSERT_EQ(::symlink("gone/made.txt", scratch.Path("astray.txt").c_str()), 0);
    EXPECT_FALSE(WriteTo(scratch.Path("astray.txt")));
    ExpectRefused(scratch.Path("astray.txt"), "The folder \"" + scratch.Path("gone") + "\" does not exist.");
}

TEST_F(TargetKindsTest, ALoopOfLinksIsRefused)
{
    ASSERT_EQ(::symlink("b.txt", scratch.Path("a.txt").c_str()), 0);
    ASSERT_EQ(::symlink("a.txt", scratch.Path("b.txt").c_str()), 0);
    EXPECT_FALSE(WriteTo(scratch.Path("a.txt")));
    ExpectRefused(scratch.Path("a.txt"), "Too many levels of symbolic links.");
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

// named pipes

// Larger than the pipe's buffer, so that the writer must wait for its reader.
TEST_F(TargetKindsTest, APipeWithAReaderGetsTheWholeReportAndStaysAPipe)
{
    net = MakeNetwork(std::vector<std::vector<double>>(3000, std::vector<double>(12, 0.5)),
                      std::vector<std::vector<double>>(3000, std::vector<double>(12, 1.0)));
    request.sections.fill(true);
    const std::string report = PlainReport();
    ASSERT_GT(report.size(), std::size_t{1} << 18);

    const std::string fifo = scratch.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    PipeReader reader(fifo);
    ASSERT_TRUE(reader.Opened());
    ASSERT_TRUE(WriteTo(fifo)) << messages.errors.front();
    EXPECT_TRUE(reader.Finish() == report);
    EXPECT_EQ(KindAt(fifo), S_IFIFO);
    EXPECT_EQ(status.stages.back(), ReportStage::Saved);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"fifo"});
}

// Waiting for a reader that may never come would hang the program.
TEST_F(TargetKindsTest, APipeNobodyReadsIsRefusedAtOnce)
{
    const std::string fifo = scratch.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(WriteTo(fifo));
    ExpectRefused(fifo, "No program is reading from the pipe.");
    EXPECT_EQ(KindAt(fifo), S_IFIFO);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"fifo"});
}

TEST_F(TargetKindsTest, AReadOnlyPipeIsRefusedAsItsOwner)
{
    const std::string fifo = scratch.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0444), 0);
    PipeReader reader(fifo);
    AsItsOwner files;
    EXPECT_FALSE(WriteTo(fifo, files));
    ExpectRefused(fifo, "Permission denied.");
    EXPECT_EQ(reader.Finish(), "");
    EXPECT_EQ(KindAt(fifo), S_IFIFO);
}

// A reader that goes away part-way is a failure to tell, not the end of the program.
TEST(ReportFiles, APipeWhoseReaderHasGoneAnswersEPIPE)
{
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    SystemReportFiles files;
    EXPECT_EQ(files.Write(ends[1], "report", 6), EPIPE);
    ::close(ends[1]);
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);  // nothing left to strike later
}

// devices

TEST_F(TargetKindsTest, ANullDeviceTakesTheReportAndStaysADevice)
{
    const std::string null = scratch.Path("null");
    const bool node = MakeDeviceLike(null, "/dev/null");
    ASSERT_TRUE(WriteTo(null)) << messages.errors.front();
    EXPECT_EQ(KindAt(null), node ? S_IFCHR : S_IFLNK);
    EXPECT_EQ(KindAt("/dev/null"), S_IFCHR);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"null"});
}

TEST_F(TargetKindsTest, AFullDeviceIsAFailureNeverASuccess)
{
    const std::string full = scratch.Path("full");
    const bool node = MakeDeviceLike(full, "/dev/full");
    EXPECT_FALSE(WriteTo(full));
    ExpectRefused(full, "The disk is full.");
    EXPECT_EQ(KindAt(full), node ? S_IFCHR : S_IFLNK);
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"full"});
}

// refused kinds

TEST_F(TargetKindsTest, ASocketAFolderAndADiskDeviceAreRefusedAndLeftAlone)
{
    BoundSocket socket(scratch.Path("socket"));
    ASSERT_TRUE(socket.bound);
    EXPECT_FALSE(WriteTo(scratch.Path("socket")));
    ExpectRefused(scratch.Path("socket"), "A socket of that name is in the way.");
    EXPECT_EQ(KindAt(scratch.Path("socket")), S_IFSOCK);

    std::filesystem::create_directory(scratch.Path("folder"));
    ASSERT_EQ(::symlink("folder", scratch.Path("to-folder").c_str()), 0);
    EXPECT_FALSE(WriteTo(scratch.Path("to-folder")));
    ExpectRefused(scratch.Path("to-folder"), "A folder of that name is in the way.");
    EXPECT_EQ(KindAt(scratch.Path("to-folder")), S_IFLNK);
    EXPECT_TRUE(std::filesystem::is_empty(scratch.Path("folder")));

    std::vector<std::string> names{"folder", "socket", "to-folder"};
    // Only root may make a disk device node; a loop device number no loop device uses.
    if (::mknod(scratch.Path("disk").c_str(), S_IFBLK | 0600, makedev(7, 250)) == 0) {
        EXPECT_FALSE(WriteTo(scratch.Path("disk")));
        ExpectRefused(scratch.Path("disk"), "A disk device of that name is in the way.");
        EXPECT_EQ(KindAt(scratch.Path("disk")), S_IFBLK);
        names.insert(names.begin(), "disk");
    }
    EXPECT_EQ(scratch.Names(), names);
}

// workbooks

TEST_F(TargetKindsTest, AWorkbookFollowsLinksAndGoesIntoPipesWhole)
{
    WriteBytes(scratch.Path("real.xlsx"), Earlier);
    ASSERT_EQ(::symlink("real.xlsx", scratch.Path("link.xlsx").c_str()), 0);
    SummaryResult linked = WorkbookTo(scratch.Path("link.xlsx"));
    ASSERT_TRUE(linked.ok) << linked.message;
    EXPECT_EQ(KindAt(scratch.Path("link.xlsx")), S_IFLNK);
    EXPECT_EQ(DumpWorkbook(scratch.Path("real.xlsx")).sheets.size(), 8u);

    const std::string fifo = scratch.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    PipeReader reader(fifo);
    SummaryResult piped = WorkbookTo(fifo);
    ASSERT_TRUE(piped.ok) << piped.message;
    WriteBytes(scratch.Path("from-pipe.xlsx"), reader.Finish());
    EXPECT_EQ(DumpWorkbook(scratch.Path("from-pipe.xlsx")).sheets, DumpWorkbook(scratch.Path("real.xlsx")).sheets);
    EXPECT_EQ(KindAt(fifo), S_IFIFO);
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"fifo", "from-pipe.xlsx", "link.xlsx", "real.xlsx"}));
}

TEST_F(TargetKindsTest, AWorkbookIntoAFullDeviceOrASocketFails)
{
    const std::string full = scratch.Path("full");
    MakeDeviceLike(full, "/dev/full");
    SummaryResult filled = WorkbookTo(full);
    EXPECT_FALSE(filled.ok);
    EXPECT_EQ(filled.message, "The workbook could not be saved as \"" + full + "\".\rThe disk is full.");

    BoundSocket socket(scratch.Path("socket"));
    ASSERT_TRUE(socket.bound);
    SummaryResult refused = WorkbookTo(scratch.Path("socket"));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message,
              "The workbook could not be saved as \"" + scratch.Path("socket") + "\".\rA socket of that name is in the way.");
    EXPECT_EQ(KindAt(scratch.Path("socket")), S_IFSOCK);
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"full", "socket"}));
}

}  // namespace vantorelle::testing
