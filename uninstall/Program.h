// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values that live for the whole run of the uninstaller, its three
// messages, and the two things every window may end with: starting the outside
// uninstaller and ending the program.

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

namespace uninstaller {

class UninstallPlatform;
struct PathRisk;

// The program's name, shown as the title of its message boxes.
inline constexpr const char* ProgramName = "uninstall-vantorelle";

struct ProgramState {
    QString executableName;         // "ST6UNST.EXE" once the progress window has loaded
    QString logPath;                // the program's own folder and "ST6UNST.LOG"
    QString locatedExecutablePath;  // set when the locate page found the executable
    qint16 locatePageFlag = 0;      // 1 once the locate page has been created
    qint16 locatedFlag = 0;         // 1 found on the locate page, 0 the user gave up
};

// The messages, their lines separated by a carriage return alone.
QString LogMissingMessage();
QString NotLocatedMessage();
QString ErrorMessage();

// Why the file at path was not started, one line of our own.
QString NotStartedLine(const QString& path, const PathRisk& risk);
// The same line when the run ends on it.
QString NotStartedMessage(const QString& path, const PathRisk& risk);
// Asks before starting a file the tree search found outside the Windows folder.
QString FoundElsewhereQuestion(const QString& windowsFolder, const QString& path);

// Where the tree search looks: the installation's own folders, the Windows
// folder first, then the program's own. Never the whole disk: anyone may
// leave a file called "ST6UNST.EXE" somewhere on it.
QStringList SearchRoots(UninstallPlatform& platform);

// folder and name with one separator between them (none added after "/").
QString JoinPath(const QString& folder, const QString& name);

// The uninstaller's arguments after its own path: "-n" and the log path, each
// passed as it is, never through a shell.
QStringList UninstallerArguments(const QString& logPath);

// Starts "ST6UNST.EXE" at executablePath on the log; false when it did not start.
bool StartUninstaller(UninstallPlatform& platform, const QString& executablePath, const QString& logPath);

// Sets a control's font size in points; Designer holds whole points only, and
// status lines and text boxes are 10.5 pt, the folder lists 8.25 pt.
void SetPointSize(QWidget* control, qreal points);

// Closes every window and leaves the event loop.
void EndProgram(UninstallPlatform& platform);

}  // namespace uninstaller
