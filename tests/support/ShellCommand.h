// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a command line through the shell and collects what it printed, for
// the tests of the real programs.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace vantorelle::testing {

struct ShellOutcome {
    int code;            // the exit status
    std::string output;  // stdout and stderr together
};

// The whole line's errors are collected, not only its last command's.
inline ShellOutcome RunThroughShell(const std::string& commandLine)
{
    const std::string command = "{ " + commandLine + "\n} 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), n);
    const int status = pclose(pipe.release());
    return {WEXITSTATUS(status), output};
}

}  // namespace vantorelle::testing
