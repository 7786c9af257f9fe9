// SPDX-License-Identifier: GPL-3.0-or-later
// The training set-up page, driven as a user would: controls found by name,
// options and boxes clicked, runs started, continued and stopped.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "CoreTexts.h"
#include "FindControl.h"
#include "NetworkState.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "RecordingHost.h"
#include "Random.h"
#include "ScriptedDialogs.h"
#include "SystemTexts.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"
#include "UpDown.h"

namespace vantorelle {

namespace {

constexpr std::uint64_t Seed = 7;

const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

// A number the C way ("0.07") as the page writes it under the system's locale.
QString Local(const char* cNumber) { return QString::fromStdString(InLocaleForm(cNumber, SystemNumberLocale())); }

class PerceptronTest : public ::testing::Test {
protected:
    void SetUp() override { openWith("and.net"); }

    void openWith(const char* file)
    {
        const ReadResult read = ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES "/") + file);
        ASSERT_TRUE(read.ok) << read.message;
        net.TrainingFileName = file;
        net.FreshStart = true;
        DefinePages(pages, net, memory, dialogs, [] { return std::make_unique<MersenneRandom>(Seed); });
        page = static_cast<Perceptron*>(pages.open(PageNames::Perceptron));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    }

    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    template <typename T>
    T* control(const QString& name, QWidget* in = nullptr)
    {
        return qt_testing::FindControl<T>(in ? in : page, name);
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(QString::fromLatin1(name)); }
    QLabel* label(const char* name) { return control<QLabel>(QString::fromLatin1(name)); }
    QLabel* status(int index) { return control<QLabel>(QStringLiteral("Picture1_%1").arg(index)); }
    QSlider* slider(const char* name) { return control<QSlider>(QString::fromLatin1(name)); }
    QAbstractButton* button(const char* name, QWidget* in = nullptr)
    {
        return control<QAbstractButton>(QString::fromLatin1(name), in);
    }
    static QColor background(QLabel* line) { return line->palette().color(QPalette::Window); }
    static QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

    // Option buttons and check boxes are clicked on their indicator.
    void choose(const char* name, QWidget* in = nullptr)
    {
        QAbstractButton* option = button(name, in);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    void press(const char* name, QWidget* in = nullptr) { QTest::mouseClick(button(name, in), Qt::LeftButton); }
    // Presses a run button and waits for the run it starts (if any) to end.
    void train(const char* name)
    {
        press(name);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, RunTimeoutMs));
    }
    // Waits until the run has shown an epoch count of at least `epochs`.
    bool shownEpochsReach(long epochs)
    {
        return QTest::qWaitFor(
            [&] {
                // "Epochs: " as the window's language writes it.
                const QString prefix = ShownText(QStringLiteral("Epochs: 0")).chopped(1);
                const QString text = status(1)->text();
                return text.startsWith(prefix) && text.mid(prefix.size()).toLong() >= epochs;
            },
            RunTimeoutMs);
    }
    static constexpr int RunTimeoutMs = 120000;
    void type(const char* boxName, const QString& text)
    {
        QLineEdit* line = box(boxName);
        line->selectAll();
        QTest::keyClicks(line, text);
    }
    // Shows the page again as the active page, as coming back to it does.
    void activateAgain()
    {
        pages.open(PageNames::WeightStart);
        pages.find(PageNames::WeightStart)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(pages.activePage(), page);
    }

    NetworkState net;

    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    Perceptron* page = nullptr;
};

