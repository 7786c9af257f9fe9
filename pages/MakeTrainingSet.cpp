// SPDX-License-Identifier: GPL-3.0-or-later
#include "MakeTrainingSet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QTabBar>

#include "Dialogs.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Printing.h"
#include "Random.h"
#include "SetGenerators.h"
#include "CsvImportPanel.h"
#include "NetworkSnapshot.h"
#include "SetDrawing.h"
#include "SetTable.h"
#include "SystemTexts.h"
#include "TrainingFile.h"
#include "TrainingSetFiles.h"

namespace vantorelle {

namespace {

QString Filter() { return MakeTrainingSet::tr("Training files (*.net);;All files (*)"); }

// The generator list's entries, in its order.
enum class Kind { And, Or, Nand, Xor, Parity, Clouds, Letters };

QString Patterns(long count)
{
    return (count == 1 ? MakeTrainingSet::tr("%1 pattern") : MakeTrainingSet::tr("%1 patterns")).arg(count);
}

QString Inputs(long count)
{
    return (count == 1 ? MakeTrainingSet::tr("%1 input") : MakeTrainingSet::tr("%1 inputs")).arg(count);
}

QString Outputs(long count)
{
    return (count == 1 ? MakeTrainingSet::tr("%1 output") : MakeTrainingSet::tr("%1 outputs")).arg(count);
}

// A file name for a generated set: what it is, as the trainer's --make names it.
QString GeneratedName(Kind kind, int inputs)
{
    switch (kind) {
    case Kind::And: return QStringLiteral("and");
    case Kind::Or: return QStringLiteral("or");
    case Kind::Nand: return QStringLiteral("nand");
    case Kind::Xor: return QStringLiteral("xor");
    case Kind::Parity: return QStringLiteral("parity%1").arg(inputs);
    case Kind::Clouds: return QStringLiteral("clouds");
    case Kind::Letters: break;
    }
    return QStringLiteral("letters");
}

// "base.net", or "base-2.net" and on when that is taken in the current
// folder: a new set is never offered an existing file's name.
QString UnusedName(const QString& base)
{
    const QDir folder = QDir::current();
    QString name = base + QStringLiteral(".net");
    for (int n = 2; folder.exists(name) && n < 10000; ++n)
        name = QStringLiteral("%1-%2.net").arg(base).arg(n);
    return name;
}

}  // namespace

MakeTrainingSet::MakeTrainingSet(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, SaveFileDialog& saveDialog,
                                 OpenFileDialog& openDialog, QWidget* parent)
    : ScrollPage(Design, parent),
      net(net),
      dialogs(dialogs),
      pages(pages),
      saveDialog(saveDialog),
      locale(SystemNumberLocale()),
      setTable(new SetTable(locale, this)),
      setDrawing(nullptr),
      importPanel(new CsvImportPanel(dialogs, openDialog, *setTable))
{
    ui.setupUi(this);
    PageFonts::set(ui.Title, PageFonts::title());

    setUpTable();
    setUpDrawing();
    ui.ImportTabLayout->addWidget(importPanel);
    connect(importPanel, &CsvImportPanel::columnsShown, this, &MakeTrainingSet::orderTabs);
    connect(importPanel, &CsvImportPanel::imported, this, [this](const QString& csv) {
        newName = UnusedName(QFileInfo(csv).completeBaseName());
        lastFile.clear();
    });
    ui.Spread->setText(QString::fromStdString(InLocaleForm("0.3", locale)));
    ui.Noise->setText(QStringLiteral("0"));

    // The page opens on the patterns in use, so a file read a moment ago can be edited.
    if (net.NumPatterns > 0)
        setTable->setGridNow(GridOf(SetOf(net)));
    if (!net.TrainingFileName.empty())
        lastFile = QDir::current().filePath(QString::fromStdString(net.TrainingFileName)).toStdString();

    connectUndo();
    connectTableButtons();

    connect(ui.SetKind, &QComboBox::currentIndexChanged, this, &MakeTrainingSet::showGeneratorFields);
    connect(ui.Generate, &QPushButton::clicked, this, &MakeTrainingSet::generate);
    connect(ui.SaveSet, &QPushButton::clicked, this, [this] { save(true); });
    connect(ui.SaveAndTrain, &QPushButton::clicked, this, &MakeTrainingSet::saveAndTrain);
    connect(ui.CloseSet, &QPushButton::clicked, this, &QWidget::close);
    // A cell's editor takes Escape first, to cancel what was typed in it.
    closeOnEscape(ui.CloseSet);

    showGeneratorFields();
    showSizes();
    orderTabs();
    finishLoad();
}

void MakeTrainingSet::setUpTable()
{
    ui.SetView->setModel(setTable);
    // Full-precision values are long: one line each, wide enough for 17 digits
    // with sign, point and exponent, and the rest elided rather than wrapped.
    ui.SetView->setWordWrap(false);
    ui.SetView->setTextElideMode(Qt::ElideRight);
    ui.SetView->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ui.SetView->horizontalHeader()->setDefaultSectionSize(
        ui.SetView->fontMetrics().horizontalAdvance(QStringLiteral("-0.12345678901234567")) + 12);
    ui.SetView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui.SetView->verticalHeader()->setDefaultSectionSize(ui.SetView->fontMetrics().height() + 8);
    ui.SetView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table for the next control; the arrows move between cells.
    ui.SetView->setTabKeyNavigation(false);
}

void MakeTrainingSet::setUpDrawing()
{
    setDrawing = new SetDrawing(*setTable, locale);
    setDrawing->setObjectName(QStringLiteral("DrawingPlane"));
    ui.DrawTabLayout->addWidget(setDrawing, 1);
    connect(setDrawing, &SetDrawing::classesChanged, this, [this] {
        showDrawClasses();
        showNetworkUnderPoints();
    });
    connect(ui.DrawClass, &QComboBox::currentIndexChanged, setDrawing, &SetDrawing::setDrawClass);
    connect(ui.SetTabs, &QTabWidget::currentChanged, this, [this] {
        if (ui.SetTabs->currentWidget() == ui.DrawTab)
            showNetworkUnderPoints();
    });
    showDrawClasses();
}

void MakeTrainingSet::showDrawClasses()
{
    const QSignalBlocker quiet(ui.DrawClass);
    ui.DrawClass->clear();
    for (int kind = 0; kind < setDrawing->classCount(); ++kind) {
        // The class's own marker, so the list reads as the key does.
        QPixmap marker(16, 16);
        marker.fill(Qt::transparent);
        QPainter painter(&marker);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(ViewPalette::ink(), 1.2));
        painter.setBrush(ViewPalette::seriesColour(kind));
        painter.drawPath(ViewPalette::markerPath(ViewPalette::seriesMarker(kind), QPointF(8, 8), 5));
        painter.end();
        ui.DrawClass->addItem(QIcon(marker), setDrawing->className(kind));
    }
    ui.DrawClass->setCurrentIndex(setDrawing->drawClass());
}

