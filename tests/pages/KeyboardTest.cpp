// SPDX-License-Identifier: GPL-3.0-or-later
// Every page by the keyboard alone: Tab reaches every control in reading
// order and comes back around, the probe results can be selected but not
// typed into, the drive box says what it is, and Escape leaves the pages
// that have a way out (and no other).

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <map>

#include "DriveList.h"
#include "HubFixture.h"
#include "PageTour.h"
#include "ProbeNetwork.h"
#include "TabWalk.h"

namespace vantorelle {
namespace {

using testing::ReadingUnit;
using testing::TabStop;

// Where a page is not read row by row across its whole width: the parts
// read whole, each named by the controls that span it.
const std::map<QString, std::vector<ReadingUnit>>& ReadingUnits()
{
    static const std::map<QString, std::vector<ReadingUnit>> units{
        // The folder list belongs to the drive box above it; the file list
        // beside them spans both.
        {QStringLiteral("LoadFile"), {{{"Drive1", "Dir1"}}}},
        {QStringLiteral("Generalize"), {{{"Drive2", "Dir2"}}}},
        // Above the buttons, two columns: the rule, the ends of training and
        // the grid of four boxes; then the four option frames.
        {QStringLiteral("Perceptron"), {{{"Frame1", "Line4", "Line6"}}, {{"Frame3", "Frame5"}}}},
        // The file's half, then the sections' half.
        {QStringLiteral("SaveResults"), {{{"Drive1", "Dir1", "File1"}}, {{"Check1_1", "Check1_6"}}}},
        // The buttons over the table and the table, then the column beside them.
        {QStringLiteral("MakeTrainingSet"), {{{"SetTabs"}}, {{"GenerateFrame", "CloseSet"}}}},
        // The list of lessons with its button, then the lesson's column.
        {QStringLiteral("Lessons"), {{{"LessonList", "StartLesson"}}}},
        // The column of kept runs with its buttons, then the tabs beside it.
        {QStringLiteral("CompareRuns"), {{{"RunsList", "CloseCompare"}}, {{"CompareTabs"}}}},
    };
    return units;
}

QString Names(const std::vector<QString>& names)
{
    QStringList list(names.begin(), names.end());
    return list.join(QStringLiteral(", "));
}

// What is wrong with Tab on the page as it stands, or nothing.
QString TabFault(ScrollPage* page)
{
    page->activateWindow();
    if (!QTest::qWaitForWindowActive(page))
        return QStringLiteral("the window did not become active");
    const auto units = ReadingUnits().find(page->objectName());
    QString problem;
    const std::vector<TabStop> order = testing::InReadingOrder(
        testing::TabStops(page), page, units == ReadingUnits().end() ? std::vector<ReadingUnit>{} : units->second,
        &problem);
    if (!problem.isEmpty())
        return problem;
    if (order.size() < 2)
        return QStringLiteral("fewer than two stops");

    std::vector<QString> forward;  // each stop after the first, then the first again
    for (std::size_t i = 1; i <= order.size(); ++i)
        forward.push_back(order[i % order.size()].name);
    std::vector<QString> backward(forward.rbegin() + 1, forward.rend());
    backward.push_back(order.front().name);

    const std::vector<QString> tabbed = testing::WalkTab(page, order, true);
    if (tabbed != forward)
        return QStringLiteral("Tab reached %1; reading order %2").arg(Names(tabbed), Names(forward));
    const std::vector<QString> backTabbed = testing::WalkTab(page, order, false);
    if (backTabbed != backward)
        return QStringLiteral("Shift+Tab reached %1; expected %2").arg(Names(backTabbed), Names(backward));
    return {};
}

// Tab walk

TEST(TabOrderTest, TabReachesEveryEnabledControlOfEveryPageInReadingOrderAndComesBackAround)
{
    std::vector<QString> views;
    const TourResult tour = TakePageTourInScratchFolder([&](const TourView& view) {
        views.push_back(view.shot);
        const QString fault = TabFault(view.page);
        EXPECT_TRUE(fault.isEmpty()) << view.shot.toStdString() << ": " << fault.toStdString();
    });
    EXPECT_TRUE(tour.finished) << tour.failure.toStdString();
    for (const char* shot : {"load-file-page", "setup-page", "training-page", "weight-start-page",
                             "threshold-start-page", "testing-hub", "probe-page", "sse-graph-page",
                             "save-results-page", "generalization-page", "network-view-weights",
                             "network-view-xor-gaussian", "network-view-error-curve", "lessons-page"})
        EXPECT_NE(std::find(views.begin(), views.end(), QString::fromLatin1(shot)), views.end()) << shot;
}

// The probe results

class KeyboardTest : public HubFixture {
protected:
    ScrollPage* openActive(const char* name)
    {
        ScrollPage* page = open(name);
        if (page) {
            page->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(page)) << name;
        }
        return page;
    }
    static void key(QWidget* page, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(page->windowHandle(), key, modifiers);
    }
    // Escape with the focus on a control of the page, as Tab puts it.
    static void escapeFrom(ScrollPage* page)
    {
        key(page, Qt::Key_Tab);
        key(page, Qt::Key_Escape);
    }
    bool closes(const char* name)
    {
        return QTest::qWaitFor([&] { return !find(name); }, 120000);
    }
};

TEST_F(KeyboardTest, ProbeResultsLetTabPassAndCanBeSelectedButNotChanged)
{
    trainByHand();
    auto* page = static_cast<ProbeNetwork*>(openActive("ProbeNetwork"));
    auto* results = control<QPlainTextEdit>(page, "ResultsText");
    // Three probes by the keyboard: the number, then Enter on "Ok".
    control<QWidget>(page, "PatternBox")->setFocus();
    for (const Qt::Key digit : {Qt::Key_2, Qt::Key_4, Qt::Key_1}) {
        key(page, Qt::Key_A, Qt::ControlModifier);
        key(page, digit);
        key(page, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), control<QWidget>(page, "PatternOK"));
        key(page, Qt::Key_Return);
        key(page, Qt::Key_Tab, Qt::ShiftModifier);
    }
    const QString probed = page->resultsText();
    ASSERT_TRUE(probed.startsWith(QStringLiteral("Pattern: 1\t"))) << probed.toStdString();
    ASSERT_EQ(probed.count(QStringLiteral("Pattern: ")), 3);

