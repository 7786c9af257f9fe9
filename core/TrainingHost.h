#pragma once
// What the training engine needs from whoever runs it: the settings it reads
// (and corrects) before a run, the progress it reports during one, messages,
// random numbers and the user's number separators. The training page, the
// command-line trainer and the tests each bring their own.

#include <string>

#include "Messages.h"
#include "NumberFormat.h"
#include "Random.h"

namespace vantorelle {

// The settings boxes' texts and the two stop check boxes, as the user left them.
struct SettingsBoxes {
    std::string Sweeps;       // epochs to train
    std::string LRate;        // learning rate
    std::string PrintSweeps;  // display and record interval
    std::string MinError;     // hit criterion
    bool StopAtMaxEpochs = true;
    bool StopWhenAllHits = true;
};

// Read by the settings check before a run.
class SettingsPanel {
public:
    virtual ~SettingsPanel() = default;
    virtual SettingsBoxes ReadSettingsBoxes() = 0;
    // Corrections the check puts back. The texts are numbers in C form
    // ("0.10", "1"); a panel shows them with its locale's decimal separator,
    // since the boxes are read back in that locale.
    virtual void SetSweepsBox(const std::string& text) = 0;
    virtual void SetLRateBox(const std::string& text) = 0;
    virtual void SetPrintSweepsBox(const std::string& text) = 0;
    virtual void CheckBothStopBoxes() = 0;
};

// The five status lines; an empty text leaves that line blank.
struct StatusLines {
    std::string Epochs;
    std::string TotalSSE;
    std::string Change;
    std::string Hits;
    std::string Misses;
    StatusColour ChangeColour = StatusColour::Unchanged;
    StatusColour HitsColour = StatusColour::Unchanged;
};

// What a run reports. Only the status lines and the stop question are needed
// by every front end; the rest is for a window and does nothing by default.
class ProgressPanel {
public:
    virtual ~ProgressPanel() = default;
    // During a run (final == false) the latest lines are shown; the final
    // display (final == true) is kept for repaints.
    virtual void ShowStatus(const StatusLines& lines, bool final) = 0;
    // Asked after every epoch; keep it cheap.
    virtual bool StopRequested() = 0;

    // "Test Recall" and "Continue Training": hidden while a run is set up and
    // after a refused fresh start, shown when a run has ended.
    virtual void SetRunButtonsVisible(bool) {}
    virtual void ClearStatus() {}
    virtual void ShowStatusBoxes() {}
    virtual void ShowProgressBar(long /*maximum*/) {}
    virtual void AdvanceProgressBar() {}
    virtual void HideProgressBar() {}
};

// Everything one front end brings to the engine. LastPrintedSSE belongs to
// the training page: 0 when it is created, never reset by the engine.
struct TrainingHost {
    SettingsPanel& settings;
    ProgressPanel& progress;
    Messages& messages;
    Random& random;
    NumberLocale locale;
    double LastPrintedSSE = 0;
};

}  // namespace vantorelle
