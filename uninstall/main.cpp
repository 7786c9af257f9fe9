// SPDX-License-Identifier: GPL-3.0-or-later
// uninstall-vantorelle: confirms, finds the installation log and the
// installer's uninstaller "ST6UNST.EXE", starts it on the log and ends.

#include "Program.h"
#include "Start.h"
#include "SystemPlatform.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// Answers --help or --version, on the terminal and without a window, when
// that is the whole command line; false otherwise.
bool AnsweredOnTheTerminal(int argc, char* argv[])
{
    if (argc != 2)
        return false;
    const char* option = argv[1];
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
        std::fputs("Usage: uninstall-vantorelle\n"
                   "Asks whether to remove Vantorelle and hands the removal to the uninstaller of its\n"
                   "installation (ST6UNST.EXE) with the installation log (ST6UNST.LOG).\n"
                   "Options (besides Qt's own, such as -platform):\n"
                   "  -h, --help     print this text and exit\n"
                   "  -V, --version  print the version and exit\n",
                   stdout);
        return true;
    }
    if (std::strcmp(option, "--version") == 0 || std::strcmp(option, "-V") == 0) {
        std::fputs("uninstall-vantorelle (Vantorelle) " VANTORELLE_VERSION "\nLicense GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n", stdout);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AnsweredOnTheTerminal(argc, argv))
        return 0;
    QApplication app(argc, argv);
    uninstaller::SystemPlatform platform;
    uninstaller::ProgramState state;
    auto* start = new uninstaller::Start(state, platform);
    start->show();
    return app.exec();
}
