// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPlatform.h"

#include "Program.h"
#include "TreeSearch.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
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

namespace {

// The window a box opens over: the active one while it is shown, else any
// shown window. The confirmation window stays active for a moment after it
// closed, and is deleted at a turn of the event loop that may be the box's own.
QWidget* BoxParent()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->parentWidget())
            return window;
    }
    return nullptr;
}

// Shows a modal box and answers the button chosen; a box that went with its
// window meanwhile answers as if closed (QDialog::Rejected).
int ShowBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton)
{
    const QPointer<QMessageBox> box =
        new QMessageBox(icon, QString::fromLatin1(ProgramName), MessageBoxText(text), buttons, BoxParent());
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultButton);
    const int answer = box->exec();
    delete box.data();
    return answer;
}

}  // namespace

void SystemPlatform::showMessage(const QString& text)
{
    ShowBox(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool SystemPlatform::confirm(const QString& text)
{
    // It asks to run a file from an unexpected place: Enter alone must not.
    return ShowBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

void SystemPlatform::endProgram() { QCoreApplication::exit(0); }

}  // namespace uninstaller
