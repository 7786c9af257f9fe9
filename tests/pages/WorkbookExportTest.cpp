// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook export as a page runs it: on a worker thread with the page's
// label and bar following it, other pages held meanwhile, and the written
// workbook opened with a scripted viewer (present or missing).

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "CoreTexts.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "ScriptedDialogs.h"
#include "ScrollPage.h"
#include "TestPerceptron.h"
#include "TrainingFile.h"
#include "WorkbookExport.h"

namespace vantorelle {
namespace {

// A page with the controls the export uses.
class ExportingPage : public ScrollPage {
public:
    ExportingPage() : ScrollPage({11115, 9750})
    {
        feedback = new QLabel(this);
        bar = new QProgressBar(this);
        bar->hide();
        list = new QListWidget(this);
        finishLoad();
    }
    QLabel* feedback;
    QProgressBar* bar;
    QListWidget* list;
};

class ScriptedViewer : public WorkbookViewer {
public:
    QString folder() override { return where; }
    bool open(const QString& path) override
    {
        opened << path;
        return opens;
    }
    QString where;
    bool opens = true;
    QStringList opened;
};

class WorkbookExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/letters.net").ok);
        SizeUnitsAndWeights(net);
        SetDefaultSettings(net);
        viewer.where = scratch.filePath(QStringLiteral("workbooks"));
        pages.define(PageName("Hub"), [] { return std::make_unique<ExportingPage>(); });
        pages.define(PageName("Other"), [] { return std::make_unique<ExportingPage>(); });
        other = pages.open(PageName("Other"));
        hub = static_cast<ExportingPage*>(pages.open(PageName("Hub")));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(hub));
        run = std::make_unique<WorkbookExport>(net, dialogs, pages, viewer, hub, hub->feedback, hub->bar,
                                               QList<QWidget*>{hub->list});
    }
    void TearDown() override
    {
        run.reset();
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    // Starts an export and waits for its end.
    bool exportOnce()
    {
        QSignalSpy ended(run.get(), &WorkbookExport::finished);
        run->start();
        EXPECT_TRUE(ended.wait(60000));
        return !ended.isEmpty() && ended.first().first().toBool();
    }

    QTemporaryDir scratch;
    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    ScriptedViewer viewer;
    ScrollPage* other = nullptr;
    ExportingPage* hub = nullptr;
    std::unique_ptr<WorkbookExport> run;
};

TEST_F(WorkbookExportTest, HoldsTheOtherPagesThenOpensTheNewBook)
{
    QSignalSpy ended(run.get(), &WorkbookExport::finished);
    run->start();
    EXPECT_TRUE(pages.pagesHeld());
    EXPECT_FALSE(other->isEnabled());
    EXPECT_FALSE(hub->list->isEnabled());
    // A page closed meanwhile stays open while the worker uses the network
    // state, and closes once the export has ended.
    EXPECT_FALSE(other->close());
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_TRUE(ended.first().first().toBool());

    EXPECT_FALSE(pages.pagesHeld());
    EXPECT_TRUE(QTest::qWaitFor([this] { return pages.find(PageName("Other")) == nullptr; }));
    other = nullptr;
    EXPECT_TRUE(hub->list->isEnabled());
    const QString first = viewer.where + QStringLiteral("/Book1.xlsx");
    EXPECT_EQ(viewer.opened, QStringList{first});
    EXPECT_TRUE(QFileInfo(first).isFile());
    EXPECT_EQ(hub->bar->value(), 29);
    EXPECT_TRUE(hub->bar->isHidden());
    EXPECT_EQ(hub->feedback->text(), ShownText("The workbook has been written to " + first));

    // The next export adds a book; the first stays.
    EXPECT_TRUE(exportOnce());
    EXPECT_EQ(viewer.opened.last(), viewer.where + QStringLiteral("/Book2.xlsx"));
    EXPECT_TRUE(QFileInfo(first).isFile());
}

TEST_F(WorkbookExportTest, NoProgramForWorkbooksNamesTheWrittenFile)
{
    viewer.opens = false;
    dialogs.expect(ExpectedErrorReport("The workbook has been saved as \"" +
                                       (viewer.where + QStringLiteral("/Book1.xlsx")).toStdString() +
                                       "\", but no program"));
    EXPECT_TRUE(exportOnce());
}

TEST_F(WorkbookExportTest, AFolderThatCannotBeWrittenIsNamed)
{
    QFile blocker(viewer.where);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.expect(ExpectedErrorReport("\"" + viewer.where.toStdString() + "\", cannot be created"));
    EXPECT_FALSE(exportOnce());
    EXPECT_TRUE(viewer.opened.isEmpty());
    EXPECT_FALSE(pages.pagesHeld());
    // The label and the bar stay as the failure left them.
    EXPECT_EQ(hub->feedback->text(), ShownText(std::string("Please be patient while the spreadsheet is built...")));
    EXPECT_FALSE(hub->bar->isHidden());
}

// The hub's "Create A Summary In Excel" runs the export with its own label and bar.
TEST_F(WorkbookExportTest, FromTheHubsList)
{
    viewer.opens = false;
    pages.define(PageNames::TestPerceptron,
                 [this] { return std::make_unique<TestPerceptron>(net, memory, dialogs, pages, &viewer); });
    ScrollPage* testing = pages.open(PageNames::TestPerceptron);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(testing));
    const QString book = viewer.where + QStringLiteral("/Book1.xlsx");
    dialogs.expect(ExpectedErrorReport(book.toStdString() + "\", but no program"));

    auto* list = testing->findChild<QListWidget*>(QStringLiteral("TestList"));
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shownBoxes().empty(); }, 60000));
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(QFileInfo(book).isFile());
    EXPECT_EQ(testing->findChild<QLabel*>(QStringLiteral("FeedBackLabel"))->text(),
              ShownText("The workbook has been written to " + book));
    EXPECT_TRUE(testing->findChild<QProgressBar*>(QStringLiteral("ExcelProgressBar"))->isHidden());
}

}  // namespace
}  // namespace vantorelle
