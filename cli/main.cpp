// SPDX-License-Identifier: GPL-3.0-or-later
// vantorelle-train: trains a perceptron from the command line, for scripts,
// teaching labs and benchmarks.

#include <atomic>
#include <csignal>
#include <iostream>

#include "Options.h"
#include "SetMaker.h"
#include "Trainer.h"

namespace {

std::atomic<bool> interrupted{false};
volatile std::sig_atomic_t stopSignal = 0;

// The first SIGINT or SIGTERM ends the run after the current epoch, with the
// final block and the report; both go back to their default at once, so a
// second one ends a program that seems stuck without waiting for it.
extern "C" void OnStopSignal(int signal)
{
    stopSignal = signal;
    interrupted.store(true);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigaction(SIGINT, &byDefault, nullptr);
    sigaction(SIGTERM, &byDefault, nullptr);
}

void CatchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace vantorelle::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        std::cerr << ProgramPrefix << parsed.error << "\n(try --help)\n";
        return ExitUsageError;
    }
    if (parsed.options.help) {
        std::cout << UsageText();
        return ExitOk;
    }
    if (parsed.options.version) {
        std::cout << "vantorelle-train (Vantorelle) " << VANTORELLE_VERSION << "\n"
                  << "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                  << "This is free software: you are free to change and redistribute it.\n"
                  << "There is NO WARRANTY, to the extent permitted by law.\n";
        return ExitOk;
    }
    CatchStopSignals();
    // A reader that leaves early ("| head") must not cost the report the user
    // asked for: a failed write only stops the printing.
    std::signal(SIGPIPE, SIG_IGN);
    const int code = parsed.options.set.Making() ? RunSetMaker(parsed.options, std::cout, std::cerr)
                                                 : RunTrainer(parsed.options, std::cout, std::cerr, &interrupted);
    std::cout.flush();
    // Something that failed on the way matters more than lost progress lines,
    // and those more than how the run was stopped.
    if (code != ExitOk)
        return code;
    if (!std::cout) {
        std::cerr << ProgramPrefix << "standard output could not be written; the run went on to its end\n";
        return ExitOutputError;
    }
    if (stopSignal != 0)
        return 128 + stopSignal;
    return code;
}
