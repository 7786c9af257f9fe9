// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkView.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "Dialogs.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageRegistry.h"
#include "Printing.h"
#include "SystemTexts.h"
#include "TrainingRun.h"

namespace vantorelle {

namespace {

// The few things that decide the width box and the unit box: a new run of
// the same file keeps what the user chose.
bool SameNetwork(const SnapshotPatterns* a, const SnapshotPatterns* b)
{
    return a && b && a->TrainingFileName == b->TrainingFileName && a->NumInputs == b->NumInputs &&
           a->NumOutputs == b->NumOutputs;
}

QString Whole(long long value) { return QString::fromStdString(FormatWhole(value)); }

// "1 output", "2 outputs".
QString Counted(long long value, const QString& one, const QString& many)
{
    return Whole(value) + QLatin1Char(' ') + (value == 1 ? one : many);
}

void ShowPlain(Dialogs& dialogs, const QString& text, BoxIcon icon = BoxIcon::None)
{
    MessageBoxRequest box;
    box.text = text.toStdString();
    box.title = ProgramTitle;
    box.icon = icon;
    dialogs.Show(box);
}

}  // namespace

NetworkView::NetworkView(const NetworkState& net, Dialogs& dialogs, PageRegistry& pages, Printer& printer,
                         SaveFileDialog& files, PictureWidths& widths, QWidget* parent)
    : ScrollPage(Design, parent),
      net(net),
      dialogs(dialogs),
      pages(pages),
      printer(printer),
      files(files),
      widths(widths)
{
    ui.setupUi(this);
    setFonts();
    cellHint = ui.CellLabel->text();
    const NumberLocale numbers = SystemNumberLocale();
    for (NetworkPicture* picture : std::initializer_list<NetworkPicture*>{ui.WeightsView, ui.DecisionView,
                                                                          ui.ErrorCurveView})
        picture->setNumberLocale(numbers);
    fitWeightsRoom();
    // The pictures fill their tabs, whose size the tab widget's style decides.
    for (QWidget* page : {ui.WeightsTab, ui.DecisionsTab, ui.ErrorCurveTab})
        page->installEventFilter(this);
    ui.WeightsScroll->installEventFilter(this);
    connectHandlers();

    // The load step.
    showSnapshot(std::make_shared<const NetworkSnapshot>(TakeSnapshot(net)));
    finishLoad();
}

void NetworkView::setFonts()
{
    PageFonts::set(ui.TitleLabel, PageFonts::title());
    PageFonts::set(ui.FileLabel, PageFonts::box());
    PageFonts::set(ui.CellLabel, PageFonts::box());
    PageFonts::set(ui.DecisionMessage, PageFonts::box());
    for (QWidget* caption :
         std::initializer_list<QWidget*>{ui.WidthLabel, ui.ContrastCheck, ui.OutputLabel, ui.LogScaleCheck})
        PageFonts::set(caption, PageFonts::caption());
    PageFonts::set(ui.PrintView, PageFonts::button());
    PageFonts::set(ui.SavePicture, PageFonts::button());
    PageFonts::set(ui.CloseView, PageFonts::exitButton());
}

void NetworkView::connectHandlers()
{
    connect(&pages, &PageRegistry::holdStarted, this, &NetworkView::followRun);
    connect(ui.ViewTabs, &QTabWidget::currentChanged, this, &NetworkView::tabChosen);
    connect(ui.WidthBox, &QSpinBox::valueChanged, this, &NetworkView::widthChosen);
    connect(ui.OutputBox, &QSpinBox::valueChanged, this, &NetworkView::unitChosen);
    connect(ui.LogScaleCheck, &QCheckBox::toggled, ui.ErrorCurveView, &ErrorCurveView::setLogScale);
    connect(ui.ContrastCheck, &QCheckBox::toggled, ui.WeightsView, &WeightsView::setOwnContrast);
    connect(ui.WeightsView, &WeightsView::cellDescribed, this, [this](const QString& text) {
        if (!text.isEmpty())
            ui.CellLabel->setText(text);
    });
    connect(ui.PrintView, &QPushButton::clicked, this, &NetworkView::print);
    connect(ui.SavePicture, &QPushButton::clicked, this, &NetworkView::savePicture);
    connect(ui.CloseView, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(ui.CloseView);  // the view only shows the network; the picture width is kept per file
}

bool NetworkView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == ui.WeightsScroll)
            fitWeightsRoom();
        else if (watched->isWidgetType())
            fillTabPage(static_cast<QWidget*>(watched));
    }
    return ScrollPage::eventFilter(watched, event);
}

