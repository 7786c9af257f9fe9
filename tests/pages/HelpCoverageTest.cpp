// SPDX-License-Identifier: GPL-3.0-or-later
// Help on every control of every page: each page of the registry opened on a
// trained network (and the set-up page's two windows), then every view of
// the page tour, and on each every control a user sees has a tool tip and a
// What's This text. Every text of the table still names a control.
//
// Which widgets are controls a user needs told about:
// - in the window being checked (a window over it is checked on its own), shown
//   now or, where a page is opened afresh, shown or not: a page shows some of
//   its controls only later (a button once a file is read, a progress bar
//   during a run);
// - named (Qt names its own inner parts "qt_..." or not at all);
// - not a part of another control: every widget between it and its window
//   holds controls (a plain widget, frame, group box, tab widget or scroll
//   area, or a widget without a name, which only lays others out), so a
//   spin button's arrows go with their spin button, a table's cell boxes
//   with their table and a tab bar's arrows with their tab bar;
// - not a plain holder or line itself (the exact classes QWidget, QFrame,
//   QStackedWidget and QScrollArea: what they hold has the text);
// - not a caption that names its buddy: a label with a buddy says what the
//   box beside it is, and the box's text says the rest.
// A tab widget's tabs need their texts too, and so do the items of a plain
// QListWidget: they are a menu drawn in the form (the hub's lists). The items
// of a list that fills itself (the file, folder and drive lists, classes of
// their own) are files and folders, and show their list's text.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <set>

#include "CapturingPrinter.h"
#include "ControlHelp.h"
#include "Dialogs.h"
#include "HelpTexts.h"
#include "NetworkBuilders.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageTour.h"
#include "Pages.h"
#include "Perceptron.h"
#include "Random.h"
#include "ScrollPage.h"
#include "SeedsPanel.h"
#include "StepPanel.h"
#include "TrainingFile.h"

