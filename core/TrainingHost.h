#pragma once
// What the training engine needs from whoever shows it: the settings boxes,
// the five status lines, the progress bar, the run buttons, a way to be told
// to stop, and message boxes. The training page, the command-line trainer and
// the tests each implement these.

#include <string>
#include <string_view>

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

// Background of a status line: left as it is, green (0,255,0) or red (255,0,0).
enum class StatusColour { Unchanged, Green, Red };

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

class TrainingPanel {
public:
    virtual ~TrainingPanel() = default;
    virtual SettingsBoxes ReadSettingsBoxes() = 0;
    // Corrections the settings check puts back into the page. The texts are
    // numbers in C form ("0.10", "1"); a panel shows them with its locale's
    // decimal separator, since the boxes are read back in that locale.
    virtual void SetSweepsBox(const std::string& text) = 0;
    virtual void SetLRateBox(const std::string& text) = 0;
    virtual void SetPrintSweepsBox(const std::string& text) = 0;
    virtual void CheckBothStopBoxes() = 0;
    // "Test Recall" and "Continue Training": hidden while a run is set up.
    virtual void SetRunButtonsVisible(bool visible) = 0;
    virtual void ClearStatus() = 0;
    virtual void ShowStatusBoxes() = 0;
    // During a run (final == false) lines go straight to the screen; the final
    // display (final == true) is kept for repaints.
    virtual void ShowStatus(const StatusLines& lines, bool final) = 0;
    virtual void ShowProgressBar(long maximum) = 0;
    virtual void AdvanceProgressBar() = 0;
    virtual void HideProgressBar() = 0;
    // Asked after every epoch; keep it cheap.
    virtual bool StopRequested() = 0;
};

class Messages {
public:
    virtual ~Messages() = default;
    // Exclamation icon, OK button, its own title.
    virtual void Warning(std::string_view title, std::string_view text) = 0;
    // No icon, OK button, the program's title. Lines are separated by "\r".
    virtual void Error(std::string_view text) = 0;
};

// Everything one training page brings to the engine. LastPrintedSSE belongs to
// the page: 0 when it is created, never reset by the engine.
struct TrainingHost {
    TrainingPanel& panel;
    Messages& messages;
    Random& random;
    NumberLocale locale;
    double LastPrintedSSE = 0;
};

}  // namespace vantorelle