// a fresh page
TEST_F(PerceptronTest, FreshPageShowsTheDefaults)
{
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Perceptron Setup Page -- Tarvik Neural Network Code"));
    EXPECT_EQ(page->size(), QSize(929, 620));
    EXPECT_TRUE(static_cast<QRadioButton*>(button("OptionDelta_0"))->isChecked());
    EXPECT_FALSE(static_cast<QRadioButton*>(button("OptionDelta_1"))->isChecked());
    EXPECT_FALSE(static_cast<QRadioButton*>(button("OptionDelta_2"))->isChecked());
    EXPECT_EQ(button("OptionDelta_0")->text(), QStringLiteral("Delta Rule (Binary Output)"));
    EXPECT_EQ(box("LRateBox")->text(), Local("0.50"));
    EXPECT_EQ(slider("LRateSlider")->value(), 50);
    EXPECT_EQ(box("MinErrorBox")->text(), Local("0.01"));
    EXPECT_EQ(slider("MinErrorSlider")->value(), 1);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("1000"));
    EXPECT_EQ(box("PrintSweepsBox")->text(), QStringLiteral("100"));
    for (const char* name : {"Check1_0", "Check1_1", "OptionRandom", "OptionNoFreeze", "OptionDefaultWts",
                             "OptionDefaultBias"})
        EXPECT_TRUE(button(name)->isChecked()) << name;
    for (const char* name : {"OptionNotRandom", "OptionFreeze", "OptionNoDefaultWts", "OptionNoDefaultBias"})
        EXPECT_FALSE(button(name)->isChecked()) << name;

    const std::vector<std::pair<const char*, const char*>> lines = {
        {"MaxWtLabel", "Maximum Weight = 0.1"},   {"MinWtLabel", "Minimum Weight = 0"},
        {"WtSignLabel", "Weight Sign = Both"},     {"MaxBiasLabel", "Maximum Threshold = 0"},
        {"MinBiasLabel", "Minimum Threshold = 0"}, {"BiasSignLabel", "Threshold Sign = Both"}};
    for (const auto& [name, text] : lines)
        EXPECT_EQ(label(name)->text(), Local(text)) << name;
    EXPECT_EQ(label("FileLabel")->text(), ShownText(QStringLiteral("Training: and.net")));

    for (const char* name : {"Continue", "TestRecall", "StopTraining", "EpochProgress", "Picture1_1", "Picture1_2",
                             "Picture1_3", "Picture1_4", "Picture1_5", "HorFormScroll", "VerFormScroll", "Corner"})
        EXPECT_FALSE(control<QWidget>(QString::fromLatin1(name))->isVisible()) << name;
    for (const char* name : {"StartTraining", "Command2", "Label3", "Line1", "Line6", "SweepsUpDown"})
        EXPECT_TRUE(control<QWidget>(QString::fromLatin1(name))->isVisible()) << name;

    EXPECT_EQ(net.LearningRule, RuleKind::Delta);
    EXPECT_TRUE(net.RandomizeOrder);
    EXPECT_FALSE(net.FreezeThresholds);
    EXPECT_EQ(net.WeightMax, 0.1);
    EXPECT_EQ(net.ThresholdSign, StartSign::Both);
    // The load step sized the network for the file.
    EXPECT_EQ(net.OutputUnits.size(), 2u);
    EXPECT_EQ(net.Weights.Rows(), 2);

    auto* sweeps = control<UpDown>(QStringLiteral("SweepsUpDown"));
    EXPECT_EQ(sweeps->minimum(), 1);
    EXPECT_EQ(sweeps->maximum(), 50000);
    auto* printSweeps = control<UpDown>(QStringLiteral("PrintSweepsUpDown"));
    EXPECT_EQ(printSweeps->maximum(), 10000);
    EXPECT_EQ(slider("LRateSlider")->maximum(), 200);
    EXPECT_EQ(slider("LRateSlider")->pageStep(), 5);
    EXPECT_EQ(slider("MinErrorSlider")->maximum(), 100);
}

TEST_F(PerceptronTest, FontsFollowThePageConventions)
{
    const QFont title = label("Label1")->font();
    EXPECT_EQ(title.family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 20.25);
    EXPECT_TRUE(title.bold() && title.italic());
    EXPECT_DOUBLE_EQ(status(1)->font().pointSizeF(), 10.5);
    EXPECT_DOUBLE_EQ(box("SweepsBox")->font().pointSizeF(), 10.5);
    EXPECT_DOUBLE_EQ(button("OptionDelta_1")->font().pointSizeF(), 9);
    EXPECT_TRUE(button("OptionDelta_1")->font().bold());
    EXPECT_DOUBLE_EQ(button("StartTraining")->font().pointSizeF(), 12);
    EXPECT_TRUE(button("Command2")->font().italic());
    EXPECT_TRUE(label("WeightTitle")->font().underline());
}

// settings
TEST_F(PerceptronTest, RuleChoiceSetsTheRateBoxButNotTheSlider)
{
    choose("OptionDelta_2");
    EXPECT_EQ(net.LearningRule, RuleKind::Tarvik);
    EXPECT_EQ(box("LRateBox")->text(), Local("0.10"));
    EXPECT_EQ(slider("LRateSlider")->value(), 50);
    choose("OptionDelta_1");
    EXPECT_EQ(net.LearningRule, RuleKind::Gradient);
    EXPECT_EQ(box("LRateBox")->text(), Local("0.50"));
    choose("OptionDelta_2");
    choose("OptionDelta_0");
    EXPECT_EQ(net.LearningRule, RuleKind::Delta);
    EXPECT_EQ(box("LRateBox")->text(), Local("0.50"));
    EXPECT_EQ(slider("LRateSlider")->value(), 50);
}

