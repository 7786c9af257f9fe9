// SPDX-License-Identifier: GPL-3.0-or-later
// The scrolling layout on a small page built in code: a label, a hidden label,
// a line and a group box holding an option, at a design size of 6000 by 4005
// twips outside (392 by 240 pixels of client area).

#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QScrollBar>
#include <map>

#include "ScrollPage.h"
#include "Twips.h"

namespace vantorelle {
namespace {

class SmallPage : public ScrollPage {
public:
    SmallPage() : ScrollPage({6000, 4005})
    {
        title = new QLabel(QStringLiteral("Title"), this);
        title->setObjectName(QStringLiteral("Label1"));
        title->setGeometry(20, 10, 200, 30);
        hiddenLabel = new QLabel(QStringLiteral("Hidden"), this);
        hiddenLabel->setObjectName(QStringLiteral("Label2"));
        hiddenLabel->setGeometry(300, 200, 80, 20);
        hiddenLabel->hide();
        line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1"));
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(10, 60, 370, 2);
        frame = new QGroupBox(QStringLiteral("Frame1"), this);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setGeometry(20, 80, 200, 100);
        option = new QRadioButton(QStringLiteral("Option"), frame);
        option->setObjectName(QStringLiteral("Option1"));
        option->setGeometry(10, 30, 150, 20);
        finishLoad();
    }

    QLabel* title;
    QLabel* hiddenLabel;
    QFrame* line;
    QGroupBox* frame;
    QRadioButton* option;
};

class ScrollPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        page.show();
        for (QWidget* control : page.findChildren<QWidget*>())
            designPlaces[control] = control->pos();
    }

    // Every control that scrolling moves, with where it stands now less its design place.
    void expectShift(int dx, int dy)
    {
        for (QWidget* control : {static_cast<QWidget*>(page.title), static_cast<QWidget*>(page.hiddenLabel),
                                 static_cast<QWidget*>(page.line), static_cast<QWidget*>(page.frame)})
            EXPECT_EQ(control->pos(), designPlaces[control] + QPoint(dx, dy)) << control->objectName().toStdString();
        // A control inside a frame moves with the frame, not by itself.
        EXPECT_EQ(page.option->pos(), designPlaces[page.option]);
    }

    SmallPage page;
    std::map<QWidget*, QPoint> designPlaces;
};

// layout step
TEST_F(ScrollPageTest, AtDesignSizeNoBarAndNoCorner)
{
    EXPECT_EQ(page.size(), QSize(392, 240));
    EXPECT_EQ(page.outerWidthTwips(), 6000);
    EXPECT_EQ(page.outerHeightTwips(), 4005);
    EXPECT_FALSE(page.horFormScroll()->isVisible());
    EXPECT_FALSE(page.verFormScroll()->isVisible());
    EXPECT_FALSE(page.corner()->isVisible());
    EXPECT_EQ(page.horFormScroll()->objectName(), QStringLiteral("HorFormScroll"));
    EXPECT_EQ(page.verFormScroll()->objectName(), QStringLiteral("VerFormScroll"));
    EXPECT_EQ(page.corner()->objectName(), QStringLiteral("Corner"));
}

TEST_F(ScrollPageTest, OnlyHeightShortShowsVerticalBarAlongRightEdge)
{
    page.resizeOuterTwips(7000, 3000);
    QScrollBar* ver = page.verFormScroll();
    EXPECT_TRUE(ver->isVisible());
    EXPECT_FALSE(page.horFormScroll()->isVisible());
    EXPECT_FALSE(page.corner()->isVisible());
    EXPECT_EQ(ver->height(), page.height());
    EXPECT_EQ(ver->geometry().right(), page.width() - 1);
    EXPECT_EQ(ver->y(), 0);
    EXPECT_EQ(ver->maximum(), 4005 - twipsFromPixels(page.height()));
    EXPECT_EQ(ver->width(), pixelsFromTwips(ScrollBarTwips));
}

TEST_F(ScrollPageTest, BothShortShowsBothBarsShortenedAndCorner)
{
    page.resizeOuterTwips(4500, 3000);
    QScrollBar* hor = page.horFormScroll();
    QScrollBar* ver = page.verFormScroll();
    ASSERT_TRUE(hor->isVisible() && ver->isVisible() && page.corner()->isVisible());
    EXPECT_EQ(hor->width(), page.width() - ver->width());
    EXPECT_EQ(ver->height(), page.height() - hor->height());
    EXPECT_EQ(hor->pos(), QPoint(0, page.height() - hor->height()));
    EXPECT_EQ(ver->pos(), QPoint(page.width() - ver->width(), 0));
    EXPECT_EQ(page.corner()->geometry(), QRect(ver->x(), hor->y(), ver->width(), hor->height()));
    EXPECT_EQ(hor->maximum(), 6000 - twipsFromPixels(page.width()));
    EXPECT_EQ(ver->maximum(), 4005 - twipsFromPixels(page.height()));
    // The bars and the corner stay above the page's own controls.
    EXPECT_EQ(page.childAt(page.corner()->geometry().center()), page.corner());
}

