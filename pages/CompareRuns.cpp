// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareRuns.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DecisionView.h"
#include "ControlHelp.h"
#include "CoreTexts.h"
#include "Dialogs.h"
#include "FileConfusions.h"
#include "NetworkFiles.h"
#include "NetworkSnapshot.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "RunCurvesView.h"
#include "SystemTexts.h"
#include "TrainingEngine.h"

namespace vantorelle {

namespace {

constexpr int PlaneWidth = 540;
constexpr int PlaneHeight = 330;
// The ground of a row whose values differ: a pale orange that stays apart
// from white in grey scale too, besides the bold text and the mark.
const QColor DiffersGround(255, 226, 186);
const QString DiffersMark = QStringLiteral(" \u2260");

// The legend's text: the name, then what the name may not say.
QString LegendLabel(const KeptRun& run, const NumberLocale& locale)
{
    const std::string description = RunDescription(run, locale);
    QString label = QString::fromStdString(run.Name);
    if (run.Name.find(description) == std::string::npos)
        label += QStringLiteral(" (%1)").arg(ShownText(description));
    return label + CompareRuns::tr("; all hits: %1").arg(ShownText(EpochsToAllHitsText(run)));
}

QString Lines(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines)
        text += ShownText(line) + QLatin1Char('\n');
    return text;
}

}  // namespace

CompareRuns::CompareRuns(const NetworkState& net, KeptRuns& runs, Dialogs& dialogs, NetworkFiles* files,
                         QWidget* parent)
    : ScrollPage(Design, parent), net(net), runs(runs), dialogs(dialogs), files(files), locale(SystemNumberLocale())
{
    ui.setupUi(this);
    PageFonts::set(ui.TitleLabel, PageFonts::title());
    PageFonts::set(ui.RunsLabel, PageFonts::caption());
    for (QWidget* button : std::initializer_list<QWidget*>{ui.SaveRunButton, ui.RemoveRunButton})
        PageFonts::set(button, PageFonts::button());
    PageFonts::set(ui.CloseCompare, PageFonts::exitButton());
    buildTabs();
    ui.RunsList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    // The column of runs and its buttons, then the tabs and what they hold.
    // (From the tab bar on: the form's own order already leads from the
    // column's last button to the tab widget, whose focus goes to its bar.)
    QWidget* chain[] = {ui.CompareTabs->tabBar(), logScale,         sideBySide,          planesScroll,
                        confusions,               ui.RunsList,      ui.SaveRunButton,    ui.RemoveRunButton,
                        ui.CloseCompare};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    connect(&runs, &KeptRuns::changed, this, &CompareRuns::listRuns);
    connect(ui.RunsList, &QListWidget::itemChanged, this, &CompareRuns::itemChanged);
    connect(ui.SaveRunButton, &QPushButton::clicked, this, &CompareRuns::saveRun);
    connect(ui.RemoveRunButton, &QPushButton::clicked, this, &CompareRuns::removeRun);
    connect(ui.CloseCompare, &QPushButton::clicked, this, &QWidget::close);
    connect(logScale, &QCheckBox::toggled, curvesView, &RunCurvesView::setLogScale);
    closeOnEscape(ui.CloseCompare);

    // The load step: the two newest runs ticked, the usual wish after training twice.
    listRuns();
    const std::vector<KeptRuns::Run>& all = runs.runs();
    choose(std::vector<KeptRuns::Run>(all.size() > 2 ? all.end() - 2 : all.begin(), all.end()));
    finishLoad();
}