TEST_F(PerceptronTest, SlidersWriteTheirBoxesAndTypingLeavesTheSliders)
{
    slider("LRateSlider")->setValue(7);
    EXPECT_EQ(box("LRateBox")->text(), Local("0.07"));
    slider("LRateSlider")->setValue(200);
    EXPECT_EQ(box("LRateBox")->text(), QStringLiteral("2"));
    // Keys move it too, a step at a time.
    slider("LRateSlider")->setFocus();
    QTest::keyClick(slider("LRateSlider"), Qt::Key_Left);
    EXPECT_EQ(box("LRateBox")->text(), Local("1.99"));

    type("LRateBox", Local("0.3"));
    EXPECT_EQ(slider("LRateSlider")->value(), 199);
    type("MinErrorBox", Local("0.2"));
    EXPECT_EQ(slider("MinErrorSlider")->value(), 1);

    // The hit criterion follows its slider when the mouse lets go of it.
    QSlider* minError = slider("MinErrorSlider");
    minError->setValue(100);
    EXPECT_EQ(box("MinErrorBox")->text(), Local("0.2"));
    QTest::mouseClick(minError, Qt::LeftButton, {}, QPoint(minError->width() - 2, minError->height() / 2));
    EXPECT_EQ(box("MinErrorBox")->text(), QStringLiteral("1"));
    minError->setFocus();
    QTest::keyClick(minError, Qt::Key_Left);
    EXPECT_EQ(box("MinErrorBox")->text(), Local("0.99"));
}

TEST_F(PerceptronTest, SpinnersStepTheirBoxesWithinTheirRanges)
{
    auto* sweeps = control<UpDown>(QStringLiteral("SweepsUpDown"));
    QAbstractButton* up = button("Up", sweeps);
    QAbstractButton* down = button("Down", sweeps);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("1100"));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("900"));
    // Typing is not limited; the spinner brings the number back into its range.
    type("SweepsBox", QStringLiteral("70000"));
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("70000"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("50000"));
    type("SweepsBox", QStringLiteral("0"));
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("1"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("100"));
    // No number in the box: the spinner goes on from the last one it saw.
    type("SweepsBox", QStringLiteral("many"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("200"));

    auto* printSweeps = control<UpDown>(QStringLiteral("PrintSweepsUpDown"));
    QTest::mouseClick(button("Down", printSweeps), Qt::LeftButton);
    EXPECT_EQ(box("PrintSweepsBox")->text(), QStringLiteral("90"));
    // The Up and Down keys in the box work the spinner.
    QTest::keyClick(box("PrintSweepsBox"), Qt::Key_Up);
    QTest::keyClick(box("PrintSweepsBox"), Qt::Key_Up);
    EXPECT_EQ(box("PrintSweepsBox")->text(), QStringLiteral("110"));
}

TEST_F(PerceptronTest, OptionsWriteTheSettingsAndTheLinesFollowOnActivation)
{
    choose("OptionNotRandom");
    EXPECT_FALSE(net.RandomizeOrder);
    choose("OptionRandom");
    EXPECT_TRUE(net.RandomizeOrder);
    choose("OptionFreeze");
    EXPECT_TRUE(net.FreezeThresholds);
    choose("OptionNoFreeze");
    EXPECT_FALSE(net.FreezeThresholds);

    net.ThresholdMin = 0.2;
    net.ThresholdMax = 0.7;
    net.ThresholdSign = StartSign::Neg;
    net.WeightMax = 3;
    net.WeightSign = StartSign::Pos;
    choose("OptionDefaultBias");
    EXPECT_EQ(net.ThresholdMin, 0);
    EXPECT_EQ(net.ThresholdMax, 0);
    EXPECT_EQ(net.ThresholdSign, StartSign::Both);
    choose("OptionDefaultWts");
    EXPECT_EQ(net.WeightMax, 0.1);
    EXPECT_EQ(net.WeightSign, StartSign::Both);

    // The lines follow at once when the page itself changes the values...
    EXPECT_EQ(label("MaxWtLabel")->text(), QStringLiteral("Maximum Weight = ") + Local("0.1"));
    EXPECT_EQ(label("WtSignLabel")->text(), QStringLiteral("Weight Sign = Both"));
    EXPECT_EQ(label("MinBiasLabel")->text(), QStringLiteral("Minimum Threshold = 0"));

    // ...and after another page changed them, at the next activation.
    net.WeightMin = 0.25;
    net.ThresholdMax = 1.5;
    activateAgain();
    EXPECT_EQ(label("MinWtLabel")->text(), QStringLiteral("Minimum Weight = ") + Local("0.25"));
    EXPECT_EQ(label("MaxBiasLabel")->text(), QStringLiteral("Maximum Threshold = ") + Local("1.5"));
}

