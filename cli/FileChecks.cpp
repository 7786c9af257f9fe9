// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileChecks.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "ReportFiles.h"
#include "TargetWriter.h"

namespace vantorelle::cli {

namespace {

// A reason of the writer's ("A socket of that name is in the way.") as the
// end of a refusal line.
std::string AsClause(std::string reason)
{
    if (!reason.empty() && reason.back() == '.')
        reason.pop_back();
    if (!reason.empty())
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

}  // namespace

std::string UnreadableFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return "does not exist";
    if (error)
        return "cannot be reached: " + error.message();
    if (fs::is_directory(status))
        return "is a folder";
    if (access(path.c_str(), R_OK) != 0)
        return "cannot be read: " + std::error_code(errno, std::generic_category()).message();
    return {};
}

std::string UnwritableReport(const std::string& path)
{
    namespace fs = std::filesystem;
    ReportTarget target;
    if (const int error = FindTarget(path, target))
        return AsClause(FileErrorReason(path, error));
    if (target.kind == TargetKind::Folder)
        return "is a folder";
    if (const int refusal = RefusalFor(target.kind))
        return AsClause(FileErrorReason(path, refusal));
    if (target.kind == TargetKind::Pipe || target.kind == TargetKind::CharacterDevice)
        return access(path.c_str(), W_OK) == 0 ? std::string() : "cannot be written to";
    // A new file goes beside the one the links lead to.
    const std::string folder = FolderOf(target.path);
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return "the folder \"" + folder + "\" does not exist";
    if (!error && !fs::is_directory(status))
        return "\"" + folder + "\" is not a folder";
    if (!error && access(folder.c_str(), W_OK | X_OK) != 0)
        return "the folder \"" + folder + "\" cannot be written to";
    return {};
}

}  // namespace vantorelle::cli