void MakeTrainingSet::showNetworkUnderPoints()
{
    // While a run works on the network, its weights are the run's: the
    // drawing takes them when the page is next active.
    if (pages.pagesHeld())
        return;
    std::vector<PlaneUnit> units;
    const SetGrid& grid = setTable->grid();
    if (net.NumInputs == 2 && grid.inputs == 2 && net.NumOutputs == grid.outputs) {
        const NetworkSnapshot snapshot = TakeSnapshot(net);
        // A network never trained nor started has all weights 0: it has no answer to show.
        bool started = net.EpochCount > 0;
        for (long k = 1; snapshot.hasWeights() && k <= net.NumOutputs; ++k) {
            units.push_back(PlaneUnitOf(snapshot, k));
            started = started || units.back().w1 != 0 || units.back().w2 != 0 || units.back().threshold != 0;
        }
        if (!started)
            units.clear();
    }
    setDrawing->setUnits(std::move(units), net.MinError);
}

void MakeTrainingSet::orderTabs()
{
    // Tab reads the page as it is laid out: the tabs and what the current one
    // shows, then the side column. The column boxes of a CSV file come and
    // go, so the order is set again each time they do.
    std::vector<QWidget*> order{ui.SetTabs->findChild<QTabBar*>(), ui.AddRow, ui.DuplicateRows, ui.DeleteRows,
                                ui.PasteCells, ui.UndoEdit, ui.RedoEdit, ui.AddInput, ui.AddOutput,
                                ui.DuplicateColumn, ui.DeleteColumn, ui.SetView, ui.DrawClass, setDrawing};
    for (QWidget* stop : importPanel->tabStops())
        order.push_back(stop);
    for (QWidget* stop : std::initializer_list<QWidget*>{ui.SetKind, ui.LogicInputs, ui.Classes, ui.PerClass,
                                                         ui.Spread, ui.Noise, ui.Separable, ui.Letters, ui.Copies,
                                                         ui.Seed, ui.Generate, ui.HoldOutPercent, ui.SaveSet,
                                                         ui.SaveAndTrain, ui.CloseSet})
        order.push_back(stop);
    for (std::size_t n = 1; n < order.size(); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);
}