// Tab from the hit criterion box lands on its slider, which gets the key's
// release: that must not put the slider's value back into the box.
TEST_F(PerceptronTest, ATypedHitCriterionSurvivesTabbingToItsSlider)
{
    type("MinErrorBox", Local("0.25"));
    QLineEdit* minErrorBox = box("MinErrorBox");
    QSlider* minError = slider("MinErrorSlider");
    minErrorBox->setFocus();
    QTest::keyPress(minErrorBox, Qt::Key_Tab);
    QTest::keyRelease(minError, Qt::Key_Tab);
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_A, Qt::Key_Return})
        QTest::keyRelease(minError, key);
    EXPECT_EQ(minErrorBox->text(), Local("0.25"));
    train("StartTraining");
    EXPECT_EQ(net.MinError, 0.25);
    // A key that moves the slider still writes the box.
    minError->setFocus();
    QTest::keyClick(minError, Qt::Key_Right);
    EXPECT_EQ(minErrorBox->text(), Local("0.02"));
}

// A refused fresh start has already drawn new weights: neither continuing
// nor testing them may look possible.
TEST_F(PerceptronTest, ARefusedFreshStartHidesContinueAndTestRecall)
{
    train("StartTraining");
    ASSERT_TRUE(button("Continue")->isVisible());
    type("LRateBox", QStringLiteral("-1"));
    dialogs.expect({"Learning Rate", "Learning rate cannot be negative", BoxIcon::Exclamation});
    press("StartTraining");
    dialogs.verifyDone();
    EXPECT_FALSE(button("Continue")->isVisible());
    EXPECT_FALSE(button("TestRecall")->isVisible());
    // A run that completes brings them back.
    train("StartTraining");
    EXPECT_TRUE(button("Continue")->isVisible());
    EXPECT_TRUE(button("TestRecall")->isVisible());
}

// A refused fresh start cleared the old status: no empty or coloured boxes
// stay behind, after one refusal or several.
TEST_F(PerceptronTest, ARefusedFreshStartLeavesNoEmptyOrColouredStatusBoxes)
{
    train("StartTraining");
    ASSERT_TRUE(status(4)->isVisible());
    ASSERT_EQ(background(status(4)), Green);
    static_cast<QCheckBox*>(button("Check1_0"))->setChecked(false);
    static_cast<QCheckBox*>(button("Check1_1"))->setChecked(false);
    dialogs.expect({"No stopping method set", "At least one box for method of ending training must be checked.",
                    BoxIcon::Exclamation});
    press("StartTraining");
    type("LRateBox", QStringLiteral("-1"));
    dialogs.expect({"Learning Rate", "Learning rate cannot be negative", BoxIcon::Exclamation});
    press("StartTraining");
    dialogs.verifyDone();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(status(i)->isVisible()) << i;
        EXPECT_EQ(background(status(i)), buttonFace()) << i;
    }
    // The next run shows its boxes again, coloured as it goes.
    train("StartTraining");
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(status(i)->isVisible() && !status(i)->text().isEmpty()) << i;
    EXPECT_EQ(background(status(4)), Green);
}

// checks of the settings
TEST_F(PerceptronTest, StopBoxClickChecksTheEpochBox)
{
    const ExpectedBox maxEpochs{"Maximum Epochs", "Maximum number of training epochs must be greater than zero.",
                                BoxIcon::Exclamation};
    type("SweepsBox", QStringLiteral("0"));
    dialogs.expect(maxEpochs);
    choose("Check1_1");
    dialogs.verifyDone();
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("1"));
    EXPECT_FALSE(button("Check1_1")->isChecked());

    // With the epoch stop off, the box is not checked.
    type("SweepsBox", QStringLiteral("0"));
    choose("Check1_0");
    EXPECT_FALSE(button("Check1_0")->isChecked());
    choose("Check1_1");
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("0"));

    // Checking the epoch stop itself checks the box; so does text that is no
    // number, and a number that rounds to no epochs.
    for (const QString& text : {QStringLiteral("0"), QStringLiteral("ten"), Local("0.3"), QStringLiteral("-5")}) {
        if (button("Check1_0")->isChecked())
            choose("Check1_0");
        type("SweepsBox", text);
        dialogs.expect(maxEpochs);
        choose("Check1_0");
        dialogs.verifyDone();
        EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("1")) << text.toStdString();
    }
    type("SweepsBox", Local("0.6"));
    choose("Check1_1");
    EXPECT_EQ(box("SweepsBox")->text(), Local("0.6"));
}

