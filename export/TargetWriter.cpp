// SPDX-License-Identifier: GPL-3.0-or-later
#include "TargetWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>

namespace vantorelle {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

TargetKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return TargetKind::PlainFile;
    if (S_ISDIR(mode))
        return TargetKind::Folder;
    if (S_ISFIFO(mode))
        return TargetKind::Pipe;
    if (S_ISCHR(mode))
        return TargetKind::CharacterDevice;
    if (S_ISSOCK(mode))
        return TargetKind::Socket;
    if (S_ISBLK(mode))
        return TargetKind::DiskDevice;
    return TargetKind::Other;
}

// Follows the symbolic links that `path` ends in, one at a time, to the name
// they finally lead to, which need not exist (a dangling link names the file
// to create). A relative link is read from the folder the link is in.
int FollowLinks(const std::string& path, std::string& end)
{
    end = path;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(end.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (links == MaxLinks)
            return ELOOP;
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(end.c_str(), buffer, sizeof buffer);
        if (length < 0)
            return errno;
        if (static_cast<std::size_t>(length) == sizeof buffer)
            return ENAMETOOLONG;
        const std::string link(buffer, static_cast<std::size_t>(length));
        const auto slash = end.find_last_of('/');
        end = link.front() == '/' || slash == std::string::npos ? link : end.substr(0, slash + 1) + link;
    }
}

}  // namespace

int FindTarget(const std::string& target, ReportTarget& found)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        found.kind = KindOf(st.st_mode);
    } else if (errno == ENOENT) {
        found.kind = TargetKind::Missing;
    } else {
        return errno;
    }
    if (found.kind != TargetKind::PlainFile && found.kind != TargetKind::Missing) {
        found.path = target;
        return 0;
    }
    return FollowLinks(target, found.path);
}

int RefusalFor(TargetKind kind)
{
    switch (kind) {
    case TargetKind::Missing:
    case TargetKind::PlainFile:
    case TargetKind::Pipe:
    case TargetKind::CharacterDevice: return 0;
    case TargetKind::Folder: return EISDIR;
    case TargetKind::Socket: return SocketRefusal;
    case TargetKind::DiskDevice: return DiskDeviceRefusal;
    case TargetKind::Other: break;
    }
    return OddFileRefusal;
}

int TargetWriter::Open()
{
    if (const int error = FindTarget(target, place))
        return error;
    if (const int refusal = RefusalFor(place.kind))
        return refusal;
    if (place.kind == TargetKind::Pipe || place.kind == TargetKind::CharacterDevice)
        return files.OpenInPlace(place.path, handle);
    return files.CreateBeside(place.path, temporary, handle);
}

int TargetWriter::CopyFrom(const std::string& path)
{
    const int source = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return errno;
    constexpr std::size_t BufferSize = 1 << 16;
    const auto buffer = std::make_unique<char[]>(BufferSize);
    int error = 0;
    while (error == 0) {
        const ssize_t n = ::read(source, buffer.get(), BufferSize);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        else if (n == 0)
            break;
        else
            error = files.Write(handle, buffer.get(), static_cast<std::size_t>(n));
    }
    ::close(source);
    return error;
}

int TargetWriter::Finish()
{
    int error = files.Close(handle);
    handle = -1;
    if (error == 0 && !temporary.empty())
        error = files.Replace(temporary, place.path);
    if (error == 0)
        temporary.clear();
    Abandon();
    return error;
}

void TargetWriter::Abandon()
{
    if (handle >= 0)
        (void)files.Close(handle);
    handle = -1;
    if (!temporary.empty())
        files.Remove(temporary);
    temporary.clear();
}

}  // namespace vantorelle
