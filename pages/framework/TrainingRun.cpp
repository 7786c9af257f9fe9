#include "TrainingRun.h"

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <new>

#include "NetworkState.h"
#include "TrainingEngine.h"

namespace vantorelle {

// The engine's host on the run's thread. Frequent reports (status lines,
// epochs, the stop question) touch only shared fields; rare ones run on the
// user-interface thread while the run waits for them.
class TrainingRun::Relay : public ProgressPanel, public Messages {
public:
    Relay(TrainingRun& run, const NetworkState& net, const std::atomic<bool>& stopAsked)
        : run(run), net(net), stopAsked(stopAsked)
    {
    }

    // ProgressPanel, on the run's thread
    void ShowStatus(const StatusLines& lines, bool final) override
    {
        if (!final) {
            std::lock_guard lock(mutex);
            latest = lines;
            linesPending = true;
            return;
        }
        onPage([this, lines] {
            // The last progress display still on its way goes first: the
            // final one keeps the change line's colour it set.
            run.refresh();
            run.display.ShowStatus(lines, true);
        });
    }
    // Asked between two epochs, when the network is whole: the moment to copy it.
    bool StopRequested() override
    {
        if (snapshotWanted.load(std::memory_order_acquire))
            copySnapshot();
        return stopAsked.load(std::memory_order_relaxed);
    }
    void AdvanceProgressBar() override { epochs.fetch_add(1, std::memory_order_relaxed); }
    void SetRunButtonsVisible(bool visible) override
    {
        onPage([this, visible] { run.display.SetRunButtonsVisible(visible); });
    }
    void ClearStatus() override { onPage([this] { run.display.ClearStatus(); }); }
    void ShowStatusBoxes() override { onPage([this] { run.display.ShowStatusBoxes(); }); }
    void ShowProgressBar(long maximum) override
    {
        epochs.store(0, std::memory_order_relaxed);
        onPage([this, maximum] { run.display.ShowProgressBar(maximum); });
    }
    void HideProgressBar() override
    {
        onPage([this] {
            run.refresh();
            run.display.HideProgressBar();
        });
    }

    // Messages, on the run's thread
    void Warning(std::string_view title, std::string_view text) override
    {
        onPage([this, t = std::string(title), x = std::string(text)] { run.display.Warning(t, x); });
    }
    void Error(std::string_view text) override
    {
        onPage([this, x = std::string(text)] { run.display.Error(x); });
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
    void copySnapshot()
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
    const NetworkState& net;  // read on the run's thread only
    const std::atomic<bool>& stopAsked;
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
};

TrainingRun::TrainingRun(RunDisplay& display, QObject* parent) : QObject(parent), display(display)
{
    // See the header: views of the network find a page's run among its children.
    if (!parent) {
        if (auto* page = dynamic_cast<QObject*>(&display))
            setParent(page);
    }
    refreshTimer.setInterval(RefreshIntervalMs);
    // A coarse timer may fire up to 5% early; the interval is a promise
    // (no more than about 30 displays a second), so keep it precise.
    refreshTimer.setTimerType(Qt::PreciseTimer);
    connect(&refreshTimer, &QTimer::timeout, this, &TrainingRun::refresh);
}

TrainingRun::~TrainingRun()
{
    if (worker.joinable()) {
        requestStop();
        relay->abandon();
        worker.join();
    }
}

void TrainingRun::start(NetworkState& net, TrainingHost& host)
{
    if (active)
        return;
    active = true;
    refreshes = 0;
    stopAsked.store(false);
    pageHost = &host;
    relay = std::make_unique<Relay>(*this, net, stopAsked);
    runNet = &net;
    runPatterns.reset();
    snapshots = 0;
    if (watched()) {
        // The state is still this thread's: the parts no run changes are
        // copied here, once, and the run starts from this picture.
        NetworkSnapshot first = TakeSnapshot(net);
        runPatterns = first.patterns;
        handOutSnapshot(std::move(first));
        relay->wantSnapshot(false, wantedParts());
    }
    // The run's own host: the page's generator and separators, the relay for
    // everything shown. Settings are not read during a run.
    auto runHost = std::make_shared<TrainingHost>(
        TrainingHost{host.settings, *relay, *relay, host.random, host.locale, host.LastPrintedSSE});
    refreshTimer.start();
    worker = std::thread([this, &net, runHost] {
        try {
            RunTraining(net, *runHost);
        } catch (const std::bad_alloc&) {
            relay->Error(text::OutOfMemoryMessage());
        } catch (const std::exception& error) {
            relay->Error(text::GeneralErrorMessage(error.what()));
        }
        const double lastPrinted = runHost->LastPrintedSSE;
        QMetaObject::invokeMethod(
            this,
            [this, lastPrinted] {
                if (pageHost)
                    pageHost->LastPrintedSSE = lastPrinted;
                runEnded();
            },
            Qt::QueuedConnection);
    });
}

void TrainingRun::refresh()
{
    if (!relay)
        return;
    StatusLines lines;
    if (relay->takeLines(lines))
        display.ShowStatus(lines, false);
    display.SetProgressValue(relay->epochsSoFar());
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
    if (worker.joinable())
        worker.join();
    refreshTimer.stop();
    refresh();
    active = false;
    pageHost = nullptr;
    if (runNet && watched()) {
        // The run's thread has ended: the state is this thread's again.
        NetworkSnapshot last = TakeSnapshot(*runNet);
        handOutSnapshot(std::move(last));
    }
    runNet = nullptr;
    runPatterns.reset();
    emit finished();
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