TEST_F(PerceptronTest, TheEnginesWarningsCorrectTheBoxes)
{
    type("SweepsBox", QStringLiteral("0"));
    dialogs.expect({"Maximum Epochs", "Maximum number of training epochs must be greater than zero.",
                    BoxIcon::Exclamation});
    train("StartTraining");
    dialogs.verifyDone();
    EXPECT_EQ(box("SweepsBox")->text(), QStringLiteral("1"));
    EXPECT_EQ(net.EpochCount, 0);
    EXPECT_FALSE(status(1)->isVisible());

    // Unchecked directly, as the check boxes' own check would not let them be.
    static_cast<QCheckBox*>(button("Check1_0"))->setChecked(false);
    static_cast<QCheckBox*>(button("Check1_1"))->setChecked(false);
    dialogs.expect({"No stopping method set", "At least one box for method of ending training must be checked.",
                    BoxIcon::Exclamation});
    train("StartTraining");
    dialogs.verifyDone();
    EXPECT_TRUE(button("Check1_0")->isChecked());
    EXPECT_TRUE(button("Check1_1")->isChecked());

    type("LRateBox", QStringLiteral("-0") + Local(".5"));
    dialogs.expect({"Learning Rate", "Learning rate cannot be negative", BoxIcon::Exclamation});
    train("StartTraining");
    dialogs.verifyDone();
    EXPECT_EQ(box("LRateBox")->text(), Local("0.10"));
    EXPECT_EQ(net.LearningRate, 0.1);

    // Text that is no number gets the general error report.
    type("LRateBox", QStringLiteral("fast"));
    dialogs.expect(ExpectedErrorReport("This version of the code has encountered an error."));
    train("StartTraining");
    dialogs.verifyDone();
    EXPECT_NE(dialogs.shownBoxes().back().text.find("\"fast\""), std::string::npos);
    EXPECT_FALSE(button("Continue")->isVisible());
    EXPECT_EQ(net.EpochCount, 0);
}

// training runs
TEST_F(PerceptronTest, RunOnAndStopsWhenAllAreHitsAsTheEngineAloneDoes)
{
    // The engine alone, from the same seed and the page's default boxes.
    NetworkState alone;
    ASSERT_TRUE(ReadTrainingFile(alone, VANTORELLE_EXAMPLES "/and.net").ok);
    SizeUnitsAndWeights(alone);
    SetDefaultSettings(alone);
    vantorelle::testing::RecordingHost recorder;
    recorder.locale = SystemNumberLocale();
    recorder.boxes = {"1000", Local("0.50").toStdString(), "100", Local("0.01").toStdString(), true, true};
    MersenneRandom random(Seed);
    vantorelle::testing::EngineHost engineHost{recorder, random};
    ASSERT_TRUE(StartTraining(alone, engineHost));
    EXPECT_TRUE(recorder.errors.empty() && recorder.warnings.empty());
    ASSERT_EQ(alone.Hits, alone.NumResponses);

    train("StartTraining");
    EXPECT_FALSE(page->isTraining());
    EXPECT_EQ(net.EpochCount, alone.EpochCount);
    EXPECT_LT(net.EpochCount, 1000);
    EXPECT_EQ(net.TotalSSE, alone.TotalSSE);
    EXPECT_EQ(net.Hits, 4);
    EXPECT_EQ(net.SSERecordCount, alone.SSERecordCount);
    EXPECT_EQ(net.SSEHistory[net.SSERecordCount].Epochs, net.EpochCount);
    for (long i = 1; i <= 2; ++i)
        EXPECT_EQ(net.Weights(i, 1), alone.Weights(i, 1));

    EXPECT_EQ(status(1)->text(), ShownText(QString::fromStdString(recorder.Final().Epochs)));
    EXPECT_EQ(status(1)->text(), ShownText(QStringLiteral("Epochs: %1").arg(net.EpochCount)));
    EXPECT_EQ(status(2)->text(), ShownText(QString::fromStdString(recorder.Final().TotalSSE)));
    EXPECT_EQ(status(4)->text(), ShownText(QStringLiteral("  Hits: ") + Local("4.00")));
    EXPECT_EQ(status(5)->text(), ShownText(QStringLiteral("Misses: ") + Local("0.00")));
    EXPECT_EQ(background(status(4)), Green);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(status(i)->isVisible()) << i;
    EXPECT_TRUE(button("Continue")->isVisible());
    EXPECT_TRUE(button("TestRecall")->isVisible());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("EpochProgress"))->isVisible());
    EXPECT_FALSE(button("StopTraining")->isVisible());
    EXPECT_TRUE(button("StartTraining")->isEnabled());
}