namespace vantorelle {
namespace {

bool IsExactly(const QWidget* widget, const QMetaObject& kind) { return widget->metaObject() == &kind; }

bool HasOurName(const QWidget* widget)
{
    return !widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_"));
}

bool HoldsControls(const QWidget* widget)
{
    return widget->objectName().isEmpty() || IsExactly(widget, QWidget::staticMetaObject) || IsExactly(widget, QFrame::staticMetaObject) ||
           IsExactly(widget, QStackedWidget::staticMetaObject) || IsExactly(widget, QScrollArea::staticMetaObject) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QTabWidget*>(widget);
}

bool IsPlainHolder(const QWidget* widget)
{
    return IsExactly(widget, QWidget::staticMetaObject) || IsExactly(widget, QFrame::staticMetaObject) ||
           IsExactly(widget, QStackedWidget::staticMetaObject) || IsExactly(widget, QScrollArea::staticMetaObject);
}

enum class Shown { Now, OrNot };

bool NeedsHelp(const QWidget* widget, const QWidget* window, Shown shown)
{
    if ((shown == Shown::Now && !widget->isVisible()) || widget->window() != window || !HasOurName(widget))
        return false;
    for (const QWidget* holder = widget->parentWidget(); holder && holder != window; holder = holder->parentWidget()) {
        if (!HoldsControls(holder))
            return false;
    }
    if (IsPlainHolder(widget))
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
        return false;
    return true;
}

// "Page/Control: what is missing" for every control of window without its help.
std::vector<std::string> MissingHelp(const QWidget* window, Shown shown)
{
    std::vector<std::string> missing;
    const QString page = window->objectName();
    auto lacks = [&](const QString& control, const QString& toolTip, const QString& whatsThis) {
        QStringList what;
        if (toolTip.trimmed().isEmpty())
            what << QStringLiteral("tool tip");
        if (whatsThis.trimmed().isEmpty())
            what << QStringLiteral("What's This");
        if (!what.isEmpty())
            missing.push_back((page + QLatin1Char('/') + control + QStringLiteral(" has no ") +
                               what.join(QStringLiteral(" and no "))).toStdString());
    };
    for (const QWidget* widget : window->findChildren<const QWidget*>()) {
        if (!NeedsHelp(widget, window, shown))
            continue;
        lacks(widget->objectName(), widget->toolTip(), widget->whatsThis());
        if (const auto* list = qobject_cast<const QListWidget*>(widget);
            list && IsExactly(list, QListWidget::staticMetaObject)) {
            for (int row = 0; row < list->count(); ++row)
                lacks(QStringLiteral("%1 item %2 (\"%3\")").arg(list->objectName()).arg(row).arg(list->item(row)->text()),
                      list->item(row)->toolTip(), list->item(row)->whatsThis());
        }
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                lacks(QStringLiteral("%1 tab \"%2\"").arg(tabs->objectName(), tabs->tabText(tab)), tabs->tabToolTip(tab),
                      tabs->tabWhatsThis(tab));
        }
    }
    return missing;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

std::string Lines(const std::vector<QString>& lines)
{
    std::string text;
    for (const QString& line : lines)
        text += "\n  " + line.toStdString();
    return text;
}

// Answers every box with its first button; a page opened out of its turn may say so.
class AnyAnswer : public Dialogs {
public:
    Answer Show(const MessageBoxRequest& box) override { return AnswersOf(box.buttons).front(); }
    std::optional<std::string> Input(const InputBoxRequest&) override { return std::nullopt; }
};

class HelpCoverageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ReadResult read = ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net");
        ASSERT_TRUE(read.ok) << read.message;
        net.TrainingFileName = "and.net";
        testing::GiveAndTrainedWeights(net);
        net.EpochCount = 40;
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(5); });
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Checks window as it stands and notes which table pages it answered for.
    void check(QWidget* window)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << window->objectName().toStdString();
        const std::vector<std::string> missing = MissingHelp(window, Shown::OrNot);
        EXPECT_TRUE(missing.empty()) << "Controls without help:" << Lines(missing);
        const std::vector<QString> stale = help::StaleEntries(window);
        EXPECT_TRUE(stale.empty()) << "Help for controls that are gone:" << Lines(stale);
        if (qobject_cast<ScrollPage*>(window)) {
            const std::vector<QString> base = help::StaleEntries(window, help::EveryPage);
            EXPECT_TRUE(base.empty()) << "Help for page parts that are gone:" << Lines(base);
            checked.insert(QString::fromLatin1(help::EveryPage));
        }
        checked.insert(window->objectName());
    }

    NetworkState net;
    PageMemory memory;
    AnyAnswer dialogs;
    CapturingPrinter printer;
    PageRegistry pages;
    std::set<QString> checked;
};

TEST_F(HelpCoverageTest, EveryPageAndWindowOpensWithHelpOnEveryControlAndNoHelpForControlsGone)
{
    for (const PageName& name : PageNames::All) {
        SCOPED_TRACE(name.c_str());
        ScrollPage* page = pages.open(name);
        ASSERT_NE(page, nullptr);
        check(page);
        if (name.toString() == QLatin1String("Perceptron")) {
            auto* setUp = static_cast<Perceptron*>(page);
            check(setUp->openStepPanel());
            check(setUp->openSeedsPanel());
        }
        page->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Every page the table has texts for was there to check them on.
    for (const help::HelpText& entry : help::AllTexts())
        EXPECT_TRUE(checked.count(QString::fromLatin1(entry.page))) << "no page or window is called " << entry.page;
}

TEST(HelpAlongTheTourTest, EveryViewOfTheTourShowsHelpOnEveryControl)
{
    int views = 0;
    const TourResult tour = TakePageTourInScratchFolder([&](const TourView& view) {
        ++views;
        const std::vector<std::string> missing = MissingHelp(view.page, Shown::Now);
        EXPECT_TRUE(missing.empty()) << view.shot.toStdString() << ": controls without help:" << Lines(missing);
    });
    EXPECT_TRUE(tour.finished) << tour.failure.toStdString();
    EXPECT_GE(views, 10);
}

}  // namespace
}  // namespace vantorelle
