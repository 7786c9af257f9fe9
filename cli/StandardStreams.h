// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "-" in place of a file name, as in other command-line tools: the training
// file read from standard input, the report written to standard output.

#include <string>

#include "ReportFiles.h"
#include "TrainingFile.h"

namespace vantorelle::cli {

// The name that stands for standard input or standard output.
inline const std::string StandardStreamName = "-";

inline bool IsStandardStream(const std::string& path) { return path == StandardStreamName; }

// Reads a training file from `path`, or from standard input for "-" (a pipe
// as well as a redirected file).
ReadResult ReadNamedTrainingFile(NetworkState& net, const std::string& path, FileRole role = FileRole::Training);

// The report's file operations aimed at standard output, whatever it is: the
// bytes go into it where it stands, with nothing created beside it or renamed
// over it (a redirected file keeps its name and whatever came before).
class StandardOutputFiles : public SystemReportFiles {
public:
    int CreateBeside(const std::string& target, std::string& path, int& handle) override;
    int OpenInPlace(const std::string& target, int& handle) override;
    int Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    bool Exists(const std::string& path) override;
};

}  // namespace vantorelle::cli
