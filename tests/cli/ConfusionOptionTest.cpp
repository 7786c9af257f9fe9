// SPDX-License-Identifier: GPL-3.0-or-later
// vantorelle-train --confusion: the counts after training and after --test.

#include <gtest/gtest.h>

#include <sstream>

#include "Options.h"
#include "Trainer.h"

using namespace vantorelle::cli;

TEST(ConfusionOption, PrintsTheTrainingAndTestFilesCountsAndOnlyWhenAsked)
{
    const std::string letters = VANTORELLE_EXAMPLES "/letters.net";
    auto run = [&](std::vector<std::string> args) {
        ParseResult parsed = ParseOptions(args);
        EXPECT_TRUE(parsed.error.empty()) << parsed.error;
        std::ostringstream out, err;
        EXPECT_EQ(RunTrainer(parsed.options, out, err, nullptr), ExitOk) << err.str();
        return out.str();
    };
    const std::string asked =
        run({letters, "--rule", "Gradient", "--seed", "3", "--quiet", "--confusion", "--test", letters});
    const std::size_t training = asked.find("Training file, unit by unit:");
    const std::size_t test = asked.find("Test file, unit by unit:");
    ASSERT_NE(training, std::string::npos) << asked;
    ASSERT_NE(test, std::string::npos) << asked;
    EXPECT_LT(training, test);
    // letters.net is one-hot: both get the class table, and the same network
    // on the same patterns answers alike.
    auto accuracyLine = [&](std::size_t from) {
        const std::size_t at = asked.find("Accuracy: ", from);
        return at == std::string::npos ? std::string() : asked.substr(at, asked.find('\n', at) - at);
    };
    EXPECT_NE(accuracyLine(training), "");
    EXPECT_LT(asked.find("Accuracy: ", training), test);
    EXPECT_EQ(accuracyLine(training), accuracyLine(test));

    const std::string plain = run({letters, "--rule", "Gradient", "--seed", "3", "--quiet"});
    EXPECT_EQ(plain.find("unit by unit"), std::string::npos);
}
