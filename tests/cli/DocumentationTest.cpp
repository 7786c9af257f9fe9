// SPDX-License-Identifier: GPL-3.0-or-later
// --help, the README and the manual page tell the same options and the same
// exit statuses: a script's author reads whichever is at hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Options.h"
#include "ReportTestSupport.h"

using vantorelle::cli::UsageText;
using vantorelle::testing::ReadBytes;

namespace {

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines of `text` from the one starting with `first` up to the next empty one.
std::vector<std::string> Block(const std::string& text, const std::string& first)
{
    std::vector<std::string> block;
    for (const std::string& line : LinesOf(text)) {
        if (block.empty() && line.rfind(first, 0) != 0)
            continue;
        if (line.empty())
            break;
        block.push_back(line);
    }
    return block;
}

std::string Source(const std::string& path) { return ReadBytes(std::string(VANTORELLE_SOURCE_DIR) + "/" + path); }

bool HasLine(const std::string& text, const std::string& line)
{
    const std::vector<std::string> lines = LinesOf(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(Documentation, ReadmeAndManualPageGiveTheExitStatusesOfHelp)
{
    const std::vector<std::string> table = Block(UsageText(), "Exit status");
    ASSERT_GE(table.size(), 6u);
    const std::string readme = Source("README.md");
    const std::string manual = Source("data/vantorelle-train.1.in");
    EXPECT_TRUE(HasLine(readme, table[0]));
    for (std::size_t n = 1; n < table.size(); ++n) {
        EXPECT_TRUE(HasLine(readme, "    " + table[n])) << table[n];
        EXPECT_TRUE(HasLine(manual, table[n])) << table[n];
    }
}

TEST(Documentation, ReadmeListsTheOptionsOfHelpAndTheManualPageDescribesEach)
{
    // The training options, then those that make a training set.
    std::vector<std::string> options = Block(UsageText(), "  --rule");
    ASSERT_GE(options.size(), 20u);
    const std::vector<std::string> setOptions = Block(UsageText(), "  --make");
    ASSERT_GE(setOptions.size(), 10u);
    options.insert(options.end(), setOptions.begin(), setOptions.end());
    const std::vector<std::string> seedOptions = Block(UsageText(), "  --seeds");
    ASSERT_GE(seedOptions.size(), 4u);
    options.insert(options.end(), seedOptions.begin(), seedOptions.end());
    const std::string readme = Source("README.md");
    const std::string manual = Source("data/vantorelle-train.1.in");
    std::set<std::string> names;
    const std::regex name(R"((^|[ ,])(--?[A-Za-z][-a-z]*))");
    for (const std::string& line : options) {
        EXPECT_TRUE(HasLine(readme, "  " + line)) << line;
        // Only the option column: the description may mention options too.
        const std::string column = line.substr(0, 32);
        for (std::sregex_iterator it(column.begin(), column.end(), name), end; it != end; ++it)
            names.insert((*it)[2]);
    }
    EXPECT_TRUE(names.count("-o") && names.count("--xlsx") && names.count("-V"));
    EXPECT_TRUE(names.count("--make") && names.count("--no-header") && names.count("--held-out"));
    EXPECT_TRUE(names.count("--seeds") && names.count("--seeds-csv") && names.count("--threads"));
    for (std::string option : names) {
        std::string roff;
        for (char c : option)
            roff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(manual.find(roff), std::string::npos) << option;
    }
}
