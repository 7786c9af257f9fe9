// SPDX-License-Identifier: GPL-3.0-or-later
#include "Removal.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace remover {

namespace {

// Owns one descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd(other.fd) { other.fd = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(fd, other.fd);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            close(fd);
    }
    int get() const { return fd; }

private:
    int fd;
};

struct Place {
    Descriptor folder;  // the folder that holds the last component
    std::string name;   // the last component
    int error = 0;      // errno of the first component that could not be opened
};

// Walks to the folder holding `path`'s last component, one component at a
// time, refusing links: a folder of ours replaced by a link to elsewhere
// must not lead the removal there.
Place WalkTo(int installationFd, const std::string& path)
{
    Place place;
    place.folder = Descriptor(fcntl(installationFd, F_DUPFD_CLOEXEC, 0));
    std::size_t start = 0;
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', start)) {
        const std::string part = path.substr(start, slash - start);
        const int next = openat(place.folder.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            place.error = errno;
            return place;
        }
        place.folder = Descriptor(next);
        start = slash + 1;
    }
    place.name = path.substr(start);
    return place;
}

std::string WhyFolderUnreachable(int error)
{
    if (error == ENOENT)
        return "";  // the folder went, and the file with it
    if (error == ELOOP || error == ENOTDIR)
        return "a folder on its way is now a link or a file";
    return std::string("a folder on its way cannot be opened (errno ") + std::to_string(error) + ")";
}

void RemoveFile(int installationFd, const InstalledFile& file, const DigestOfFile& digestOf, RemovalOutcome& outcome)
{
    Place place = WalkTo(installationFd, file.path);
    if (place.error != 0) {
        const std::string why = WhyFolderUnreachable(place.error);
        if (why.empty())
            outcome.alreadyGone.push_back(file.path);
        else
            outcome.left.push_back({file.path, why});
        return;
    }
    struct stat before {};
    if (fstatat(place.folder.get(), place.name.c_str(), &before, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            outcome.alreadyGone.push_back(file.path);
        else
            outcome.left.push_back({file.path, "cannot be examined"});
        return;
    }
    if (!S_ISREG(before.st_mode)) {
        outcome.left.push_back({file.path, S_ISLNK(before.st_mode) ? "now a link" : "no longer a regular file"});
        return;
    }
    const Descriptor opened(
        openat(place.folder.get(), place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat now {};
    if (opened.get() < 0 || fstat(opened.get(), &now) != 0 || now.st_dev != before.st_dev
        || now.st_ino != before.st_ino) {
        outcome.left.push_back({file.path, "changed while it was examined"});
        return;
    }
    const std::optional<std::string> digest = digestOf(opened.get());
    if (!digest) {
        outcome.left.push_back({file.path, "cannot be read"});
        return;
    }
    if (*digest != file.sha256) {
        outcome.left.push_back({file.path, "changed since it was installed"});
        return;
    }
    if (unlinkat(place.folder.get(), place.name.c_str(), 0) != 0) {
        outcome.left.push_back({file.path, errno == EACCES || errno == EPERM ? "no permission to remove it"
                                                                             : "could not be removed"});
        return;
    }
    outcome.removed.push_back(file.path);
}

void RemoveFolder(int installationFd, const std::string& folder, RemovalOutcome& outcome)
{
    Place place = WalkTo(installationFd, folder);
    if (place.error != 0) {
        const std::string why = WhyFolderUnreachable(place.error);
        if (why.empty())
            outcome.alreadyGone.push_back(folder);
        else
            outcome.left.push_back({folder, why});
        return;
    }
    struct stat status {};
    if (fstatat(place.folder.get(), place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        outcome.alreadyGone.push_back(folder);
        return;
    }
    if (!S_ISDIR(status.st_mode)) {
        outcome.left.push_back({folder, "no longer a folder"});
        return;
    }
    if (unlinkat(place.folder.get(), place.name.c_str(), AT_REMOVEDIR) != 0) {
        outcome.left.push_back({folder, errno == ENOTEMPTY || errno == EEXIST
                                            ? "holds files this installation did not write"
                                            : "could not be removed"});
        return;
    }
    outcome.removed.push_back(folder);
}

}  // namespace

RemovalOutcome RemoveInstallation(int installationFd, const InstallationLog& log, const DigestOfFile& digestOf)
{
    RemovalOutcome outcome;
    for (const InstalledFile& file : log.files)
        RemoveFile(installationFd, file, digestOf, outcome);
    // Deepest folders first, so a parent is empty by the time its turn comes.
    std::vector<std::string> folders = log.folders;
    std::stable_sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
        return std::count(a.begin(), a.end(), '/') > std::count(b.begin(), b.end(), '/');
    });
    for (const std::string& folder : folders)
        RemoveFolder(installationFd, folder, outcome);
    return outcome;
}

}  // namespace remover
