// SPDX-License-Identifier: GPL-3.0-or-later
// The help table and how it reaches the controls, on small windows built
// here under the names of real pages: which entry a control finds, what a
// control's own tool tip keeps, lists' items and tabs, windows opened later,
// help left behind by a control that went, and Shift+F1.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWhatsThis>
#include <memory>
#include <set>

#include "ControlHelp.h"
#include "HelpTexts.h"

namespace vantorelle {
namespace {

using help::ApplyHelp;
using help::Find;
using help::KeepHelpApplied;
using help::StaleEntries;

// The stale entries of window as one line, which a failure can print.
std::string Stale(const QWidget* window, const QString& page = {})
{
    QStringList names;
    for (const QString& name : StaleEntries(window, page))
        names << name;
    return names.join(QStringLiteral(", ")).toStdString();
}

std::unique_ptr<QWidget> Window(const char* page)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QString::fromLatin1(page));
    return window;
}

template <typename T>
T* Control(QWidget* parent, const char* name)
{
    auto* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// the table

TEST(HelpTableTest, EveryEntryIsNamedOnceAndSaysSomething)
{
    std::set<std::pair<QString, QString>> seen;
    for (const help::HelpText& entry : help::AllTexts()) {
        const QString where = QString::fromLatin1(entry.page) + QLatin1Char('/') + QString::fromLatin1(entry.control);
        EXPECT_TRUE(seen.emplace(QString::fromLatin1(entry.page), QString::fromLatin1(entry.control)).second)
            << "a second entry for " << where.toStdString() << " would never be found";
        EXPECT_FALSE(help::WhatsThisOf(entry).trimmed().isEmpty()) << where.toStdString();
        if (entry.toolTip)
            EXPECT_FALSE(help::ToolTipOf(entry).trimmed().isEmpty()) << where.toStdString();
        // A tool tip is the short one: longer than its What's This, it says the wrong thing first.
        if (entry.toolTip)
            EXPECT_LE(help::ToolTipOf(entry).size(), help::WhatsThisOf(entry).size()) << where.toStdString();
    }
}

TEST(HelpTableTest, AControlFindsItsOwnTextThenItsArraysThenEveryPages)
{
    // The set-up page's status lines each have their own text.
    const help::HelpText* hits = Find(QStringLiteral("Perceptron"), QStringLiteral("Picture1_4"));
    const help::HelpText* misses = Find(QStringLiteral("Perceptron"), QStringLiteral("Picture1_5"));
    ASSERT_NE(hits, nullptr);
    ASSERT_NE(misses, nullptr);
    EXPECT_NE(hits, misses);
    // The load-file page's captions share their array's, and its heading keeps its own.
    const help::HelpText* caption = Find(QStringLiteral("LoadFile"), QStringLiteral("Label8_3"));
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption->control, "Label8");
    EXPECT_EQ(Find(QStringLiteral("LoadFile"), QStringLiteral("Label8_2")), caption);
    EXPECT_STREQ(Find(QStringLiteral("LoadFile"), QStringLiteral("Label8_0"))->control, "Label8_0");
    // The page base's bars, on any page; a page's own name finds nothing of another page's.
    const help::HelpText* bar = Find(QStringLiteral("ProbeNetwork"), QStringLiteral("VerFormScroll"));
    ASSERT_NE(bar, nullptr);
    EXPECT_STREQ(bar->page, help::EveryPage);
    EXPECT_EQ(Find(QStringLiteral("ProbeNetwork"), QStringLiteral("Picture1_4")), nullptr);
    EXPECT_EQ(Find(QStringLiteral("Perceptron"), QString()), nullptr);
}

TEST(HelpTableTest, OnlyANameEndingInAnIndexBelongsToAnArray)
{
    EXPECT_EQ(help::ArrayName(QStringLiteral("Check1_0")), QStringLiteral("Check1"));
    EXPECT_EQ(help::ArrayName(QStringLiteral("OptionDelta_12")), QStringLiteral("OptionDelta"));
    EXPECT_EQ(help::ArrayName(QStringLiteral("Check1")), QString());
    EXPECT_EQ(help::ArrayName(QStringLiteral("Check1_")), QString());
    EXPECT_EQ(help::ArrayName(QStringLiteral("_3")), QString());
    EXPECT_EQ(help::ArrayName(QStringLiteral("Check1_x")), QString());
}

// putting it on the controls

TEST(ControlHelpTest, ControlsGetTheirTextsAndAToolTipOfTheirOwnStays)
{
    auto window = Window("ProbeNetwork");
    auto* box = Control<QLineEdit>(window.get(), "PatternBox");
    auto* ok = Control<QPushButton>(window.get(), "PatternOK");
    ok->setToolTip(QStringLiteral("The page's own"));
    auto* stranger = Control<QPushButton>(window.get(), "NotInTheTable");
    ApplyHelp(window.get());

    const help::HelpText* boxText = Find(QStringLiteral("ProbeNetwork"), QStringLiteral("PatternBox"));
    ASSERT_NE(boxText, nullptr);
    EXPECT_EQ(box->toolTip(), help::ToolTipOf(*boxText));
    EXPECT_EQ(box->whatsThis(), help::WhatsThisOf(*boxText));
    EXPECT_EQ(ok->toolTip(), QStringLiteral("The page's own"));
    EXPECT_FALSE(ok->whatsThis().isEmpty());
    EXPECT_TRUE(stranger->toolTip().isEmpty());
    EXPECT_TRUE(stranger->whatsThis().isEmpty());
}

