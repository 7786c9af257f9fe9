// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recorders, a scratch folder, failing file operations and a report fixture
// for the tests of reports and workbooks.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "NetworkBuilders.h"
#include "ReportFiles.h"
#include "ResultsReport.h"
#include "SpreadsheetSummary.h"

namespace vantorelle::testing {

struct RecordingStatus : ReportObserver {
    std::vector<ReportStage> stages;
    void StageReached(ReportStage stage) override { stages.push_back(stage); }
};

// A workbook summary's progress as its bar and feedback line would show it.
struct RecordingProgress : SummaryObserver {
    std::vector<std::string> feedback;
    int maximum = -1;
    int advances = 0;
    bool visible = false;
    void Feedback(const std::string& text) override { feedback.push_back(text); }
    void StepsPlanned(int max) override
    {
        maximum = max;
        advances = 0;
        visible = true;
    }
    void StepDone() override { ++advances; }
    void StepsEnded() override { visible = false; }
};

struct RecordingMessages : Messages {
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
    void Warning(std::string_view title, std::string_view text) override
    {
        warnings.push_back(std::string(title) + "|" + std::string(text));
    }
    void Error(std::string_view text) override { errors.emplace_back(text); }
};

// The real operations, with any one of them made to fail on demand.
// Root may write any file, and tests run as root: the permission check
// answers from the file's mode as it would for its owner.
class AsItsOwner : public SystemReportFiles {
protected:
    int MayWrite(const std::string& target) override
    {
        struct stat st {};
        if (::stat(target.c_str(), &st) != 0)
            return errno;
        return (st.st_mode & S_IWUSR) ? 0 : EACCES;
    }
};

class FaultyFiles : public SystemReportFiles {
public:
    int createError = 0;
    int writeError = 0;
    int writesBeforeFailure = 0;  // successful Write calls before writeError strikes
    int closeError = 0;
    int replaceError = 0;
    int writes = 0;
    std::vector<std::string> created;

    int CreateBeside(const std::string& target, std::string& path, int& handle) override
    {
        if (createError)
            return createError;
        const int error = SystemReportFiles::CreateBeside(target, path, handle);
        if (error == 0)
            created.push_back(path);
        return error;
    }
    int Write(int handle, const char* data, std::size_t size) override
    {
        if (writeError && writes++ >= writesBeforeFailure) {
            // As a full disk does: part of the data lands, then the error.
            SystemReportFiles::Write(handle, data, size / 2);
            return writeError;
        }
        return SystemReportFiles::Write(handle, data, size);
    }
    int Close(int handle) override
    {
        const int error = SystemReportFiles::Close(handle);
        return closeError ? closeError : error;
    }
    int Replace(const std::string& from, const std::string& to) override
    {
        return replaceError ? replaceError : SystemReportFiles::Replace(from, to);
    }
};

// A fresh empty folder for each test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("vantorelle-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                  std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~ScratchFolder() { std::filesystem::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    // Every name in the folder, to prove nothing was left behind.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path folder;
};

// A report of the AND network into a scratch folder, with the sections
// written by default and a fixed moment, its stages and messages recorded.
class AndReportTest : public ::testing::Test {
protected:
    AndReportTest() : net(MakeAnd())
    {
        net.TrainingFileName = "and.net";
        request = {scratch.Path("run1.txt"), DefaultReportSections, "3/7/25", "4:05:06 PM", {}};
    }

    bool WriteReport(ReportFiles& files) { return WriteResultsReport(net, request, status, messages, files); }

    ScratchFolder scratch;
    NetworkState net;
    ReportRequest request;
    RecordingStatus status;
    RecordingMessages messages;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The date and time change from run to run; everything else must not.
inline std::string MaskDateAndTime(std::string report)
{
    for (const std::string label : {"Date Of Analysis: ", "Time Of Analysis: "}) {
        const auto start = report.find(label);
        if (start == std::string::npos)
            continue;
        const auto from = start + label.size();
        report.replace(from, report.find('\r', from) - from, label[0] == 'D' ? "DATE" : "TIME");
    }
    return report;
}

}  // namespace vantorelle::testing
