// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Run With Many Seeds": the set-up page's settings trained once from each
// seed of a range, on every core, with a line a seed and the median epochs
// to all hits. The runs train copies of the page's network, so the page and
// its network stay as they are and take input meanwhile; each line is the
// run "Start Training" gives with that seed in the seed box.
//
// A window of the set-up page's own. Stop (or closing the window) ends the
// runs under way after their current epoch and keeps the lines of those that
// ended.

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <thread>
#include <vector>

#include "NumberFormat.h"
#include "SeedSweep.h"
#include "ui_SeedsPanel.h"

namespace vantorelle {

class Perceptron;

class SeedsPanel : public QWidget {
    Q_OBJECT

public:
    SeedsPanel(Perceptron& page, const NumberLocale& locale, QWidget* parent);
    ~SeedsPanel() override;

    bool running() const { return worker.joinable(); }
    // The runs of the last sweep, in the seeds' order (empty while one goes).
    const std::vector<SeedOutcome>& outcomes() const { return shown; }
    // Writes the shown lines as CSV (the trainer's --seeds-csv columns);
    // answers "" or why the file could not be written.
    QString exportCsv(const QString& path) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runSeeds();
    void stopSeeds();
    void runEnded();
    void showOutcomes();
    void finish();
    void askAndExportCsv();

    Ui::SeedsPanel ui;
    Perceptron& page;
    const NumberLocale locale;
    std::atomic<bool> stop{false};
    std::atomic<long> done{0};
    std::vector<SeedOutcome> results;  // the worker's, read once it is joined
    std::vector<SeedOutcome> shown;
    QString shownSummary;  // the summary line as the label shows it
    bool hitStop = true;
    std::jthread worker;
};

}  // namespace vantorelle
