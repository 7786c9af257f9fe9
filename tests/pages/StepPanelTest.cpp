// SPDX-License-Identifier: GPL-3.0-or-later
// The step panel on the set-up page's runs, driven as a student would: one
// pattern, one epoch, run on, slow down, stop and close while held.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include "CoreTexts.h"
#include "FindControl.h"
#include "NetworkView.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "RecordingHost.h"
#include "ScriptedDialogs.h"
#include "StepExplanation.h"
#include "StepPanel.h"
#include "TrainingRun.h"
#include "SystemTexts.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

constexpr std::uint64_t Seed = 11;
constexpr int WaitMs = 120000;

class StepPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net").ok);
        net.TrainingFileName = "and.net";
        net.FreshStart = true;
        DefinePages(pages, net, memory, dialogs, [] { return std::make_unique<MersenneRandom>(Seed); });
        page = static_cast<Perceptron*>(pages.open(PageNames::Perceptron));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
        QTest::mouseClick(button("StepThroughButton", page), Qt::LeftButton);
        panel = page->findChild<StepPanel*>();
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    QAbstractButton* button(const char* name, QWidget* in)
    {
        return qt_testing::FindControl<QAbstractButton>(in, QString::fromLatin1(name));
    }
    void press(const char* name) { QTest::mouseClick(button(name, panel), Qt::LeftButton); }
    TrainingRun& run() { return *page->findChild<TrainingRun*>(); }
    // Waits until the panel shows the step at `position` of epoch `epoch`.
    bool shows(long epoch, long position)
    {
        return QTest::qWaitFor(
            [&] {
                const PatternStep* step = panel->shownStep();
                return step && step->Epoch == epoch && step->Position == position;
            },
            WaitMs);
    }

    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    Perceptron* page = nullptr;
    StepPanel* panel = nullptr;
};

}  // namespace

TEST_F(StepPanelTest, StepsByPatternAndEpochThenRunOnToTheBitsOfAWholeRun)
{
    press("StepPatternButton");
    ASSERT_TRUE(shows(1, 1));
    EXPECT_TRUE(page->isTraining());  // held after the first pattern
    press("StepPatternButton");
    ASSERT_TRUE(shows(1, 2));
    press("StepEpochButton");
    ASSERT_TRUE(shows(1, 4));
    EXPECT_TRUE(page->isTraining());
    press("StepPatternButton");  // the next epoch's first pattern
    ASSERT_TRUE(shows(2, 1));
    press("RunButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining(); }, WaitMs));

    // The same run without a panel: the engine alone, same seed and boxes.
    NetworkState alone;
    ASSERT_TRUE(ReadTrainingFile(alone, VANTORELLE_EXAMPLES "/and.net").ok);
    SizeUnitsAndWeights(alone);
    SetDefaultSettings(alone);
    testing::RecordingHost recorder;
    recorder.locale = SystemNumberLocale();
    recorder.boxes = {"1000", InLocaleForm("0.50", recorder.locale), "100", InLocaleForm("0.01", recorder.locale),
                      true, true};
    MersenneRandom random(Seed);
    testing::EngineHost host{recorder, random};
    ASSERT_TRUE(testing::StartTraining(alone, host));
    EXPECT_EQ(net.EpochCount, alone.EpochCount);
    EXPECT_EQ(net.TotalSSE, alone.TotalSSE);
    for (long i = 1; i <= 2; ++i)
        EXPECT_EQ(net.Weights(i, 1), alone.Weights(i, 1));
    EXPECT_EQ(net.OutputUnits[1].Threshold, alone.OutputUnits[1].Threshold);
}

TEST_F(StepPanelTest, TheShownStepIsWrittenOutWithTheChangedWeightsMarked)
{
    press("StepPatternButton");
    ASSERT_TRUE(shows(1, 1));
    const PatternStep& step = *panel->shownStep();
    const auto* text = qt_testing::FindControl<QPlainTextEdit>(panel, QStringLiteral("StepText"));
    QStringList expected;
    for (const std::string& line : ExplainUnitStep(step, 1, SystemNumberLocale()))
        expected << ShownText(line);
    EXPECT_EQ(text->toPlainText(), expected.join(QLatin1Char('\n')));
    EXPECT_TRUE(text->isReadOnly());

    const auto* table = qt_testing::FindControl<QTableWidget>(panel, QStringLiteral("WeightsTable"));
    ASSERT_EQ(table->rowCount(), 3);  // two weights and the threshold
    for (int row = 0; row < 3; ++row) {
        const double before = row < 2 ? step.WeightsBefore(row + 1, 1) : step.ThresholdsBefore[1];
        const double after = row < 2 ? step.WeightsAfter(row + 1, 1) : step.ThresholdsAfter[1];
        EXPECT_EQ(table->item(row, 3)->text().endsWith(QStringLiteral("(changed)")), before != after) << row;
        EXPECT_EQ(table->item(row, 3)->font().bold(), before != after) << row;
    }
    press("RunButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining(); }, WaitMs));
}

// A held run must never outlive the means to go on: Stop, or closing the panel.
TEST_F(StepPanelTest, StopOrClosingThePanelEndsAHeldRun)
{
    press("StepPatternButton");
    ASSERT_TRUE(shows(1, 1));
    QTest::mouseClick(button("StopTraining", page), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining(); }, WaitMs));
    EXPECT_EQ(net.EpochCount, 1);  // the epoch it was in ends, then the run

    // Slowed to a pattern a second and held, then the panel closes.
    auto* speed = qt_testing::FindControl<QSlider>(panel, QStringLiteral("SpeedSlider"));
    speed->setValue(speed->maximum());
    press("StepEpochButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->isTraining(); }, WaitMs));
    panel->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining(); }, WaitMs));
    EXPECT_GE(net.EpochCount, 2);  // it went on, at full speed, to its stop
}

