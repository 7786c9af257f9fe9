#include "SystemPlatform.h"

#include "Program.h"
#include "TreeSearch.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <unistd.h>

namespace uninstaller {

QString SystemPlatform::programFolder() { return QCoreApplication::applicationDirPath(); }

QString SystemPlatform::windowsFolder()
{
    return QDir::cleanPath(programFolder() + QStringLiteral("/../lib/vantorelle"));
}

bool SystemPlatform::fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    return file.exists() && !file.isDir();
}

bool SystemPlatform::searchTree(const QString& root, const QString& fileName, QString& found,
                                const std::atomic<bool>& stop)
{
    const std::optional<std::string> path =
        TreeSearch().find(QFile::encodeName(root).toStdString(), QFile::encodeName(fileName).toStdString(), stop);
    if (!path)
        return false;
    found = QFile::decodeName(QByteArray::fromStdString(*path));
    return true;
}

PathRisk SystemPlatform::checkRunnable(const QString& path)
{
    return CheckRunnable(QFile::encodeName(path).toStdString(), geteuid());
}

bool SystemPlatform::startDetached(const QString& program, const QStringList& arguments)
{
    // An argument list goes to exec as it is: no shell ever sees the paths.
    return QProcess::startDetached(program, arguments);
}

QString MessageBoxText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void SystemPlatform::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ProgramName), MessageBoxText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool SystemPlatform::confirm(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ProgramName), MessageBoxText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // It asks to run a file from an unexpected place: Enter alone must not.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void SystemPlatform::endProgram() { QCoreApplication::exit(0); }

}  // namespace uninstaller
