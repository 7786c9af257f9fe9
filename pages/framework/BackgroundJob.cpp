// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundJob.h"

#include "PageRegistry.h"
#include "ScrollPage.h"

namespace vantorelle {

BackgroundJob::BackgroundJob(PageRegistry& pages, ScrollPage* owner, QObject* parent)
    : QObject(parent), pages(pages), owner(owner)
{
}

BackgroundJob::~BackgroundJob()
{
    if (!worker.joinable())
        return;
    if (stop)
        stop();
    worker.join();
    pages.releasePages();
}

void BackgroundJob::start(std::function<void()> work, std::function<void()> stopWork, std::function<void()> held)
{
    if (worker.joinable())
        return;
    stop = std::move(stopWork);
    pages.holdPagesFor(owner, stop);
    if (held)
        held();
    worker = std::thread([this, work = std::move(work)] {
        work();
        // Queued behind everything the work posted to this thread; dropped
        // if the job object has gone meanwhile (its destructor joins).
        QMetaObject::invokeMethod(this, &BackgroundJob::finish, Qt::QueuedConnection);
    });
}

void BackgroundJob::finish()
{
    if (!worker.joinable())
        return;
    worker.join();
    emit ended();
    stop = nullptr;
    pages.releasePages();
    emit released();
}

}  // namespace vantorelle
