// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Named pipes, device nodes and sockets for the tests of where a report may
// be written, and a reader that drains a pipe while a report goes into it.

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace vantorelle::testing {

// A device node at `path` for the same device as `device` (/dev/null,
// /dev/full), so that a faulty writer can only harm a copy. Root may make
// one; anyone else gets a symbolic link to the device, which the writer
// follows to the same place. Answers whether a node of its own was made.
inline bool MakeDeviceLike(const std::string& path, const std::string& device)
{
    struct stat st {};
    if (::stat(device.c_str(), &st) == 0 && ::mknod(path.c_str(), S_IFCHR | 0666, st.st_rdev) == 0)
        return true;
    (void)::symlink(device.c_str(), path.c_str());
    return false;
}

// The kind of what is at `path` itself, links not followed.
inline mode_t KindAt(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// A Unix-domain socket bound at a path while this lives.
class BoundSocket {
public:
    explicit BoundSocket(const std::string& path) : fd(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~BoundSocket()
    {
        if (fd >= 0)
            ::close(fd);
    }
    BoundSocket(const BoundSocket&) = delete;
    BoundSocket& operator=(const BoundSocket&) = delete;

    bool bound = false;

private:
    int fd;
};

// Reads a named pipe on a thread of its own, so that a writer larger than
// the pipe's buffer is not stuck. The read end is opened at once, before any
// writer comes: a writer that refuses a pipe nobody reads finds a reader.
class PipeReader {
public:
    explicit PipeReader(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))
    {
        if (fd < 0 || ::pipe(stop) != 0)
            return;
        reader = std::thread([this] { Read(); });
    }
    ~PipeReader() { Finish(); }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    bool Opened() const { return reader.joinable(); }

    // Once the writer is done: the bytes that came through the pipe.
    std::string Finish()
    {
        if (reader.joinable()) {
            (void)!::write(stop[1], "x", 1);
            reader.join();
            ::close(stop[0]);
            ::close(stop[1]);
        }
        if (fd >= 0)
            ::close(fd);
        fd = -1;
        return bytes;
    }

private:
    // Until the writer closes the pipe, or until told to stop: then whatever
    // is still in the pipe is taken too. A silence of two minutes means the
    // test has hung.
    void Read()
    {
        char buffer[1 << 14];
        for (;;) {
            pollfd ready[2] = {{fd, POLLIN, 0}, {stop[0], POLLIN, 0}};
            if (::poll(ready, 2, 120'000) <= 0)
                return;
            const bool stopping = ready[1].revents != 0;
            for (;;) {
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n > 0)
                    bytes.append(buffer, static_cast<std::size_t>(n));
                else if (n == 0)
                    return;  // the writer has closed its end
                else
                    break;  // nothing more for now
            }
            if (stopping)
                return;
        }
    }

    int fd;
    int stop[2] = {-1, -1};
    std::thread reader;
    std::string bytes;
};

}  // namespace vantorelle::testing
