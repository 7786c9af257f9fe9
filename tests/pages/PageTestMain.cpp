// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the page tests: pages need a QApplication, and the tests run
// without a screen unless a platform was chosen. gtest_discover_tests runs this
// binary at build time, before ctest's environment applies, hence the setenv.
// The offscreen screen is given a desktop's size (1600 by 1200): Qt's own is
// 800 by 800, smaller than the larger pages, which would then open shrunk to it.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) == "offscreen")
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTORELLE_TEST_DATA "/offscreen_screen.json", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