    results->setFocus();
    key(page, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(page, "ClearText"));
    key(page, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), results);
    key(page, Qt::Key_A, Qt::ControlModifier);
    QString selected = results->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    EXPECT_EQ(selected, probed);
    // Keys that would type, delete or indent change nothing.
    for (const Qt::Key typing : {Qt::Key_X, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Return}) {
        results->setFocus();
        key(page, typing);
    }
    EXPECT_EQ(page->resultsText(), probed);
}

// The drive box

TEST_F(KeyboardTest, TheDriveBoxIsNamedDriveWithTheChosenRootAsItsValueAndNoCaptionShown)
{
    trainByHand();
    for (const char* name : {"LoadFile", "Generalize", "SaveResults"}) {
        ScrollPage* page = open(name);
        ASSERT_NE(page, nullptr);
        const auto drives = page->findChildren<DriveList*>();
        ASSERT_EQ(drives.size(), 1) << name;
        QAccessibleInterface* drive = QAccessible::queryAccessibleInterface(drives.front());
        ASSERT_NE(drive, nullptr);
        EXPECT_EQ(drive->role(), QAccessible::ComboBox) << name;
        EXPECT_EQ(drive->text(QAccessible::Name), QStringLiteral("Drive")) << name;
        EXPECT_EQ(drive->text(QAccessible::Value), drives.front()->currentText()) << name;
        ASSERT_NE(drive->textInterface(), nullptr) << name;  // where Linux screen readers read the choice
        EXPECT_EQ(drive->textInterface()->text(0, drive->textInterface()->characterCount()),
                  drives.front()->currentText())
            << name;
        ASSERT_EQ(drive->childCount(), 1) << name;  // the list of drives, for a reader to go through
        EXPECT_EQ(drive->child(0)->object(), drives.front()->view()) << name;
        for (const QLabel* label : page->findChildren<QLabel*>())
            EXPECT_NE(label->text(), QStringLiteral("Drive")) << name;
    }
}

