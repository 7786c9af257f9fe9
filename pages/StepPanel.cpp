// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepPanel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QShortcut>

#include "CoreTexts.h"
#include "Perceptron.h"
#include "StepExplanation.h"
#include "TrainingRun.h"

namespace vantorelle {

namespace {

QString Shown(double value, const NumberLocale& locale)
{
    return QString::fromStdString(FormatGeneral(value, locale));
}

QString SpeedText(double perSecond)
{
    if (perSecond == 0)
        return StepPanel::tr("As fast as possible");
    if (perSecond == 1)
        return StepPanel::tr("1 pattern a second");
    return StepPanel::tr("%1 patterns a second").arg(perSecond);
}

bool UnitChanged(const PatternStep& step, long k)
{
    for (long i = 1; i < static_cast<long>(step.Inputs.size()); ++i)
        if (step.WeightsBefore(i, k) != step.WeightsAfter(i, k))
            return true;
    return step.ThresholdsBefore[k] != step.ThresholdsAfter[k];
}

}  // namespace

StepPanel::StepPanel(Perceptron& page, TrainingRun& run, const NumberLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), page(page), run(run), locale(locale)
{
    ui.setupUi(this);
    ui.StepText->setAccessibleName(tr("The arithmetic of the step"));
    ui.WeightsTable->setAccessibleName(tr("The unit's weights before and after the step"));
    ui.SpeedSlider->setAccessibleName(tr("Speed"));
    ui.UnitBox->setAccessibleName(tr("Output unit"));
    ui.WeightsTable->setColumnCount(4);
    ui.WeightsTable->setHorizontalHeaderLabels({tr("Weight"), tr("Input x"), tr("Before"), tr("After")});
    ui.WeightsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui.WeightsTable->verticalHeader()->hide();
    ui.PositionLabel->setText(tr("No step yet: \"Step One Pattern\" presents the next pattern and stops."));

    connect(ui.StepPatternButton, &QPushButton::clicked, this, &StepPanel::stepPattern);
    connect(ui.StepEpochButton, &QPushButton::clicked, this, &StepPanel::stepEpoch);
    connect(ui.RunButton, &QPushButton::clicked, this, &StepPanel::runOn);
    connect(ui.PauseButton, &QPushButton::clicked, this, &StepPanel::pause);
    connect(ui.CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.SpeedSlider, &QSlider::valueChanged, this, &StepPanel::speedChanged);
    connect(ui.UnitBox, &QSpinBox::valueChanged, this, &StepPanel::showUnit);
    // The keys debuggers use for the same commands.
    new QShortcut(QKeySequence(Qt::Key_F10), this, this, &StepPanel::stepPattern);
    new QShortcut(QKeySequence(Qt::Key_F11), this, this, &StepPanel::stepEpoch);
    new QShortcut(QKeySequence(Qt::Key_F5), this, this, &StepPanel::runOn);
    new QShortcut(QKeySequence(Qt::Key_F6), this, this, &StepPanel::pause);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    connect(&run, &TrainingRun::patternStepped, this, &StepPanel::showStep);
    connect(&run, &TrainingRun::finished, this, &StepPanel::updateButtons);
    speedChanged(ui.SpeedSlider->value());
    updateButtons();
}

void StepPanel::stepPattern()
{
    StepControl& control = run.stepControl();
    if (run.running()) {
        control.stepPattern();
    } else {
        // A new run's first pattern is the step.
        control.run();
        control.pause();
        page.startSteppedRun();
    }
    updateButtons();
}

void StepPanel::stepEpoch()
{
    StepControl& control = run.stepControl();
    if (!run.running()) {
        control.run();
        control.stepEpoch();
        page.startSteppedRun();
    } else {
        control.stepEpoch();
    }
    updateButtons();
}

void StepPanel::runOn()
{
    run.stepControl().run();
    if (!run.running())
        page.startSteppedRun();
    updateButtons();
}

void StepPanel::pause()
{
    if (run.running())
        run.stepControl().pause();
    updateButtons();
}

void StepPanel::speedChanged(int position)
{
    const double perSecond = Speeds[std::clamp(position, 0, static_cast<int>(std::size(Speeds)) - 1)];
    run.stepControl().setPatternsPerSecond(perSecond);
    ui.SpeedValue->setText(SpeedText(perSecond));
    ui.SpeedSlider->setAccessibleDescription(SpeedText(perSecond));
}

void StepPanel::updateButtons()
{
    const bool running = run.running();
    const bool paused = running && run.stepControl().paused();
    ui.PauseButton->setEnabled(running && !paused);
    ui.RunButton->setEnabled(!running || paused);
}

void StepPanel::showStep(std::shared_ptr<const PatternStep> shown)
{
    step = std::move(shown);
    ui.PositionLabel->setText(tr("Epoch %1: pattern %2, presented %3 in this epoch's order (rule: %4, rate %5)")
                                  .arg(step->Epoch)
                                  .arg(step->Pattern)
                                  .arg(step->Position == 1 ? tr("first") : tr("as number %1").arg(step->Position))
                                  .arg(QString::fromLatin1(RuleName(step->Rule)))
                                  .arg(Shown(step->LearningRate, locale)));
    const int outputs = static_cast<int>(step->Outputs.size()) - 1;
    ui.UnitBox->setMaximum(std::max(outputs, 1));
    showUnit();
    updateButtons();
}

void StepPanel::showUnit()
{
    if (!step)
        return;
    const long k = ui.UnitBox->value();
    const long outputs = static_cast<long>(step->Outputs.size()) - 1;
    if (k < 1 || k > outputs)
        return;
    QStringList lines;
    for (const std::string& line : ExplainUnitStep(*step, k, locale))
        lines << ShownText(line);
    ui.StepText->setPlainText(lines.join(QLatin1Char('\n')));

    const long inputs = static_cast<long>(step->Inputs.size()) - 1;
    ui.WeightsTable->setRowCount(static_cast<int>(inputs) + 1);
    auto setRow = [&](int row, const QString& name, const QString& x, double before, double after) {
        const bool changed = before != after;
        const QString afterText = Shown(after, locale) + (changed ? tr("  (changed)") : QString());
        const QString texts[] = {name, x, Shown(before, locale), afterText};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (changed) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(palette().color(QPalette::Highlight).lighter(170));
            }
            ui.WeightsTable->setItem(row, column, item);
        }
    };
    for (long i = 1; i <= inputs; ++i)
        setRow(static_cast<int>(i) - 1, QStringLiteral("w%1").arg(i), Shown(step->Inputs[i], locale),
               step->WeightsBefore(i, k), step->WeightsAfter(i, k));
    setRow(static_cast<int>(inputs), tr("threshold"), QString(), step->ThresholdsBefore[k], step->ThresholdsAfter[k]);

    if (outputs > 1) {
        long changed = 0;
        for (long other = 1; other <= outputs; ++other)
            changed += other != k && UnitChanged(*step, other);
        ui.OtherUnitsLabel->setText(
            tr("The other %1 units: %2 changed, %3 unchanged").arg(outputs - 1).arg(changed).arg(outputs - 1 - changed));
    } else {
        ui.OtherUnitsLabel->clear();
    }
}

void StepPanel::closeEvent(QCloseEvent* event)
{
    // Nobody is left to press a step: a held run goes on, at full speed.
    ui.SpeedSlider->setValue(0);
    run.stepControl().run();
    event->accept();
}

}  // namespace vantorelle
