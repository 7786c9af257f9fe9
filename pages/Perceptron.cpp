#include "Perceptron.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "Dialogs.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "PageRegistry.h"
#include "Response.h"
#include "SystemNumbers.h"
#include "TrainingEngine.h"

namespace vantorelle {

namespace {

const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

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

// Qt's drawing code uses wide vector instructions and can leave the upper
// halves of the vector registers in use. The training code is plain SSE, and
// on current processors it then runs at about half speed until something
// clears them, so the page clears them whenever Qt has run inside a run.
void ClearUpperVectorState()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        asm volatile("vzeroupper" ::: "memory");
#endif
}

bool NetworkIsSized(const NetworkState& net)
{
    return net.NumPatterns > 0 && static_cast<long>(net.OutputUnits.size()) == net.NumOutputs + 1 &&
           static_cast<long>(net.InputUnits.size()) == net.NumInputs + 1 && net.Weights.Rows() == net.NumInputs &&
           net.Weights.Cols() == net.NumOutputs;
}

}  // namespace

Perceptron::Perceptron(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, std::unique_ptr<Random> random,
                       QWidget* parent)
    : ScrollPage(Design, parent),
      net(net),
      dialogs(dialogs),
      pages(pages),
      random(random ? std::move(random) : std::make_unique<MersenneRandom>()),
      host{*this, *this, *this->random, SystemNumberLocale()}
{
    ui.setupUi(this);

    PageFonts::set(ui.Label1, PageFonts::title());
    for (QWidget* frame : std::initializer_list<QWidget*>{ui.Frame1, ui.ConvergenceFrame, ui.Frame3, ui.Frame4,
                                                          ui.Frame5, ui.Frame6})
        PageFonts::set(frame, PageFonts::button());
    for (QWidget* choice : std::initializer_list<QWidget*>{
             ui.OptionDelta_0, ui.OptionDelta_1, ui.OptionDelta_2, ui.Check1_0, ui.Check1_1, ui.OptionRandom,
             ui.OptionNotRandom, ui.OptionNoFreeze, ui.OptionFreeze, ui.OptionDefaultWts, ui.OptionNoDefaultWts,
             ui.OptionDefaultBias, ui.OptionNoDefaultBias, ui.MaxSweepsLabel, ui.PrintSweepsLabel, ui.RateLabel,
             ui.MinErrorLabel, ui.MaxWtLabel, ui.MinWtLabel, ui.WtSignLabel, ui.MaxBiasLabel, ui.MinBiasLabel,
             ui.BiasSignLabel})
        PageFonts::set(choice, PageFonts::caption());
    for (QWidget* box : std::initializer_list<QWidget*>{ui.SweepsBox, ui.PrintSweepsBox, ui.LRateBox, ui.MinErrorBox,
                                                        ui.Picture1_1, ui.Picture1_2, ui.Picture1_3, ui.Picture1_4,
                                                        ui.Picture1_5})
        PageFonts::set(box, PageFonts::box());
    PageFonts::set(ui.WeightTitle, PageFonts::heading());
    PageFonts::set(ui.BiasTitle, PageFonts::heading());
    for (QWidget* button : std::initializer_list<QWidget*>{ui.StartTraining, ui.StopTraining, ui.Continue,
                                                           ui.TestRecall, ui.FileLabel})
        PageFonts::set(button, PageFonts::button());
    PageFonts::set(ui.Command2, PageFonts::exitButton());

    // Captions name their boxes for screen readers; the status lines are
    // labels, so their text is read as it is.
    ui.MaxSweepsLabel->setBuddy(ui.SweepsBox);
    ui.PrintSweepsLabel->setBuddy(ui.PrintSweepsBox);
    ui.RateLabel->setBuddy(ui.LRateBox);
    ui.MinErrorLabel->setBuddy(ui.MinErrorBox);
    ui.SweepsUpDown->setAccessibleName(tr("Maximum epochs up-down"));
    ui.PrintSweepsUpDown->setAccessibleName(tr("Epochs between printouts up-down"));
    ui.LRateSlider->setAccessibleName(tr("Learning rate slider"));
    ui.MinErrorSlider->setAccessibleName(tr("Hit criterion slider"));
    ui.EpochProgress->setAccessibleName(tr("Epochs of this run"));
    for (int i = 1; i <= 5; ++i)
        statusBox(i)->setAutoFillBackground(true);

    // The boxes hold numbers in the form the user's system writes them.
    ui.LRateBox->setText(boxText("0.50"));
    ui.MinErrorBox->setText(boxText("0.01"));
    ui.SweepsUpDown->setNumberLocale(host.locale);
    ui.SweepsUpDown->setBuddy(ui.SweepsBox);
    ui.SweepsUpDown->setRange(1, 50000);
    ui.SweepsUpDown->setStep(100);
    ui.PrintSweepsUpDown->setNumberLocale(host.locale);
    ui.PrintSweepsUpDown->setBuddy(ui.PrintSweepsBox);
    ui.PrintSweepsUpDown->setRange(1, 10000);
    ui.PrintSweepsUpDown->setStep(10);

    // "Stop Training" exists only while a run goes on; Esc works it too.
    ui.StopTraining->setShortcut(QKeySequence(Qt::Key_Escape));
    ui.StopTraining->setToolTip(tr("Ends the run after the current epoch (Esc)"));
    ui.StopTraining->hide();

    // The load step.
    if (net.FreshStart == 1)
        SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    ui.OptionDelta_0->setChecked(true);
    ui.OptionRandom->setChecked(true);
    ui.OptionNoFreeze->setChecked(true);
    ui.OptionDefaultWts->setChecked(true);
    ui.OptionDefaultBias->setChecked(true);
    if (auto position = SliderPosition(ui.LRateBox, host.locale))
        ui.LRateSlider->setValue(*position);
    if (auto position = SliderPosition(ui.MinErrorBox, host.locale))
        ui.MinErrorSlider->setValue(*position);
    ui.FileLabel->setText(QStringLiteral("Training: ") + QString::fromStdString(net.TrainingFileName));
    ui.EpochProgress->hide();

    // Handlers, connected after the load step so that setting the sliders
    // there leaves the boxes' texts as they are.
    connect(ui.OptionDelta_0, &QRadioButton::clicked, this, [this] { chooseRule(RuleDelta, "0.50"); });
    connect(ui.OptionDelta_1, &QRadioButton::clicked, this, [this] { chooseRule(RuleGradient, "0.50"); });
    connect(ui.OptionDelta_2, &QRadioButton::clicked, this, [this] { chooseRule(RuleTarvik, "0.10"); });
    connect(ui.OptionRandom, &QRadioButton::clicked, this, [this] { this->net.RandomizeOrder = true; });
    connect(ui.OptionNotRandom, &QRadioButton::clicked, this, [this] { this->net.RandomizeOrder = false; });
    connect(ui.OptionFreeze, &QRadioButton::clicked, this, [this] { this->net.FreezeThresholds = true; });
    connect(ui.OptionNoFreeze, &QRadioButton::clicked, this, [this] { this->net.FreezeThresholds = false; });
    connect(ui.OptionDefaultWts, &QRadioButton::clicked, this, [this] {
        // Default starts mean the default range and sign, as for thresholds.
        this->net.WeightMin = 0;
        this->net.WeightMax = 0.1;
        this->net.WeightSign = SignBoth;
    });
    connect(ui.OptionNoDefaultWts, &QRadioButton::clicked, this,
            [this] { this->pages.open(QStringLiteral("WeightStart")); });
    connect(ui.OptionDefaultBias, &QRadioButton::clicked, this, [this] {
        this->net.ThresholdMin = 0;
        this->net.ThresholdMax = 0;
        this->net.ThresholdSign = SignBoth;
    });
    connect(ui.OptionNoDefaultBias, &QRadioButton::clicked, this,
            [this] { this->pages.open(QStringLiteral("BiasStart")); });
    connect(ui.LRateSlider, &QSlider::valueChanged, this, &Perceptron::lRateSliderMoved);
    // The hit criterion follows its slider when the user lets go of it.
    ui.MinErrorSlider->installEventFilter(this);
    connect(ui.Check1_0, &QCheckBox::clicked, this, &Perceptron::stopBoxClicked);
    connect(ui.Check1_1, &QCheckBox::clicked, this, &Perceptron::stopBoxClicked);
    connect(ui.StartTraining, &QPushButton::clicked, this, &Perceptron::startTraining);
    connect(ui.Continue, &QPushButton::clicked, this, &Perceptron::continueTraining);
    connect(ui.StopTraining, &QPushButton::clicked, this, &Perceptron::requestStop);
    connect(ui.TestRecall, &QPushButton::clicked, this, &Perceptron::testRecall);
    connect(ui.Command2, &QPushButton::clicked, this, [this] { this->pages.exitProgram(); });

    finishLoad();
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

QString Perceptron::boxText(const char* cNumber) const
{
    return QString::fromStdString(InLocaleForm(cNumber, host.locale));
}

void Perceptron::setBackground(QLabel* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
}

void Perceptron::activationStep()
{
    // A run owns the status area until it ends; coming back to the page in
    // the middle of one changes nothing.
    if (training)
        return;

    if (net.ContinueFromTests == 1) {
        if (NetworkIsSized(net))
            EvaluateTrainingSet(net);
    } else {
        for (int i = 1; i <= 5; ++i) {
            statusBox(i)->hide();
            statusBox(i)->clear();
        }
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        setBackground(ui.Picture1_3, buttonFace);
        setBackground(ui.Picture1_4, buttonFace);
    }
    ui.FileLabel->setText(QStringLiteral("Training: ") + QString::fromStdString(net.TrainingFileName));
    writeSettingsLines();

    if (net.FreshStart != 1) {
        const NumberLocale& locale = host.locale;
        ui.Picture1_1->setText(QStringLiteral("Epochs: ") + QString::fromStdString(FormatWhole(net.EpochCount)));
        ui.Picture1_2->setText(QStringLiteral("Total SSE: ") +
                               QString::fromStdString(FormatStandard(net.TotalSSE, locale)));
        setBackground(ui.Picture1_3, QApplication::palette().color(QPalette::Button));
        ui.Picture1_3->clear();
        setBackground(ui.Picture1_4, net.Hits == net.NumResponses ? Green : Red);
        ui.Picture1_4->setText(QStringLiteral("  Hits: ") +
                               QString::fromStdString(FormatStandard(static_cast<double>(net.Hits), locale)));
        ui.Picture1_5->setText(QStringLiteral("Misses: ") + QString::fromStdString(FormatStandard(
                                                                 static_cast<double>(net.NumResponses - net.Hits), locale)));
    }
    ui.EpochProgress->hide();
    finishLoad();
}

void Perceptron::writeSettingsLines()
{
    auto number = [this](double value) { return QString::fromStdString(FormatGeneral(value, host.locale)); };
    ui.MaxWtLabel->setText(QStringLiteral("Maximum Weight = ") + number(net.WeightMax));
    ui.MinWtLabel->setText(QStringLiteral("Minimum Weight = ") + number(net.WeightMin));
    ui.WtSignLabel->setText(QStringLiteral("Weight Sign = ") + QString::fromStdString(net.WeightSign));
    ui.MaxBiasLabel->setText(QStringLiteral("Maximum Threshold = ") + number(net.ThresholdMax));
    ui.MinBiasLabel->setText(QStringLiteral("Minimum Threshold = ") + number(net.ThresholdMin));
    ui.BiasSignLabel->setText(QStringLiteral("Threshold Sign = ") + QString::fromStdString(net.ThresholdSign));
}

// handlers

void Perceptron::chooseRule(const char* rule, const char* rate)
{
    net.LearningRule = rule;
    ui.LRateBox->setText(boxText(rate));
}

void Perceptron::lRateSliderMoved(int value) { ui.LRateBox->setText(SliderText(value, host.locale)); }

void Perceptron::minErrorSliderReleased()
{
    ui.MinErrorBox->setText(SliderText(ui.MinErrorSlider->value(), host.locale));
}

void Perceptron::stopBoxClicked()
{
    if (!ui.Check1_0->isChecked())
        return;
    // Text that is no number, and a number that rounds to no epochs at all,
    // can no more end a run than zero can.
    const auto sweeps = ParseBoxNumber(ui.SweepsBox->text().toStdString(), host.locale);
    bool refused = !sweeps || *sweeps <= 0;
    if (!refused) {
        const auto whole = RoundToWhole(*sweeps);
        refused = whole && *whole <= 0;
    }
    if (refused) {
        Warning(text::MaxEpochsTitle, text::MaxEpochsMessage);
        ui.SweepsBox->setText(QStringLiteral("1"));
    }
}

void Perceptron::startTraining()
{
    StartTraining(net, host);
    if (training)
        endRun();
}

void Perceptron::continueTraining()
{
    ContinueTraining(net, host);
    if (training)
        endRun();
}

void Perceptron::testRecall() { pages.open(QStringLiteral("TestPerceptron")); }

// the engine's view of the page

SettingsBoxes Perceptron::ReadSettingsBoxes()
{
    SettingsBoxes boxes;
    boxes.Sweeps = ui.SweepsBox->text().toStdString();
    boxes.LRate = ui.LRateBox->text().toStdString();
    boxes.PrintSweeps = ui.PrintSweepsBox->text().toStdString();
    boxes.MinError = ui.MinErrorBox->text().toStdString();
    boxes.StopAtMaxEpochs = ui.Check1_0->isChecked();
    boxes.StopWhenAllHits = ui.Check1_1->isChecked();
    return boxes;
}

void Perceptron::SetSweepsBox(const std::string& text) { ui.SweepsBox->setText(boxText(text.c_str())); }

void Perceptron::SetLRateBox(const std::string& text) { ui.LRateBox->setText(boxText(text.c_str())); }

void Perceptron::SetPrintSweepsBox(const std::string& text) { ui.PrintSweepsBox->setText(boxText(text.c_str())); }

void Perceptron::CheckBothStopBoxes()
{
    ui.Check1_0->setChecked(true);
    ui.Check1_1->setChecked(true);
}

void Perceptron::SetRunButtonsVisible(bool visible)
{
    ui.Continue->setVisible(visible);
    ui.TestRecall->setVisible(visible);
}

void Perceptron::ClearStatus()
{
    for (int i = 1; i <= 5; ++i)
        statusBox(i)->clear();
    statusPending = false;
}

void Perceptron::ShowStatusBoxes()
{
    // The engine shows the boxes as the first thing a run does.
    if (!training)
        beginRun();
    for (int i = 1; i <= 5; ++i)
        statusBox(i)->show();
}

void Perceptron::ShowStatus(const StatusLines& lines, bool final)
{
    if (final || !training) {
        // The final display leaves box 3's colour as the last progress
        // display set it, even when that one has not reached the screen yet.
        if (statusPending)
            writeStatus(pendingStatus);
        statusPending = false;
        writeStatus(lines);
        return;
    }
    // During a run only the latest display reaches the screen, at the next repaint.
    pendingStatus = lines;
    statusPending = true;
}

void Perceptron::writeStatus(const StatusLines& lines)
{
    auto colour = [](StatusColour c) { return c == StatusColour::Green ? Green : Red; };
    if (lines.ChangeColour != StatusColour::Unchanged)
        setBackground(ui.Picture1_3, colour(lines.ChangeColour));
    if (lines.HitsColour != StatusColour::Unchanged)
        setBackground(ui.Picture1_4, colour(lines.HitsColour));
    ui.Picture1_1->setText(QString::fromStdString(lines.Epochs));
    ui.Picture1_2->setText(QString::fromStdString(lines.TotalSSE));
    ui.Picture1_3->setText(QString::fromStdString(lines.Change));
    ui.Picture1_4->setText(QString::fromStdString(lines.Hits));
    ui.Picture1_5->setText(QString::fromStdString(lines.Misses));
}

void Perceptron::ShowProgressBar(long maximum)
{
    progressValue = 0;
    ui.EpochProgress->setRange(0, static_cast<int>(std::clamp(maximum, 0L, static_cast<long>(INT_MAX))));
    ui.EpochProgress->setValue(0);
    ui.EpochProgress->show();
}

void Perceptron::AdvanceProgressBar()
{
    ++progressValue;
    if (!training)
        ui.EpochProgress->setValue(progressValue);
}

void Perceptron::HideProgressBar()
{
    ui.EpochProgress->setValue(std::min(progressValue, ui.EpochProgress->maximum()));
    ui.EpochProgress->hide();
}

bool Perceptron::StopRequested()
{
    // One clock read per epoch; the page repaints and takes input only when
    // a thirtieth of a second has passed.
    if (training && sinceRefresh.elapsed() >= RefreshIntervalMs)
        refreshDuringRun();
    return stopAsked;
}

void Perceptron::Warning(std::string_view title, std::string_view text)
{
    MessageBoxRequest box;
    box.title = std::string(title);
    box.text = std::string(text);
    box.icon = BoxIcon::Exclamation;
    box.buttons = BoxButtons::OK;
    dialogs.Show(box);
    ClearUpperVectorState();
}

void Perceptron::Error(std::string_view text)
{
    // The overflow report comes in the middle of a run.
    dialogs.Show(ErrorReport(std::string(text)));
    ClearUpperVectorState();
}

// a run in progress

std::vector<QWidget*> Perceptron::inputControls() const
{
    return {ui.Frame1,       ui.ConvergenceFrame, ui.Frame3,         ui.Frame4,         ui.Frame5,
            ui.Frame6,       ui.SweepsBox,        ui.SweepsUpDown,   ui.PrintSweepsBox, ui.PrintSweepsUpDown,
            ui.LRateBox,     ui.LRateSlider,      ui.MinErrorBox,    ui.MinErrorSlider, ui.StartTraining,
            ui.Continue,     ui.TestRecall,       ui.Command2};
}

void Perceptron::beginRun()
{
    training = true;
    stopAsked = false;
    closeWhenStopped = false;
    statusPending = false;
    refreshes = 0;
    for (QWidget* control : inputControls())
        control->setEnabled(false);
    ui.StopTraining->setEnabled(true);
    ui.StopTraining->show();
    ui.StopTraining->setFocus();
    // The other pages take no input either, and cannot be closed under the run.
    pagesHeldDuringRun.clear();
    for (const QString& name : pages.openPages()) {
        ScrollPage* page = pages.find(name);
        if (page && page != this) {
            page->setEnabled(false);
            page->installEventFilter(this);
            pagesHeldDuringRun.emplace_back(page);
        }
    }
    ClearUpperVectorState();
    sinceRefresh.start();
}

void Perceptron::refreshDuringRun()
{
    if (statusPending) {
        statusPending = false;
        writeStatus(pendingStatus);
    }
    if (ui.EpochProgress->isVisible())
        ui.EpochProgress->setValue(std::min(progressValue, ui.EpochProgress->maximum()));
    ++refreshes;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ClearUpperVectorState();
    sinceRefresh.restart();
}

void Perceptron::requestStop()
{
    if (training)
        stopAsked = true;
}

void Perceptron::endRun()
{
    training = false;
    stopAsked = false;
    ui.StopTraining->hide();
    for (QWidget* control : inputControls())
        control->setEnabled(true);
    for (const QPointer<QWidget>& page : pagesHeldDuringRun) {
        if (page) {
            page->removeEventFilter(this);
            page->setEnabled(true);
        }
    }
    pagesHeldDuringRun.clear();
    if (ui.Continue->isVisible())
        ui.Continue->setFocus();
    if (closeWhenStopped) {
        closeWhenStopped = false;
        close();
    }
}

void Perceptron::closeEvent(QCloseEvent* event)
{
    if (training) {
        // The run ends first, with its final display and record; the window
        // closes when the engine has returned.
        stopAsked = true;
        closeWhenStopped = true;
        event->ignore();
        return;
    }
    event->accept();
    // The start pages only serve this page: they go with it (as if closed
    // from their title bars), once this page has gone.
    for (const char* name : {"WeightStart", "BiasStart"}) {
        if (ScrollPage* page = pages.find(QString::fromLatin1(name)))
            QTimer::singleShot(0, page, &QWidget::close);
    }
}

bool Perceptron::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.MinErrorSlider) {
        const QEvent::Type type = event->type();
        // The slider has its value by the time the mouse is let go. Keyboard
        // users move it with the arrow keys: the key's release is their click.
        if (type == QEvent::MouseButtonRelease ||
            (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()))
            minErrorSliderReleased();
        return false;
    }
    if (training && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return ScrollPage::eventFilter(watched, event);
}

}  // namespace vantorelle