void CompareRuns::buildTabs()
{
    // The tabs and the scale's box are named: the help table finds them by name.
    auto* curvesTab = new QWidget;
    curvesTab->setObjectName(QStringLiteral("CurvesTab"));
    auto* curvesLayout = new QVBoxLayout(curvesTab);
    curvesView = new RunCurvesView;
    curvesView->setNumberLocale(locale);
    curvesView->setAccessibleName(tr("Total SSE of the chosen runs over epochs"));
    logScale = new QCheckBox(tr("&Logarithmic scale"));
    logScale->setObjectName(QStringLiteral("LogScaleCheck"));
    curvesHint = new QLabel;
    curvesHint->setWordWrap(true);
    curvesLayout->addWidget(curvesView, 1);
    curvesLayout->addWidget(logScale);
    curvesLayout->addWidget(curvesHint);
    ui.CompareTabs->addTab(curvesTab, tr("SSE &Curves"));

    auto* settingsTab = new QWidget;
    settingsTab->setObjectName(QStringLiteral("SettingsTab"));
    auto* settingsLayout = new QVBoxLayout(settingsTab);
    sideBySide = new QTableWidget;
    sideBySide->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sideBySide->setTabKeyNavigation(false);
    sideBySide->setAccessibleName(tr("Settings and outcomes of the chosen runs"));
    sideBySide->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* settingsHint = new QLabel(tr("Rows marked %1, in bold on a tinted ground, differ between the runs.").arg(DiffersMark.trimmed()));
    settingsHint->setWordWrap(true);
    settingsLayout->addWidget(sideBySide, 1);
    settingsLayout->addWidget(settingsHint);
    ui.CompareTabs->addTab(settingsTab, tr("&Settings"));

    auto* planesTab = new QWidget;
    planesTab->setObjectName(QStringLiteral("PlanesTab"));
    auto* planesTabLayout = new QVBoxLayout(planesTab);
    planesScroll = new QScrollArea;
    planesScroll->setWidgetResizable(true);
    planesScroll->setAccessibleName(tr("Decision planes of the chosen runs"));
    planesRow = new QWidget;
    planesLayout = new QHBoxLayout(planesRow);
    planesScroll->setWidget(planesRow);
    planesHint = new QLabel;
    planesHint->setWordWrap(true);
    planesTabLayout->addWidget(planesScroll, 1);
    planesTabLayout->addWidget(planesHint);
    ui.CompareTabs->addTab(planesTab, tr("&Decision Planes"));

    auto* confusionTab = new QWidget;
    confusionTab->setObjectName(QStringLiteral("ConfusionTab"));
    auto* confusionLayout = new QVBoxLayout(confusionTab);
    confusions = new QPlainTextEdit;
    confusions->setReadOnly(true);
    confusions->setTabChangesFocus(true);
    confusions->setLineWrapMode(QPlainTextEdit::NoWrap);
    confusions->setAccessibleName(tr("Confusion tables of the chosen runs"));
    PageFonts::set(confusions, PageFonts::results());
    confusionLayout->addWidget(confusions);
    ui.CompareTabs->addTab(confusionTab, tr("Con&fusion"));
}

void CompareRuns::activationStep() { showChosen(); }

void CompareRuns::listRuns()
{
    const std::vector<KeptRuns::Run> wasChosen = chosenRuns();
    listing = true;
    ui.RunsList->clear();
    listed = runs.runs();
    for (const KeptRuns::Run& run : listed) {
        auto* item = new QListWidgetItem(QString::fromStdString(run->Name), ui.RunsList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
        const bool ticked = std::find(wasChosen.begin(), wasChosen.end(), run) != wasChosen.end();
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(ShownText(RunDescription(*run, locale)));
    }
    listing = false;
    // The items are new: they take the list's help again.
    help::ApplyHelp(ui.RunsList);
    ui.SaveRunButton->setEnabled(!listed.empty());
    ui.RemoveRunButton->setEnabled(!listed.empty());
    showChosen();
}

std::vector<KeptRuns::Run> CompareRuns::chosenRuns() const
{
    std::vector<KeptRuns::Run> chosen;
    for (int row = 0; row < ui.RunsList->count() && row < static_cast<int>(listed.size()); ++row)
        if (ui.RunsList->item(row)->checkState() == Qt::Checked)
            chosen.push_back(listed[static_cast<std::size_t>(row)]);
    return chosen;
}

void CompareRuns::choose(const std::vector<KeptRuns::Run>& chosen)
{
    listing = true;
    for (int row = 0; row < ui.RunsList->count(); ++row) {
        const bool ticked = std::find(chosen.begin(), chosen.end(), listed[static_cast<std::size_t>(row)]) != chosen.end();
        ui.RunsList->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    listing = false;
    showChosen();
}

void CompareRuns::itemChanged(QListWidgetItem* item)
{
    if (listing)
        return;
    const int row = ui.RunsList->row(item);
    if (row < 0 || row >= static_cast<int>(listed.size()))
        return;
    const KeptRuns::Run run = listed[static_cast<std::size_t>(row)];
    const std::string name = item->text().trimmed().toStdString();
    if (!name.empty() && name != run->Name) {
        runs.rename(run, name);  // lists the runs again, the ticks kept
        return;
    }
    if (name.empty()) {
        const QSignalBlocker quiet(ui.RunsList);
        item->setText(QString::fromStdString(run->Name));
    }
    showChosen();
}

void CompareRuns::showChosen()
{
    const std::vector<KeptRuns::Run> chosen = chosenRuns();
    showCurves(chosen);
    showSideBySide(chosen);
    showPlanes(chosen);
    showConfusions(chosen);
}

void CompareRuns::showCurves(const std::vector<KeptRuns::Run>& chosen)
{
    std::vector<CurveSeries> series;
    for (const KeptRuns::Run& run : chosen)
        series.push_back({LegendLabel(*run, locale), run->Trace.Curve.Points()});
    curvesView->setSeries(std::move(series));
    if (runs.count() == 0)
        curvesHint->setText(tr("No run has ended yet this sitting: each run the set-up page trains is kept here."));
    else if (chosen.size() < 2)
        curvesHint->setText(tr("Tick two or more runs to lay their curves over each other."));
    else
        curvesHint->setText(tr("The total SSE after every epoch of each run."));
}

void CompareRuns::showSideBySide(const std::vector<KeptRuns::Run>& chosen)
{
    std::vector<const KeptRun*> plain;
    QStringList names;
    for (const KeptRuns::Run& run : chosen) {
        plain.push_back(run.get());
        names << QString::fromStdString(run->Name);
    }
    const std::vector<SideBySideRow> rows = SideBySide(plain, locale);
    sideBySide->clear();
    sideBySide->setColumnCount(static_cast<int>(chosen.size()));
    sideBySide->setRowCount(chosen.empty() ? 0 : static_cast<int>(rows.size()));
    sideBySide->setHorizontalHeaderLabels(names);
    if (chosen.empty())
        return;
    QStringList labels;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SideBySideRow& row = rows[static_cast<std::size_t>(r)];
        labels << ShownText(row.Label) + (row.Differs ? DiffersMark : QString());
        for (int c = 0; c < static_cast<int>(row.Values.size()); ++c) {
            auto* cell = new QTableWidgetItem(ShownText(row.Values[static_cast<std::size_t>(c)]));
            if (row.Differs) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setBackground(DiffersGround);
            }
            sideBySide->setItem(r, c, cell);
        }
    }
    sideBySide->setVerticalHeaderLabels(labels);
}