void NetworkView::fillTabPage(QWidget* page)
{
    // Each picture keeps its place and reaches to the page's edges, as far
    // from them as from its left edge.
    for (QWidget* picture : {static_cast<QWidget*>(ui.WeightsScroll), static_cast<QWidget*>(ui.DecisionView),
                             static_cast<QWidget*>(ui.ErrorCurveView), static_cast<QWidget*>(ui.DecisionMessage)}) {
        if (picture->parentWidget() != page)
            continue;
        const int margin = picture->x();
        const int height = picture == ui.DecisionMessage ? picture->height() : page->height() - picture->y() - margin;
        picture->resize(std::max(1, page->width() - 2 * margin), std::max(1, height));
    }
}

void NetworkView::fitWeightsRoom()
{
    // The weights flow within the scroll area's width, the vertical bar's room kept free.
    const QSize inside = ui.WeightsScroll->contentsRect().size();
    ui.WeightsView->setRoom(inside, ui.WeightsScroll->verticalScrollBar()->sizeHint().width());
}

void NetworkView::activationStep()
{
    // Coming back after other pages: the network may have a new file or new weights.
    if (!pages.pagesHeld())
        showSnapshot(std::make_shared<const NetworkSnapshot>(TakeSnapshot(net)));
}

void NetworkView::followRun(ScrollPage* owner)
{
    // A job other than training (an export) has no run to follow and changes nothing shown.
    auto* run = owner ? owner->findChild<TrainingRun*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!run)
        return;
    connect(run, &TrainingRun::snapshotTaken, this, &NetworkView::showSnapshot, Qt::UniqueConnection);
    followed = run;
    run->watch(this, partsWanted());
}

unsigned NetworkView::partsWanted() const
{
    // A plane that cannot be drawn needs no weights: the numbers above it come with every snapshot.
    if (currentPicture() == ui.DecisionView && shownPatterns && shownPatterns->NumInputs != 2)
        return 0;
    return currentPicture()->partsDrawn();
}

void NetworkView::tabChosen()
{
    if (followed)
        followed->watch(this, partsWanted());
    showOnPictures(true);
}

void NetworkView::showOnPictures(bool currentOnly)
{
    for (NetworkPicture* picture : std::initializer_list<NetworkPicture*>{ui.WeightsView, ui.DecisionView,
                                                                          ui.ErrorCurveView}) {
        if (currentOnly && picture != currentPicture())
            continue;
        const auto& latest = (picture->partsDrawn() & SnapshotParts::History) ? withHistory : withWeights;
        if (latest && picture->snapshot() != latest.get())
            picture->setSnapshot(latest);
    }
    showDecisionsOrWhyNot();
}

std::shared_ptr<const NetworkSnapshot> NetworkView::withOwnResults(std::shared_ptr<const NetworkSnapshot> snapshot)
{
    // The state does not say which file its results came from. A file of the
    // same sizes read after a run keeps that run's results beside its own
    // patterns and the snapshot cannot tell; but this view showed the very
    // same results before, under the other file's name. A run always brings
    // results of its own.
    if (snapshot->duringRun || !snapshot->hasResults)
        return snapshot;
    if (resultsSeen && resultsSeen->patterns->TrainingFileName != snapshot->patterns->TrainingFileName &&
        SameResults(*resultsSeen, *snapshot)) {
        auto another = std::make_shared<NetworkSnapshot>(*snapshot);
        DropResults(*another);
        return another;
    }
    resultsSeen = snapshot;
    return snapshot;
}

