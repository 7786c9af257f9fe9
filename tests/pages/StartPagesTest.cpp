// SPDX-License-Identifier: GPL-3.0-or-later
// The weight and threshold start pages, opened from the set-up page as a
// user opens them, with their range checks and their messages.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "BiasStart.h"
#include "FindControl.h"
#include "NetworkState.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "Random.h"
#include "ScriptedDialogs.h"
#include "SystemTexts.h"
#include "TrainingFile.h"
#include "WeightStart.h"

namespace vantorelle {
namespace {

QString Local(const char* cNumber) { return QString::fromStdString(InLocaleForm(cNumber, SystemNumberLocale())); }

class StartPagesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net").ok);
        net.TrainingFileName = "and.net";
        net.FreshStart = true;
        DefinePages(pages, net, memory, dialogs, [] { return std::make_unique<MersenneRandom>(3); });
        setUpPage = pages.open(PageNames::Perceptron);
        ASSERT_NE(setUpPage, nullptr);
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    // Opens a start page the way the user does, from its option on the set-up page.
    void openFrom(const char* option, const char* name)
    {
        auto* choice = setUpPage->findChild<QRadioButton*>(QString::fromLatin1(option));
        ASSERT_NE(choice, nullptr);
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
        page = pages.find(PageName(name));
        ASSERT_NE(page, nullptr);
    }
    void openWeights() { openFrom("OptionNoDefaultWts", "WeightStart"); }
    void openThresholds() { openFrom("OptionNoDefaultBias", "BiasStart"); }

