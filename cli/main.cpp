// vantorelle-train: trains a perceptron from the command line, for scripts,
// teaching labs and benchmarks.

#include <atomic>
#include <csignal>
#include <iostream>

#include "Options.h"
#include "Trainer.h"

namespace {
std::atomic<bool> interrupted{false};
extern "C" void OnInterrupt(int) { interrupted.store(true); }
}  // namespace

int main(int argc, char** argv)
{
    using namespace vantorelle::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        std::cerr << "vantorelle-train: " << parsed.error << "\n(try --help)\n";
        return ExitUsageError;
    }
    if (parsed.options.help) {
        std::cout << UsageText();
        return ExitOk;
    }
    if (parsed.options.version) {
        std::cout << "vantorelle-train " << VANTORELLE_VERSION << '\n';
        return ExitOk;
    }
    // Ctrl-C ends the run after the current epoch, with the final status block.
    std::signal(SIGINT, OnInterrupt);
    return RunTrainer(parsed.options, std::cout, std::cerr, &interrupted);
}
