// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlatform.h"

#include "Program.h"

#include <QApplication>
#include <QLabel>
#include <stdexcept>

namespace uninstaller {

QString StatusLine()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Uninstall")) {
            if (auto* label = window->findChild<QLabel*>(QStringLiteral("Label2")))
                return label->text();
        }
    }
    return QString();
}

int ScriptedPlatform::searches() const
{
    std::lock_guard lock(mutex);
    return searchCount;
}

QStringList ScriptedPlatform::searchedRoots() const
{
    std::lock_guard lock(mutex);
    return roots;
}

QString ScriptedPlatform::searchedName() const
{
    std::lock_guard lock(mutex);
    return name;
}

int ScriptedPlatform::stoppedSearches() const
{
    std::lock_guard lock(mutex);
    return stopCount;
}

void ScriptedPlatform::holdSearch()
{
    std::lock_guard lock(mutex);
    held = true;
}

void ScriptedPlatform::releaseSearch()
{
    {
        std::lock_guard lock(mutex);
        held = false;
    }
    released.notify_all();
}

bool ScriptedPlatform::searchTree(const QString& searchRoot, const QString& fileName, QString& found,
                                  const std::atomic<bool>& stop)
{
    std::unique_lock lock(mutex);
    ++searchCount;
    roots.append(searchRoot);
    name = fileName;
    while (held && !stop)
        released.wait_for(lock, std::chrono::milliseconds(50));
    if (stop) {
        ++stopCount;
        return false;
    }
    if (searchThrows)
        throw std::runtime_error("scripted search failure");
    if (!searchFinds || !searchFinds->startsWith(JoinPath(searchRoot, QString())))
        return false;
    found = *searchFinds;
    return true;
}

bool ScriptedPlatform::startDetached(const QString& executable, const QStringList& arguments)
{
    starts.push_back({executable, arguments, StatusLine()});
    return startWorks;
}

void ScriptedPlatform::showMessage(const QString& text) { messages.push_back({text, StatusLine()}); }

bool ScriptedPlatform::confirm(const QString& text)
{
    questions.push_back({text, StatusLine(), starts.size()});
    return answerYes;
}

}  // namespace uninstaller
