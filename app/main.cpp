// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: it owns the one network state, the dialogs and the
// page registry, and starts on the load-file page. It reads no command line,
// environment or settings of its own; QApplication keeps Qt's own options
// such as -platform.

#include <QApplication>

#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "PrintingQt.h"
#include "QtDialogs.h"
#include "ScrollPage.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
