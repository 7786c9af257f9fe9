// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An observer that records everything a run tells it, and a small driver
// that feeds the engine settings from box texts as the set-up page would
// (parsed once, corrections put back into the texts), for tests.

#include <string>
#include <vector>

#include "Random.h"
#include "StatusLines.h"
#include "TrainingEngine.h"

namespace vantorelle::testing {

// The set-up page's settings boxes, as texts in the driver's locale.
struct SettingsBoxes {
    std::string Sweeps;
    std::string LRate;
    std::string PrintSweeps;
    std::string MinError;
    bool StopAtMaxEpochs = true;
    bool StopWhenAllHits = true;
};

struct ShownStatus {
    StatusLines lines;
    bool final = false;
};

class RecordingHost : public RunObserver {
public:
    SettingsBoxes boxes{"1000", "0.50", "100", "0.01", true, true};
    std::vector<ShownStatus> shown;
    std::vector<std::string> warnings;  // "title|text"
    std::vector<std::string> errors;
    long progressMaximum = -1;  // the epochs a run planned (0: no limit)
    long progressValue = 0;     // epochs the run reported
    long stopAfterAsks = -1;    // answer "stop" at this many questions (-1: never)
    long asks = 0;
    NumberLocale locale;

    void RunStarted(const EpochReport& start) override
    {
        progressMaximum = start.EpochsPlanned;
        progressValue = 0;
    }
    void EpochEnded(const EpochReport& report) override
    {
        progressValue = report.EpochsOfRun;
        if (report.Display)
            shown.push_back({StatusLinesFor(report, locale), false});
    }
    void RunEnded(const EpochReport& report) override { shown.push_back({StatusLinesFor(report, locale), true}); }
    void Problem(const RunProblem& problem) override { errors.push_back(problem.message); }
    bool StopRequested() override { return ++asks == stopAfterAsks; }

    const StatusLines& Final() const { return shown.back().lines; }

    SettingsInput Input() const
    {
        return {EnteredNumber::FromText(boxes.Sweeps, locale), EnteredNumber::FromText(boxes.LRate, locale),
                EnteredNumber::FromText(boxes.PrintSweeps, locale), EnteredNumber::FromText(boxes.MinError, locale),
                boxes.StopAtMaxEpochs, boxes.StopWhenAllHits};
    }
    // Records a refusal and puts its correction back into the boxes, as the
    // page does. Answers whether the run may go ahead.
    bool Accept(const Refusal& refusal)
    {
        if (!refusal)
            return true;
        if (refusal->kind == SettingsProblem::Kind::Error) {
            errors.push_back(refusal->message);
            return false;
        }
        warnings.push_back(refusal->title + "|" + refusal->message);
        switch (refusal->field) {
        case SettingsField::Epochs: boxes.Sweeps = refusal->correction; break;
        case SettingsField::LearningRate: boxes.LRate = refusal->correction; break;
        case SettingsField::PrintSweeps: boxes.PrintSweeps = refusal->correction; break;
        case SettingsField::StopMethod: boxes.StopAtMaxEpochs = boxes.StopWhenAllHits = true; break;
        default: break;
        }
        return false;
    }
};

// Everything a test run needs: the recorder, a random generator and the
// front end's last printed total SSE.
struct EngineHost {
    RecordingHost& panel;
    Random& random;
    double LastPrintedSSE = 0;
};

inline bool ValidateSettings(NetworkState& net, EngineHost& host)
{
    return host.panel.Accept(AdoptSettings(net, host.panel.Input()));
}

inline bool StartTraining(NetworkState& net, EngineHost& host)
{
    return host.panel.Accept(
        vantorelle::StartTraining(net, host.panel.Input(), host.random, host.panel, host.LastPrintedSSE));
}

inline bool ContinueTraining(NetworkState& net, EngineHost& host)
{
    return host.panel.Accept(
        vantorelle::ContinueTraining(net, host.panel.Input(), host.random, host.panel, host.LastPrintedSSE));
}

// Always the same number: handy where a test wants to know every draw.
class FixedRandom : public Random {
public:
    explicit FixedRandom(std::vector<double> values) : values(std::move(values)) {}
    double Next() override
    {
        const double v = values[next % values.size()];
        ++next;
        return v;
    }
    void Reseed() override { ++reseeds; }
    std::vector<double> values;
    std::size_t next = 0;
    int reseeds = 0;
};

}  // namespace vantorelle::testing
