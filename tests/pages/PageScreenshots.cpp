// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures: walks through every page (PageTour) and saves
// each view as the program draws it, a PNG named after the view, into the
// folder given. Run it from a folder holding the example files; it is meant
// for a virtual X screen (tools/screenshots.sh), where it draws as on a desktop.
//
//     page_screenshots OUTDIR [LANGUAGE]
//
// LANGUAGE ("de", "es") takes the pictures with the window and the lessons
// in that language. Prints each picture's file and caption, one a line. Exit
// status 1 when a step could not be made or a message box came up on the
// way; 77 when the window has no texts in LANGUAGE yet.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "Languages.h"
#include "PageTour.h"
#include "ScrollPage.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: page_screenshots OUTDIR [LANGUAGE]\n");
        return 2;
    }
    if (argc == 3 && vantorelle::UseLanguage(app, QString::fromLocal8Bit(argv[2])) != QString::fromLocal8Bit(argv[2])) {
        std::fprintf(stderr, "page_screenshots: the window has no \"%s\" texts yet\n", argv[2]);
        return 77;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool saved = true;
    const vantorelle::TourResult result = vantorelle::TakePageTour([&](const vantorelle::TourView& view) {
        const QString file = out.filePath(view.shot + QStringLiteral(".png"));
        const bool ok = view.page->grab().save(file);
        saved = saved && ok;
        std::printf("%s\t%s%s\n", qPrintable(file), qPrintable(view.caption), ok ? "" : "\t(NOT SAVED)");
    });
    for (const QString& box : result.unexpectedBoxes)
        std::fprintf(stderr, "a message box came up: %s\n", qPrintable(box));
    if (!result.finished)
        std::fprintf(stderr, "the tour stopped: %s\n", qPrintable(result.failure));
    return result.finished && saved && result.unexpectedBoxes.empty() ? 0 : 1;
}
