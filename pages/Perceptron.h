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

#include <memory>

#include "Random.h"
#include "ScrollPage.h"
#include "TrainingHost.h"
#include "TrainingRun.h"
#include "ui_Perceptron.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;

class Perceptron : public ScrollPage, public SettingsPanel, public RunDisplay {
    Q_OBJECT

public:
    static constexpr DesignSize Design{14055, 9705};

    // random: where start weights and the pattern order come from; none means
    // a generator seeded from the clock.
    Perceptron(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, std::unique_ptr<Random> random = {},
               QWidget* parent = nullptr);
    ~Perceptron() override;

    void activationStep() override;

    bool isTraining() const { return run.running(); }
    // How often the current or last run has refreshed the page.
    long refreshCount() const { return run.refreshCount(); }

    // SettingsPanel
    SettingsBoxes ReadSettingsBoxes() override;
    void SetSweepsBox(const std::string& text) override;
    void SetLRateBox(const std::string& text) override;
    void SetPrintSweepsBox(const std::string& text) override;
    void CheckBothStopBoxes() override;

    // RunDisplay
    void SetRunButtonsVisible(bool visible) override;
    void ClearStatus() override;
    void ShowStatusBoxes() override;
    void ShowStatus(const StatusLines& lines, bool final) override;
    void ShowProgressBar(long maximum) override;
    void AdvanceProgressBar() override;
    void SetProgressValue(long value) override;
    void HideProgressBar() override;
    bool StopRequested() override { return false; }  // the run answers this itself
    void Warning(std::string_view title, std::string_view text) override;
    void Error(std::string_view text) override;

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
    QString boxText(const char* cNumber) const;

    void chooseRule(const char* rule);
    void lRateSliderMoved(int value);
    void minErrorSliderMoved();
    void stopBoxClicked();
    void startTraining();
    void continueTraining();
    void testRecall();

    // A run from the check that let it go ahead to its end.
    void beginRun();
    void endRun();
    void requestStop();
    std::vector<QWidget*> inputControls() const;

    Ui::Perceptron ui;
    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    std::unique_ptr<Random> random;
    TrainingHost host;

    // Declared last, so it is destroyed first: a run still going is stopped
    // and its thread joined before the generator and the widgets go.
    TrainingRun run;
};

}  // namespace vantorelle
