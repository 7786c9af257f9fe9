#pragma once
// The training set-up page: the user chooses the rule and the settings,
// starts a run, continues it and watches the five status lines. The page
// hands its boxes to the training engine and shows what the engine reports.
//
// A run goes on inside the button handler, as the engine is built to do, but
// the window never freezes: StopRequested(), which the engine asks after every
// epoch, repaints the status lines and handles waiting events at most about
// thirty times a second. While a run goes on, this page's settings and the
// other open pages take no input; "Stop Training" (or Esc) and closing the
// window end the run after the current epoch, with the usual final display.

#include <QElapsedTimer>
#include <QPointer>
#include <memory>
#include <vector>

#include "Random.h"
#include "ScrollPage.h"
#include "TrainingHost.h"
#include "ui_Perceptron.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;

class Perceptron : public ScrollPage, public TrainingPanel, public Messages {
    Q_OBJECT

public:
    static constexpr DesignSize Design{14055, 9705};
    // The slowest rate at which a running page repaints and handles input.
    static constexpr int RefreshIntervalMs = 33;

    // random: where start weights and the pattern order come from; none means
    // a generator seeded from the clock.
    Perceptron(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, std::unique_ptr<Random> random = {},
               QWidget* parent = nullptr);

    void activationStep() override;

    bool isTraining() const { return training; }
    // How often a run has repainted and handled events (for the throttle's tests).
    long refreshCount() const { return refreshes; }

    // TrainingPanel
    SettingsBoxes ReadSettingsBoxes() override;
    void SetSweepsBox(const std::string& text) override;
    void SetLRateBox(const std::string& text) override;
    void SetPrintSweepsBox(const std::string& text) override;
    void CheckBothStopBoxes() override;
    void SetRunButtonsVisible(bool visible) override;
    void ClearStatus() override;
    void ShowStatusBoxes() override;
    void ShowStatus(const StatusLines& lines, bool final) override;
    void ShowProgressBar(long maximum) override;
    void AdvanceProgressBar() override;
    void HideProgressBar() override;
    bool StopRequested() override;

    // Messages
    void Warning(std::string_view title, std::string_view text) override;
    void Error(std::string_view text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* statusBox(int index) const;  // Picture1_1 .. Picture1_5
    void setBackground(QLabel* box, const QColor& colour);
    void writeStatus(const StatusLines& lines);
    void writeSettingsLines();
    QString boxText(const char* cNumber) const;

    void chooseRule(const char* rule, const char* rate);
    void lRateSliderMoved(int value);
    void minErrorSliderReleased();
    void stopBoxClicked();
    void startTraining();
    void continueTraining();
    void testRecall();

    // A run from the engine's first status display to its end.
    void beginRun();
    void endRun();
    void refreshDuringRun();
    void requestStop();
    std::vector<QWidget*> inputControls() const;

    Ui::Perceptron ui;
    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    std::unique_ptr<Random> random;
    TrainingHost host;

    bool training = false;
    bool stopAsked = false;
    bool closeWhenStopped = false;
    QElapsedTimer sinceRefresh;
    long refreshes = 0;
    // What a run has shown since the last repaint.
    StatusLines pendingStatus;
    bool statusPending = false;
    int progressValue = 0;
    std::vector<QPointer<QWidget>> pagesHeldDuringRun;
};

}  // namespace vantorelle
