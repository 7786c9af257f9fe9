#include "Program.h"

#include "Platform.h"

#include <QApplication>
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