// XOR, which no single-layer perceptron learns.
class XorTest : public PerceptronTest {
protected:
    void SetUp() override { openWith("xor.net"); }
};

TEST_F(XorTest, EpochStopEndsARunThatNeverHitsAndContinueAddsItsEpochs)
{
    type("SweepsBox", QStringLiteral("1200"));
    train("StartTraining");
    EXPECT_EQ(net.EpochCount, 1200);
    EXPECT_LT(net.Hits, net.NumResponses);
    EXPECT_EQ(background(status(4)), Red);
    // Rows at 0, 100, ..., 1200 and the final record of 1200 again.
    EXPECT_EQ(net.SSERecordCount, 14);

    type("SweepsBox", QStringLiteral("500"));
    train("Continue");
    EXPECT_EQ(net.EpochCount, 1700);
    EXPECT_FALSE(net.FreshStart);
    EXPECT_EQ(net.SSEHistory[net.SSERecordCount].Epochs, 1700);
    EXPECT_EQ(net.SSERecordCount, 14 + 5 + 1);
    EXPECT_EQ(status(1)->text(), ShownText(QStringLiteral("Epochs: 1700")));
}

TEST_F(PerceptronTest, StatusColoursFollowTheChangeAndTheHits)
{
    // A display every epoch: box 3 shows the last display's change in colour.
    type("PrintSweepsBox", QStringLiteral("1"));
    static_cast<QCheckBox*>(button("Check1_1"))->setChecked(false);
    type("SweepsBox", QStringLiteral("30"));
    train("StartTraining");
    ASSERT_EQ(net.EpochCount, 30);
    const double lastChange = net.SSEHistory[30].SSE - net.SSEHistory[31].SSE;
    EXPECT_EQ(background(status(3)), lastChange >= 0 ? Green : Red);
    EXPECT_TRUE(status(3)->text().startsWith(ShownText(QStringLiteral("Change in SSE: 0")).chopped(1)));
    EXPECT_EQ(background(status(4)), net.Hits == net.NumResponses ? Green : Red);

    // Back on the page with nothing to continue: the boxes are hidden and
    // cleared, on the button-face colour.
    activateAgain();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(status(i)->isVisible()) << i;
        EXPECT_EQ(status(i)->text(), QString()) << i;
    }
    EXPECT_EQ(background(status(3)), buttonFace());
    EXPECT_EQ(background(status(4)), buttonFace());
    // After a continued run their lines are rewritten all the same, still hidden.
    type("SweepsBox", QStringLiteral("5"));
    train("Continue");
    ASSERT_EQ(net.EpochCount, 35);
    activateAgain();
    EXPECT_FALSE(status(1)->isVisible());
    EXPECT_EQ(status(1)->text(), ShownText(QStringLiteral("Epochs: 35")));
    EXPECT_EQ(status(3)->text(), QString());
    EXPECT_EQ(background(status(3)), buttonFace());
    EXPECT_EQ(background(status(4)), net.Hits == net.NumResponses ? Green : Red);

    // Back from the testing hub to continue: the totals are recomputed from
    // the current weights on every pattern.
    train("StartTraining");
    const double sse = net.TotalSSE;
    const long hits = net.Hits;
    net.TotalSSE = -1;
    net.Hits = -1;
    net.FreshStart = false;
    memory.ContinueFromTests = true;
    activateAgain();
    EXPECT_EQ(net.TotalSSE, sse);
    EXPECT_EQ(net.Hits, hits);
    EXPECT_TRUE(status(4)->isVisible());
    EXPECT_EQ(background(status(4)), hits == net.NumResponses ? Green : Red);
    EXPECT_EQ(background(status(3)), buttonFace());
    // With every weight and threshold 0 and binary units every response is 1:
    // three misses out of four, on red.
    for (long i = 1; i <= 2; ++i)
        net.Weights(i, 1) = 0;
    net.OutputUnits[1].Threshold = 0;
    activateAgain();
    EXPECT_EQ(net.Hits, 1);
    EXPECT_EQ(background(status(4)), Red);
    EXPECT_EQ(status(5)->text(), ShownText(QStringLiteral("Misses: ") + Local("3.00")));
}

