// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watching the network learn: three pictures of it on tabs, its weights (each
// output unit's as a picture so many cells wide, with its threshold), its
// decisions (the input plane of a two-input network, shaded by one unit's
// activation, with the boundary and the patterns) and its error curve.
//
// The page reads the network state only when no job works on it: when it is
// created and whenever it becomes the active page. While the set-up page
// trains, the registry holds this page (no input), and the picture on the
// current tab follows the run through the snapshots its thread copies
// (TrainingRun::watch), at most once a refresh of the status lines; the run
// copies only what that picture draws, and the pictures on the other tabs
// catch up when their tab is chosen. On a machine with few processors the
// window's painting competes with the run, so following it must cost little.
//
// Every tab follows the network the line above them names. A file read after
// a run leaves that run's epochs, error and history in the state until the
// next run: they are not shown for the new file (see NetworkSnapshot's
// hasResults, and withOwnResults() for a file of the same sizes).
//
// "Print" prints the picture on the current tab through the printer (a PDF
// where there is none); "Save Picture" writes it as a PNG or an SVG file,
// chosen by the name's ending. The picture width each file was last shown
// with is kept for the rest of the session, in a PictureWidths the program
// gives every new page of this kind.

#include <QElapsedTimer>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "NetworkSnapshot.h"
#include "ScrollPage.h"
#include "ui_NetworkView.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;
class Printer;
class SaveFileDialog;
class TrainingRun;

// The picture width last chosen for each training file, for the session.
struct PictureWidths {
    std::map<std::string, int> byFile;
};

class NetworkView : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{12600, 10215};
    // The least time between two rewrites of the line of numbers during a run.
    static constexpr int LineIntervalMs = 200;

    NetworkView(const NetworkState& net, Dialogs& dialogs, PageRegistry& pages, Printer& printer,
                SaveFileDialog& files, PictureWidths& widths, QWidget* parent = nullptr);

    void activationStep() override;

    enum class Tab { Weights, Decisions, ErrorCurve };
    // Brings a tab to the front, as a click on it would.
    void showTab(Tab tab);

    // The picture on the current tab, and its title as printed.
    NetworkPicture* currentPicture() const;
    QString currentTitle() const;
    const NetworkSnapshot* snapshot() const { return shown.get(); }
    // Snapshots shown since the page was created.
    long snapshotsShown() const { return shownCount; }

    // A width that suits numInputs when none has been chosen: one row for a
    // few inputs, else the divisor nearest the square root (35 inputs: 5 x 7).
    static int DefaultPictureWidth(long numInputs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFonts();
    void connectHandlers();
    void fillTabPage(QWidget* page);
    void fitWeightsRoom();
    void followRun(ScrollPage* owner);
    void showSnapshot(std::shared_ptr<const NetworkSnapshot> snapshot);
    std::shared_ptr<const NetworkSnapshot> withOwnResults(std::shared_ptr<const NetworkSnapshot> snapshot);
    void tabChosen();
    void showOnPictures(bool currentOnly);
    unsigned partsWanted() const;
    void describeNetwork();
    void showDecisionsOrWhyNot();
    void widthChosen(int width);
    void unitChosen(int unit);
    void print();
    void savePicture();
    bool writePicture(const QString& path, QString* why) const;

    Ui::NetworkView ui;
    const NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    Printer& printer;
    SaveFileDialog& files;
    PictureWidths& widths;
    std::shared_ptr<const NetworkSnapshot> shown;
    // The latest snapshots with weights and with the history, for the pictures.
    std::shared_ptr<const NetworkSnapshot> withWeights;
    std::shared_ptr<const NetworkSnapshot> withHistory;
    std::shared_ptr<const SnapshotPatterns> shownPatterns;  // whose width the box shows
    // The last results shown with a network no run was working on, and whose they were.
    std::shared_ptr<const NetworkSnapshot> resultsSeen;
    QString cellHint;  // what the cell readout says before a cell is read
    QPointer<TrainingRun> followed;
    QElapsedTimer lineClock;  // since the line of numbers was last written
    bool lineShowsRun = false;  // with numbers from a run still going
    long shownCount = 0;
};

}  // namespace vantorelle
