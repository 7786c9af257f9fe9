// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The training set-up page: the user chooses the rule and the settings,
// starts a run, continues it and watches the five status lines. The page
// checks its boxes with the engine, then hands the run to a TrainingRun, which
// trains on a thread of its own and brings the engine's reports back here.
//
// While a run goes on, this page's settings take no input and the registry
// holds every other page; "Stop Training" (or Esc) and closing any page end
// the run after the current epoch, with the usual final display, and the
// page closes then.

#include <QPointer>
#include <memory>

#include "DialogMessages.h"
#include "Random.h"
#include "SavedNetwork.h"
#include "ScrollPage.h"
#include "TrainingEngine.h"
#include "TrainingRun.h"
#include "ui_Perceptron.h"

namespace vantorelle {

struct LessonSettings;
struct NetworkState;
struct PageMemory;
class Dialogs;
class PageRegistry;
class SeedsPanel;
class StepPanel;

class Perceptron : public ScrollPage, public RunDisplay {
    Q_OBJECT

public:
    static constexpr DesignSize Design{14055, 9705};

    // random: where start weights and the pattern order come from; none means
    // a generator seeded from the clock.
    Perceptron(NetworkState& net, PageMemory& memory, Dialogs& dialogs, PageRegistry& pages, std::unique_ptr<Random> random = {},
               QWidget* parent = nullptr);
    ~Perceptron() override;

    void activationStep() override;

    bool isTraining() const { return run.running(); }
    // For the step panel: "Continue Training" when the page offers it, else
    // "Start Training", with the settings check either one makes.
    void startSteppedRun();
    // The step panel, opened by "Step Through Training...".
    StepPanel* openStepPanel();
    // "Start Training", as its button does it.
    void startTraining();
    // A lesson's settings in the page's boxes and options, the rest left as
    // they are; the page then looks as before a first run on a new file.
    void applySettings(const LessonSettings& settings);
    // The many-seeds window, opened by "Run With Many Seeds...".
    SeedsPanel* openSeedsPanel();
    // What the many-seeds window copies: the network as the page holds it
    // (read it only while the page is not training) and the settings boxes.
    const NetworkState& network() const { return net; }
    SettingsInput runSettings() const { return settingsInput(); }
    PageMemory& pageMemory() { return memory; }
    // How often the current or last run has refreshed the page.
    long refreshCount() const { return run.refreshCount(); }

    // The network with what this page keeps of it (the generator's state, the
    // boxes, the status lines), and the note the user gave it.
    SavedNetwork saved(const std::string& note) const;
    // Puts a saved network in place, the page as it was when saved; the next
    // "Continue Training" goes on from the saved weights and generator.
    void restore(const SavedNetwork& saved);

    // RunDisplay
    void runStarted(long epochsPlanned) override;
    void showStatus(const StatusLines& lines) override;
    void showProgress(long epochsOfRun) override;
    void runEnded(const StatusLines& lines) override;
    void showProblem(const RunProblem& problem) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFonts();
    void setAccessibleNames();
    void loadStep();
    void connectHandlers();

    QLabel* statusBox(int index) const;  // Picture1_1 .. Picture1_5
    void setBackground(QLabel* box, const QColor& colour);
    // Hidden, empty and in the button colour, as before the first run.
    void clearStatusBoxes();
    void writeStatus(const StatusLines& lines);
    void writeSettingsLines();
    QString boxText(const std::string& cNumber) const;
    SettingsInput settingsInput() const;
    // Shows why a run was refused and corrects the box it is about; answers
    // whether the run may go ahead.
    bool accept(const Refusal& refusal);
    void setRunButtonsVisible(bool visible);
    // The rate and hit-criterion sliders moved to what their boxes say.
    void moveSlidersToBoxes();
    // Takes the seed box into the generator; false, with a message, when it
    // holds no whole number.
    bool takeSeed();
    void showRunSeed();

    void chooseRule(RuleKind rule);
    void lRateSliderMoved(int value);
    void minErrorSliderMoved();
    void stopBoxClicked();
    void continueTraining();
    void testRecall();

    // A run from the check that let it go ahead to its end.
    void beginRun();
    void endRun();
    // Puts the run that has just ended in this sitting's kept runs.
    void keepRun();
    void requestStop();
    std::vector<QWidget*> inputControls() const;

    Ui::Perceptron ui;
    NetworkState& net;
    PageMemory& memory;
    Dialogs& dialogs;
    DialogMessages messages;
    PageRegistry& pages;
    std::unique_ptr<Random> random;
    const NumberLocale locale;
    // The total SSE of the last progress display, which the next display's
    // change is measured from: 0 when the page is created, kept across runs.
    double lastPrintedSSE = 0;
    // Every epoch's SSE since the last fresh start, across continued runs.
    RunTrace trace;

    // Declared last, so it is destroyed first: a run still going is stopped
    // and its thread joined before the generator and the widgets go.
    TrainingRun run;
    QPointer<StepPanel> stepPanel;
    QPointer<SeedsPanel> seedsPanel;
};

}  // namespace vantorelle