    template <typename T>
    T* control(const char* name, QWidget* in = nullptr)
    {
        return qt_testing::FindControl<T>(in ? in : page, name);
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
    QSlider* slider(const char* name) { return control<QSlider>(name); }
    void type(const char* name, const QString& text)
    {
        box(name)->selectAll();
        QTest::keyClick(box(name), Qt::Key_Backspace);
        QTest::keyClicks(box(name), text);
    }
    void press(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void choose(const char* name)
    {
        auto* option = control<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    bool isOpen(const char* name) { return pages.find(PageName(name)) != nullptr; }
    QString setUpLine(const char* name) { return control<QLabel>(name, setUpPage)->text(); }

    NetworkState net;

    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    ScrollPage* setUpPage = nullptr;
    ScrollPage* page = nullptr;
};

ExpectedBox NegativeMinimumBox(const char* text) { return {ProgramTitle, text, BoxIcon::None, BoxButtons::OK}; }

ExpectedBox MinimumAboveMaximumBox(const char* text, Answer answer)
{
    return {ProgramTitle, text, BoxIcon::Critical, BoxButtons::OKCancel, answer};
}

// the weight start page
TEST_F(StartPagesTest, WeightPageOpensWithItsStoredContentsAndBothSigns)
{
    net.WeightSign = StartSign::Neg;
    net.WeightMax = 3;
    openWeights();
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Set Parameters For Randomly Choosing Initial Weights"));
    EXPECT_EQ(page->size(), QSize(778, 605));
    EXPECT_EQ(net.WeightSign, StartSign::Both);  // at once, before any button
    EXPECT_EQ(box("MaxWtBox")->text(), Local("0.10"));
    EXPECT_EQ(box("MinWtBox")->text(), Local("0.00"));
    EXPECT_EQ(slider("MaxWtSlider")->value(), 10);
    EXPECT_EQ(slider("MinWtSlider")->value(), 0);
    EXPECT_EQ(slider("MaxWtSlider")->maximum(), 500);
    EXPECT_EQ(slider("MinWtSlider")->pageStep(), 2);
    EXPECT_TRUE(control<QRadioButton>("BothWtOption")->isChecked());
    // A caption's && shows one ampersand.
    EXPECT_EQ(control<QRadioButton>("BothWtOption")->text(), QStringLiteral("Positive && Negative Weights"));
    EXPECT_TRUE(control<QPushButton>("ExitButton")->font().italic());
    EXPECT_EQ(control<QPushButton>("UseButton")->text(), QStringLiteral("Use These Settings"));

    // Used at once: the defaults, shown on the set-up page when it is active again.
    press("UseButton");
    EXPECT_FALSE(isOpen("WeightStart"));
    EXPECT_EQ(net.WeightMin, 0);
    EXPECT_EQ(net.WeightMax, 0.1);
    EXPECT_EQ(net.WeightSign, StartSign::Both);
    EXPECT_EQ(pages.activePage(), setUpPage);
    EXPECT_EQ(setUpLine("MaxWtLabel"), QStringLiteral("Maximum Weight = ") + Local("0.1"));
    EXPECT_EQ(setUpLine("MinWtLabel"), QStringLiteral("Minimum Weight = 0"));
    EXPECT_EQ(setUpLine("WtSignLabel"), QStringLiteral("Weight Sign = Both"));
}

TEST_F(StartPagesTest, SlidersWriteTheShortestForm)
{
    openWeights();
    slider("MaxWtSlider")->setValue(500);
    EXPECT_EQ(box("MaxWtBox")->text(), QStringLiteral("5"));
    slider("MaxWtSlider")->setValue(37);
    EXPECT_EQ(box("MaxWtBox")->text(), Local("0.37"));
    slider("MinWtSlider")->setValue(10);
    EXPECT_EQ(box("MinWtBox")->text(), Local("0.1"));
    // Typing does not move the slider; the box is what counts.
    type("MaxWtBox", Local("2.5"));
    EXPECT_EQ(slider("MaxWtSlider")->value(), 37);
    press("UseButton");
    EXPECT_EQ(net.WeightMax, 2.5);
    EXPECT_EQ(net.WeightMin, 0.1);
}

TEST_F(StartPagesTest, NegativeMinimumIsTakenAsItsAbsoluteValue)
{
    openWeights();
    type("MinWtBox", QStringLiteral("-") + Local("0.2"));
    type("MaxWtBox", Local("0.5"));
    dialogs.expect(NegativeMinimumBox("Minimum cannot be less than 0.  (It is an absolute value.)"));
    press("UseButton");
    dialogs.verifyDone();
    EXPECT_EQ(dialogs.shownBoxes().back().text, WeightStart::NegativeMinMessage);
    EXPECT_TRUE(isOpen("WeightStart"));
    EXPECT_EQ(box("MinWtBox")->text(), Local("0.2"));
    EXPECT_EQ(net.WeightMin, 0.2);
    EXPECT_EQ(net.WeightMax, 0.5);
    EXPECT_EQ(slider("MinWtSlider")->value(), 0);

    press("UseButton");
    EXPECT_FALSE(isOpen("WeightStart"));
    EXPECT_EQ(net.WeightMin, 0.2);
    EXPECT_EQ(net.WeightMax, 0.5);
}

TEST_F(StartPagesTest, MinimumAboveMaximumResetsTheRangeButKeepsTheSign)
{
    openWeights();
    choose("NegWtOption");
    EXPECT_EQ(net.WeightSign, StartSign::Neg);
    slider("MaxWtSlider")->setValue(300);
    type("MinWtBox", Local("0.6"));
    type("MaxWtBox", Local("0.5"));
    for (Answer answer : {Answer::OK, Answer::Cancel}) {
        dialogs.expect(MinimumAboveMaximumBox("cannot be greater than the maximum weight", answer));
        press("UseButton");
        dialogs.verifyDone();
        // The message names the range in the boxes' own number form.
        EXPECT_NE(dialogs.shownBoxes().back().text.find("minimum 0, maximum " + box("MaxWtBox")->text().toStdString() +
                                                        "."),
                  std::string::npos)
            << dialogs.shownBoxes().back().text;
        EXPECT_TRUE(isOpen("WeightStart"));
        EXPECT_EQ(box("MaxWtBox")->text(), Local("0.1"));
        EXPECT_EQ(box("MinWtBox")->text(), QStringLiteral("0"));
        EXPECT_EQ(slider("MaxWtSlider")->value(), 10);
        EXPECT_EQ(slider("MinWtSlider")->value(), 0);
        EXPECT_EQ(net.WeightMin, 0);
        EXPECT_EQ(net.WeightMax, 0.1);
        EXPECT_EQ(net.WeightSign, StartSign::Neg);
        type("MinWtBox", Local("0.6"));
        type("MaxWtBox", QStringLiteral("-1"));  // a negative maximum is below any minimum
    }
    dialogs.expect(MinimumAboveMaximumBox("", Answer::OK));
    press("UseButton");
    dialogs.verifyDone();

    // Equal ends are a range.
    type("MinWtBox", Local("0.4"));
    type("MaxWtBox", Local("0.4"));
    press("UseButton");
    EXPECT_FALSE(isOpen("WeightStart"));
    EXPECT_EQ(net.WeightMin, 0.4);
    EXPECT_EQ(net.WeightMax, 0.4);
    EXPECT_EQ(net.WeightSign, StartSign::Neg);
}

TEST_F(StartPagesTest, DefaultSettingsButtonPutsTheDefaultsBack)
{
    openWeights();
    choose("NegWtOption");
    type("MaxWtBox", QStringLiteral("4"));
    press("ExitButton");
    EXPECT_FALSE(isOpen("WeightStart"));
    EXPECT_EQ(net.WeightSign, StartSign::Both);
    EXPECT_EQ(net.WeightMin, 0);
    EXPECT_EQ(net.WeightMax, 0.1);
}

TEST_F(StartPagesTest, TextThatIsNoNumberChangesNothing)
{
    net.WeightMin = 0.05;
    net.WeightMax = 0.2;
    openWeights();
    choose("PosWtOption");
    type("MaxWtBox", QStringLiteral("big"));
    type("MinWtBox", Local("0.01"));
    dialogs.expect({ProgramTitle, "\"big\" is not a number", BoxIcon::Exclamation, BoxButtons::OK});
    press("UseButton");
    dialogs.verifyDone();
    EXPECT_TRUE(isOpen("WeightStart"));
    EXPECT_EQ(box("MaxWtBox")->text(), QStringLiteral("big"));
    EXPECT_EQ(net.WeightMin, 0.05);
    EXPECT_EQ(net.WeightMax, 0.2);
    EXPECT_EQ(net.WeightSign, StartSign::Pos);

    type("MaxWtBox", Local("0.3"));
    type("MinWtBox", QString());
    dialogs.expect({ProgramTitle, "minimum weight must be a number", BoxIcon::Exclamation, BoxButtons::OK});
    press("UseButton");
    dialogs.verifyDone();
    EXPECT_EQ(net.WeightMax, 0.2);
}

TEST_F(StartPagesTest, ClosingFromTheTitleBarCancels)
{
    net.WeightMin = 0.05;
    net.WeightMax = 0.2;
    net.WeightSign = StartSign::Pos;
    openWeights();
    choose("NegWtOption");
    type("MinWtBox", QStringLiteral("-3"));
    dialogs.expect(NegativeMinimumBox(WeightStart::NegativeMinMessage));
    press("UseButton");  // stores 3 .. 0.1 before the message
    dialogs.verifyDone();
    EXPECT_TRUE(page->close());
    EXPECT_EQ(net.WeightMin, 0.05);
    EXPECT_EQ(net.WeightMax, 0.2);
    EXPECT_EQ(net.WeightSign, StartSign::Pos);
    EXPECT_FALSE(isOpen("WeightStart"));
}

// The set-up page's "Default Starts For Weights" chosen while this page is
// open is the user's later word: a title-bar close must not undo it.
TEST_F(StartPagesTest, ClosingFromTheTitleBarKeepsADefaultChosenMeanwhile)
{
    net.WeightMin = 0.05;
    net.WeightMax = 0.2;
    net.WeightSign = StartSign::Pos;
    openWeights();
    choose("NegWtOption");
    SetDefaultWeightStarts(net);  // what the set-up page's default option does
    EXPECT_TRUE(page->close());
    EXPECT_EQ(net.WeightMin, 0);
    EXPECT_EQ(net.WeightMax, 0.1);
    EXPECT_EQ(net.WeightSign, StartSign::Both);
}

// the threshold start page
TEST_F(StartPagesTest, ThresholdPageDefaultsAndItsSetUpLines)
{
    net.ThresholdSign = StartSign::Pos;
    openThresholds();
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Set Parameters For Randomly Choosing Initial Thresholds Or Biases"));
    EXPECT_EQ(page->size(), QSize(769, 582));
    EXPECT_EQ(net.ThresholdSign, StartSign::Both);
    EXPECT_EQ(box("MaxBiasBox")->text(), Local("0.00"));
    EXPECT_EQ(box("MinBiasBox")->text(), Local("0.00"));
    EXPECT_EQ(slider("MaxBiasSlider")->value(), 0);
    EXPECT_EQ(slider("MinBiasSlider")->pageStep(), 5);
    slider("MaxBiasSlider")->setValue(250);
    EXPECT_EQ(box("MaxBiasBox")->text(), Local("2.5"));
    choose("NegBiasOption");
    EXPECT_EQ(net.ThresholdSign, StartSign::Neg);
    choose("PosBiasOption");
    EXPECT_EQ(net.ThresholdSign, StartSign::Pos);
    choose("BothBiasOption");
    press("UseButton");
    EXPECT_FALSE(isOpen("BiasStart"));
    EXPECT_EQ(net.ThresholdMin, 0);
    EXPECT_EQ(net.ThresholdMax, 2.5);
    EXPECT_EQ(net.ThresholdSign, StartSign::Both);
    EXPECT_EQ(setUpLine("MaxBiasLabel"), QStringLiteral("Maximum Threshold = ") + Local("2.5"));
    EXPECT_EQ(setUpLine("MinBiasLabel"), QStringLiteral("Minimum Threshold = 0"));
    EXPECT_EQ(setUpLine("BiasSignLabel"), QStringLiteral("Threshold Sign = Both"));

    // Used at once: 0, 0 and Both.
    openThresholds();
    press("UseButton");
    EXPECT_EQ(net.ThresholdMax, 0);
    EXPECT_EQ(setUpLine("MaxBiasLabel"), QStringLiteral("Maximum Threshold = 0"));
}

TEST_F(StartPagesTest, ThresholdRangeChecks)
{
    openThresholds();
    type("MinBiasBox", Local("0.3"));
    dialogs.expect(MinimumAboveMaximumBox("minimum threshold start cannot be greater", Answer::Cancel));
    press("UseButton");
    dialogs.verifyDone();
    EXPECT_TRUE(isOpen("BiasStart"));
    EXPECT_EQ(box("MaxBiasBox")->text(), QStringLiteral("0"));
    EXPECT_EQ(box("MinBiasBox")->text(), QStringLiteral("0"));
    EXPECT_EQ(net.ThresholdMin, 0);
    EXPECT_EQ(net.ThresholdMax, 0);

    type("MinBiasBox", QStringLiteral("-") + Local("0.25"));
    type("MaxBiasBox", QStringLiteral("1"));
    dialogs.expect(NegativeMinimumBox("The entry for minimum bias cannot be less than zero.  (It is an absolute value)"));
    press("UseButton");
    dialogs.verifyDone();
    EXPECT_EQ(box("MinBiasBox")->text(), Local("0.25"));
    EXPECT_EQ(net.ThresholdMin, 0.25);
    press("UseButton");
    EXPECT_FALSE(isOpen("BiasStart"));
    EXPECT_EQ(net.ThresholdMax, 1);

    openThresholds();
    choose("NegBiasOption");
    type("MaxBiasBox", QStringLiteral("3"));
    press("ExitButton");
    EXPECT_EQ(net.ThresholdMin, 0);
    EXPECT_EQ(net.ThresholdMax, 0);
    EXPECT_EQ(net.ThresholdSign, StartSign::Both);
}

}  // namespace
}  // namespace vantorelle
