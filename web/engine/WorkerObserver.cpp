// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkerObserver.h"

#include <emscripten.h>

#include <nlohmann/json.hpp>

#include "NetworkState.h"
#include "StatusLines.h"

// The worker's side: where messages go and whether the user pressed Stop.
EM_JS(void, vantorelle_post_progress, (const char* json), { Module["onProgress"](UTF8ToString(json)); });
EM_JS(int, vantorelle_stop_wanted, (), { return Module["stopWanted"] ? 1 : 0; });

namespace vantorelle::web {

namespace {

// A progress display per frame is all a screen shows.
constexpr double SendInterval = 1000.0 / 60;
// Long enough that handing control back costs nothing measurable, short
// enough that Stop feels immediate.
constexpr double YieldInterval = 40;

const char* ColourName(StatusColour colour)
{
    switch (colour) {
    case StatusColour::Green: return "green";
    case StatusColour::Red: return "red";
    default: return "";
    }
}

}  // namespace

nlohmann::json LinesJson(const StatusLines& lines)
{
    return {{"lines", {lines.Epochs, lines.TotalSSE, lines.Change, lines.Hits, lines.Misses}},
            {"changeColour", ColourName(lines.ChangeColour)},
            {"hitsColour", ColourName(lines.HitsColour)}};
}

void WorkerObserver::RunStarted(const EpochReport&)
{
    historySent = 0;
    lastYield = emscripten_get_now();
}

void WorkerObserver::EpochEnded(const EpochReport& report)
{
    if (!report.Display)
        return;
    pending = report;
    pendingDisplay = true;
}

void WorkerObserver::BetweenEpochs(const NetworkState& net)
{
    // The history row of a display is written after EpochEnded: send from here.
    network = &net;
    if (pendingDisplay && emscripten_get_now() - lastSent >= SendInterval)
        Send(pending);
}

void WorkerObserver::RunEnded(const EpochReport& report)
{
    LastLines = StatusLinesFor(report, locale);
    Send(report);
}

void WorkerObserver::Send(const EpochReport& report)
{
    nlohmann::json message = LinesJson(StatusLinesFor(report, locale));
    message["type"] = report.Final ? "ended" : "progress";
    message["epoch"] = report.Epoch;
    nlohmann::json rows = nlohmann::json::array();
    if (network) {
        for (int r = historySent + 1; r <= network->SSERecordCount; ++r)
            rows.push_back({network->SSEHistory[r].Epochs, network->SSEHistory[r].SSE});
        historySent = network->SSERecordCount;
    }
    message["history"] = std::move(rows);
    vantorelle_post_progress(message.dump().c_str());
    lastSent = emscripten_get_now();
    pendingDisplay = false;
}

void WorkerObserver::Problem(const RunProblem& problem)
{
    nlohmann::json message = {{"type", "problem"}, {"message", problem.message}};
    vantorelle_post_progress(message.dump().c_str());
}

bool WorkerObserver::StopRequested()
{
    const double now = emscripten_get_now();
    if (now - lastYield >= YieldInterval) {
        emscripten_sleep(0);
        lastYield = emscripten_get_now();
    }
    return vantorelle_stop_wanted() != 0;
}

}  // namespace vantorelle::web
