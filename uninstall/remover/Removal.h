// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removes what an installation log lists, and only that: a file goes when it
// is still a regular file with the contents the installation wrote; a folder
// goes when it is empty. No link is ever followed, on the way to a file or at
// its end. Everything else stays, with the reason.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "InstallationLog.h"

namespace remover {

struct LeftInPlace {
    std::string path;
    std::string why;
};

struct RemovalOutcome {
    std::vector<std::string> removed;      // files and folders, as the log names them
    std::vector<std::string> alreadyGone;  // listed, but no longer there
    std::vector<LeftInPlace> left;
    // The log itself goes only when nothing it lists is left, so that a second
    // try after the user has looked at what stayed can still find it.
    bool AllGone() const { return left.empty(); }
};

// The SHA-256 of an open file's contents in lower-case hex, or nothing when
// it cannot be read.
using DigestOfFile = std::function<std::optional<std::string>(int fd)>;

// installationFd: the installation's folder, opened with O_DIRECTORY.
RemovalOutcome RemoveInstallation(int installationFd, const InstallationLog& log, const DigestOfFile& digestOf);

}  // namespace remover
