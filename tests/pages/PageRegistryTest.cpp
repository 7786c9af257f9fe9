// SPDX-License-Identifier: GPL-3.0-or-later
// Single-instance pages: creation, reuse, closing, activation of the page
// behind, the end of the program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QWindow>
#include <QSignalSpy>
#include <QTest>

#include "PageRegistry.h"
#include "ScrollPage.h"

namespace vantorelle {
namespace {

// A page that counts its load and activation steps.
class CountingPage : public ScrollPage {
public:
    explicit CountingPage(int& loads) : ScrollPage({3120, 2505})
    {
        ++loads;
        finishLoad();
    }
    void activationStep() override { ++activations; }
    int activations = 0;
};

class PageRegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"First", "Second", "Third"})
            pages.define(PageName(name), [this, name] {
                return std::make_unique<CountingPage>(loads[QString::fromLatin1(name)]);
            });
    }
    CountingPage* open(const char* name) { return static_cast<CountingPage*>(pages.open(PageName(name))); }
    static void deleteClosedPages() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    PageRegistry pages;
    std::map<QString, int> loads;
};

// single instance
TEST_F(PageRegistryTest, OpeningTwiceShowsTheSamePage)
{
    CountingPage* first = open("First");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    first->hide();
    EXPECT_EQ(open("First"), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(loads["First"], 1);
    EXPECT_EQ(pages.open(PageName("Nowhere")), nullptr);
}

TEST_F(PageRegistryTest, ClosedPageIsDestroyedAndStartsAfreshWhenOpenedAgain)
{
    open("First");
    QPointer<CountingPage> second = open("Second");
    second->close();
    EXPECT_EQ(pages.find(PageName("Second")), nullptr);
    deleteClosedPages();
    EXPECT_TRUE(second.isNull());
    CountingPage* again = open("Second");
    EXPECT_NE(again, nullptr);
    EXPECT_EQ(loads["Second"], 2);
    EXPECT_EQ(again->activations, 1);
}

// activation
TEST_F(PageRegistryTest, ActivationRunsWhenFirstShownAndWhenThePageOnTopCloses)
{
    CountingPage* first = open("First");
    EXPECT_EQ(first->activations, 1);
    CountingPage* second = open("Second");
    EXPECT_EQ(pages.activePage(), second);
    EXPECT_EQ(first->activations, 1);
    second->close();
    EXPECT_EQ(pages.activePage(), first);
    EXPECT_EQ(first->activations, 2);
}

TEST_F(PageRegistryTest, ClosingAPageBehindLeavesTheActivePageAlone)
{
    CountingPage* first = open("First");
    CountingPage* second = open("Second");
    // Moving on: the new page is shown, then the old one closes.
    first->close();
    EXPECT_EQ(pages.activePage(), second);
    EXPECT_EQ(second->activations, 1);
    EXPECT_EQ(pages.openPages(), std::vector<QString>{QStringLiteral("Second")});
}

TEST_F(PageRegistryTest, ReopeningAPageBehindBringsItToTheFront)
{
    CountingPage* first = open("First");
    open("Second");
    open("First");
    EXPECT_EQ(first->activations, 2);
    EXPECT_EQ(pages.openPages(), (std::vector<QString>{QStringLiteral("Second"), QStringLiteral("First")}));
}

TEST_F(PageRegistryTest, APageOpenedBesideLeavesTheKeyboardWithTheActivePage)
{
    CountingPage* first = open("First");
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    auto* second = static_cast<CountingPage*>(pages.openBeside(PageName("Second")));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->activations, 1);  // loaded and brought up to date all the same
    EXPECT_EQ(pages.activePage(), first);
    // Shown without asking for the keyboard: a window system that hands it
    // over late (on X, once the window is mapped) has nothing to hand over.
    EXPECT_TRUE(second->windowHandle()->property("_q_showWithoutActivating").toBool());
    EXPECT_TRUE(QTest::qWaitFor([first] { return QApplication::activeWindow() == first; }, 120000));
    // Asked for again the ordinary way, it takes the keyboard.
    EXPECT_EQ(open("Second"), second);
    EXPECT_EQ(pages.activePage(), second);
}

// end of the program
TEST_F(PageRegistryTest, ClosingTheLastPageFinishes)
{
    QSignalSpy finished(&pages, &PageRegistry::finished);
    CountingPage* first = open("First");
    CountingPage* second = open("Second");
    second->close();
    EXPECT_EQ(finished.count(), 0);
    first->close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(pages.openPages().empty());
}

TEST_F(PageRegistryTest, ExitClosesEveryPageAtOnce)
{
    QSignalSpy finished(&pages, &PageRegistry::finished);
    QPointer<CountingPage> first = open("First");
    QPointer<CountingPage> second = open("Second");
    open("Third");
    pages.exitProgram();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(pages.openPages().empty());
    EXPECT_FALSE(first->isVisible());
    // No page behind is activated on the way out.
    EXPECT_EQ(first->activations, 1);
    EXPECT_EQ(second->activations, 1);
    deleteClosedPages();
    EXPECT_TRUE(first.isNull() && second.isNull());
    EXPECT_EQ(pages.open(PageName("First")), nullptr);
}

