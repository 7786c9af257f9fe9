// SPDX-License-Identifier: GPL-3.0-or-later
#include "Public.h"

#include "Platform.h"

#include <QDeadlineTimer>
#include <QThread>

namespace uninstaller::Public {

QString SearchFile(UninstallPlatform& platform, const QString& root, const QString& fileName,
                   const std::atomic<bool>& stop)
{
    try {
        QString found;
        if (platform.searchTree(root, fileName, found, stop))
            return found;
    } catch (...) {
        // A failed search is reported as "not found", like any other miss.
    }
    return QString();
}

BackgroundSearch::BackgroundSearch(UninstallPlatform& platform, const QStringList& roots, const QString& fileName,
                                   QObject* parent)
    : QObject(parent), shared(std::make_shared<Shared>())
{
    // The worker holds the shared part itself, so a search left running at the
    // end (see the destructor) never writes into freed memory.
    thread = QThread::create([&platform, roots, fileName, shared = shared] {
        for (const QString& root : roots) {
            shared->result = SearchFile(platform, root, fileName, shared->stop);
            if (!shared->result.isEmpty() || shared->stop)
                break;
        }
    });
    connect(thread, &QThread::finished, this, [this] {
        thread->deleteLater();
        thread = nullptr;
        emit finished(shared->result);
    });
    thread->start();
}

BackgroundSearch::~BackgroundSearch()
{
    if (!thread)
        return;
    shared->stop = true;
    // A search stuck in a hung network mount cannot be interrupted: after a
    // short wait it is left to end with the process rather than freeze the exit.
    if (thread->wait(QDeadlineTimer(3000)))
        delete thread;
    else
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

bool BackgroundSearch::isRunning() const { return thread != nullptr; }

}  // namespace uninstaller::Public
