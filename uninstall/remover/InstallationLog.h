// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installation log `make install` writes beside uninstall-vantorelle:
// the files it installed, each with the SHA-256 of its contents, and the
// folders that belong to the installation alone. Paths are relative to the
// installation's folder (the parent of the log's own folder).

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace remover {

struct InstalledFile {
    std::string sha256;  // 64 lower-case hex digits
    std::string path;    // e.g. "share/vantorelle/examples/and.net"
};

struct InstallationLog {
    std::vector<InstalledFile> files;
    std::vector<std::string> folders;
};

struct LogReading {
    bool ok = false;
    InstallationLog log;
    std::string problem;  // "line 7: ..." when not ok
};

LogReading ReadInstallationLog(std::istream& in);

// A path that stays under the installation's folder: relative, and no
// component empty, "." or "..".
bool IsPathUnderInstallation(std::string_view path);

}  // namespace remover
