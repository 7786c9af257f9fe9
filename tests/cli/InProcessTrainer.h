// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer run in the test's own process on a command line, with its exit
// code and what it wrote to standard output and standard error.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Options.h"
#include "Trainer.h"

namespace vantorelle::testing {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// The command line must parse: a test of refusals parses it itself.
inline Outcome Train(const std::vector<std::string>& args)
{
    const cli::ParseResult parsed = cli::ParseOptions(args);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    std::ostringstream out, err;
    const int code = cli::RunTrainer(parsed.options, out, err, nullptr);
    return {code, out.str(), err.str()};
}

}  // namespace vantorelle::testing
