// SPDX-License-Identifier: GPL-3.0-or-later
// The shared helpers that every other test trusts to report its failures.

#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "ShellCommand.h"

namespace vantorelle {
namespace {

// A failure message shows the texts compared, also from a test inside our
// own namespace.
TEST(QStringPrinter, ShowsTheTextQuoted)
{
    EXPECT_EQ(::testing::PrintToString(QString::fromUtf8("Weights (1, 1) ≥ 0")), "\"Weights (1, 1) ≥ 0\"");
    EXPECT_EQ(::testing::PrintToString(QString()), "\"\"");
}

TEST(RunThroughShell, CollectsBothStreamsAndTheExitStatus)
{
    const testing::ShellOutcome outcome = testing::RunThroughShell("printf 'to stdout '; printf 'to stderr' >&2; exit 3");
    EXPECT_EQ(outcome.code, 3);
    EXPECT_EQ(outcome.output, "to stdout to stderr");
}

}  // namespace
}  // namespace vantorelle
