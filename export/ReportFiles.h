#pragma once
// The few file operations a report needs, behind an interface so that tests
// can make any one of them fail (tests run as root, which ignores folder
// permissions, so a read-only folder proves nothing there).
//
// Every operation answers 0 on success or the errno value of its failure.

#include <cstddef>
#include <string>

namespace vantorelle {

class ReportFiles {
public:
    virtual ~ReportFiles() = default;
    // Creates a new empty file in the folder of `target` (so that a rename can
    // later replace the target without crossing file systems) and opens it for
    // writing. Fills `path` and `handle` on success. Refuses (EACCES) when
    // `target` is a file we may not write, as opening it in place would.
    virtual int CreateBeside(const std::string& target, std::string& path, int& handle) = 0;
    // Writes all of the bytes.
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
    int Write(int handle, const char* data, std::size_t size) override;
    int Close(int handle) override;
    int Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    bool Exists(const std::string& path) override;

protected:
    // Whether this process may write the existing file at `target`: 0, or the
    // errno value why not. Tests running as root (who may write anything)
    // answer as an ordinary user would.
    virtual int MayWrite(const std::string& target);
};

// What a failed operation on the file at path means, as one sentence for the
// user ("The disk is full."), from the errno value of the failure.
std::string FileErrorReason(const std::string& path, int error);

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path);

}  // namespace vantorelle
