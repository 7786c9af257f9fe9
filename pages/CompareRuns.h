// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs of this sitting side by side. The list holds every kept run (the
// set-up page keeps each run as it ends); the user ticks the ones to
// compare, renames them in place, saves one as a saved-network file or
// removes it. For the ticked runs the tabs show:
//   - their total SSE after every epoch on one graph, each run in its own
//     colour, line style and marker, with a legend naming the rule, the
//     rate, the seed and the epochs to all hits;
//   - their settings and outcomes side by side, the rows that differ marked;
//   - their decision planes side by side, for files of two inputs;
//   - their confusion tables on the file each trained on, and on the file
//     the network now holds when that is another of the same sizes.
//
// The runs are copies made when they ended, so the page reads the network
// state only for the last tab's test file, when it is shown or becomes the
// active page (never while a run works on it).

#include <QPointer>
#include <vector>

#include "KeptRuns.h"
#include "ScrollPage.h"
#include "ui_CompareRuns.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QTableWidget;

namespace vantorelle {

struct NetworkState;
class Dialogs;
class NetworkFiles;
class RunCurvesView;

class CompareRuns : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{1180 * 15 + FrameWidthTwips, 648 * 15 + FrameHeightTwips};

    // `files` saves a run as a saved network; without it that button says it is not available.
    CompareRuns(const NetworkState& net, KeptRuns& runs, Dialogs& dialogs, NetworkFiles* files,
                QWidget* parent = nullptr);

    void activationStep() override;

    // The ticked runs, in the list's order; and ticks exactly these.
    std::vector<KeptRuns::Run> chosenRuns() const;
    void choose(const std::vector<KeptRuns::Run>& chosen);

    RunCurvesView* curves() const { return curvesView; }
    QTableWidget* settingsTable() const { return sideBySide; }
    QString confusionText() const;
    // The decision planes shown, one a ticked two-input run.
    int decisionPlanes() const;

private:
    void buildTabs();
    void listRuns();
    void itemChanged(QListWidgetItem* item);
    void showChosen();
    void showCurves(const std::vector<KeptRuns::Run>& chosen);
    void showSideBySide(const std::vector<KeptRuns::Run>& chosen);
    void showPlanes(const std::vector<KeptRuns::Run>& chosen);
    void showConfusions(const std::vector<KeptRuns::Run>& chosen);
    KeptRuns::Run currentRun() const;
    void saveRun();
    void removeRun();

    Ui::CompareRuns ui;
    const NetworkState& net;
    KeptRuns& runs;
    Dialogs& dialogs;
    NetworkFiles* files;
    const NumberLocale locale;
    std::vector<KeptRuns::Run> listed;  // the list's rows
    bool listing = false;

    RunCurvesView* curvesView = nullptr;
    QCheckBox* logScale = nullptr;
    QLabel* curvesHint = nullptr;
    QTableWidget* sideBySide = nullptr;
    QScrollArea* planesScroll = nullptr;
    QWidget* planesRow = nullptr;
    QHBoxLayout* planesLayout = nullptr;
    QLabel* planesHint = nullptr;
    QPlainTextEdit* confusions = nullptr;
};

}  // namespace vantorelle
