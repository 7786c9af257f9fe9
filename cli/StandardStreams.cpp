// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace vantorelle::cli {

ReadResult ReadNamedTrainingFile(NetworkState& net, const std::string& path, FileRole role)
{
    // A pipe has no length to check the header against beforehand.
    constexpr auto UnknownSize = static_cast<std::uintmax_t>(-1);
    if (IsStandardStream(path))
        return ReadTrainingFile(net, std::cin, path, UnknownSize, role);
    // Opened here so that messages name the file as it was typed
    // ("sub/short.net"), which in a script says which of several it was.
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error))
        file.open(path, std::ios::binary);
    if (!file.is_open())
        return ReadTrainingFile(net, path, role);  // the reader says why, as on the pages
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return ReadTrainingFile(net, file, path, error ? UnknownSize : size, role);
}

namespace {

// A handle of standard output's own, so that closing it leaves standard output open.
int DuplicateStandardOutput(int& handle)
{
    handle = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    return handle < 0 ? errno : 0;
}

}  // namespace

int StandardOutputFiles::CreateBeside(const std::string& target, std::string& path, int& handle)
{
    path = target;
    return DuplicateStandardOutput(handle);
}

int StandardOutputFiles::OpenInPlace(const std::string&, int& handle) { return DuplicateStandardOutput(handle); }

int StandardOutputFiles::Replace(const std::string&, const std::string&) { return 0; }

void StandardOutputFiles::Remove(const std::string&) {}

bool StandardOutputFiles::Exists(const std::string&) { return true; }

}  // namespace vantorelle::cli
