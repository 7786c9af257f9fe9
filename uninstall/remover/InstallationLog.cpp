// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstallationLog.h"

#include <algorithm>

namespace remover {

namespace {

constexpr std::string_view FirstLine = "vantorelle-installation-log 1";

bool IsSha256(std::string_view text)
{
    return text.size() == 64
           && std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

}  // namespace

bool IsPathUnderInstallation(std::string_view path)
{
    if (path.empty() || path.front() == '/')
        return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}

LogReading ReadInstallationLog(std::istream& in)
{
    LogReading reading;
    std::string line;
    long number = 0;
    bool sawFirstLine = false;
    auto fail = [&](const std::string& why) {
        reading.problem = "line " + std::to_string(number) + ": " + why;
        return reading;
    };
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line.front() == '#')
            continue;
        if (!sawFirstLine) {
            if (line != FirstLine)
                return fail("not a Vantorelle installation log (or a newer one)");
            sawFirstLine = true;
            continue;
        }
        std::string path;
        if (line.rfind("file ", 0) == 0) {
            // "file" blank, digest, two blanks, path (which may hold blanks)
            const std::string_view rest = std::string_view(line).substr(5);
            if (rest.size() < 67 || !IsSha256(rest.substr(0, 64)) || rest.substr(64, 2) != "  ")
                return fail("a file line without a SHA-256 and a path");
            path = std::string(rest.substr(66));
            if (!IsPathUnderInstallation(path))
                return fail("the path \"" + path + "\" leads out of the installation");
            reading.log.files.push_back({std::string(rest.substr(0, 64)), path});
        } else if (line.rfind("folder ", 0) == 0) {
            path = line.substr(7);
            if (!IsPathUnderInstallation(path))
                return fail("the path \"" + path + "\" leads out of the installation");
            reading.log.folders.push_back(path);
        } else {
            return fail("neither a file nor a folder");
        }
    }
    if (!sawFirstLine) {
        reading.problem = "empty: no installation is listed";
        return reading;
    }
    reading.ok = true;
    return reading;
}

}  // namespace remover
