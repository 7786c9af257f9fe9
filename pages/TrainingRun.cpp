// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingRun.h"

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <new>
#include <utility>

#include "NetworkState.h"
#include "PatternStep.h"
#include "ScrollPage.h"
#include "TrainingEngine.h"
#include "TrainingTexts.h"

namespace vantorelle {

// The run's observer on the run's thread. Frequent reports (status lines,
// epochs, the stop question) touch only shared fields; rare ones run on the
// user-interface thread while the run waits for them.
class TrainingRun::Relay : public RunObserver {
public:
    Relay(TrainingRun& run, const std::atomic<bool>& stopAsked, const NumberLocale& locale)
        : run(run), stopAsked(stopAsked), locale(locale), control(run.stepping)
    {
    }

    void RunStarted(const EpochReport& start) override
    {
        epochs.store(0, std::memory_order_relaxed);
        onPage([this, planned = start.EpochsPlanned] { run.display.runStarted(planned); });
    }
    void EpochEnded(const EpochReport& report) override
    {
        epochs.store(report.EpochsOfRun, std::memory_order_relaxed);
        trace.EpochEnded(report);
        if (!report.Display)
            return;
        StatusLines lines = StatusLinesFor(report, locale);
        std::lock_guard lock(mutex);
        latest = std::move(lines);
        linesPending = true;
    }
    void RunEnded(const EpochReport& report) override
    {
        onPage([this, lines = StatusLinesFor(report, locale)] {
            // The last progress display still on its way goes first: the
            // final one keeps the change line's colour it set.
            run.refresh();
            run.display.runEnded(lines);
        });
    }
    void Problem(const RunProblem& problem) override
    {
        onPage([this, problem] { run.display.showProblem(problem); });
    }
    // The network is whole between two epochs: the moment to copy it.
    void BetweenEpochs(const NetworkState& net) override
    {
        if (snapshotWanted.load(std::memory_order_acquire))
            copySnapshot(net);
        control.betweenEpochs(stopAsked);
    }
    bool StopRequested() override { return stopAsked.load(std::memory_order_relaxed); }

    // Stepping: each step goes to the step panel, and to the views, whose
    // picture then moves pattern by pattern, before the run waits.
    bool WantsPatternSteps() override { return !stopAsked.load(std::memory_order_relaxed) && control.wantsSteps(); }
    void PatternPresented(const PatternStep& step, const NetworkState& net) override
    {
        {
            std::lock_guard lock(mutex);
            latestStep = std::make_shared<const PatternStep>(step);
        }
        if (watchedDuringRun.load(std::memory_order_acquire))
            copySnapshot(net);
        control.afterPattern(step.Position == net.NumPatterns, stopAsked);
    }
    std::shared_ptr<const PatternStep> takeStep()
    {
        std::lock_guard lock(mutex);
        return std::exchange(latestStep, nullptr);
    }

    // On the user-interface thread: what has come since the last look.
    bool takeLines(StatusLines& lines)
    {
        std::lock_guard lock(mutex);
        if (!linesPending)
            return false;
        lines = std::move(latest);
        linesPending = false;
        return true;
    }
    long epochsSoFar() const { return epochs.load(std::memory_order_relaxed); }
    // The run's thread writes it; read it only once the run has ended.
    const RunTrace& runTrace() const { return trace; }
    // The copy made since the last look, if any.
    bool takeSnapshot(NetworkSnapshot& snapshot)
    {
        std::lock_guard lock(mutex);
        if (!snapshotReady)
            return false;
        snapshot = std::move(pending);
        pending = NetworkSnapshot{};
        snapshotReady = false;
        return true;
    }
    // Asks for one copy of the given parts at the end of the next epoch.
    void wantSnapshot(bool withPatterns, unsigned parts)
    {
        watchedDuringRun.store(true, std::memory_order_release);
        patternsWanted.store(withPatterns, std::memory_order_relaxed);
        partsWanted.store(parts, std::memory_order_relaxed);
        snapshotWanted.store(true, std::memory_order_release);
    }

    // The run object is going away: nothing more reaches the page.
    void abandon()
    {
        std::lock_guard lock(mutex);
        abandoned = true;
        callDone.notify_all();
    }

private:
    void copySnapshot(const NetworkState& net)
    {
        std::lock_guard lock(mutex);
        if (patternsWanted.load(std::memory_order_relaxed))
            pending.patterns = CopyPatterns(net);
        CopyProgress(net, pending, partsWanted.load(std::memory_order_relaxed));
        pending.duringRun = true;
        snapshotReady = true;
        snapshotWanted.store(false, std::memory_order_relaxed);
    }

    // Runs call on the user-interface thread and waits until it has run.
    void onPage(std::function<void()> call)
    {
        auto done = std::make_shared<bool>(false);
        {
            std::lock_guard lock(mutex);
            if (abandoned)
                return;
        }
        // Queued to the run object: if it is destroyed first, Qt drops the call.
        QMetaObject::invokeMethod(
            &run,
            [this, call = std::move(call), done] {
                call();
                std::lock_guard lock(mutex);
                *done = true;
                callDone.notify_all();
            },
            Qt::QueuedConnection);
        std::unique_lock lock(mutex);
        callDone.wait(lock, [&] { return *done || abandoned; });
    }

