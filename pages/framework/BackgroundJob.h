// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page's long job on the network state (a training run, a workbook export)
// on a thread of its own, so that the window stays live while it works. Every
// such job keeps the same rules, whichever page runs it:
//
// - From start() until the job has ended, the registry holds the other pages
//   (they take no input and read nothing of the state the job changes).
// - A close request on any page, the owner's too, asks the job to stop early
//   (when it has a way to); the window closes once the job has ended.
// - The thread is joined on the user-interface thread, after everything it
//   posted there; ended() follows, with the pages still held, so its messages
//   come before any page waiting to close goes; then the pages are released
//   and released() follows.
// - A job still working when its object goes is asked to stop and waited for.

#include <QObject>
#include <QPointer>
#include <functional>
#include <thread>

namespace vantorelle {

class PageRegistry;
class ScrollPage;

class BackgroundJob : public QObject {
    Q_OBJECT

public:
    BackgroundJob(PageRegistry& pages, ScrollPage* owner, QObject* parent = nullptr);
    ~BackgroundJob() override;

    // Holds the pages, calls `held` (on this thread: the moment to look at
    // the state a last time before the job changes it), then runs `work` on
    // the job's thread. `stop`, called on this thread, asks the work to end
    // early; without one the work runs to its end. Does nothing while a job runs.
    void start(std::function<void()> work, std::function<void()> stop = {}, std::function<void()> held = {});
    bool running() const { return worker.joinable(); }

signals:
    // The work has ended and its thread is gone; the pages are still held.
    void ended();
    // The pages take input again.
    void released();

private:
    void finish();

    PageRegistry& pages;
    QPointer<ScrollPage> owner;
    std::function<void()> stop;
    std::thread worker;
};

}  // namespace vantorelle