TEST(ControlHelpTest, ListItemsAndTabsGetTheTextsOfTheirRowsAndPages)
{
    auto hub = Window("TestPerceptron");
    auto* list = Control<QListWidget>(hub.get(), "ContinueList");
    for (int row = 0; row < 6; ++row)
        list->addItem(QStringLiteral("item %1").arg(row));
    ApplyHelp(hub.get());
    for (int row = 0; row < 6; ++row) {
        const help::HelpText* text =
            Find(QStringLiteral("TestPerceptron"), QStringLiteral("ContinueList_%1").arg(row));
        ASSERT_NE(text, nullptr) << row;
        EXPECT_EQ(list->item(row)->toolTip(), help::ToolTipOf(*text)) << row;
        EXPECT_EQ(list->item(row)->whatsThis(), help::WhatsThisOf(*text)) << row;
    }
    EXPECT_NE(list->item(0)->whatsThis(), list->item(1)->whatsThis());

    auto view = Window("NetworkView");
    auto* tabs = Control<QTabWidget>(view.get(), "ViewTabs");
    tabs->addTab(Control<QWidget>(nullptr, "WeightsTab"), QStringLiteral("Weights"));
    tabs->addTab(Control<QWidget>(nullptr, "ErrorCurveTab"), QStringLiteral("Error Curve"));
    ApplyHelp(view.get());
    EXPECT_EQ(tabs->tabWhatsThis(1), help::WhatsThisOf(*Find(QStringLiteral("NetworkView"), QStringLiteral("ErrorCurveTab"))));
    EXPECT_FALSE(tabs->tabToolTip(0).isEmpty());
    EXPECT_NE(tabs->tabToolTip(0), tabs->tabToolTip(1));
}

TEST(ControlHelpTest, AWindowOpenedLaterOverAPageGetsItsOwnTexts)
{
    auto page = Window("Perceptron");
    KeepHelpApplied(page.get());
    page->show();
    // Built after the page, as the set-up page builds its step window.
    auto* panel = new QWidget(page.get(), Qt::Window);
    panel->setObjectName(QStringLiteral("StepPanel"));
    auto* close = Control<QPushButton>(panel, "CloseButton");
    EXPECT_TRUE(close->whatsThis().isEmpty());
    panel->show();
    EXPECT_EQ(close->whatsThis(), help::WhatsThisOf(*Find(QStringLiteral("StepPanel"), QStringLiteral("CloseButton"))));

    // Shift+F1 in the panel itself: the page's shortcut holds only in the page's window.
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    close->setFocus();
    QTest::keyClick(close, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

TEST(ControlHelpTest, ShiftF1AsksWhatsThisOnThePage)
{
    auto page = Window("ProbeNetwork");
    auto* box = Control<QLineEdit>(page.get(), "PatternBox");
    KeepHelpApplied(page.get());
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    box->setFocus();
    ASSERT_FALSE(QWhatsThis::inWhatsThisMode());
    QTest::keyClick(box, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

// help that outlived its control

TEST(ControlHelpTest, TextsForControlsAWindowDoesNotHoldAreStale)
{
    auto page = Window("ProbeNetwork");
    for (const char* name : {"Label2", "PatternLabel", "PatternBox", "PatternUpDown", "PatternOK", "ResultsText",
                             "ClearText", "PrintResults"})
        Control<QWidget>(page.get(), name);
    // The close button is missing.
    EXPECT_EQ(Stale(page.get()), "ProbeNetwork/Command2");
    Control<QPushButton>(page.get(), "Command2");
    EXPECT_EQ(Stale(page.get()), "");

    // An item's text is stale once its list is shorter.
    auto hub = Window("TestPerceptron");
    for (const char* name : {"Label5", "FeedBackLabel", "ExcelProgressBar", "Line1", "Label4", "Label1", "Command2",
                             "Label3"})
        Control<QWidget>(hub.get(), name);
    auto* tests = Control<QListWidget>(hub.get(), "TestList");
    auto* more = Control<QListWidget>(hub.get(), "ContinueList");
    // As many items as the hub's lists hold.
    for (int row = 0; row < 8; ++row)
        tests->addItem(QString::number(row));
    for (int row = 0; row < 6; ++row)
        more->addItem(QString::number(row));
    EXPECT_EQ(Stale(hub.get()), "");
    delete more->takeItem(5);
    EXPECT_EQ(Stale(hub.get()), "TestPerceptron/ContinueList_5");
}

TEST(ControlHelpTest, ThePageBasesTextsAreCheckedUnderTheirOwnName)
{
    auto page = Window("ProbeNetwork");
    Control<QWidget>(page.get(), "HorFormScroll");
    EXPECT_EQ(Stale(page.get(), help::EveryPage), "*/VerFormScroll, */Corner");
}

}  // namespace
}  // namespace vantorelle
