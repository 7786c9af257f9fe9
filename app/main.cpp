// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: it owns the one network state, the dialogs and the
// page registry, and starts on the load-file page. Of its command line it
// answers --help and --version on the terminal and without a window, and
// takes --language; QApplication keeps Qt's own options such as -platform.
// It reads no environment or settings of its own (the system's language
// aside).

#include <QApplication>
#include <cstdio>
#include <cstring>

#include "Languages.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "PrintingQt.h"
#include "QtDialogs.h"
#include "ScrollPage.h"

namespace {

// Answers --help or --version when that is the whole command line; false otherwise.
bool AnsweredOnTheTerminal(int argc, char* argv[])
{
    if (argc != 2)
        return false;
    const char* option = argv[1];
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
        std::fputs("Usage: Vantorelle\n"
                   "Opens the window in which a one-layer perceptron learns from a \".net\" training file.\n"
                   "Options (besides Qt's own, such as -platform):\n"
                   "  -h, --help         print this text and exit\n"
                   "  -V, --version      print the version and exit\n"
                   "  --language CODE    the window's language, a two-letter code (the system's by default)\n"
                   "See also: vantorelle-train(1), uninstall-vantorelle(1).\n",
                   stdout);
        return true;
    }
    if (std::strcmp(option, "--version") == 0 || std::strcmp(option, "-V") == 0) {
        std::fputs("Vantorelle " VANTORELLE_VERSION "\nLicense GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n", stdout);
        return true;
    }
    return false;
}

// Takes --language CODE (or --language=CODE) out of the command line;
// answers CODE, or nothing when the option is not there.
QString TakeLanguage(int& argc, char* argv[])
{
    const char* prefix = "--language=";
    for (int a = 1; a < argc; ++a) {
        QString code;
        int taken = 0;
        if (std::strcmp(argv[a], "--language") == 0 && a + 1 < argc) {
            code = QString::fromLocal8Bit(argv[a + 1]);
            taken = 2;
        } else if (std::strncmp(argv[a], prefix, std::strlen(prefix)) == 0) {
            code = QString::fromLocal8Bit(argv[a] + std::strlen(prefix));
            taken = 1;
        }
        if (taken == 0)
            continue;
        for (int b = a; b + taken <= argc; ++b)
            argv[b] = argv[b + taken];
        argc -= taken;
        return code.isEmpty() ? QStringLiteral("?") : code;
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AnsweredOnTheTerminal(argc, argv))
        return 0;
    const QString language = TakeLanguage(argc, argv);
    QApplication app(argc, argv);
    const QString taken = vantorelle::UseLanguage(app, language);
    if (!language.isEmpty() && taken != language.left(2).toLower())
        std::fprintf(stderr, "Vantorelle: no translation for \"%s\"; the window is in English (there are: %s)\n",
                     qPrintable(language), qPrintable(vantorelle::AvailableLanguages().join(QStringLiteral(", "))));
    QApplication::setApplicationName(QStringLiteral("Vantorelle"));
    // Lets a Wayland desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantorelle.vantorelle"));
    // The registry decides when the program ends: after its last page, or at "Exit".
    QApplication::setQuitOnLastWindowClosed(false);

    vantorelle::NetworkState net;
    vantorelle::PageMemory memory;
    vantorelle::PageRegistry pages;
    // Every box opens centred on the page it belongs to.
    vantorelle::QtDialogs dialogs(vantorelle::PageInCharge(pages));
    vantorelle::QtSaveFileDialog saveFileDialog(vantorelle::PageInCharge(pages));
    vantorelle::QtPrinter printer(dialogs, saveFileDialog);
    vantorelle::DefinePages(pages, net, memory, dialogs, printer);
    QObject::connect(&pages, &vantorelle::PageRegistry::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    if (!pages.open(vantorelle::PageNames::LoadFile))
        return 1;
    return QApplication::exec();
}
