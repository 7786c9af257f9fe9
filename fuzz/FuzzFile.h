// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader takes a path, not bytes: each fuzz input is written to an
// in-memory file that the reader opens by its /proc path, so no disk is
// touched and a run leaves nothing behind.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vantorelle::fuzz {

class MemoryFile {
public:
    MemoryFile()
    {
        fd = memfd_create("fuzz.net", 0);
        if (fd < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    ~MemoryFile() { close(fd); }

    // Replaces the file's whole contents with the input.
    const std::string& Hold(const uint8_t* data, size_t size)
    {
        if (ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) != 0) {
            std::perror("memfd reset");
            std::abort();
        }
        size_t written = 0;
        while (written < size) {
            const ssize_t n = write(fd, data + written, size - written);
            if (n <= 0) {
                std::perror("memfd write");
                std::abort();
            }
            written += static_cast<size_t>(n);
        }
        return path;
    }

private:
    int fd = -1;
    std::string path;
};

// A broken promise of the reader: stop the run so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                     \
    do {                                                                          \
        if (!(condition)) {                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                             \
            std::abort();                                                         \
        }                                                                         \
    } while (0)

}  // namespace vantorelle::fuzz
