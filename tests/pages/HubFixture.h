// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the hub and the pages it opens share: the program's pages
// over a small trained network (logical AND, two inputs, one sigmoid output
// with weights 2 and 2 and threshold -3), scripted dialogs, a capturing
// printer, and ways to find and work controls as a user would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "CapturingPrinter.h"
#include "FindControl.h"
#include "ListClicks.h"
#include "NetworkBuilders.h"
#include "NetworkState.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "QStringPrinter.h"
#include "Random.h"
#include "ScriptedDialogs.h"
#include "ScrollPage.h"
#include "TrainingFile.h"

namespace vantorelle {

class HubFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ReadResult read = ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net");
        ASSERT_TRUE(read.ok) << read.message;
        net.TrainingFileName = "and.net";
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(5); });
    }

    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    // The network as training would leave it.
    void trainByHand()
    {
        testing::GiveAndTrainedWeights(net);
        net.EpochCount = 40;
    }

    ScrollPage* open(const char* name)
    {
        ScrollPage* page = pages.open(PageName(name));
        EXPECT_NE(page, nullptr) << name;
        if (page) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(page)) << name;
        }
        return page;
    }
    ScrollPage* find(const char* name) const { return pages.find(PageName(name)); }
    std::vector<QString> openPages() const { return pages.openPages(); }

    template <typename T>
    static T* control(QWidget* page, const char* name)
    {
        return qt_testing::FindControl<T>(page, name);
    }
    static void press(QWidget* page, const char* name)
    {
        if (auto* button = control<QWidget>(page, name))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    static void typeInto(QWidget* page, const char* name, const QString& text);

    // A double-click on a list's item as a user makes it.
    static void doubleClickItem(QListWidget* list, int row)
    {
        ASSERT_NE(list, nullptr);
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        qt_testing::DoubleClickItem(*item);
    }
    // A double-click alone, which selects nothing: the list acts on what is selected.
    static void doubleClickSelection(QListWidget* list)
    {
        ASSERT_NE(list, nullptr);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    }

    NetworkState net;

    PageMemory memory;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    PageRegistry pages;
};

inline void HubFixture::typeInto(QWidget* page, const char* name, const QString& text)
{
    QWidget* box = control<QWidget>(page, name);
    if (!box)
        return;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The box every "not available" or "nothing selected" note comes in.
inline ExpectedBox PlainNote(std::string text)
{
    ExpectedBox box;
    box.title = ProgramTitle;
    box.textContains = std::move(text);
    return box;
}

}  // namespace vantorelle
