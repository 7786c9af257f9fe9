// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a front end follows a training run: the engine hands it values after
// every epoch and at the end, tells it of problems as they happen, and asks
// it whether to stop. The training page's run thread, the trainer, the
// network view (through the page's run) and the tests are observers; StatusLines.h turns a report
// into the lines they show.

#include <string>

namespace vantorelle {

struct NetworkState;
struct PatternStep;

// Where a run stands after an epoch.
struct EpochReport {
    long Epoch = 0;           // the network's epoch count
    long EpochsOfRun = 0;     // epochs of this run so far
    long EpochsPlanned = 0;   // epochs this run trains at most; 0 without the epoch stop
    double TotalSSE = 0;
    long Hits = 0;
    long Responses = 0;
    // A progress display falls on this epoch (every PrintSweeps epochs).
    bool Display = false;
    // The run has ended; this is its final display.
    bool Final = false;
    // The change in total SSE the display shows: since the previous display,
    // or, in the final one, between the last two records of the history.
    double Change = 0;
};

// Something the user must be told during a run.
struct RunProblem {
    enum class Kind {
        Overflow,   // the value rule skipped an overflowing update; the run goes on
        NonFinite,  // the numbers stopped being finite; the run has ended
        Failed,     // an error (memory, say) ended the run
    };
    Kind kind;
    std::string message;  // the message box's text, lines separated by "\r"
};

class RunObserver {
public:
    virtual ~RunObserver() = default;
    // Once before the first epoch.
    virtual void RunStarted(const EpochReport& /*start*/) {}
    // After every epoch; cheap unless report.Display.
    virtual void EpochEnded(const EpochReport& report) = 0;
    // Once after the last epoch (report.Final), before any NonFinite problem.
    virtual void RunEnded(const EpochReport& report) = 0;
    virtual void Problem(const RunProblem& problem) = 0;
    // After every epoch, just before the stop question: the network is whole
    // and stays as it is until this returns, so an observer may read it here
    // (a view copies what it draws). On the run's thread; keep it cheap.
    virtual void BetweenEpochs(const NetworkState& /*net*/) {}
    // Asked after every epoch, when the network is whole; keep it cheap.
    virtual bool StopRequested() = 0;

    // Stepping. Asked at the start of every epoch: when true, the epoch
    // presents its patterns one at a time (the same bits as a whole sweep)
    // and PatternPresented follows each, after the rule's step. The observer
    // may hold the run there (a step button, a slow speed); StopRequested is
    // asked after it, and a stop there ends the run mid-epoch with the
    // network whole.
    virtual bool WantsPatternSteps() { return false; }
    virtual void PatternPresented(const PatternStep& /*step*/, const NetworkState& /*net*/) {}
};

}  // namespace vantorelle
