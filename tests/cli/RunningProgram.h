// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program started beside a test, its output (stdout and stderr together)
// read as it comes, so that a test can wait for what the program says
// instead of sleeping, and then signal it.

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace vantorelle::testing {

class RunningProgram {
public:
    // Long enough for a machine whose cores are all busy; a program that
    // says nothing for this long has hung.
    static constexpr std::chrono::seconds Patience{120};

    explicit RunningProgram(const std::vector<std::string>& args)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        fd = fds[0];
    }

    ~RunningProgram()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (fd >= 0)
            close(fd);
    }

    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Reads until the output holds `text` and, after it, `then`; false when
    // the program ended or went quiet for too long first.
    bool ReadUntil(const std::string& text, const std::string& then = {})
    {
        const auto found = [&] {
            const auto at = output.find(text);
            return at != std::string::npos && output.find(then, at + text.size()) != std::string::npos;
        };
        while (!found())
            if (!ReadSome())
                return found();
        return true;
    }

    // Reads until the program closes its output; false when it went quiet for too long first.
    bool ReadToEnd()
    {
        while (ReadSome()) {
        }
        return ended;
    }

    void Signal(int signal) const { kill(pid, signal); }

    // The exit status; 128 + the signal's number when a signal ended it, as a shell says.
    int Wait()
    {
        int status = 0;
        if (pid <= 0 || waitpid(pid, &status, 0) != pid)
            return -1;
        pid = -1;
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    }

    std::string output;

private:
    // Waits for the next piece of output; false at its end or after too long a silence.
    bool ReadSome()
    {
        if (fd < 0 || ended)
            return false;
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(std::chrono::milliseconds(Patience).count())) <= 0)
            return false;
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            ended = true;
            return false;
        }
        output.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid = -1;
    int fd = -1;
    bool ended = false;
};

}  // namespace vantorelle::testing
