// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFiles.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace vantorelle {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string FileErrorReason(const std::string& path, int error)
{
    switch (error) {
    case ENOENT: return "The folder \"" + FolderOf(path) + "\" does not exist.";
    case ENOTDIR: return "Part of the path is not a folder.";
    case EACCES:
    case EPERM: return "Permission denied.";
    case ENOSPC:
    case EDQUOT: return "The disk is full.";
    case EROFS: return "The disk is read-only.";
    case EISDIR: return "A folder of that name is in the way.";
    case ENAMETOOLONG: return "The name is too long.";
    case EPIPE: return "The program reading from the pipe stopped reading.";
    case NoReaderRefusal: return "No program is reading from the pipe.";
    case SocketRefusal: return "A socket of that name is in the way.";
    case DiskDeviceRefusal: return "A disk device of that name is in the way.";
    case OddFileRefusal: return "Something of that name that is not a file is in the way.";
    default: break;
    }
    std::string text = std::strerror(error);
    return text + ".";
}

int SystemReportFiles::CreateBeside(const std::string& target, std::string& path, int& handle)
{
    const auto slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    // A hidden name that no file manager lists as a report; cut long names so
    // the temporary name stays within the file system's limit.
    const std::string base = (slash == std::string::npos ? target : target.substr(slash + 1)).substr(0, 200);

    // Keep the permissions of a file being replaced; a new file gets the
    // usual ones (0666 less the umask).
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // Writing the file in place would be refused for a read-only file; a
    // rename would not be, so ask first rather than replace a protected file.
    if (replacing)
        if (const int error = MayWrite(target))
            return error;

    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            folder + "." + base + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        if (replacing)
            (void)::fchmod(fd, old.st_mode & 07777);
        path = candidate;
        handle = fd;
        return 0;
    }
    return EEXIST;
}

int SystemReportFiles::OpenInPlace(const std::string& target, int& handle)
{
    if (const int error = MayWrite(target))
        return error;
    // Opening a pipe for writing waits until some program opens it for
    // reading; without O_NONBLOCK a pipe nobody reads would hang the program.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat st {};
        if (error == ENXIO && ::stat(target.c_str(), &st) == 0 && S_ISFIFO(st.st_mode))
            return NoReaderRefusal;
        return error;
    }
    // Something else may have taken the name since the caller looked: only a
    // pipe or a device is written in place, never a file we would truncate.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))) {
        ::close(fd);
        return EAGAIN;
    }
    // Once open, writes wait for a slow reader as they would for any pipe.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    handle = fd;
    return 0;
}

int SystemReportFiles::MayWrite(const std::string& target)
{
    return ::access(target.c_str(), W_OK) == 0 ? 0 : errno;
}

namespace {

// Holds back SIGPIPE on this thread while it lives, so that a write to a pipe
// whose reader has gone fails with EPIPE instead of ending the program (the
// desktop program writes the report from its own thread). A SIGPIPE raised
// meanwhile is taken out of the way; one already pending stays pending.
class PipeSignalHeld {
public:
    PipeSignalHeld()
    {
        sigemptyset(&pipeOnly);
        sigaddset(&pipeOnly, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeOnly, &previous);
    }
    ~PipeSignalHeld()
    {
        if (raised && !alreadyPending) {
            const timespec noWait{};
            while (sigtimedwait(&pipeOnly, nullptr, &noWait) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

    bool raised = false;  // set when a write failed with EPIPE

private:
    sigset_t pipeOnly;
    sigset_t previous;
    bool alreadyPending = false;
};

}  // namespace

int SystemReportFiles::Write(int handle, const char* data, std::size_t size)
{
    PipeSignalHeld held;
    while (size > 0) {
        const ssize_t n = ::write(handle, data, size);
        if (n < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            held.raised = error == EPIPE;
            return error;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int SystemReportFiles::Close(int handle)
{
    // Some file systems (network ones, or a full disk with delayed allocation)
    // only report a failed write here.
    int error = 0;
    if (::fsync(handle) != 0 && errno != EINVAL && errno != EROFS)
        error = errno;
    if (::close(handle) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error;
}

int SystemReportFiles::Replace(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void SystemReportFiles::Remove(const std::string& path) { (void)::unlink(path.c_str()); }

bool SystemReportFiles::Exists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace vantorelle
