// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the page tests: pages need a QApplication, and the tests run
// without a screen unless a platform was chosen. gtest_discover_tests runs this
// binary at build time, before ctest's environment applies, hence the setenv.
// The offscreen screen is given a desktop's size (1600 by 1200): Qt's own is
// 800 by 800, smaller than the larger pages, which would then open shrunk to it.
// VANTORELLE_TEST_LANGUAGE=de runs the tests with the window in that language,
// as --language de runs the program; a language the program lacks fails them
// with exit status 77, which a ctest entry may take as "skipped" instead.

#include <gtest/gtest.h>

#include <QApplication>

#include "Languages.h"
#include <cstdlib>
#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) == "offscreen")
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTORELLE_TEST_DATA "/offscreen_screen.json", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (const char* language = std::getenv("VANTORELLE_TEST_LANGUAGE"); language && *language) {
        const QString taken = vantorelle::UseLanguage(app, QString::fromUtf8(language));
        if (taken != QString::fromUtf8(language)) {
            std::fprintf(stderr, "The window has no \"%s\" translation.\n", language);
            return 77;
        }
    }
    return RUN_ALL_TESTS();
}
