// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step panel: the set-up page's runs one pattern at a time, with the
// arithmetic of each step shown. "Step One Pattern" and "Step One Epoch"
// start a run paused when none is going (continuing the trained network
// when the page can, else from new weights); "Run" lets it go on, "Pause"
// holds it after the current pattern, and the speed slows a run down to a
// few patterns a second. For the unit the user picks, the panel shows the
// step written out in the rule's own formula and the weights before and
// after, the changed ones marked; the other units are summed up in a line.
//
// A window of the set-up page's own, so that it takes input while that
// page's run holds the other pages. Closing it lets a held run go on as fast
// as it can: a run is never left waiting for a panel that is gone.

#include <QWidget>
#include <memory>

#include "NumberFormat.h"
#include "PatternStep.h"
#include "ui_StepPanel.h"

namespace vantorelle {

class Perceptron;
class TrainingRun;

class StepPanel : public QWidget {
    Q_OBJECT

public:
    // Patterns a second at each position of the speed slider; 0: as fast as possible.
    static constexpr double Speeds[] = {0, 100, 30, 10, 3, 1};

    StepPanel(Perceptron& page, TrainingRun& run, const NumberLocale& locale, QWidget* parent);

    // The step shown, if any.
    const PatternStep* shownStep() const { return step.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void stepPattern();
    void stepEpoch();
    void runOn();
    void pause();
    void speedChanged(int position);
    void showStep(std::shared_ptr<const PatternStep> shown);
    void showUnit();
    void updateButtons();

    Ui::StepPanel ui;
    Perceptron& page;
    TrainingRun& run;
    const NumberLocale locale;
    std::shared_ptr<const PatternStep> step;
};

}  // namespace vantorelle