TEST_F(ScrollPageTest, TinyWindowNeverGetsNegativeBarLengths)
{
    page.resize(5, 3);
    EXPECT_GE(page.horFormScroll()->width(), 0);
    EXPECT_GE(page.verFormScroll()->height(), 0);
    page.resize(0, 0);
    EXPECT_GE(page.horFormScroll()->width(), 0);
    EXPECT_GE(page.verFormScroll()->height(), 0);
    page.resize(392, 240);
    EXPECT_FALSE(page.horFormScroll()->isVisible());
}

// scroll steps
TEST_F(ScrollPageTest, ScrollingMovesTopLevelControlsAndBackRestoresThem)
{
    page.resizeOuterTwips(4500, 3000);
    page.verFormScroll()->setValue(500);
    expectShift(0, -pixelsFromTwips(500));
    page.horFormScroll()->setValue(1000);
    expectShift(-pixelsFromTwips(1000), -pixelsFromTwips(500));
    // Single twips that do not add up to a pixel accumulate without drift.
    for (int v = 999; v >= 0; --v)
        page.horFormScroll()->setValue(v);
    page.verFormScroll()->setValue(0);
    expectShift(0, 0);
    // The bars themselves never move with the page.
    EXPECT_EQ(page.horFormScroll()->x(), 0);
    EXPECT_EQ(page.verFormScroll()->y(), 0);
}

// With the bars gone nothing could scroll back, so the controls return to
// their design places in each direction that no longer needs a bar.
TEST_F(ScrollPageTest, EnlargingAfterScrollingReturnsToTheOrigin)
{
    page.resizeOuterTwips(4500, 3000);
    page.verFormScroll()->setValue(600);
    page.horFormScroll()->setValue(300);
    page.resizeOuterTwips(7000, 3000);  // wide enough, still short
    EXPECT_FALSE(page.horFormScroll()->isVisible());
    EXPECT_TRUE(page.verFormScroll()->isVisible());
    expectShift(0, -pixelsFromTwips(600));
    page.resize(600, 400);
    EXPECT_FALSE(page.verFormScroll()->isVisible());
    EXPECT_EQ(page.verFormScroll()->value(), 0);
    expectShift(0, 0);
}

// A page larger than the screen's working area opens smaller, with its bars.
TEST(ScrollPageScreenTest, APageNeverOpensLargerThanTheScreen)
{
    class HugePage : public ScrollPage {
    public:
        HugePage() : ScrollPage({150000, 150000}) { finishLoad(); }
    } huge;
    const QRect available = huge.screen()->availableGeometry();
    EXPECT_LE(huge.width(), available.width());
    EXPECT_LE(huge.height(), available.height());
    EXPECT_TRUE(huge.horFormScroll()->isVisibleTo(&huge));
    EXPECT_TRUE(huge.verFormScroll()->isVisibleTo(&huge));
}

// Enter presses the focused push button, as Space does; elsewhere it is
// left alone.
TEST_F(ScrollPageTest, EnterPressesTheFocusedButton)
{
    auto* button = new QPushButton(QStringLiteral("Go"), &page);
    button->setGeometry(250, 10, 100, 30);
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    page.activateWindow();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks, 2);
    button->setEnabled(false);
    QTest::keyClick(&page, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ScrollPageTest, SmallerMaximumClampsTheValueAndTheControlsFollow)
{
    page.resizeOuterTwips(7000, 2500);
    page.verFormScroll()->setValue(1200);
    // Taller again, still short: the maximum falls below the value.
    page.resizeOuterTwips(7000, 3700);
    const int maximum = page.verFormScroll()->maximum();
    ASSERT_LT(maximum, 1200);
    EXPECT_EQ(page.verFormScroll()->value(), maximum);
    expectShift(0, -pixelsFromTwips(maximum));
}

TEST(TwipsTest, WholePixelsOnlyAndRoundedDown)
{
    EXPECT_EQ(pixelsFromTwips(10665), 711);
    EXPECT_EQ(pixelsFromTwips(10664), 710);
    EXPECT_EQ(pixelsFromTwips(14), 0);
    EXPECT_EQ(pixelsFromTwips(-1), -1);
    EXPECT_EQ(twipsFromPixels(711), 10665);
}

}  // namespace
}  // namespace vantorelle
