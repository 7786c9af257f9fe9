// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A training run on a thread of its own, so that the window stays fully live
// while the engine works: it repaints, takes Stop and answers whoever asks it
// anything (a screen reader, a test) at once.
//
// The page does the settings check on the user-interface thread (it shows
// message boxes and corrects boxes), then hands the network to start(). From
// then until finished() the run's thread owns the network state and the
// page's random generator; the run is the page's background job
// (BackgroundJob.h), so the registry keeps everyone else away meanwhile and a
// close request on any page stops it after the current epoch.
//
// What the engine reports reaches the page on the user-interface thread:
// the latest status lines and the epoch count at most RefreshIntervalMs
// apart, everything else (the final display, message boxes, buttons, the
// progress bar's showing and hiding) in order, with the run waiting for it.
//
// Views of the network follow a run through snapshots (NetworkSnapshot.h):
// while anyone watches, the run's thread copies the parts its watchers draw
// (weights and thresholds, history) between two epochs whenever the page has
// taken the previous copy, so at most one copy a refresh; with no watcher
// nothing is copied. A run
// shown on a page is that page's child, so a view finds it with
// findChild<TrainingRun*>() on the page that holds the others.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>
#include <vector>

#include "BackgroundJob.h"
#include "KeptRun.h"
#include "NetworkSnapshot.h"
#include "NumberFormat.h"
#include "Random.h"
#include "RunObserver.h"
#include "StatusLines.h"
#include "StepControl.h"

namespace vantorelle {

struct NetworkState;
struct PatternStep;
class PageRegistry;
class ScrollPage;

// The page side of a run, called on the user-interface thread only.
class RunDisplay {
public:
    virtual ~RunDisplay() = default;
    // Before the first epoch: how many epochs the run trains at most (0
    // without the epoch stop).
    virtual void runStarted(long epochsPlanned) = 0;
    // The latest progress display; at most one a refresh.
    virtual void showStatus(const StatusLines& lines) = 0;
    // Epochs of this run so far.
    virtual void showProgress(long epochsOfRun) = 0;
    // The final display, after the last epoch.
    virtual void runEnded(const StatusLines& lines) = 0;
    // A message box, with the run waiting for it.
    virtual void showProblem(const RunProblem& problem) = 0;
};

class TrainingRun : public QObject {
    Q_OBJECT

public:
    static constexpr int RefreshIntervalMs = 33;

    // `owner` is the page the run is shown on, usually the display itself.
    TrainingRun(RunDisplay& display, PageRegistry& pages, ScrollPage* owner);
    // Stops a run that is still going and waits for its thread.
    ~TrainingRun() override;

    // Runs the engine's epoch loop on the run's thread, drawing from
    // `random` and showing numbers in `locale`. lastPrintedSSE, the page's,
    // is brought up to date when the run ends, before finished().
    void start(NetworkState& net, Random& random, double& lastPrintedSSE, const NumberLocale& locale);
    // Ends the run after the current epoch, with the usual final display
    // (a paused run goes on to it at once).
    void requestStop()
    {
        stopAsked.store(true, std::memory_order_relaxed);
        stepping.wake();
    }
    // The pace of this page's runs (the step panel sets it); kept across runs.
    StepControl& stepControl() { return stepping; }
    bool running() const { return active; }
    // How often the page has been refreshed during the current or last run.
    long refreshCount() const { return refreshes; }
    // The SSE of every epoch of the last run and its first epoch of all hits;
    // empty while a run goes on.
    RunTrace lastTrace() const;

    // Makes runs copy snapshots with the given parts for as long as watcher
    // lives (or until unwatch); watching again changes the parts. Connect to
    // snapshotTaken to receive them. Snapshots at a run's start and end are whole.
    void watch(QObject* watcher, unsigned parts = SnapshotParts::All);
    void unwatch(QObject* watcher);
    bool watched() const;
    // The parts the live watchers draw.
    unsigned wantedParts() const;
    // Snapshots handed out during the current or last run.
    long snapshotCount() const { return snapshots; }

signals:
    void finished();
    // On the user-interface thread: when a watched run starts, at most once a
    // refresh during it, and when it has ended (before finished()).
    void snapshotTaken(std::shared_ptr<const NetworkSnapshot> snapshot);
    // On the user-interface thread, while a run is stepped: the latest
    // pattern step, at most one a refresh.
    void patternStepped(std::shared_ptr<const PatternStep> step);

private:
    class Relay;

    void beforeFirstEpoch(NetworkState& net);
    void refresh();
    void runEnded();
    void handOutSnapshot(NetworkSnapshot snapshot);

    RunDisplay& display;
    QTimer refreshTimer;
    std::unique_ptr<Relay> relay;
    double* pageLastPrinted = nullptr;
    double runLastPrinted = 0;  // written by the run's thread, read once it is joined
    std::atomic<bool> stopAsked{false};
    StepControl stepping;
    bool active = false;
    long refreshes = 0;
    struct Watcher {
        QPointer<QObject> object;
        unsigned parts;
    };
    std::vector<Watcher> watchers;
    std::shared_ptr<const SnapshotPatterns> runPatterns;  // shared by the run's snapshots
    const NetworkState* runNet = nullptr;
    long snapshots = 0;
    // Last: it joins the run's thread before anything the run uses goes.
    BackgroundJob job;
};

}  // namespace vantorelle
