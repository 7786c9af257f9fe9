#pragma once
// A training panel and message sink that records everything the engine does,
// for tests.

#include <string>
#include <vector>

#include "Random.h"
#include "TrainingHost.h"

namespace vantorelle::testing {

struct ShownStatus {
    StatusLines lines;
    bool final = false;
};

class RecordingHost : public SettingsPanel, public ProgressPanel, public Messages {
public:
    SettingsBoxes boxes{"1000", "0.50", "100", "0.01", true, true};
    std::vector<ShownStatus> shown;
    std::vector<std::string> warnings;  // "title|text"
    std::vector<std::string> errors;
    bool runButtonsVisible = true;
    long progressMaximum = -1;
    long progressValue = 0;
    bool progressVisible = false;
    long stopAfterAsks = -1;  // answer "stop" at this many questions (-1: never)
    long asks = 0;

    SettingsBoxes ReadSettingsBoxes() override { return boxes; }
    void SetSweepsBox(const std::string& text) override { boxes.Sweeps = text; }
    void SetLRateBox(const std::string& text) override { boxes.LRate = text; }
    void SetPrintSweepsBox(const std::string& text) override { boxes.PrintSweeps = text; }
    void CheckBothStopBoxes() override { boxes.StopAtMaxEpochs = boxes.StopWhenAllHits = true; }
    void SetRunButtonsVisible(bool visible) override { runButtonsVisible = visible; }
    void ClearStatus() override {}
    void ShowStatusBoxes() override {}
    void ShowStatus(const StatusLines& lines, bool final) override { shown.push_back({lines, final}); }
    void ShowProgressBar(long maximum) override
    {
        progressMaximum = maximum;
        progressValue = 0;
        progressVisible = true;
    }
    void AdvanceProgressBar() override { ++progressValue; }
    void HideProgressBar() override { progressVisible = false; }
    bool StopRequested() override { return ++asks == stopAfterAsks; }
    void Warning(std::string_view title, std::string_view text) override
    {
        warnings.push_back(std::string(title) + "|" + std::string(text));
    }
    void Error(std::string_view text) override { errors.emplace_back(text); }

    const StatusLines& Final() const { return shown.back().lines; }
};

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