// The network view moves with every step: its picture is the network as the
// step left it, not as the epoch will.
TEST_F(StepPanelTest, TheNetworkViewFollowsEachStep)
{
    auto* view = static_cast<NetworkView*>(pages.open(PageNames::NetworkView));
    ASSERT_NE(view, nullptr);
    pages.open(PageNames::Perceptron);
    press("StepPatternButton");
    for (long position = 1; position <= 3; ++position) {
        if (position > 1)
            press("StepPatternButton");
        ASSERT_TRUE(shows(1, position));
        const PatternStep& step = *panel->shownStep();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const NetworkSnapshot* seen = view->snapshot();
                return seen && seen->duringRun && !seen->Weights.Empty() &&
                       seen->Weights(1, 1) == step.WeightsAfter(1, 1) &&
                       seen->Weights(2, 1) == step.WeightsAfter(2, 1) &&
                       seen->Thresholds[1] == step.ThresholdsAfter[1];
            },
            WaitMs))
            << "position " << position;
    }
    press("RunButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining(); }, WaitMs));
}

// At the slowest speed the run waits a second a pattern on its own thread:
// the page goes on refreshing, the steps come one by one, and Pause and Stop
// answer at once.
TEST_F(StepPanelTest, TheSlowestSpeedLeavesTheWindowLive)
{
    auto* speed = qt_testing::FindControl<QSlider>(panel, QStringLiteral("SpeedSlider"));
    speed->setValue(speed->maximum());
    EXPECT_EQ(run().stepControl().patternsPerSecond(), 1);
    press("RunButton");
    ASSERT_TRUE(shows(1, 1));
    const long refreshes = page->refreshCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->refreshCount() >= refreshes + 5; }, WaitMs));
    ASSERT_TRUE(shows(1, 2));
    press("PauseButton");
    EXPECT_TRUE(run().stepControl().paused());
    EXPECT_FALSE(button("PauseButton", panel)->isEnabled());
    QTest::mouseClick(button("StopTraining", page), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining(); }, WaitMs));
    EXPECT_EQ(net.EpochCount, 1);
}

}  // namespace vantorelle
