// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a run in the page's worker reports: progress goes to the worker as
// JSON messages, at most one progress display per frame (a run that displays
// every epoch would flood the page otherwise; the final display always goes),
// and the run hands control back to the worker every few dozen milliseconds
// so that a Stop message can arrive while it trains.

#include <string>

#include <nlohmann/json.hpp>

#include "NumberFormat.h"
#include "RunObserver.h"
#include "StatusLines.h"

namespace vantorelle::web {

// Five status lines and the colours of the change and hit lines, as the page shows them.
nlohmann::json LinesJson(const StatusLines& lines);

class WorkerObserver : public RunObserver {
public:
    explicit WorkerObserver(const NumberLocale& locale) : locale(locale) {}

    void RunStarted(const EpochReport& start) override;
    void EpochEnded(const EpochReport& report) override;
    void RunEnded(const EpochReport& report) override;
    void Problem(const RunProblem& problem) override;
    void BetweenEpochs(const NetworkState& net) override;
    bool StopRequested() override;

    // The last final display, which a saved network keeps.
    StatusLines LastLines;

private:
    void Send(const EpochReport& report);

    NumberLocale locale;
    const NetworkState* network = nullptr;
    int historySent = 0;  // rows of the error history the page has
    double lastSent = -1e300;
    double lastYield = 0;
    bool pendingDisplay = false;
    EpochReport pending;
};

}  // namespace vantorelle::web