void CompareRuns::showPlanes(const std::vector<KeptRuns::Run>& chosen)
{
    while (QLayoutItem* item = planesLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int shown = 0;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const KeptRun& run = *chosen[i];
        if (run.Saved.net.NumInputs != 2)
            continue;
        auto* column = new QWidget;
        auto* columnLayout = new QVBoxLayout(column);
        auto* caption = new QLabel(QString::fromStdString(run.Name));
        caption->setWordWrap(true);
        caption->setMaximumWidth(PlaneWidth);
        auto* plane = new DecisionView;
        plane->setNumberLocale(locale);
        plane->setFixedSize(PlaneWidth, PlaneHeight);
        plane->setSnapshot(std::make_shared<const NetworkSnapshot>(TakeSnapshot(run.Saved.net)));
        plane->setAccessibleName(tr("Decision plane of %1").arg(QString::fromStdString(run.Name)));
        columnLayout->addWidget(caption);
        columnLayout->addWidget(plane);
        columnLayout->addStretch();
        planesLayout->addWidget(column);
        ++shown;
    }
    planesLayout->addStretch();
    if (chosen.empty())
        planesHint->setText(tr("Tick the runs whose decisions to show."));
    else if (shown == 0)
        planesHint->setText(DecisionView::refusalFor(chosen.front()->Saved.net.NumInputs));
    else if (shown < static_cast<int>(chosen.size()))
        planesHint->setText(tr("Runs on files without exactly two inputs have no plane."));
    else
        planesHint->setText(tr("Output unit 1 of each run; black discs want 1, white want 0, ringed ones are missed."));
}

void CompareRuns::showConfusions(const std::vector<KeptRuns::Run>& chosen)
{
    std::vector<std::string> lines;
    for (const KeptRuns::Run& run : chosen) {
        const NetworkState& trained = run->Saved.net;
        std::vector<FileConfusion> files{{trained.TrainingFileName, true, ConfusionOf(trained)}};
        // The run's weights on the file the network now holds, when it is another of the same sizes.
        if (net.TrainingFileName != trained.TrainingFileName && NetworkMatchesPatterns(net) &&
            net.NumInputs == trained.NumInputs && net.NumOutputs == trained.NumOutputs)
            files.push_back({net.TrainingFileName, false, ConfusionWithWeights(net, trained)});
        if (!lines.empty())
            lines.push_back("");
        lines.push_back("== " + run->Name + " ==");
        for (std::string& line : FileConfusionLines(files, locale))
            lines.push_back(std::move(line));
    }
    confusions->setPlainText(Lines(lines));
}

QString CompareRuns::confusionText() const { return confusions->toPlainText(); }

int CompareRuns::decisionPlanes() const { return static_cast<int>(planesRow->findChildren<DecisionView*>().size()); }

KeptRuns::Run CompareRuns::currentRun() const
{
    const int row = ui.RunsList->currentRow();
    if (row >= 0 && row < static_cast<int>(listed.size()))
        return listed[static_cast<std::size_t>(row)];
    const std::vector<KeptRuns::Run> chosen = chosenRuns();
    return chosen.size() == 1 ? chosen.front() : nullptr;
}

void CompareRuns::saveRun()
{
    const KeptRuns::Run run = currentRun();
    MessageBoxRequest box;
    box.title = ProgramTitle;
    if (!run) {
        box.text = tr("Select the run to save in the list first.").toStdString();
        dialogs.Show(box);
        return;
    }
    if (!files) {
        box.text = tr("Saving a network is not available here.").toStdString();
        dialogs.Show(box);
        return;
    }
    files->saveRun(*run);
}

void CompareRuns::removeRun()
{
    if (const KeptRuns::Run run = currentRun())
        runs.remove(run);
}

}  // namespace vantorelle
