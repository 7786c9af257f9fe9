// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Make Or Edit A Training Set": a training set as a table to edit (rows and
// columns added, copied and deleted, cells pasted from a spreadsheet, every
// step undone and redone), drawn as points on the plane of two inputs over
// the current network's answer, imported from a CSV file, or generated
// (logic functions, Gaussian clouds, letters) with a seed; then saved as a ".net" file, with a share of the
// patterns held out as a test file when asked, and trained on at once on the
// set-up page. The page opens on the patterns of the network read last, if
// any. Nothing is written until the whole set passes the training file's
// checks, and then every file is written in full or none.

#include "NumberFormat.h"
#include "TrainingSet.h"
#include "ScrollPage.h"
#include "ui_MakeTrainingSet.h"

#include <QPoint>
#include <optional>
#include <string>

namespace vantorelle {

struct NetworkState;
class Dialogs;
class PageRegistry;
class SaveFileDialog;
class OpenFileDialog;
class SetTable;
class SetDrawing;
class CsvImportPanel;


class MakeTrainingSet : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{900 * 15 + FrameWidthTwips, 640 * 15 + FrameHeightTwips};

    MakeTrainingSet(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, SaveFileDialog& saveDialog,
                    OpenFileDialog& openDialog, QWidget* parent = nullptr);
    ~MakeTrainingSet() override;

    SetTable& table() { return *setTable; }
    SetDrawing& drawing() { return *setDrawing; }
    CsvImportPanel& csvImport() { return *importPanel; }
    // The path the save dialog offers first.
    QString offeredPath() const;

protected:
    // Coming back from training: the drawing shows the network as it is now.
    void activationStep() override;

private:
    void setUpTable();
    void setUpDrawing();
    void showDrawClasses();
    void showNetworkUnderPoints();
    void orderTabs();
    void connectUndo();
    void connectTableButtons();
    void showSizes();
    void showGeneratorFields();
    void generate();
    std::optional<TrainingSet> generated();
    // The cell the selection starts at, or the current cell.
    QModelIndex anchor() const;
    std::vector<int> selectedRows() const;
    void pasteClipboard();
    void copySelection();
    // The patterns the hold-out box asks for, or nothing when it is refused.
    std::optional<long> heldOutCount(long patterns);
    // Saves the table, split when asked; the training file's path, or nothing.
    std::optional<std::string> save(bool tellSaved);
    void saveAndTrain();
    void refuse(const QString& message);

    Ui::MakeTrainingSet ui;
    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    SaveFileDialog& saveDialog;
    const NumberLocale locale;
    SetTable* setTable;
    SetDrawing* setDrawing;
    CsvImportPanel* importPanel;
    std::string lastFile;  // the file saved or read last, with its folder
    // A name for a set that came from elsewhere (a CSV file, a generator); saved in the current folder.
    QString newName = QStringLiteral("set.net");
    bool refusing = false;  // a refusal's box is up
    QPoint keptCell{-1, -1};  // column and row of the current cell across a reset
};

}  // namespace vantorelle
