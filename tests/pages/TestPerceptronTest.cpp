// SPDX-License-Identifier: GPL-3.0-or-later
// The testing hub: its lists, the flags each choice leaves and the pages it
// opens and closes, driven by double-clicks as a user would.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "HubFixture.h"
#include "PageNames.h"
#include "Response.h"
#include "TestPerceptron.h"

namespace vantorelle {
namespace {

class TestPerceptronTest : public HubFixture {
protected:
    void SetUp() override
    {
        HubFixture::SetUp();
        net.FreshStart = true;
        perceptron = open("Perceptron");
        trainByHand();
        memory.ContinueFromTests = true;
        hub = open("TestPerceptron");
        ASSERT_NE(hub, nullptr);
    }

    QListWidget* testList() { return control<QListWidget>(hub, "TestList"); }
    QListWidget* continueList() { return control<QListWidget>(hub, "ContinueList"); }
    static QStringList items(QListWidget* list)
    {
        QStringList texts;
        for (int row = 0; list && row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    // Waits until the hub has gone (a closed page is deleted from the event loop).
    bool hubGone() { return QTest::qWaitFor([this] { return find("TestPerceptron") == nullptr; }); }

    ScrollPage* perceptron = nullptr;
    ScrollPage* hub = nullptr;
};

// the page as it opens
TEST_F(TestPerceptronTest, OpensWithBothListsAndNothingSelected)
{
    EXPECT_EQ(hub->windowTitle(), QStringLiteral("Testing The Perceptron -- Tarvik Neural Network Code"));
    EXPECT_EQ(hub->size(), QSize(733, 623));
    EXPECT_EQ(items(testList()), (QStringList{"Probe Network Responses To Selected Patterns", "Create A Summary In Excel",
                                              "Save Summary As A Text File", "Plot SSE By Sweeps",
                                              "View The Network's Weights And Decisions", "Save The Trained Network",
                                              "Compare Kept Runs", "Confusion Tables And Accuracy"}));
    EXPECT_EQ(items(continueList()),
              (QStringList{"Reset Weights And Train Again", "Keep Current Weights And Continue Training",
                           "Train A New Network On A New Problem", "Test Current Network On A New Problem",
                           "Open A Saved Network", "Make Or Edit A Training Set"}));
    EXPECT_TRUE(testList()->selectedItems().isEmpty());
    EXPECT_TRUE(continueList()->selectedItems().isEmpty());
    EXPECT_TRUE(control<QLabel>(hub, "FeedBackLabel")->isVisible());
    EXPECT_TRUE(control<QLabel>(hub, "FeedBackLabel")->text().isEmpty());
    EXPECT_FALSE(control<QProgressBar>(hub, "ExcelProgressBar")->isVisible());
    EXPECT_EQ(control<QLabel>(hub, "Label1")->text(), QStringLiteral("Or...."));
    EXPECT_EQ(control<QPushButton>(hub, "Command2")->text(), QStringLiteral("Exit Program"));
    // A new visit to the hub has not asked to continue yet.
    EXPECT_FALSE(memory.ContinueFromTests);
    // The form's top-to-bottom order.
    const char* order[] = {"Label5", "TestList", "FeedBackLabel", "ExcelProgressBar", "Line1",
                           "Label4", "ContinueList", "Label1", "Command2"};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(control<QWidget>(hub, order[i - 1])->y(), control<QWidget>(hub, order[i])->y()) << order[i];
}

TEST_F(TestPerceptronTest, DoubleClickWithNothingSelectedOnEitherListChangesNothing)
{
    dialogs.expect(PlainNote("No method for continuing has been selected!"));
    doubleClickSelection(testList());
    dialogs.expect(PlainNote("No method for continuing has been selected!"));
    doubleClickSelection(continueList());
    dialogs.verifyDone();
    ASSERT_EQ(dialogs.shownBoxes().size(), 2u);
    EXPECT_EQ(dialogs.shownBoxes()[0].text, "No method for continuing has been selected!");
    EXPECT_EQ(dialogs.shownBoxes()[0].icon, BoxIcon::None);
    EXPECT_EQ(openPages(), (std::vector<QString>{"Perceptron", "TestPerceptron"}));
    EXPECT_TRUE(net.FreshStart);
}

// examining the network
TEST_F(TestPerceptronTest, ProbeAndGraphOpenOncePageEachOverTheHub)
{
    doubleClickItem(testList(), 0);
    ScrollPage* probe = find("ProbeNetwork");
    ASSERT_NE(probe, nullptr);
    doubleClickItem(testList(), 0);
    EXPECT_EQ(find("ProbeNetwork"), probe);
    doubleClickItem(testList(), 3);
    ASSERT_NE(find("PlotSSEdata"), nullptr);
    EXPECT_EQ(pages.activePage(), find("PlotSSEdata"));
    const std::vector<QString> open = openPages();
    EXPECT_EQ(std::count(open.begin(), open.end(), QStringLiteral("ProbeNetwork")), 1);
    EXPECT_EQ(open.size(), 4u);
    EXPECT_NE(find("TestPerceptron"), nullptr);
}

TEST_F(TestPerceptronTest, TheComparePageAndTheConfusionTablesOpenFromTheLastItems)
{
    doubleClickItem(testList(), 6);
    ASSERT_NE(find("CompareRuns"), nullptr);
    EXPECT_EQ(pages.activePage(), find("CompareRuns"));
    doubleClickItem(testList(), 7);
    ASSERT_NE(find("ConfusionTables"), nullptr);
    EXPECT_EQ(pages.activePage(), find("ConfusionTables"));
    EXPECT_NE(find("TestPerceptron"), nullptr);
}

TEST_F(TestPerceptronTest, TextSummaryOpensTheSavePageOverTheHub)
{
    if (!pages.isDefined(PageNames::SaveResults))
        GTEST_SKIP() << "this build defines no save-results page";
    doubleClickItem(testList(), 2);
    EXPECT_NE(find("SaveResults"), nullptr);
    EXPECT_EQ(pages.activePage(), find("SaveResults"));
    EXPECT_NE(find("TestPerceptron"), nullptr);
}

TEST_F(TestPerceptronTest, WithoutTheirPagesTheSummariesSaySo)
{
    // A program whose registry knows no save page.
    PageRegistry bare;
    bare.define(PageNames::TestPerceptron,
                [&] { return std::make_unique<TestPerceptron>(net, memory, dialogs, bare); });
    ScrollPage* lone = bare.open(PageNames::TestPerceptron);
    ASSERT_NE(lone, nullptr);
    dialogs.expect(PlainNote("not available yet"));
    doubleClickItem(control<QListWidget>(lone, "TestList"), 2);
    dialogs.verifyDone();
    EXPECT_EQ(bare.openPages(), std::vector<QString>{"TestPerceptron"});
    bare.exitProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// going on
TEST_F(TestPerceptronTest, ResetBringsBackTheSamePageWithAFreshStart)
{
    net.FreshStart = false;
    doubleClickItem(continueList(), 0);
    EXPECT_TRUE(net.FreshStart);
    ASSERT_TRUE(hubGone());
    EXPECT_EQ(find("Perceptron"), perceptron);
    EXPECT_EQ(pages.activePage(), perceptron);
    EXPECT_EQ(openPages(), std::vector<QString>{"Perceptron"});
}

TEST_F(TestPerceptronTest, ContinueMakesTheTrainingPageActiveAndRecomputeEvenAfterAProbe)
{
    doubleClickItem(testList(), 3);  // the graph page was active more recently than the training page
    pages.open(PageNames::TestPerceptron);
    net.TotalSSE = -1;
    net.Hits = -1;
    doubleClickItem(continueList(), 1);
    EXPECT_FALSE(net.FreshStart);
    EXPECT_TRUE(memory.ContinueFromTests);
    ASSERT_TRUE(hubGone());
    EXPECT_EQ(pages.activePage(), perceptron);
    // The totals for the current weights, as the engine's evaluation gives them.
    NetworkState expected = net;
    EvaluateTrainingSet(expected);
    EXPECT_EQ(net.TotalSSE, expected.TotalSSE);
    EXPECT_EQ(net.Hits, expected.Hits);
    EXPECT_NE(find("PlotSSEdata"), nullptr);

    open("TestPerceptron");
    EXPECT_FALSE(memory.ContinueFromTests);
}

TEST_F(TestPerceptronTest, NewProblemOpensTheLoadFilePageFirstAndKeepsPagesFromTheHub)
{
    doubleClickItem(testList(), 0);
    pages.open(PageNames::TestPerceptron);
    QSignalSpy finished(&pages, &PageRegistry::finished);
    net.FreshStart = true;
    doubleClickItem(continueList(), 2);
    ASSERT_TRUE(hubGone());
    EXPECT_TRUE(QTest::qWaitFor([this] { return find("Perceptron") == nullptr; }));
    EXPECT_TRUE(net.FreshStart);  // this choice sets no flag; continuing would clear it
    EXPECT_EQ(openPages(), (std::vector<QString>{"ProbeNetwork", "LoadFile"}));
    EXPECT_EQ(pages.activePage(), find("LoadFile"));
    EXPECT_FALSE(control<QWidget>(find("LoadFile"), "NextPage")->isVisible());
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(TestPerceptronTest, EnterOnASelectedItemActsAsADoubleClick)
{
    QListWidget* list = continueList();
    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(memory.ContinueFromTests);
    ASSERT_TRUE(hubGone());
    EXPECT_EQ(pages.activePage(), perceptron);
}

TEST_F(TestPerceptronTest, TestOnANewProblemOpensTheGeneralizationPageOverTheHub)
{
    net.FreshStart = true;
    doubleClickItem(continueList(), 3);
    EXPECT_FALSE(net.FreshStart);
    EXPECT_NE(find("Generalize"), nullptr);
    EXPECT_EQ(pages.activePage(), find("Generalize"));
    EXPECT_EQ(openPages(), (std::vector<QString>{"Perceptron", "TestPerceptron", "Generalize"}));
}

TEST_F(TestPerceptronTest, ExitProgramClosesTheSetUpPageAndTheHubOnly)
{
    doubleClickItem(testList(), 3);
    pages.open(PageNames::TestPerceptron);
    QSignalSpy finished(&pages, &PageRegistry::finished);
    press(hub, "Command2");
    ASSERT_TRUE(hubGone());
    EXPECT_EQ(openPages(), std::vector<QString>{"PlotSSEdata"});
    EXPECT_EQ(finished.count(), 0);
    // The program ends when the last page closes.
    find("PlotSSEdata")->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }));
}

}  // namespace
}  // namespace vantorelle