void MakeTrainingSet::activationStep() { showNetworkUnderPoints(); }

void MakeTrainingSet::connectUndo()
{
    // The shortcuts work wherever the focus is on the page, the table included.
    auto shortcut = [this](QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    QUndoStack& undo = setTable->undoStack();
    shortcut(QKeySequence::keyBindings(QKeySequence::Paste), [this] { pasteClipboard(); });
    shortcut(QKeySequence::keyBindings(QKeySequence::Copy), [this] { copySelection(); });
    shortcut(QKeySequence::keyBindings(QKeySequence::Undo), [&undo] { undo.undo(); });
    // Ctrl+Shift+Z and Ctrl+Y both, whatever the desktop's own keys: people
    // come to this table from spreadsheets of either kind.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(keys))
            redoKeys << keys;
    shortcut(redoKeys, [&undo] { undo.redo(); });
    connect(ui.UndoEdit, &QPushButton::clicked, &undo, &QUndoStack::undo);
    connect(ui.RedoEdit, &QPushButton::clicked, &undo, &QUndoStack::redo);
    connect(&undo, &QUndoStack::canUndoChanged, ui.UndoEdit, &QWidget::setEnabled);
    connect(&undo, &QUndoStack::canRedoChanged, ui.RedoEdit, &QWidget::setEnabled);
    connect(&undo, &QUndoStack::undoTextChanged, ui.UndoEdit,
            [this](const QString& what) { ui.UndoEdit->setToolTip(tr("Undo: %1").arg(what)); });
    connect(&undo, &QUndoStack::redoTextChanged, ui.RedoEdit,
            [this](const QString& what) { ui.RedoEdit->setToolTip(tr("Redo: %1").arg(what)); });
    ui.UndoEdit->setEnabled(false);
    ui.RedoEdit->setEnabled(false);
}

void MakeTrainingSet::connectTableButtons()
{
    connect(ui.AddRow, &QPushButton::clicked, this, [this] {
        setTable->addRow(anchor().isValid() ? anchor().row() : setTable->rowCount() - 1);
    });
    connect(ui.DuplicateRows, &QPushButton::clicked, this, [this] { setTable->duplicateRows(selectedRows()); });
    connect(ui.DeleteRows, &QPushButton::clicked, this, [this] { setTable->deleteRows(selectedRows()); });
    connect(ui.PasteCells, &QPushButton::clicked, this, &MakeTrainingSet::pasteClipboard);
    connect(ui.AddInput, &QPushButton::clicked, this, [this] { setTable->addColumn(ColumnGroup::Inputs); });
    connect(ui.AddOutput, &QPushButton::clicked, this, [this] { setTable->addColumn(ColumnGroup::Outputs); });
    connect(ui.DuplicateColumn, &QPushButton::clicked, this, [this] {
        if (anchor().isValid())
            setTable->duplicateColumn(anchor().column());
    });
    connect(ui.DeleteColumn, &QPushButton::clicked, this, [this] {
        if (!anchor().isValid())
            return;
        if (!setTable->canDeleteColumn(anchor().column()))
            refuse(tr("A training set needs one input and one output at least: %1 stays.")
                       .arg(setTable->columnName(anchor().column())));
        else
            setTable->deleteColumn(anchor().column());
    });
    connect(setTable, &SetTable::cellRefused, this, &MakeTrainingSet::refuse);
    connect(setTable, &QAbstractItemModel::modelReset, this, &MakeTrainingSet::showSizes);
    // A whole-grid step resets the view; the cell the user was on stays
    // chosen, so the next button works where the last one did.
    connect(setTable, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex current = ui.SetView->currentIndex();
        keptCell = current.isValid() ? QPoint(current.column(), current.row()) : QPoint(-1, -1);
    });
    connect(setTable, &QAbstractItemModel::modelReset, this, [this] {
        if (keptCell.x() < 0 || setTable->rowCount() == 0)
            return;
        const QModelIndex cell = setTable->index(std::min(keptCell.y(), setTable->rowCount() - 1),
                                                 std::min(keptCell.x(), setTable->columnCount() - 1));
        ui.SetView->setCurrentIndex(cell);
    });
}

