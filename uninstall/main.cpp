// SPDX-License-Identifier: GPL-3.0-or-later
// uninstall-vantorelle: confirms, finds the installation log and the
// installer's uninstaller "ST6UNST.EXE", starts it on the log and ends.

#include "Program.h"
#include "Start.h"
#include "SystemPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    uninstaller::SystemPlatform platform;
    uninstaller::ProgramState state;
    auto* start = new uninstaller::Start(state, platform);
    start->show();
    return app.exec();
}
