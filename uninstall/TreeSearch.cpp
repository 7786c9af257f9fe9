// SPDX-License-Identifier: GPL-3.0-or-later
#include "TreeSearch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace uninstaller {

namespace {

// Magic numbers of file systems that <linux/magic.h> may not have.
constexpr long ConfigFsMagic = 0x62656570;
constexpr long FuseCtlMagic = 0x65735543;
constexpr long MqueueMagic = 0x19800202;

// The kernel's own file systems: endless (/proc/self/root), changing under the
// search, or slow to list, and never the home of an installed program.
bool IsVirtualFileSystem(long type)
{
    switch (type) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case PSTOREFS_MAGIC:
    case BPF_FS_MAGIC:
    case BINFMTFS_MAGIC:
    case HUGETLBFS_MAGIC:
    case AUTOFS_SUPER_MAGIC:  // listing an automount point may mount a network share
    case EFIVARFS_MAGIC:
    case NSFS_MAGIC:
    case ConfigFsMagic:
    case FuseCtlMagic:
    case MqueueMagic:
        return true;
    default:
        return false;
    }
}

// The mount points of the kernel's trees, skipped by name as well: /dev and
// /run are plain tmpfs to statfs, which a real disk may be too.
bool IsKernelFolder(const std::string& path)
{
    return path == "/proc" || path == "/sys" || path == "/dev" || path == "/run";
}

std::string Join(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

struct Pending {
    std::string path;
    dev_t parentDevice;
    bool isRoot;
};

struct CloseFolder {
    void operator()(DIR* dir) const { closedir(dir); }
};

// Whether the entry is a regular file, or a symbolic link to one.
bool IsFile(int folder, const dirent* entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return fstatat(folder, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

// Whether the entry is a folder itself (a link to a folder is not).
bool IsFolder(int folder, const dirent* entry)
{
    if (entry->d_type != DT_UNKNOWN)
        return entry->d_type == DT_DIR;
    struct stat info {};
    return fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

TreeSearch::TreeSearch() : opener(&TreeSearch::openFolder) {}

TreeSearch::TreeSearch(FolderOpener opener) : opener(std::move(opener)) {}

DIR* TreeSearch::openFolder(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return dir;
}

std::optional<std::string> TreeSearch::find(const std::string& root, const std::string& name,
                                            const std::atomic<bool>& stop) const
{
    std::vector<Pending> pending{{root, 0, true}};
    std::set<std::pair<dev_t, ino_t>> searched;
    std::vector<std::string> subfolders;

    while (!pending.empty()) {
        if (stop.load(std::memory_order_relaxed))
            return std::nullopt;
        const Pending folder = std::move(pending.back());
        pending.pop_back();

        std::unique_ptr<DIR, CloseFolder> dir(opener(folder.path));
        if (!dir)
            continue;  // unreadable, gone, or a link put in its place since it was listed
        const int fd = dirfd(dir.get());
        struct stat info {};
        if (fstat(fd, &info) != 0 || !searched.insert({info.st_dev, info.st_ino}).second)
            continue;
        if (folder.isRoot || info.st_dev != folder.parentDevice) {
            struct statfs system {};
            if (fstatfs(fd, &system) == 0 && IsVirtualFileSystem(static_cast<long>(system.f_type)))
                continue;
        }

        subfolders.clear();
        std::size_t seen = 0;
        while (const dirent* entry = readdir(dir.get())) {
            if (++seen % 4096 == 0 && stop.load(std::memory_order_relaxed))
                return std::nullopt;
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
                continue;
            if (name == entry->d_name && IsFile(fd, entry))
                return Join(folder.path, name);
            if (IsFolder(fd, entry))
                subfolders.emplace_back(entry->d_name);
        }

        // Pushed last to first, so they are searched first to last.
        std::sort(subfolders.begin(), subfolders.end(), std::greater<>());
        for (const std::string& sub : subfolders) {
            std::string path = Join(folder.path, sub);
            if (!IsKernelFolder(path))
                pending.push_back({std::move(path), info.st_dev, false});
        }
    }
    return std::nullopt;
}

}  // namespace uninstaller