// Escape

TEST_F(KeyboardTest, EscapeClosesThePagesThatHaveAWayOutWhereverTheFocusIs)
{
    trainByHand();
    open("Perceptron");
    open("TestPerceptron");
    for (const char* name : {"Generalize", "PlotSSEdata", "SaveResults", "NetworkView", "ProbeNetwork"}) {
        ScrollPage* page = openActive(name);
        ASSERT_NE(page, nullptr);
        escapeFrom(page);
        EXPECT_TRUE(closes(name)) << name;
    }
    // The hub closes alone; the training page under it stays.
    escapeFrom(openActive("TestPerceptron"));
    EXPECT_TRUE(closes("TestPerceptron"));
    EXPECT_NE(find("Perceptron"), nullptr);
}

TEST_F(KeyboardTest, EscapeNeverEndsTheProgramFromThePagesWhoseOnlyWayOutDoes)
{
    for (const char* name : {"LoadFile", "Perceptron"}) {
        ScrollPage* page = openActive(name);
        ASSERT_NE(page, nullptr);
        escapeFrom(page);
        QApplication::processEvents();
        EXPECT_NE(find(name), nullptr) << name;
        EXPECT_TRUE(page->isVisible()) << name;
    }
}

TEST_F(KeyboardTest, EscapeAsksBeforeTheProbeResultsAreLost)
{
    trainByHand();
    auto* page = static_cast<ProbeNetwork*>(openActive("ProbeNetwork"));
    press(page, "PatternOK");
    const QString probed = page->resultsText();
    ASSERT_FALSE(probed.isEmpty());

    ExpectedBox question;
    question.title = ProgramTitle;
    question.icon = BoxIcon::Question;
    question.buttons = BoxButtons::YesNo;
    question.textContains = "results";
    question.answer = Answer::No;
    dialogs.expect(question);
    escapeFrom(page);
    dialogs.verifyDone();
    EXPECT_EQ(find("ProbeNetwork"), page);
    EXPECT_EQ(page->resultsText(), probed);
    ASSERT_EQ(dialogs.shownBoxes().size(), 1u);
    EXPECT_EQ(dialogs.shownBoxes().front().defaultButton, 1);  // No

    question.answer = Answer::Yes;
    dialogs.expect(question);
    escapeFrom(page);
    EXPECT_TRUE(closes("ProbeNetwork"));
}

TEST_F(KeyboardTest, EscapeOnAStartPageCancelsAndKeepsTheRangeInForce)
{
    net.WeightMin = 0.2;
    net.WeightMax = 0.3;
    net.WeightSign = StartSign::Neg;
    ScrollPage* page = openActive("WeightStart");
    ASSERT_NE(page, nullptr);
    press(page, "PosWtOption");
    typeInto(page, "MaxWtBox", QStringLiteral("4"));
    escapeFrom(page);
    ASSERT_TRUE(closes("WeightStart"));
    EXPECT_EQ(net.WeightMin, 0.2);
    EXPECT_EQ(net.WeightMax, 0.3);
    EXPECT_EQ(net.WeightSign, StartSign::Neg);

    net.ThresholdMax = 0.5;
    page = openActive("BiasStart");
    ASSERT_NE(page, nullptr);
    escapeFrom(page);
    ASSERT_TRUE(closes("BiasStart"));
    EXPECT_EQ(net.ThresholdMax, 0.5);
}

}  // namespace
}  // namespace vantorelle