TEST_F(PageRegistryTest, PageDeletedWithoutClosingIsForgotten)
{
    open("First");
    delete open("Second");
    EXPECT_EQ(pages.openPages(), std::vector<QString>{QStringLiteral("First")});
}

TEST_F(PageRegistryTest, SwitchingToAnotherPageActivatesItButAPlainWindowDoesNot)
{
    CountingPage* first = open("First");
    CountingPage* second = open("Second");
    ASSERT_TRUE(QTest::qWaitForWindowActive(second));
    // A window that is no page (a message box, say) takes the focus and gives it back.
    QWidget box;
    box.show();
    box.activateWindow();
    if (!QTest::qWaitForWindowActive(&box))
        GTEST_SKIP() << "this platform does not move the focus between windows";
    second->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(second));
    EXPECT_EQ(second->activations, 1);
    // The user clicks on the page behind.
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    EXPECT_EQ(first->activations, 2);
    EXPECT_EQ(pages.activePage(), first);
}

// holding pages during a long job
TEST_F(PageRegistryTest, AHeldPageGetsItsKeyboardFocusBack)
{
    CountingPage* first = open("First");
    auto* one = new QPushButton(QStringLiteral("One"), first);
    auto* two = new QPushButton(QStringLiteral("Two"), first);
    one->show();
    two->show();
    CountingPage* second = open("Second");
    two->setFocus();
    ASSERT_EQ(first->focusWidget(), two);
    pages.holdPagesFor(second);
    EXPECT_EQ(first->focusWidget(), nullptr);  // what the hold does to it
    pages.releasePages();
    EXPECT_EQ(first->focusWidget(), two);
}

TEST_F(PageRegistryTest, HeldPagesTakeNoInputAndOpenLater)
{
    CountingPage* first = open("First");
    CountingPage* second = open("Second");
    pages.holdPagesFor(second);
    EXPECT_TRUE(pages.pagesHeld());
    EXPECT_FALSE(first->isEnabled());
    EXPECT_TRUE(second->isEnabled());
    EXPECT_EQ(pages.pageInCharge(), second);

    // A page asked for while held waits: its load step would read the state.
    EXPECT_EQ(open("Third"), nullptr);
    EXPECT_EQ(loads[QStringLiteral("Third")], 0);

    pages.releasePages();
    EXPECT_FALSE(pages.pagesHeld());
    EXPECT_TRUE(first->isEnabled());
    EXPECT_EQ(loads[QStringLiteral("Third")], 1);
    ASSERT_NE(pages.find(PageName("Third")), nullptr);
    EXPECT_EQ(pages.pageInCharge(), pages.activePage());
    EXPECT_TRUE(first->close());
}

// Whichever page the user closes during a job, held or the job's own, the
// job is asked to stop and the page closes once it has ended.
TEST_F(PageRegistryTest, ACloseDuringAHoldStopsTheJobAndClosesWhenItEnds)
{
    CountingPage* first = open("First");
    CountingPage* second = open("Second");
    open("Third");
    int stops = 0;
    pages.holdPagesFor(second, [&stops] { ++stops; });
    EXPECT_FALSE(first->close());
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(second->close());
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(pages.openPages().size(), 3u);

    pages.releasePages();
    EXPECT_TRUE(QTest::qWaitFor([this] { return pages.openPages() == std::vector<QString>{QStringLiteral("Third")}; }));
    // The stop belonged to that job: closes after it ask nothing.
    pages.holdPagesFor(pages.find(PageName("Third")));
    pages.releasePages();
    EXPECT_EQ(stops, 2);
}

// companions
TEST_F(PageRegistryTest, CompanionsCloseWithTheLastOtherPage)
{
    pages.define(PageName("View"), [this] { return std::make_unique<CountingPage>(loads["View"]); },
                 PageRegistry::Role::Companion);
    QSignalSpy finished(&pages, &PageRegistry::finished);
    CountingPage* first = open("First");
    CountingPage* second = open("Second");
    open("View");
    second->close();
    EXPECT_EQ(pages.openPages(), (std::vector<QString>{QStringLiteral("First"), QStringLiteral("View")}));
    EXPECT_EQ(finished.count(), 0);
    first->close();
    EXPECT_TRUE(pages.openPages().empty());
    EXPECT_EQ(finished.count(), 1);

    // A companion closed by itself leaves the pages alone.
    CountingPage* again = open("First");
    open("View")->close();
    EXPECT_EQ(pages.openPages(), std::vector<QString>{QStringLiteral("First")});
    again->close();
    EXPECT_EQ(finished.count(), 2);
}

}  // namespace
}  // namespace vantorelle
