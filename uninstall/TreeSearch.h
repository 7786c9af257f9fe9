// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The directory-tree search for one file name, written for a whole disk:
// - symbolic links to folders are never followed, and a folder reached twice
//   (a bind mount of its own parent) is searched once, so loops end;
// - folders that cannot be opened are skipped, as are the kernel's virtual
//   file systems (/proc, /sys, /dev, /run and anything mounted as proc, sysfs,
//   cgroup, debugfs, ...), whose trees are endless or change under the search;
// - the order is fixed: a folder's own entries are checked before any of its
//   subfolders, and subfolders are searched depth first in byte order of their
//   names, so "the first match" is the same on every run.
// No Qt here: the search runs on a worker thread.

#include <atomic>
#include <dirent.h>
#include <functional>
#include <optional>
#include <string>

namespace uninstaller {

class TreeSearch {
public:
    // Opens a folder for listing, like opendir(); nullptr with errno set when
    // it cannot. Tests pass their own to make a folder fail to open.
    using FolderOpener = std::function<DIR*(const std::string& path)>;

    TreeSearch();
    explicit TreeSearch(FolderOpener opener);

    // The full path of the first regular file (or link to one) named name under
    // root; nothing when there is none or stop was set.
    std::optional<std::string> find(const std::string& root, const std::string& name,
                                    const std::atomic<bool>& stop) const;

    // Opens path without following a symbolic link at its last step.
    static DIR* openFolder(const std::string& path);

private:
    FolderOpener opener;
};

}  // namespace uninstaller
