// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tree search as the windows use it: the first match's full path, or the
// empty text when there is none or the search failed in any way. A whole disk
// takes a while, so BackgroundSearch runs it on a worker thread and the
// windows keep painting meanwhile.

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>

class QThread;

namespace uninstaller {

class UninstallPlatform;

namespace Public {

// Searches synchronously; never throws.
QString SearchFile(UninstallPlatform& platform, const QString& root, const QString& fileName,
                   const std::atomic<bool>& stop);

// One search on a worker thread, through each root in turn until the first
// match; finished() comes on the thread of this object. Destroying it before
// then asks the search to stop.
class BackgroundSearch : public QObject {
    Q_OBJECT

public:
    BackgroundSearch(UninstallPlatform& platform, const QStringList& roots, const QString& fileName,
                     QObject* parent = nullptr);
    ~BackgroundSearch() override;

    bool isRunning() const;

signals:
    // The found path, or the empty text.
    void finished(const QString& path);

private:
    struct Shared {
        std::atomic<bool> stop{false};
        QString result;  // written by the worker before its thread finishes
    };
    std::shared_ptr<Shared> shared;
    QThread* thread = nullptr;
};

}  // namespace Public
}  // namespace uninstaller