void NetworkView::showSnapshot(std::shared_ptr<const NetworkSnapshot> snapshot)
{
    if (!snapshot || !snapshot->patterns)
        return;
    snapshot = withOwnResults(std::move(snapshot));
    ++shownCount;
    const SnapshotPatterns& set = *snapshot->patterns;
    const bool newNetwork = !SameNetwork(shownPatterns.get(), &set);
    if (newNetwork) {
        const QSignalBlocker widthQuiet(ui.WidthBox);
        const QSignalBlocker unitQuiet(ui.OutputBox);
        const int inputs = static_cast<int>(std::max(1L, set.NumInputs));
        const auto remembered = widths.byFile.find(set.TrainingFileName);
        const int width = remembered != widths.byFile.end() ? remembered->second : DefaultPictureWidth(set.NumInputs);
        ui.WidthBox->setRange(1, inputs);
        ui.WidthBox->setValue(std::clamp(width, 1, inputs));
        ui.WeightsView->setPictureWidth(ui.WidthBox->value());
        ui.OutputBox->setRange(1, static_cast<int>(std::max(1L, set.NumOutputs)));
        ui.DecisionView->setUnit(ui.OutputBox->value());
        // A weight read from the network shown before is none of this one's.
        ui.CellLabel->setText(cellHint);
    }
    shownPatterns = snapshot->patterns;
    shown = snapshot;
    // A run of another network than the one shown before may need other parts
    // (a plane of two inputs needs weights where one of more inputs does not).
    if (newNetwork && followed)
        followed->watch(this, partsWanted());
    if (snapshot->has(SnapshotParts::Weights))
        withWeights = snapshot;
    if (snapshot->has(SnapshotParts::History))
        withHistory = snapshot;
    // During a run only the picture on screen follows; the others catch up
    // when their tab is chosen.
    showOnPictures(snapshot->duringRun);
    describeNetwork();
}

void NetworkView::describeNetwork()
{
    // During a run the line of numbers changes at every snapshot; a few times
    // a second is enough to read it, and each rewrite costs a layout and a
    // repaint that the run would pay for.
    if (shown->duringRun && lineShowsRun && lineClock.elapsed() < LineIntervalMs)
        return;
    lineClock.start();
    lineShowsRun = shown->duringRun;
    const SnapshotPatterns& set = *shown->patterns;
    const NumberLocale numbers = SystemNumberLocale();
    QString text = tr("%1: %2, %3, %4, %5 rule.")
                       .arg(QString::fromStdString(set.TrainingFileName),
                            Counted(set.NumPatterns, tr("pattern"), tr("patterns")),
                            Counted(set.NumInputs, tr("input"), tr("inputs")),
                            Counted(set.NumOutputs, tr("output"), tr("outputs")),
                            QString::fromLatin1(RuleName(set.LearningRule == RuleKind::None ? RuleKind::Delta : set.LearningRule)));
    if (shown->hasResults) {
        text += QLatin1Char(' ') + tr("Epoch %1: total SSE %2, misses %3")
                                       .arg(Whole(shown->EpochCount),
                                            QString::fromStdString(FormatStandard(shown->TotalSSE, numbers)),
                                            Whole(set.NumResponses - shown->Hits));
        if (shown->duringRun)
            text += tr(" (training)");
    }
    ui.FileLabel->setText(text);
    const QString note = ui.ErrorCurveView->droppedNote();
    ui.ErrorCurveView->setAccessibleDescription(note.isEmpty() ? text : text + QLatin1Char(' ') + note + QLatin1Char('.'));
}

void NetworkView::showDecisionsOrWhyNot()
{
    const QString why = ui.DecisionView->refusal();
    ui.DecisionMessage->setText(why);
    ui.DecisionMessage->setVisible(!why.isEmpty());
    ui.DecisionView->setVisible(why.isEmpty());
    ui.OutputBox->setEnabled(why.isEmpty());
    ui.DecisionView->setAccessibleDescription(why);
}

