// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the uninstaller asks of the system, behind one small interface:
// the program passes a SystemPlatform, tests a scripted one that records what
// was started and shown. The windows never touch the file system, a process or
// a message box themselves.

#include "RunSafety.h"

#include <QString>
#include <QStringList>
#include <atomic>

namespace uninstaller {

class UninstallPlatform {
public:
    virtual ~UninstallPlatform() = default;

    // The folder this program was started from; the installation log is there.
    virtual QString programFolder() = 0;
    // The folder where the installer normally leaves "ST6UNST.EXE".
    virtual QString windowsFolder() = 0;
    // Whether a file (not a folder) is at exactly this path.
    virtual bool fileExists(const QString& path) = 0;
    // Searches the tree under root for a file called fileName; true with its
    // full path in found at the first match. Runs on a worker thread and must
    // give up soon after stop is set. May throw; callers treat that as "not found".
    virtual bool searchTree(const QString& root, const QString& fileName, QString& found,
                            const std::atomic<bool>& stop) = 0;
    // Why the file at path must not be started (see RunSafety.h); RunRisk::None
    // when it may be.
    virtual PathRisk checkRunnable(const QString& path) = 0;
    // Starts program with these arguments as a separate process, without a
    // shell and without waiting for it; false when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // A modal message box with an OK button only; lines in text are separated
    // by a carriage return alone.
    virtual void showMessage(const QString& text) = 0;
    // A modal question with Yes and No buttons, lines as in showMessage; true
    // for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Leaves the event loop; the windows have been closed by then.
    virtual void endProgram() = 0;
};

}  // namespace uninstaller
