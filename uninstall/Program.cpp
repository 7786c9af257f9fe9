// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "Platform.h"
#include "RunSafety.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace uninstaller {

namespace {

const QString AddRemoveLine =
    QStringLiteral("Please try using the add/remove programs option in the control panel.");

}  // namespace

QString LogMissingMessage()
{
    return QStringLiteral("The installation log file is not in the expected location.\r"
                          "Uninstall cannot run.\r")
           + AddRemoveLine;
}

QString NotLocatedMessage()
{
    return QStringLiteral("A necessary executable file cannot be found.\r"
                          "Uninstall cannot run.\r")
           + AddRemoveLine;
}

QString ErrorMessage() { return QStringLiteral("Error - Uninstall cannot run.\r") + AddRemoveLine; }

QString NotStartedLine(const QString& path, const PathRisk& risk)
{
    const QString where = QFile::decodeName(QByteArray::fromStdString(risk.where));
    QString why;
    switch (risk.risk) {
    case RunRisk::None:
        return QString();
    case RunRisk::Unexaminable:
        why = QStringLiteral("\"%1\" cannot be examined.").arg(where);
        break;
    case RunRisk::NotAFile:
        why = QStringLiteral("it is not a regular file.");
        break;
    case RunRisk::FileOwner:
        why = QStringLiteral("it belongs to another user.");
        break;
    case RunRisk::FileWritable:
        why = QStringLiteral("users other than its owner may change it.");
        break;
    case RunRisk::FolderOwner:
        why = QStringLiteral("the folder \"%1\" belongs to another user.").arg(where);
        break;
    case RunRisk::FolderWritable:
        why = QStringLiteral("users other than its owner may change the folder \"%1\".").arg(where);
        break;
    }
    return QStringLiteral("\"%1\" was not started: %2").arg(path, why);
}

QString NotStartedMessage(const QString& path, const PathRisk& risk)
{
    return NotStartedLine(path, risk) + QStringLiteral("\rUninstall cannot run.");
}

QString FoundElsewhereQuestion(const QString& windowsFolder, const QString& path)
{
    return QStringLiteral("ST6UNST.EXE is not in \"%1\", where it is normally found.\r"
                          "It was found at \"%2\".\r"
                          "Start this file to uninstall Vantorelle?")
        .arg(windowsFolder, path);
}

QStringList SearchRoots(UninstallPlatform& platform)
{
    QStringList roots{platform.windowsFolder(), platform.programFolder()};
    roots.removeDuplicates();
    return roots;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QStringList UninstallerArguments(const QString& logPath) { return {QStringLiteral("-n"), logPath}; }

bool StartUninstaller(UninstallPlatform& platform, const QString& executablePath, const QString& logPath)
{
    return platform.startDetached(executablePath, UninstallerArguments(logPath));
}

void SetPointSize(QWidget* control, qreal points)
{
    QFont font = control->font();
    font.setPointSizeF(points);
    control->setFont(font);
}

void EndProgram(UninstallPlatform& platform)
{
    // Hidden windows too (the progress window hides behind the locate page).
    // They close with WA_DeleteOnClose, so they go once control is back in the
    // event loop, not under the handler that is running now.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            window->close();
    }
    platform.endProgram();
}

}  // namespace uninstaller
