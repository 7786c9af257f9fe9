// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a report or workbook reaches the file the user named without ever
// replacing what it should not. A plain file (or none yet) is replaced the
// safe way: a new file beside it, renamed over it once every byte is on the
// disk. A symbolic link is followed, through a chain of them too, and the
// file it leads to is replaced so; the link stays. A named pipe or a
// character device (a terminal, /dev/stdout, /dev/null) is written where it
// is, since a rename would put a plain file in its place. Anything else, a
// folder, a socket or a disk device, is refused before a byte is written.

#include <string>

#include "ReportFiles.h"

namespace vantorelle {

// What stands at a target once its symbolic links are followed.
enum class TargetKind { Missing, PlainFile, Folder, Pipe, CharacterDevice, Socket, DiskDevice, Other };

struct ReportTarget {
    // Where the links lead: the file to replace, or the name to create. For
    // a pipe or a device, the target as given (the system follows the links
    // of /dev/stdout, which lead to no name in a folder).
    std::string path;
    TargetKind kind = TargetKind::Missing;
};

// Looks at `target` without writing anything; 0 or the errno value why it
// cannot be reached (a loop of links, a part of the path that is no folder).
int FindTarget(const std::string& target, ReportTarget& found);

// 0 when a report may be written into that kind of target, otherwise the
// failure (EISDIR for a folder, a WriteRefusal code for the rest).
int RefusalFor(TargetKind kind);

// One write of a report or workbook, through the file operations `files`.
class TargetWriter {
public:
    TargetWriter(ReportFiles& files, std::string target) : files(files), target(std::move(target)) {}
    // A write not finished is abandoned: the new file beside the target goes.
    ~TargetWriter() { Abandon(); }
    TargetWriter(const TargetWriter&) = delete;
    TargetWriter& operator=(const TargetWriter&) = delete;

    // Finds where the bytes go and opens it: 0 or the failure.
    int Open();
    // Where the bytes go, for Write; valid after a successful Open.
    int Handle() const { return handle; }
    // The new file beside the target, which a library may open by name; empty
    // when writing in place into a pipe or device.
    const std::string& Temporary() const { return temporary; }
    // Where the target's links lead (the target itself before Open).
    const std::string& Place() const { return place.path.empty() ? target : place.path; }
    // Copies the bytes of the file at `path` to the target.
    int CopyFrom(const std::string& path);
    // Closes, then renames the new file over the target when there is one:
    // 0 or the failure. After a failure the new file is gone and an earlier
    // file is as it was.
    int Finish();
    // Gives up: closes and removes the new file.
    void Abandon();

private:
    ReportFiles& files;
    std::string target;
    ReportTarget place;
    std::string temporary;
    int handle = -1;
};

}  // namespace vantorelle
