#include "StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <iostream>

namespace vantorelle::cli {

ReadResult ReadNamedTrainingFile(NetworkState& net, const std::string& path, FileRole role)
{
    if (!IsStandardStream(path))
        return ReadTrainingFile(net, path, role);
    // A pipe has no length to check the header against beforehand.
    return ReadTrainingFile(net, std::cin, path, static_cast<std::uintmax_t>(-1), role);
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