MakeTrainingSet::~MakeTrainingSet()
{
    // The table is a child and goes after this page's members; its undo
    // stack says so to the buttons as it clears, and the lambdas reading this
    // page must not hear it.
    QObject::disconnect(&setTable->undoStack(), nullptr, nullptr, nullptr);
}

void MakeTrainingSet::showSizes()
{
    const SetGrid& grid = setTable->grid();
    ui.SetSizes->setText(tr("%1 of %2 and %3", "26 patterns of 35 inputs and 26 outputs")
                             .arg(Patterns(static_cast<long>(grid.rows.size())), Inputs(grid.inputs),
                                  Outputs(grid.outputs)));
}

void MakeTrainingSet::showGeneratorFields()
{
    const auto kind = static_cast<Kind>(ui.SetKind->currentIndex());
    const bool logic = kind <= Kind::Parity;
    ui.LogicInputs->setEnabled(logic);
    if (kind == Kind::Parity && ui.LogicInputs->value() < 3)
        ui.LogicInputs->setValue(3);
    for (QWidget* field : std::initializer_list<QWidget*>{ui.Classes, ui.PerClass, ui.Spread, ui.Separable})
        field->setEnabled(kind == Kind::Clouds);
    for (QWidget* field : std::initializer_list<QWidget*>{ui.Letters, ui.Copies})
        field->setEnabled(kind == Kind::Letters);
    ui.Noise->setEnabled(kind == Kind::Clouds || kind == Kind::Letters);
}

