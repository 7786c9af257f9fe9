// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the uninstaller's tests: its windows need a QApplication, and
// the tests run without a screen unless a platform was chosen.
// gtest_discover_tests runs this binary at build time, before ctest's
// environment applies, hence the setenv.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
