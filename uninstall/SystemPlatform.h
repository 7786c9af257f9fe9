// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The uninstaller's platform layer on Linux. An installation keeps this
// program in PREFIX/bin with the installation log "ST6UNST.LOG" beside it, and
// the uninstaller "ST6UNST.EXE" in PREFIX/lib/vantorelle: that folder stands
// in for the Windows folder, found from the program's own folder so that an
// installation moved as a whole still finds it.

#include "Platform.h"

namespace uninstaller {

class SystemPlatform : public UninstallPlatform {
public:
    QString programFolder() override;
    QString windowsFolder() override;
    bool fileExists(const QString& path) override;
    bool searchTree(const QString& root, const QString& fileName, QString& found,
                    const std::atomic<bool>& stop) override;
    PathRisk checkRunnable(const QString& path) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    void showMessage(const QString& text) override;
    bool confirm(const QString& text) override;
    void endProgram() override;
};

// The text a message box shows: the carriage returns that separate the lines
// become line breaks.
QString MessageBoxText(const QString& text);

}  // namespace uninstaller