std::optional<TrainingSet> MakeTrainingSet::generated()
{
    const auto kind = static_cast<Kind>(ui.SetKind->currentIndex());
    const QString setName = ui.SetKind->currentText();
    auto refused = [&](const std::string& problem) {
        refuse(QStringLiteral("The %1 set cannot be made: %2").arg(setName, QString::fromStdString(problem)));
        return std::nullopt;
    };
    if (kind <= Kind::Parity) {
        const long inputs = ui.LogicInputs->value();
        if (std::string problem = LogicProblem(inputs); !problem.empty())
            return refused(problem);
        static constexpr LogicFunction functions[] = {LogicFunction::And, LogicFunction::Or, LogicFunction::Nand,
                                                      LogicFunction::Xor, LogicFunction::Xor};
        return LogicSet(functions[static_cast<int>(kind)], inputs);
    }
    const std::optional<double> noise = ParseBoxNumber(ui.Noise->text().toStdString(), locale);
    if (!noise)
        return refused("the noise, \"" + ui.Noise->text().toStdString() + "\", is not a number.");
    MersenneRandom random(static_cast<std::uint64_t>(ui.Seed->value()));
    if (kind == Kind::Clouds) {
        const std::optional<double> spread = ParseBoxNumber(ui.Spread->text().toStdString(), locale);
        if (!spread)
            return refused("the spread, \"" + ui.Spread->text().toStdString() + "\", is not a number.");
        CloudParams params;
        params.classes = ui.Classes->value();
        params.perClass = ui.PerClass->value();
        params.spread = *spread;
        params.noise = *noise;
        params.separable = ui.Separable->isChecked();
        if (std::string problem = CloudProblem(params); !problem.empty())
            return refused(problem);
        return CloudSet(params, random);
    }
    LetterParams params;
    params.letters = ui.Letters->text().toStdString();
    params.copies = ui.Copies->value();
    params.noise = *noise;
    if (std::string problem = LetterProblem(params); !problem.empty())
        return refused(problem);
    return LetterSet(params, random);
}

void MakeTrainingSet::generate()
{
    if (const std::optional<TrainingSet> set = generated()) {
        setTable->replaceAll(GridOf(*set), tr("Generate %1").arg(ui.SetKind->currentText()));
        newName = UnusedName(GeneratedName(static_cast<Kind>(ui.SetKind->currentIndex()), ui.LogicInputs->value()));
        lastFile.clear();
    }
}

QModelIndex MakeTrainingSet::anchor() const
{
    const QModelIndexList selected = ui.SetView->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return ui.SetView->currentIndex();
    QModelIndex first = selected.first();
    for (const QModelIndex& cell : selected)
        if (cell.row() < first.row() || (cell.row() == first.row() && cell.column() < first.column()))
            first = cell;
    return first;
}

std::vector<int> MakeTrainingSet::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& cell : ui.SetView->selectionModel()->selectedIndexes())
        rows.push_back(cell.row());
    if (rows.empty() && ui.SetView->currentIndex().isValid())
        rows.push_back(ui.SetView->currentIndex().row());
    return rows;
}

void MakeTrainingSet::pasteClipboard()
{
    const QModelIndex at = anchor();
    setTable->paste(QApplication::clipboard()->text(), at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 0);
}

void MakeTrainingSet::copySelection()
{
    const QModelIndexList selected = ui.SetView->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int top = selected.first().row(), bottom = top, left = selected.first().column(), right = left;
    for (const QModelIndex& cell : selected) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QApplication::clipboard()->setText(setTable->copy(top, left, bottom, right));
}

void MakeTrainingSet::refuse(const QString& message)
{
    // A box over a cell's editor takes its focus, and the editor offers its
    // text once more as it loses it: one message for one refusal.
    if (refusing)
        return;
    refusing = true;
    dialogs.Show(ErrorReport(message.toStdString()));
    refusing = false;
}

std::optional<long> MakeTrainingSet::heldOutCount(long patterns)
{
    const QString percentText = ui.HoldOutPercent->text().trimmed();
    const std::optional<double> percent =
        percentText.isEmpty() ? 0.0 : ParseBoxNumber(percentText.toStdString(), locale);
    if (!percent || !(*percent >= 0 && *percent < 100)) {
        refuse(tr("Hold out (%): \"%1\" is not a share from 0 to below 100.").arg(percentText));
        return std::nullopt;
    }
    if (*percent == 0)
        return 0;
    const long heldOut = HeldOutCount(patterns, *percent);
    if (heldOut < 1 || heldOut >= patterns) {
        refuse((heldOut < 1 ? tr("Hold out (%): %1% of %2 leaves none to hold out.")
                            : tr("Hold out (%): %1% of %2 leaves none to train on."))
                   .arg(percentText, Patterns(patterns)));
        return std::nullopt;
    }
    return heldOut;
}