int NetworkView::DefaultPictureWidth(long numInputs)
{
    if (numInputs <= 8)
        return static_cast<int>(std::max(1L, numInputs));
    long divisor = 1;
    for (long d = 2; d * d <= numInputs; ++d) {
        if (numInputs % d == 0)
            divisor = d;
    }
    if (divisor >= 3)
        return static_cast<int>(divisor);
    return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(numInputs))));
}

void NetworkView::widthChosen(int width)
{
    if (shownPatterns)
        widths.byFile[shownPatterns->TrainingFileName] = width;
    ui.WeightsView->setPictureWidth(width);
}

void NetworkView::unitChosen(int unit) { ui.DecisionView->setUnit(unit); }

void NetworkView::showTab(Tab tab)
{
    QWidget* page = tab == Tab::Weights ? ui.WeightsTab : tab == Tab::Decisions ? ui.DecisionsTab : ui.ErrorCurveTab;
    ui.ViewTabs->setCurrentWidget(page);
}

NetworkPicture* NetworkView::currentPicture() const
{
    switch (ui.ViewTabs->currentIndex()) {
    case 1: return ui.DecisionView;
    case 2: return ui.ErrorCurveView;
    default: return ui.WeightsView;
    }
}

QString NetworkView::currentTitle() const
{
    const QString file = shownPatterns ? QString::fromStdString(shownPatterns->TrainingFileName) : QString();
    switch (ui.ViewTabs->currentIndex()) {
    case 1: return tr("Decision Plane Of Output %1 - %2").arg(ui.OutputBox->value()).arg(file);
    case 2: return tr("Error Curve - %1").arg(file);
    default: return tr("Weights Of The Network - %1").arg(file);
    }
}

void NetworkView::print()
{
    PrintDocument document;
    document.title = currentTitle();
    document.addLine(document.title, PageFonts::button());
    document.addLine(ui.FileLabel->text(), PageFonts::box());
    document.addPicture(currentPicture()->picture());
    printer.print(document);
}

void NetworkView::savePicture()
{
    SaveFileRequest request;
    request.title = tr("Save The Picture");
    QString name = currentTitle();
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    }
    request.suggestedPath = QDir::home().filePath(name + QStringLiteral(".png"));
    request.filter = tr("PNG picture (*.png);;SVG drawing (*.svg)");
    const std::optional<QString> chosen = files.saveFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) {
        // The dialog asked before replacing the name as typed, not this one.
        path += QStringLiteral(".png");
        if (QFileInfo::exists(path)) {
            MessageBoxRequest question;
            question.title = ProgramTitle;
            question.icon = BoxIcon::Question;
            question.buttons = BoxButtons::YesNo;
            question.defaultButton = 1;
            question.text = tr("%1 already exists.\rDo you want to replace it?").arg(path).toStdString();
            if (dialogs.Show(question) != Answer::Yes)
                return;
        }
    } else if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        ShowPlain(dialogs,
                  tr("Pictures are saved as PNG or SVG files.\rPlease choose a name ending in .png or .svg."),
                  BoxIcon::Exclamation);
        return;
    }
    QString why;
    if (!writePicture(path, &why))
        ShowPlain(dialogs, tr("The picture could not be saved as \"%1\".\r%2").arg(path, why));
}

bool NetworkView::writePicture(const QString& path, QString* why) const
{
    // Written to a temporary file first: a failed save leaves an existing file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    const NetworkPicture* picture = currentPicture();
    if (QFileInfo(path).suffix().toLower() == QLatin1String("svg")) {
        QSvgGenerator drawing;
        drawing.setOutputDevice(&file);
        drawing.setSize(picture->pictureSize());
        drawing.setViewBox(QRect(QPoint(0, 0), picture->pictureSize()));
        drawing.setTitle(currentTitle());
        drawing.setDescription(ui.FileLabel->text());
        QPainter painter;
        if (!painter.begin(&drawing)) {
            *why = tr("The drawing could not be started.");
            file.cancelWriting();
            return false;
        }
        picture->draw(painter);
        painter.end();
    } else if (!picture->picture().save(&file, "PNG")) {
        *why = file.errorString().isEmpty() ? tr("The picture could not be written.") : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

}  // namespace vantorelle
