// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few file operations a report needs, behind an interface so that tests
// can make any one of them fail (tests run as root, which ignores folder
// permissions, so a read-only folder proves nothing there).
//
// Every operation answers 0 on success, or the errno value of its failure or
// one of the WriteRefusal codes below.

#include <cstddef>
#include <string>

namespace vantorelle {

// Failures of our own, beside errno values (which are all positive): what
// stands at the target is not something a report may be written into.
enum WriteRefusal : int {
    NoReaderRefusal = -1,    // a named pipe that no program is reading from
    SocketRefusal = -2,      // a socket
    DiskDeviceRefusal = -3,  // a block device: a report would overwrite a disk
    OddFileRefusal = -4,     // any other kind of file that is not a plain one
};

class ReportFiles {
public:
    virtual ~ReportFiles() = default;
    // Creates a new empty file in the folder of `target` (so that a rename can
    // later replace the target without crossing file systems) and opens it for
    // writing. Fills `path` and `handle` on success. Refuses (EACCES) when
    // `target` is a file we may not write, as opening it in place would.
    virtual int CreateBeside(const std::string& target, std::string& path, int& handle) = 0;
    // Opens an existing named pipe or character device (a terminal,
    // /dev/null) for writing where it is: nothing is created or truncated.
    // Fails at once with NoReaderRefusal for a pipe nobody reads rather than
    // wait for a reader that may never come. Refuses (EACCES) what we may not
    // write, as CreateBeside does.
    virtual int OpenInPlace(const std::string& target, int& handle) = 0;
    // Writes all of the bytes. A pipe whose reader has gone answers EPIPE
    // instead of ending the program with SIGPIPE.
    virtual int Write(int handle, const char* data, std::size_t size) = 0;
    // Forces the bytes to the disk and closes the file; the handle is gone
    // afterwards even when this fails.
    virtual int Close(int handle) = 0;
    // Renames `from` over `to` in one step.
    virtual int Replace(const std::string& from, const std::string& to) = 0;
    // Removes a file; used to clean up after a failure, so it answers nothing.
    virtual void Remove(const std::string& path) = 0;
    // True when an ordinary file exists at `path`.
    virtual bool Exists(const std::string& path) = 0;
};

// The real operations (POSIX).
class SystemReportFiles : public ReportFiles {
public:
    int CreateBeside(const std::string& target, std::string& path, int& handle) override;
    int OpenInPlace(const std::string& target, int& handle) override;
    int Write(int handle, const char* data, std::size_t size) override;
    int Close(int handle) override;
    int Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    bool Exists(const std::string& path) override;

protected:
    // Whether this process may write the existing file, pipe or device at
    // `target`: 0, or the errno value why not. Tests running as root (who may write anything)
    // answer as an ordinary user would.
    virtual int MayWrite(const std::string& target);
};

// What a failed operation on the file at path means, as one sentence for the
// user ("The disk is full."), from the errno value or WriteRefusal code of
// the failure.
std::string FileErrorReason(const std::string& path, int error);

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path);

}  // namespace vantorelle