TEST_F(PerceptronTest, FirstDisplayAfterEpochOneShowsTheWholeErrorAsANegativeChange)
{
    static_cast<QCheckBox*>(button("Check1_1"))->setChecked(false);
    type("SweepsBox", QStringLiteral("100"));
    choose("OptionDelta_1");  // sigmoid units never reach an SSE of 0
    train("StartTraining");
    ASSERT_GT(net.TotalSSE, 0);
    EXPECT_EQ(background(status(3)), Red);
    EXPECT_TRUE(status(3)->text().startsWith(ShownText(QStringLiteral("Change in SSE: -"))));
}

// a run that never ends by itself
class RunawayTest : public XorTest {
protected:
    void SetUp() override
    {
        XorTest::SetUp();
        // Only the all-hits stop, which XOR never meets; few history rows.
        type("PrintSweepsBox", QStringLiteral("1000000"));
        choose("Check1_0");
        ASSERT_FALSE(button("Check1_0")->isChecked());
    }
};

TEST_F(RunawayTest, StopTrainingEndsTheRunWithItsFinalDisplayAndNothingFreezes)
{
    choose("OptionNoDefaultWts");  // another page is open during the run
    QWidget* weights = pages.find(PageNames::WeightStart);
    ASSERT_NE(weights, nullptr);
    pages.open(PageNames::Perceptron);

    QElapsedTimer clock;
    clock.start();
    press("StartTraining");
    ASSERT_TRUE(page->isTraining());
    // The window answers while the run goes on: displays arrive and count up.
    ASSERT_TRUE(shownEpochsReach(1));
    const long firstShown = status(1)->text().mid(8).toLong();
    ASSERT_TRUE(shownEpochsReach(firstShown + 1));
    EXPECT_TRUE(page->isTraining());
    EXPECT_FALSE(button("StartTraining")->isEnabled());
    EXPECT_FALSE(box("SweepsBox")->isEnabled());
    EXPECT_FALSE(button("Command2")->isEnabled());
    EXPECT_FALSE(weights->isEnabled());
    // The other page cannot be closed under the run.
    EXPECT_FALSE(weights->close());
    EXPECT_TRUE(button("StopTraining")->isVisible());
    EXPECT_TRUE(button("StopTraining")->isEnabled());
    QTest::mouseClick(button("StopTraining"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, RunTimeoutMs));
    const qint64 ms = clock.elapsed();

    EXPECT_GT(net.EpochCount, firstShown);
    EXPECT_LT(net.Hits, net.NumResponses);
    // Refreshes came, but never more often than the throttle allows.
    EXPECT_GE(page->refreshCount(), 2);
    EXPECT_LE(page->refreshCount(), ms / TrainingRun::RefreshIntervalMs + 2);
    // The final display and the final record, as at a normal end.
    EXPECT_EQ(status(1)->text(), ShownText(QStringLiteral("Epochs: %1").arg(net.EpochCount)));
    EXPECT_EQ(background(status(4)), Red);
    EXPECT_EQ(net.SSEHistory[net.SSERecordCount].Epochs, net.EpochCount);
    EXPECT_TRUE(button("Continue")->isVisible());
    EXPECT_TRUE(button("StartTraining")->isEnabled());
    EXPECT_TRUE(box("SweepsBox")->isEnabled());
    EXPECT_FALSE(button("StopTraining")->isVisible());
    EXPECT_TRUE(weights->isEnabled());
    EXPECT_EQ(pages.find(PageNames::WeightStart), weights);
}

TEST_F(RunawayTest, EscapeStopsAContinuedRun)
{
    type("PrintSweepsBox", QStringLiteral("1"));  // a display every epoch
    press("StartTraining");
    ASSERT_TRUE(shownEpochsReach(1));
    QTest::keyClick(page, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, RunTimeoutMs));
    const long first = net.EpochCount;
    ASSERT_GT(first, 0);

    press("Continue");
    ASSERT_TRUE(shownEpochsReach(first + 1));
    QTest::keyClick(page, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, RunTimeoutMs));
    EXPECT_GT(net.EpochCount, first);
    EXPECT_EQ(status(1)->text(), ShownText(QStringLiteral("Epochs: %1").arg(net.EpochCount)));
    // Escape with no run going does nothing.
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_TRUE(page->isVisible());
}

