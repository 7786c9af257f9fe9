// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a file found on disk is one this program may start: nobody but us
// and root may have put it there or be able to change it before it runs.
// - the file is a regular file owned by us or root that only its owner may
//   write (group or world write refused; an ACL granting anyone else write
//   shows as group write, so it is refused too);
// - every folder on the way to it, symbolic links resolved one step at a time,
//   is owned by us or root, and no one else may write it; a folder others may
//   write is passed only if it is sticky (like /tmp) and the entry in it is
//   ours or root's, since then no one else can rename or replace that entry;
// - the folder that holds the file itself (or the last link to it) may not be
//   writable by others at all, sticky or not.
// No Qt here, like the tree search it checks the results of.

#include <string>
#include <sys/types.h>

namespace uninstaller {

enum class RunRisk {
    None,            // may be started
    Unexaminable,    // missing, unreadable on the way, or links in a loop
    NotAFile,        // a folder, device, pipe ...
    FileOwner,       // the file belongs to another user
    FileWritable,    // others than its owner may write the file
    FolderOwner,     // a folder on the way belongs to another user
    FolderWritable,  // others may write a folder on the way
};

struct PathRisk {
    RunRisk risk = RunRisk::None;
    std::string where;  // the file or folder the risk is about
};

// Checks the absolute path as it would be opened to start it; self is the
// user the program runs as (its effective user).
PathRisk CheckRunnable(const std::string& path, uid_t self);

}  // namespace uninstaller
