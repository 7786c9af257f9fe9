// SPDX-License-Identifier: GPL-3.0-or-later
#include "Perceptron.h"

#include "SeedsPanel.h"
#include "StepPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "CoreTexts.h"
#include "Dialogs.h"
#include "Lesson.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Response.h"
#include "SystemTexts.h"
#include "StatusLines.h"
#include "TrainingEngine.h"

namespace vantorelle {

namespace {

const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

// A seed as typed: blanks around it allowed, nothing else but digits.
std::optional<std::uint64_t> SeedOf(const QString& text, bool& valid)
{
    const QString trimmed = text.trimmed();
    valid = true;
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qulonglong seed = trimmed.toULongLong(&ok);
    valid = ok && !trimmed.startsWith(QLatin1Char('+'));
    return valid ? std::optional<std::uint64_t>(seed) : std::nullopt;
}

// A slider's integer as its box shows it: divided by 100, shortest form.
QString SliderText(int value, const NumberLocale& locale)
{
    return QString::fromStdString(FormatGeneral(static_cast<double>(value) / 100.0, locale));
}

// A box's number times 100, rounded halves to even, for its slider; nothing
// when the box holds no number.
std::optional<int> SliderPosition(const QLineEdit* box, const NumberLocale& locale)
{
    const auto value = ParseBoxNumber(box->text().toStdString(), locale);
    if (!value)
        return std::nullopt;
    const auto whole = RoundToWhole(*value * 100.0);
    if (!whole)
        return std::nullopt;
    return static_cast<int>(*whole);
}

// Keys with which a keyboard user moves a slider.
bool MovesSlider(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

}  // namespace

Perceptron::Perceptron(NetworkState& net, PageMemory& memory, Dialogs& dialogs, PageRegistry& pages,
                       std::unique_ptr<Random> random, QWidget* parent)
    : ScrollPage(Design, parent),
      net(net),
      memory(memory),
      dialogs(dialogs),
      messages(dialogs),
      pages(pages),
      random(random ? std::move(random) : std::make_unique<MersenneRandom>()),
      locale(SystemNumberLocale()),
      run(*this, pages, this)
{
    ui.setupUi(this);
    setFonts();
    setAccessibleNames();
    loadStep();
    // Connected after the load step, so that setting the sliders there leaves
    // the boxes' texts as they are.
    connectHandlers();
    finishLoad();
}

// A run still going ends with the page: the run object, destroyed first,
// stops it, joins its thread and lets the other pages take input again.
Perceptron::~Perceptron() = default;

void Perceptron::setFonts()
{
    PageFonts::set(ui.Label1, PageFonts::title());
    for (QWidget* frame : std::initializer_list<QWidget*>{ui.Frame1, ui.ConvergenceFrame, ui.Frame3, ui.Frame4,
                                                          ui.Frame5, ui.Frame6})
        PageFonts::set(frame, PageFonts::button());
    for (QWidget* choice : std::initializer_list<QWidget*>{
             ui.OptionDelta_0, ui.OptionDelta_1, ui.OptionDelta_2, ui.Check1_0, ui.Check1_1, ui.OptionRandom,
             ui.OptionNotRandom, ui.OptionNoFreeze, ui.OptionFreeze, ui.OptionDefaultWts, ui.OptionNoDefaultWts,
             ui.OptionDefaultBias, ui.OptionNoDefaultBias, ui.MaxSweepsLabel, ui.PrintSweepsLabel, ui.RateLabel,
             ui.MinErrorLabel, ui.MaxWtLabel, ui.MinWtLabel, ui.WtSignLabel, ui.MaxBiasLabel, ui.MinBiasLabel,
             ui.BiasSignLabel, ui.SeedLabel, ui.RunSeedLabel, ui.StepThroughButton, ui.SeedsButton})
        PageFonts::set(choice, PageFonts::caption());
    for (QWidget* box : std::initializer_list<QWidget*>{ui.SweepsBox, ui.PrintSweepsBox, ui.LRateBox, ui.MinErrorBox, ui.SeedBox,
                                                        ui.Picture1_1, ui.Picture1_2, ui.Picture1_3, ui.Picture1_4,
                                                        ui.Picture1_5})
        PageFonts::set(box, PageFonts::box());
    PageFonts::set(ui.WeightTitle, PageFonts::heading());
    PageFonts::set(ui.BiasTitle, PageFonts::heading());
    for (QWidget* button : std::initializer_list<QWidget*>{ui.StartTraining, ui.StopTraining, ui.Continue,
                                                           ui.TestRecall, ui.FileLabel})
        PageFonts::set(button, PageFonts::button());
    PageFonts::set(ui.Command2, PageFonts::exitButton());
}

void Perceptron::setAccessibleNames()
{
    // The form names each box, spinner and slider after the caption beside it
    // (what a screen reader should announce); the status lines are labels, so
    // their text is read as it is.
    ui.EpochProgress->setAccessibleName(tr("Epochs of this run"));
    ui.SeedBox->setPlaceholderText(tr("from the clock"));
}

void Perceptron::loadStep()
{
    for (int i = 1; i <= 5; ++i)
        statusBox(i)->setAutoFillBackground(true);

    // The boxes hold numbers in the form the user's system writes them.
    ui.SweepsBox->setText(boxText(defaults::EpochsText));
    ui.PrintSweepsBox->setText(boxText(defaults::PrintSweepsText));
    ui.LRateBox->setText(boxText(defaults::RateText(defaults::Rule)));
    ui.MinErrorBox->setText(boxText(defaults::MinErrorText));
    ui.SweepsUpDown->setNumberLocale(locale);
    ui.SweepsUpDown->setBuddy(ui.SweepsBox);
    ui.SweepsUpDown->setRange(1, 50000);
    ui.SweepsUpDown->setStep(100);
    ui.PrintSweepsUpDown->setNumberLocale(locale);
    ui.PrintSweepsUpDown->setBuddy(ui.PrintSweepsBox);
    ui.PrintSweepsUpDown->setRange(1, 10000);
    ui.PrintSweepsUpDown->setStep(10);

    // "Stop Training" exists only while a run goes on; Esc works it too.
    ui.StopTraining->setShortcut(QKeySequence(Qt::Key_Escape));
    ui.StopTraining->setToolTip(tr("Ends the run after the current epoch (Esc)"));
    ui.StopTraining->hide();

    if (net.FreshStart)
        SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    ui.OptionDelta_0->setChecked(true);
    ui.OptionRandom->setChecked(true);
    ui.OptionNoFreeze->setChecked(true);
    ui.OptionDefaultWts->setChecked(true);
    ui.OptionDefaultBias->setChecked(true);
    if (auto position = SliderPosition(ui.LRateBox, locale))
        ui.LRateSlider->setValue(*position);
    if (auto position = SliderPosition(ui.MinErrorBox, locale))
        ui.MinErrorSlider->setValue(*position);
    ui.FileLabel->setText(ShownText(text::TrainingFileLabel(net.TrainingFileName)));
    ui.EpochProgress->hide();
}

void Perceptron::connectHandlers()
{
    connect(ui.OptionDelta_0, &QRadioButton::clicked, this, [this] { chooseRule(RuleKind::Delta); });
    connect(ui.OptionDelta_1, &QRadioButton::clicked, this, [this] { chooseRule(RuleKind::Gradient); });
    connect(ui.OptionDelta_2, &QRadioButton::clicked, this, [this] { chooseRule(RuleKind::Tarvik); });
    connect(ui.OptionRandom, &QRadioButton::clicked, this, [this] { this->net.RandomizeOrder = true; });
    connect(ui.OptionNotRandom, &QRadioButton::clicked, this, [this] { this->net.RandomizeOrder = false; });
    connect(ui.OptionFreeze, &QRadioButton::clicked, this, [this] { this->net.FreezeThresholds = true; });
    connect(ui.OptionNoFreeze, &QRadioButton::clicked, this, [this] { this->net.FreezeThresholds = false; });
    connect(ui.OptionDefaultWts, &QRadioButton::clicked, this, [this] {
        // Default starts mean the default range and sign, as for thresholds.
        SetDefaultWeightStarts(this->net);
        writeSettingsLines();
    });
    connect(ui.OptionNoDefaultWts, &QRadioButton::clicked, this,
            [this] { this->pages.open(PageNames::WeightStart); });
    connect(ui.OptionDefaultBias, &QRadioButton::clicked, this, [this] {
        SetDefaultThresholdStarts(this->net);
        writeSettingsLines();
    });
    connect(ui.OptionNoDefaultBias, &QRadioButton::clicked, this,
            [this] { this->pages.open(PageNames::BiasStart); });
    connect(ui.LRateSlider, &QSlider::valueChanged, this, &Perceptron::lRateSliderMoved);
    // The hit criterion follows its slider when the user lets go of it.
    ui.MinErrorSlider->installEventFilter(this);
    connect(ui.Check1_0, &QCheckBox::clicked, this, &Perceptron::stopBoxClicked);
    connect(ui.Check1_1, &QCheckBox::clicked, this, &Perceptron::stopBoxClicked);
    connect(ui.StartTraining, &QPushButton::clicked, this, &Perceptron::startTraining);
    connect(ui.Continue, &QPushButton::clicked, this, &Perceptron::continueTraining);
    connect(ui.StepThroughButton, &QPushButton::clicked, this, &Perceptron::openStepPanel);
    connect(ui.SeedsButton, &QPushButton::clicked, this, &Perceptron::openSeedsPanel);
    connect(ui.StopTraining, &QPushButton::clicked, this, &Perceptron::requestStop);
    connect(ui.TestRecall, &QPushButton::clicked, this, &Perceptron::testRecall);
    connect(ui.Command2, &QPushButton::clicked, this, [this] { this->pages.exitProgram(); });
    connect(&run, &TrainingRun::finished, this, &Perceptron::endRun);
}

QLabel* Perceptron::statusBox(int index) const
{
    switch (index) {
    case 1: return ui.Picture1_1;
    case 2: return ui.Picture1_2;
    case 3: return ui.Picture1_3;
    case 4: return ui.Picture1_4;
    default: return ui.Picture1_5;
    }
}

QString Perceptron::boxText(const std::string& cNumber) const
{
    return QString::fromStdString(InLocaleForm(cNumber, locale));
}

void Perceptron::setBackground(QLabel* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
}

void Perceptron::activationStep()
{
    // A run owns the status area and the network until it ends; coming back
    // to the page in the middle of one changes nothing.
    if (isTraining())
        return;

    if (memory.ContinueFromTests) {
        if (NetworkMatchesPatterns(net))
            EvaluateTrainingSet(net);
    } else {
        clearStatusBoxes();
    }
    ui.FileLabel->setText(ShownText(text::TrainingFileLabel(net.TrainingFileName)));
    writeSettingsLines();

    if (!net.FreshStart) {
        setBackground(ui.Picture1_3, QApplication::palette().color(QPalette::Button));
        writeStatus(TrainedLines(net, locale));
    }
    ui.EpochProgress->hide();
    finishLoad();
}

void Perceptron::writeSettingsLines()
{
    auto number = [this](double value) { return QString::fromStdString(FormatGeneral(value, locale)); };
    auto sign = [](StartSign value) { return ShownText(std::string_view(SignName(value))); };
    ui.MaxWtLabel->setText(tr("Maximum Weight = %1").arg(number(net.WeightMax)));
    ui.MinWtLabel->setText(tr("Minimum Weight = %1").arg(number(net.WeightMin)));
    ui.WtSignLabel->setText(tr("Weight Sign = %1").arg(sign(net.WeightSign)));
    ui.MaxBiasLabel->setText(tr("Maximum Threshold = %1").arg(number(net.ThresholdMax)));
    ui.MinBiasLabel->setText(tr("Minimum Threshold = %1").arg(number(net.ThresholdMin)));
    ui.BiasSignLabel->setText(tr("Threshold Sign = %1").arg(sign(net.ThresholdSign)));
}

// handlers

void Perceptron::chooseRule(RuleKind rule)
{
    net.LearningRule = rule;
    ui.LRateBox->setText(boxText(defaults::RateText(rule)));
}

void Perceptron::lRateSliderMoved(int value) { ui.LRateBox->setText(SliderText(value, locale)); }

void Perceptron::minErrorSliderMoved()
{
    ui.MinErrorBox->setText(SliderText(ui.MinErrorSlider->value(), locale));
}

void Perceptron::stopBoxClicked()
{
    if (!ui.Check1_0->isChecked())
        return;
    // Text that is no number, and a number that rounds to no epochs at all,
    // can no more end a run than zero can.
    if (EpochsEndNoRun(EnteredNumber::FromText(ui.SweepsBox->text().toStdString(), locale))) {
        messages.Warning(text::MaxEpochsTitle, text::MaxEpochsMessage);
        ui.SweepsBox->setText(QStringLiteral("1"));
    }
}

void Perceptron::startTraining()
{
    // A fresh start's weights are new: until its run shows the boxes again
    // there is no status to show, so the page looks as before its first run,
    // even when the settings check refuses.
    clearStatusBoxes();
    if (!takeSeed())
        return;
    // New weights are drawn even when the check refuses the run: neither
    // continuing nor testing them means anything, so those buttons go.
    setRunButtonsVisible(false);
    const Refusal refusal = BeginFreshStart(net, settingsInput(), *random);
    // The weights were drawn from this seed, whatever the check says.
    showRunSeed();
    if (accept(refusal))
        beginRun();
}

bool Perceptron::takeSeed()
{
    bool valid = true;
    const std::optional<std::uint64_t> seed = SeedOf(ui.SeedBox->text(), valid);
    if (!valid) {
        messages.Warning(ProgramTitle, tr("The random seed must be a whole number from 0 to 18446744073709551615, or "
                                          "empty for a seed from the clock.")
                                           .toStdString());
        ui.SeedBox->setFocus();
        return false;
    }
    random->UseSeed(seed);
    return true;
}

void Perceptron::showRunSeed()
{
    const std::optional<RandomState> state = random->State();
    ui.RunSeedLabel->setText(state ? tr("Seed Of This Run = %1").arg(state->seed) : QString());
}

void Perceptron::continueTraining()
{
    if (accept(BeginContinue(net, settingsInput()))) {
        setRunButtonsVisible(false);
        beginRun();
    }
}

void Perceptron::testRecall() { pages.open(PageNames::TestPerceptron); }

void Perceptron::startSteppedRun()
{
    if (run.running())
        return;
    if (!ui.Continue->isHidden() && ui.Continue->isEnabled())
        continueTraining();
    else
        startTraining();
}

SeedsPanel* Perceptron::openSeedsPanel()
{
    if (!seedsPanel) {
        seedsPanel = new SeedsPanel(*this, locale, this);
        seedsPanel->setAttribute(Qt::WA_DeleteOnClose);
        seedsPanel->move(frameGeometry().topRight() + QPoint(8, 40));
    }
    seedsPanel->show();
    seedsPanel->raise();
    seedsPanel->activateWindow();
    return seedsPanel;
}

StepPanel* Perceptron::openStepPanel()
{
    if (!stepPanel) {
        stepPanel = new StepPanel(*this, run, locale, this);
        stepPanel->setAttribute(Qt::WA_DeleteOnClose);
        // Beside the page, where the page's own boxes stay in sight.
        stepPanel->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    stepPanel->show();
    stepPanel->raise();
    stepPanel->activateWindow();
    return stepPanel;
}

// the engine's view of the page

SettingsInput Perceptron::settingsInput() const
{
    SettingsInput input;
    input.Epochs = EnteredNumber::FromText(ui.SweepsBox->text().toStdString(), locale);
    input.LearningRate = EnteredNumber::FromText(ui.LRateBox->text().toStdString(), locale);
    input.PrintSweeps = EnteredNumber::FromText(ui.PrintSweepsBox->text().toStdString(), locale);
    input.MinError = EnteredNumber::FromText(ui.MinErrorBox->text().toStdString(), locale);
    input.StopAtMaxEpochs = ui.Check1_0->isChecked();
    input.StopWhenAllHits = ui.Check1_1->isChecked();
    return input;
}

bool Perceptron::accept(const Refusal& refusal)
{
    if (!refusal)
        return true;
    if (refusal->kind == SettingsProblem::Kind::Error) {
        messages.Error(refusal->message);
        return false;
    }
    messages.Warning(refusal->title, refusal->message);
    const QString correction = boxText(refusal->correction);
    switch (refusal->field) {
    case SettingsField::Epochs: ui.SweepsBox->setText(correction); break;
    case SettingsField::LearningRate: ui.LRateBox->setText(correction); break;
    case SettingsField::PrintSweeps: ui.PrintSweepsBox->setText(correction); break;
    case SettingsField::StopMethod:
        ui.Check1_0->setChecked(true);
        ui.Check1_1->setChecked(true);
        break;
    case SettingsField::MinError:
    case SettingsField::Network: break;
    }
    return false;
}

void Perceptron::setRunButtonsVisible(bool visible)
{
    ui.Continue->setVisible(visible);
    ui.TestRecall->setVisible(visible);
}

void Perceptron::clearStatusBoxes()
{
    for (int i = 1; i <= 5; ++i) {
        statusBox(i)->hide();
        statusBox(i)->clear();
    }
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    setBackground(ui.Picture1_3, buttonFace);
    setBackground(ui.Picture1_4, buttonFace);
}

void Perceptron::runStarted(long epochsPlanned)
{
    for (int i = 1; i <= 5; ++i)
        statusBox(i)->show();
    if (epochsPlanned <= 0)
        return;
    ui.EpochProgress->setRange(0, static_cast<int>(std::clamp(epochsPlanned, 0L, static_cast<long>(INT_MAX))));
    ui.EpochProgress->setValue(0);
    ui.EpochProgress->show();
}

void Perceptron::showStatus(const StatusLines& lines)
{
    // The run brings at most one display a refresh; each goes straight on.
    writeStatus(lines);
}

void Perceptron::writeStatus(const StatusLines& lines)
{
    auto colour = [](StatusColour c) { return c == StatusColour::Green ? Green : Red; };
    if (lines.ChangeColour != StatusColour::Unchanged)
        setBackground(ui.Picture1_3, colour(lines.ChangeColour));
    if (lines.HitsColour != StatusColour::Unchanged)
        setBackground(ui.Picture1_4, colour(lines.HitsColour));
    ui.Picture1_1->setText(ShownText(lines.Epochs));
    ui.Picture1_2->setText(ShownText(lines.TotalSSE));
    ui.Picture1_3->setText(ShownText(lines.Change));
    ui.Picture1_4->setText(ShownText(lines.Hits));
    ui.Picture1_5->setText(ShownText(lines.Misses));
}

void Perceptron::showProgress(long epochsOfRun)
{
    ui.EpochProgress->setValue(
        static_cast<int>(std::clamp(epochsOfRun, 0L, static_cast<long>(ui.EpochProgress->maximum()))));
}

void Perceptron::runEnded(const StatusLines& lines)
{
    ui.EpochProgress->hide();
    writeStatus(lines);
    setRunButtonsVisible(true);
}

void Perceptron::showProblem(const RunProblem& problem)
{
    // The overflow report comes in the middle of a run.
    messages.Error(problem.message);
}

// a run in progress

std::vector<QWidget*> Perceptron::inputControls() const
{
    return {ui.Frame1,       ui.ConvergenceFrame, ui.Frame3,         ui.Frame4,         ui.Frame5,
            ui.Frame6,       ui.SweepsBox,        ui.SweepsUpDown,   ui.PrintSweepsBox, ui.PrintSweepsUpDown,
            ui.LRateBox,     ui.LRateSlider,      ui.MinErrorBox,    ui.MinErrorSlider, ui.StartTraining,
            ui.Continue,     ui.TestRecall,       ui.Command2,       ui.SeedBox};
}

void Perceptron::beginRun()
{
    for (QWidget* control : inputControls())
        control->setEnabled(false);
    ui.StopTraining->setEnabled(true);
    ui.StopTraining->show();
    ui.StopTraining->setFocus();
    // The other pages take no input under the run; a close request on any
    // page, this one too, stops it, and the page closes once it has ended.
    run.start(net, *random, lastPrintedSSE, locale);
}

void Perceptron::requestStop() { run.requestStop(); }

void Perceptron::endRun()
{
    keepRun();
    ui.StopTraining->hide();
    for (QWidget* control : inputControls())
        control->setEnabled(true);
    if (ui.Continue->isVisible())
        ui.Continue->setFocus();
    // The run lets the other pages take input again once this returns.
}

void Perceptron::keepRun()
{
    const RunTrace latest = run.lastTrace();
    const std::vector<HistoryRow> points = latest.Curve.Points();
    if (points.empty())
        return;
    const double first = points.front().Epochs;
    if (first == 1) {
        // A fresh start: the history's first row is the network before training.
        trace = RunTrace{};
        trace.Curve.Add(0, net.SSEHistory[1].SSE);
    } else {
        const std::vector<HistoryRow> before = trace.Curve.Points();
        if (before.empty() || before.back().Epochs != first - 1) {
            // Continued from a network this page did not train epoch by
            // epoch (a saved one, say): its recorded history stands in.
            trace = RunTrace{};
            for (int r = 1; r <= net.SSERecordCount && r <= MaxHistoryRows; ++r)
                if (net.SSEHistory[static_cast<std::size_t>(r)].Epochs < first)
                    trace.Curve.Add(net.SSEHistory[static_cast<std::size_t>(r)].Epochs,
                                    net.SSEHistory[static_cast<std::size_t>(r)].SSE);
        }
    }
    trace.Append(latest);
    KeptRun kept;
    kept.Saved = saved({});
    kept.Trace = trace;
    memory.Runs.keep(std::move(kept), locale);
}

// saved networks

SavedNetwork Perceptron::saved(const std::string& note) const
{
    SavedNetwork out;
    out.net = net;
    out.note = note;
    out.random = random->State();
    out.lastDisplayedSSE = lastPrintedSSE;
    SavedPage& page = out.page;
    page.epochsBox = ui.SweepsBox->text().toStdString();
    page.printEveryBox = ui.PrintSweepsBox->text().toStdString();
    page.rateBox = ui.LRateBox->text().toStdString();
    page.minErrorBox = ui.MinErrorBox->text().toStdString();
    // What the boxes show, and the two colours a run gives them (none before one).
    auto shown = [this](int i) { return statusBox(i)->isHidden() ? std::string() : statusBox(i)->text().toStdString(); };
    auto colour = [](const QLabel* box) {
        const QColor background = box->palette().color(QPalette::Window);
        return background == Green ? StatusColour::Green : background == Red ? StatusColour::Red : StatusColour::Unchanged;
    };
    const StatusLines lines{shown(1), shown(2), shown(3), shown(4), shown(5), colour(ui.Picture1_3), colour(ui.Picture1_4)};
    KeepStatusLines(page, lines);
    return out;
}

void Perceptron::restore(const SavedNetwork& saved)
{
    net = saved.net;
    trace = RunTrace{};
    if (saved.random)
        random->Restore(*saved.random);
    lastPrintedSSE = saved.lastDisplayedSSE;

    const RuleKind rule = net.LearningRule == RuleKind::None ? defaults::Rule : net.LearningRule;
    ui.OptionDelta_0->setChecked(rule == RuleKind::Delta);
    ui.OptionDelta_1->setChecked(rule == RuleKind::Gradient);
    ui.OptionDelta_2->setChecked(rule == RuleKind::Tarvik);
    ui.Check1_0->setChecked(net.StopAtMaxEpochs);
    ui.Check1_1->setChecked(net.StopWhenAllHits);
    (net.RandomizeOrder ? ui.OptionRandom : ui.OptionNotRandom)->setChecked(true);
    (net.FreezeThresholds ? ui.OptionFreeze : ui.OptionNoFreeze)->setChecked(true);
    // The start options are not kept apart from their ranges: the default
    // ranges read as the default choice.
    const bool defaultWeights = net.WeightMin == defaults::WeightMin && net.WeightMax == defaults::WeightMax &&
                                net.WeightSign == defaults::WeightSign;
    const bool defaultThresholds = net.ThresholdMin == defaults::ThresholdMin &&
                                   net.ThresholdMax == defaults::ThresholdMax &&
                                   net.ThresholdSign == defaults::ThresholdSign;
    (defaultWeights ? ui.OptionDefaultWts : ui.OptionNoDefaultWts)->setChecked(true);
    (defaultThresholds ? ui.OptionDefaultBias : ui.OptionNoDefaultBias)->setChecked(true);

    // A box written by the trainer holds a C-form number; shown in the user's form.
    auto boxFor = [this](const std::string& text) {
        if (ParseBoxNumber(text, locale) || !ParseBoxNumber(text, NumberLocale{}))
            return QString::fromStdString(text);
        return boxText(text);
    };
    ui.SweepsBox->setText(boxFor(saved.page.epochsBox));
    ui.PrintSweepsBox->setText(boxFor(saved.page.printEveryBox));
    ui.LRateBox->setText(boxFor(saved.page.rateBox));
    ui.MinErrorBox->setText(boxFor(saved.page.minErrorBox));
    moveSlidersToBoxes();
    ui.FileLabel->setText(ShownText(text::TrainingFileLabel(net.TrainingFileName)));
    writeSettingsLines();

    clearStatusBoxes();
    if (ShowsStatus(saved.page)) {
        for (int i = 1; i <= 5; ++i)
            statusBox(i)->show();
        writeStatus(SavedStatusLines(saved.page));
    }
    setRunButtonsVisible(net.EpochCount > 0);
    ui.RunSeedLabel->setText(saved.random ? tr("Seed Of This Run = %1").arg(saved.random->seed)
                                          : QString());
}

void Perceptron::moveSlidersToBoxes()
{
    // Moving the sliders to their boxes must leave the boxes as they are.
    const QSignalBlocker blockRate(ui.LRateSlider);
    if (auto position = SliderPosition(ui.LRateBox, locale))
        ui.LRateSlider->setValue(*position);
    if (auto position = SliderPosition(ui.MinErrorBox, locale))
        ui.MinErrorSlider->setValue(*position);
}

void Perceptron::applySettings(const LessonSettings& settings)
{
    if (run.running())
        return;
    if (settings.rule) {
        net.LearningRule = *settings.rule;
        ui.OptionDelta_0->setChecked(*settings.rule == RuleKind::Delta);
        ui.OptionDelta_1->setChecked(*settings.rule == RuleKind::Gradient);
        ui.OptionDelta_2->setChecked(*settings.rule == RuleKind::Tarvik);
        ui.LRateBox->setText(boxText(defaults::RateText(*settings.rule)));
    }
    auto number = [this](double value) { return QString::fromStdString(FormatGeneral(value, locale)); };
    if (settings.rate)
        ui.LRateBox->setText(number(*settings.rate));
    if (settings.epochs)
        ui.SweepsBox->setText(QString::number(*settings.epochs));
    if (settings.printEvery)
        ui.PrintSweepsBox->setText(QString::number(*settings.printEvery));
    if (settings.minError)
        ui.MinErrorBox->setText(number(*settings.minError));
    if (settings.stopAtMaxEpochs)
        ui.Check1_0->setChecked(*settings.stopAtMaxEpochs);
    if (settings.stopWhenAllHits)
        ui.Check1_1->setChecked(*settings.stopWhenAllHits);
    if (settings.randomOrder) {
        net.RandomizeOrder = *settings.randomOrder;
        (net.RandomizeOrder ? ui.OptionRandom : ui.OptionNotRandom)->setChecked(true);
    }
    if (settings.freezeThresholds) {
        net.FreezeThresholds = *settings.freezeThresholds;
        (net.FreezeThresholds ? ui.OptionFreeze : ui.OptionNoFreeze)->setChecked(true);
    }
    if (settings.seed)
        ui.SeedBox->setText(QString::number(*settings.seed));
    moveSlidersToBoxes();
    ui.FileLabel->setText(ShownText(text::TrainingFileLabel(net.TrainingFileName)));
    writeSettingsLines();
    if (net.FreshStart) {
        clearStatusBoxes();
        setRunButtonsVisible(false);
        ui.RunSeedLabel->clear();
    }
}

void Perceptron::closeEvent(QCloseEvent* event)
{
    // A close request during a run never gets here: the registry holds it
    // until the run has ended.
    event->accept();
    // The start pages only serve this page: they go with it (as if closed
    // from their title bars), once this page has gone.
    for (PageName name : {PageNames::WeightStart, PageNames::BiasStart}) {
        if (ScrollPage* page = pages.find(name))
            QTimer::singleShot(0, page, &QWidget::close);
    }
}

bool Perceptron::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.MinErrorSlider) {
        const QEvent::Type type = event->type();
        // The slider has its value by the time the mouse is let go. Keyboard
        // users move it with the arrow keys: the release of such a key is
        // their click. Any other key (Tab arriving from the box, above all)
        // must leave the box as the user typed it.
        if (type == QEvent::MouseButtonRelease) {
            minErrorSliderMoved();
        } else if (type == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() && MovesSlider(key->key()))
                minErrorSliderMoved();
        }
        return false;
    }
    return ScrollPage::eventFilter(watched, event);
}

}  // namespace vantorelle