TEST_F(RunawayTest, ClosingTheWindowStopsTheRunFirst)
{
    QPointer<Perceptron> watched = page;
    press("StartTraining");
    ASSERT_TRUE(shownEpochsReach(1));
    EXPECT_FALSE(page->close());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pages.find(PageNames::Perceptron) == nullptr; }, RunTimeoutMs));
    EXPECT_GT(net.EpochCount, 0);
    EXPECT_EQ(net.SSEHistory[net.SSERecordCount].Epochs, net.EpochCount);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    page = nullptr;
}

// One rule for every page: a close request during a run stops it, and the
// page closes once the run has ended; none is dropped.
TEST_F(RunawayTest, ClosingAnotherPageStopsTheRunAndClosesItAfter)
{
    choose("OptionNoDefaultWts");
    QPointer<ScrollPage> view = pages.open(PageNames::NetworkView);
    ASSERT_NE(view, nullptr);
    pages.open(PageNames::Perceptron);
    press("StartTraining");
    ASSERT_TRUE(shownEpochsReach(1));

    EXPECT_FALSE(view->close());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, RunTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([this] { return pages.find(PageNames::NetworkView) == nullptr; }));
    EXPECT_EQ(status(1)->text(), ShownText(QStringLiteral("Epochs: %1").arg(net.EpochCount)));
    EXPECT_TRUE(button("Continue")->isVisible());
    // The pages nobody closed stay, and take input again.
    ScrollPage* weights = pages.find(PageNames::WeightStart);
    ASSERT_NE(weights, nullptr);
    EXPECT_TRUE(weights->isEnabled());

    // The same for a start page, during a continued run.
    press("Continue");
    ASSERT_TRUE(shownEpochsReach(net.EpochCount + 1));
    EXPECT_FALSE(weights->close());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, RunTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([this] { return pages.find(PageNames::WeightStart) == nullptr; }));
    EXPECT_EQ(pages.find(PageNames::Perceptron), page);
}

// The network view is no page of its own: it never stays alone, without a
// way back to training.
TEST_F(RunawayTest, ClosingTheSetUpPageTakesTheViewWithIt)
{
    pages.open(PageNames::NetworkView);
    pages.open(PageNames::Perceptron);
    QSignalSpy finished(&pages, &PageRegistry::finished);
    press("StartTraining");
    ASSERT_TRUE(shownEpochsReach(1));
    EXPECT_FALSE(page->close());
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, RunTimeoutMs));
    EXPECT_TRUE(pages.openPages().empty());
    EXPECT_EQ(net.SSEHistory[net.SSERecordCount].Epochs, net.EpochCount);
    page = nullptr;
}

// The program can end while a run goes on (the last window closed by the
// system, a test's end): the run stops and its thread is joined, and nothing
// it was using is touched after.
TEST_F(RunawayTest, DestroyingThePageMidRunStopsAndJoinsTheRun)
{
    press("StartTraining");
    ASSERT_TRUE(shownEpochsReach(1));
    delete page;
    page = nullptr;
    EXPECT_GT(net.EpochCount, 0);
}

// other pages
TEST_F(PerceptronTest, TestRecallOpensTheHubOverThisPage)
{
    train("StartTraining");
    memory.ContinueFromTests = true;
    press("TestRecall");
    ScrollPage* hub = pages.find(PageNames::TestPerceptron);
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->windowTitle(), QStringLiteral("Testing The Perceptron -- Tarvik Neural Network Code"));
    EXPECT_FALSE(memory.ContinueFromTests);
    EXPECT_EQ(pages.activePage(), hub);
    EXPECT_TRUE(page->isVisible());
}

TEST_F(PerceptronTest, ClosingThePageTakesItsStartPagesWithIt)
{
    choose("OptionNoDefaultWts");
    choose("OptionNoDefaultBias");
    ASSERT_NE(pages.find(PageNames::WeightStart), nullptr);
    ASSERT_NE(pages.find(PageNames::BiasStart), nullptr);
    QSignalSpy finished(&pages, &PageRegistry::finished);
    EXPECT_TRUE(page->close());
    page = nullptr;
    QCoreApplication::processEvents();
    EXPECT_TRUE(pages.openPages().empty());
    EXPECT_EQ(finished.count(), 1);
}

}  // namespace
}  // namespace vantorelle