    TrainingRun& run;
    const std::atomic<bool>& stopAsked;
    const NumberLocale locale;
    std::mutex mutex;
    std::condition_variable callDone;
    bool abandoned = false;
    StatusLines latest;
    bool linesPending = false;
    std::atomic<long> epochs{0};
    std::atomic<bool> snapshotWanted{false};
    std::atomic<bool> patternsWanted{false};
    std::atomic<unsigned> partsWanted{SnapshotParts::All};
    NetworkSnapshot pending;
    bool snapshotReady = false;
    StepControl& control;
    std::shared_ptr<const PatternStep> latestStep;
    std::atomic<bool> watchedDuringRun{false};
    RunTrace trace;
};

TrainingRun::TrainingRun(RunDisplay& display, PageRegistry& pages, ScrollPage* owner)
    : QObject(owner), display(display), job(pages, owner)
{
    // The owner is the parent: see the header, views of the network find a
    // page's run among its children.
    refreshTimer.setInterval(RefreshIntervalMs);
    // A coarse timer may fire up to 5% early; the interval is a promise
    // (no more than about 30 displays a second), so keep it precise.
    refreshTimer.setTimerType(Qt::PreciseTimer);
    connect(&refreshTimer, &QTimer::timeout, this, &TrainingRun::refresh);
    connect(&job, &BackgroundJob::ended, this, [this] {
        if (pageLastPrinted)
            *pageLastPrinted = runLastPrinted;
        runEnded();
    });
}

TrainingRun::~TrainingRun()
{
    // The job joins the run's thread; a thread waiting for the page must not
    // wait for it any longer.
    if (job.running()) {
        requestStop();
        relay->abandon();
    }
}

void TrainingRun::start(NetworkState& net, Random& random, double& lastPrintedSSE, const NumberLocale& locale)
{
    if (active)
        return;
    active = true;
    refreshes = 0;
    stopAsked.store(false);
    pageLastPrinted = &lastPrintedSSE;
    relay = std::make_unique<Relay>(*this, stopAsked, locale);
    runNet = &net;
    runPatterns.reset();
    snapshots = 0;
    runLastPrinted = lastPrintedSSE;
    auto work = [this, &net, &random] {
        try {
            RunTraining(net, random, *relay, runLastPrinted);
        } catch (const std::bad_alloc&) {
            relay->Problem({RunProblem::Kind::Failed, text::OutOfMemoryMessage()});
        } catch (const std::exception& error) {
            relay->Problem({RunProblem::Kind::Failed, text::GeneralErrorMessage(error.what())});
        }
    };
    job.start(work, [this] { requestStop(); }, [this, &net] { beforeFirstEpoch(net); });
}

void TrainingRun::beforeFirstEpoch(NetworkState& net)
{
    // The views that follow the page's runs have just been told, and the
    // state is still this thread's: the parts no run changes are copied
    // here, once, and the run starts from this picture.
    if (watched()) {
        NetworkSnapshot first = TakeSnapshot(net);
        runPatterns = first.patterns;
        handOutSnapshot(std::move(first));
        relay->wantSnapshot(false, wantedParts());
    }
    refreshTimer.start();
}

void TrainingRun::refresh()
{
    if (!relay)
        return;
    StatusLines lines;
    if (relay->takeLines(lines))
        display.showStatus(lines);
    display.showProgress(relay->epochsSoFar());
    if (std::shared_ptr<const PatternStep> step = relay->takeStep())
        emit patternStepped(step);
    ++refreshes;
    if (!watched())
        return;
    NetworkSnapshot snapshot;
    if (relay->takeSnapshot(snapshot)) {
        if (!runPatterns)
            runPatterns = snapshot.patterns;
        snapshot.patterns = runPatterns;
        handOutSnapshot(std::move(snapshot));
    }
    // A watcher that came after the start needs the patterns once, from the run's thread.
    relay->wantSnapshot(!runPatterns, wantedParts());
}

void TrainingRun::runEnded()
{
    refreshTimer.stop();
    refresh();
    active = false;
    pageLastPrinted = nullptr;
    if (runNet && watched()) {
        // The run's thread has ended: the state is this thread's again.
        NetworkSnapshot last = TakeSnapshot(*runNet);
        handOutSnapshot(std::move(last));
    }
    runNet = nullptr;
    runPatterns.reset();
    emit finished();
}

RunTrace TrainingRun::lastTrace() const
{
    if (!relay || active)
        return {};
    return relay->runTrace();
}

void TrainingRun::watch(QObject* watcher, unsigned parts)
{
    if (!watcher)
        return;
    for (Watcher& known : watchers) {
        if (known.object == watcher) {
            known.parts = parts;
            return;
        }
    }
    watchers.push_back({watcher, parts});
}

void TrainingRun::unwatch(QObject* watcher)
{
    watchers.erase(std::remove_if(watchers.begin(), watchers.end(),
                                  [watcher](const Watcher& known) { return known.object == watcher; }),
                   watchers.end());
}

bool TrainingRun::watched() const
{
    return std::any_of(watchers.begin(), watchers.end(), [](const Watcher& known) { return !known.object.isNull(); });
}

unsigned TrainingRun::wantedParts() const
{
    unsigned parts = 0;
    for (const Watcher& known : watchers) {
        if (!known.object.isNull())
            parts |= known.parts;
    }
    return parts;
}

void TrainingRun::handOutSnapshot(NetworkSnapshot snapshot)
{
    ++snapshots;
    emit snapshotTaken(std::make_shared<const NetworkSnapshot>(std::move(snapshot)));
}

}  // namespace vantorelle