QString MakeTrainingSet::offeredPath() const
{
    return lastFile.empty() ? QDir::current().absoluteFilePath(newName) : QString::fromStdString(lastFile);
}

std::optional<std::string> MakeTrainingSet::save(bool tellSaved)
{
    const TrainingSet set = SetFromGrid(setTable->grid());
    if (std::string problem = SetProblem(set); !problem.empty()) {
        refuse(QStringLiteral("The table cannot be saved as a training file: %1").arg(QString::fromStdString(problem)));
        return std::nullopt;
    }
    const std::optional<long> heldOut = heldOutCount(set.NumPatterns());
    if (!heldOut)
        return std::nullopt;

    std::optional<QString> chosen =
        saveDialog.saveFileName({tr("Save The Training Set"), offeredPath(), Filter()});
    if (!chosen)
        return std::nullopt;
    // A name typed without an ending gets ours, so the load-file page lists it.
    if (QFileInfo(*chosen).suffix().isEmpty())
        *chosen += QStringLiteral(".net");
    const QFileInfo trainingFile(*chosen);
    const QString testFile = trainingFile.dir().filePath(trainingFile.completeBaseName() + QStringLiteral("-test.net"));

    std::vector<TrainingSet> parts{set};
    if (*heldOut > 0) {
        if (QFileInfo::exists(testFile)) {
            MessageBoxRequest ask;
            ask.title = ProgramTitle;
            ask.icon = BoxIcon::Question;
            ask.buttons = BoxButtons::YesNo;
            ask.text = tr("The test file \"%1\" exists.\rReplace it?").arg(testFile).toStdString();
            if (dialogs.Show(ask) != Answer::Yes)
                return std::nullopt;
        }
        MersenneRandom random(static_cast<std::uint64_t>(ui.Seed->value()));
        SplitSets split = SplitSet(set, *heldOut, random);
        parts = {std::move(split.kept), std::move(split.heldOut)};
    }
    std::vector<TrainingSetFile> files{{QDir::toNativeSeparators(*chosen).toStdString(), &parts[0]}};
    if (parts.size() > 1)
        files.push_back({QDir::toNativeSeparators(testFile).toStdString(), &parts[1]});
    if (const std::optional<SetFileFailure> failure = WriteTrainingSetFiles(files)) {
        dialogs.Show(ErrorReport(SetFileFailureMessage(files, *failure)));
        return std::nullopt;
    }
    lastFile = files[0].path;
    if (tellSaved) {
        QString text = tr("Saved \"%1\": %2.").arg(QString::fromStdString(files[0].path), Patterns(parts[0].NumPatterns()));
        if (parts.size() > 1)
            text += QLatin1Char('\r') + tr("The %1 held out are in \"%2\".")
                                            .arg(Patterns(parts[1].NumPatterns()), QString::fromStdString(files[1].path));
        MessageBoxRequest box;
        box.title = ProgramTitle;
        box.icon = BoxIcon::Information;
        box.text = text.toStdString();
        dialogs.Show(box);
    }
    return files[0].path;
}

void MakeTrainingSet::saveAndTrain()
{
    const std::optional<std::string> path = save(false);
    if (!path)
        return;
    // Read back as the load-file page reads a file: the set trained on is the file's.
    const ReadResult read = ReadTrainingFile(net, *path);
    if (!read.ok) {
        refuse(QString::fromStdString(read.message));
        return;
    }
    net.TrainingFileName = QFileInfo(QString::fromStdString(*path)).fileName().toStdString();
    // The pages that show the network read before go; this page stays open
    // until the set-up page is, so a page is open at every moment.
    for (PageName name : {PageNames::TestPerceptron, PageNames::Perceptron, PageNames::LoadFile})
        if (ScrollPage* page = pages.find(name))
            page->close();
    net.FreshStart = true;
    if (pages.open(PageNames::Perceptron))
        close();
}

}  // namespace vantorelle
