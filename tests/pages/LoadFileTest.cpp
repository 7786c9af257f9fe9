// SPDX-License-Identifier: GPL-3.0-or-later
// The load-file page, driven as a user would: controls found by name, lists
// double-clicked, buttons clicked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "CoreTexts.h"
#include "FindControl.h"
#include "FolderList.h"
#include "ListClicks.h"
#include "LoadFile.h"
#include "NetworkState.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "ScriptedDialogs.h"
#include "TrainingFile.h"
#include "Twips.h"

namespace vantorelle {
namespace {

const QStringList RowNames = {"Label8_0",     "Label8_1",     "Label8_2",     "Label8_3",     "Label8_4",
                              "OutputText_0", "OutputText_1", "OutputText_2", "OutputText_3", "NextPage"};

class LoadFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"and.net", "letters.net"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/") + name, folder.filePath(name)));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_TEST_DATA "/word_in_patterns.net"),
                                folder.filePath(QStringLiteral("word_in_patterns.net"))));
        QFile notes(folder.filePath(QStringLiteral("notes.txt")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("more")));

        // The page starts in the working folder.
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        DefinePages(pages, net, memory, dialogs);
        page = pages.open(PageNames::LoadFile);
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    }

    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previousFolder);
        dialogs.verifyDone();
    }

    template <typename T>
    T* control(const QString& name)
    {
        return qt_testing::FindControl<T>(page, name);
    }
    QListWidget* files() { return control<QListWidget>(QStringLiteral("File1")); }
    QListWidget* folders() { return control<QListWidget>(QStringLiteral("Dir1")); }
    QString box(int index) { return control<QLineEdit>(QStringLiteral("OutputText_%1").arg(index))->text(); }

    void doubleClick(QListWidget* /*list*/, QListWidgetItem* item)
    {
        ASSERT_NE(item, nullptr);
        qt_testing::DoubleClickItem(*item);
    }
    void doubleClickFile(const QString& name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        doubleClick(files(), found.first());
    }
    QListWidgetItem* folderLine(const QString& path)
    {
        for (int row = 0; row < folders()->count(); ++row) {
            if (FolderList::folderOf(folders()->item(row)) == path)
                return folders()->item(row);
        }
        return nullptr;
    }
    QStringList fileNames()
    {
        QStringList names;
        for (int row = 0; row < files()->count(); ++row)
            names << files()->item(row)->text();
        return names;
    }
    void expectRowsShown(bool shown)
    {
        for (const QString& name : RowNames)
            EXPECT_EQ(control<QWidget>(name)->isVisible(), shown) << name.toStdString();
    }
    // The page's controls that scrolling moves, with their places now.
    std::map<QString, QPoint> controlPlaces()
    {
        std::map<QString, QPoint> places;
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = child->objectName();
            if (name != "HorFormScroll" && name != "VerFormScroll" && name != "Corner")
                places[name] = child->pos();
        }
        return places;
    }

    QTemporaryDir folder;
    QString previousFolder;
    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    ScrollPage* page = nullptr;
};

// start-up
TEST_F(LoadFileTest, StartsBrowsingTheWorkingFolder)
{
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Perceptron -- Load File -- Tarvik Neural Net Code"));
    EXPECT_EQ(page->size(), QSize(711, 609));
    for (const char* name : {"Label1", "FileLabel", "Drive1", "Dir1", "File1", "Label3", "Command2"})
        EXPECT_TRUE(control<QWidget>(QString::fromLatin1(name))->isVisible()) << name;
    expectRowsShown(false);
    for (const char* name : {"HorFormScroll", "VerFormScroll", "Corner"})
        EXPECT_FALSE(control<QWidget>(QString::fromLatin1(name))->isVisible()) << name;
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Tarvik Perceptron Program 2003 Edition"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("FileLabel"))->text(),
              QStringLiteral("Use \"Double Clicks\" To Choose The File To Train The Network"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Command2"))->text(), QStringLiteral("Exit"));
    // Only training files, no folders and no other files.
    EXPECT_EQ(fileNames(), (QStringList{"and.net", "letters.net", "word_in_patterns.net"}));
    EXPECT_EQ(folders()->currentItem(), folderLine(QDir(folder.path()).absolutePath()));
    EXPECT_NE(folderLine(folder.filePath(QStringLiteral("more"))), nullptr);
}

TEST_F(LoadFileTest, FontsFollowThePageConventions)
{
    const QFont title = control<QLabel>(QStringLiteral("Label1"))->font();
    EXPECT_EQ(title.family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 20.25);
    EXPECT_TRUE(title.bold() && title.italic());
    const QFont exit = control<QPushButton>(QStringLiteral("Command2"))->font();
    EXPECT_TRUE(exit.italic() && exit.bold());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("Label8_0"))->font().underline());
    EXPECT_DOUBLE_EQ(control<QLineEdit>(QStringLiteral("OutputText_0"))->font().pointSizeF(), 10.5);
    EXPECT_DOUBLE_EQ(files()->font().pointSizeF(), 8.25);
}

// reading files
TEST_F(LoadFileTest, DoubleClickReadsTheFileAndShowsItsRows)
{
    doubleClickFile(QStringLiteral("and.net"));
    EXPECT_EQ(box(0), QStringLiteral("and.net"));
    EXPECT_EQ(box(1), QStringLiteral("1"));  // output units come above input units
    EXPECT_EQ(box(2), QStringLiteral("2"));
    EXPECT_EQ(box(3), QStringLiteral("4"));
    expectRowsShown(true);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(control<QLineEdit>(QStringLiteral("OutputText_%1").arg(i))->isEnabled());
    EXPECT_EQ(net.TrainingFileName, "and.net");
    EXPECT_EQ(net.NumOutputs, 1);
    EXPECT_EQ(net.NumInputs, 2);
    EXPECT_EQ(net.NumPatterns, 4);
    EXPECT_EQ(net.DesiredOutputs(4, 1), 1.0);
}

TEST_F(LoadFileTest, SingleClickReadsNothingButEnterDoes)
{
    const QListWidgetItem* item = files()->findItems(QStringLiteral("and.net"), Qt::MatchExactly).first();
    QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, files()->visualItemRect(item).center());
    expectRowsShown(false);
    EXPECT_EQ(net.NumPatterns, 0);
    QTest::keyClick(files(), Qt::Key_Return);
    EXPECT_EQ(net.TrainingFileName, "and.net");
    expectRowsShown(true);
}

TEST_F(LoadFileTest, SecondFileReplacesTheFirst)
{
    doubleClickFile(QStringLiteral("and.net"));
    doubleClickFile(QStringLiteral("letters.net"));
    NetworkState expected;
    ASSERT_TRUE(ReadTrainingFile(expected, folder.filePath(QStringLiteral("letters.net")).toStdString()).ok);
    EXPECT_EQ(box(0), QStringLiteral("letters.net"));
    EXPECT_EQ(box(1), QString::number(expected.NumOutputs));
    EXPECT_EQ(box(2), QString::number(expected.NumInputs));
    EXPECT_EQ(box(3), QString::number(expected.NumPatterns));
    EXPECT_EQ(net.TrainingFileName, "letters.net");
    EXPECT_EQ(net.NumOutputs, expected.NumOutputs);
    EXPECT_EQ(net.NumInputs, expected.NumInputs);
    EXPECT_EQ(net.NumPatterns, expected.NumPatterns);
    expectRowsShown(true);
}

TEST_F(LoadFileTest, BadFileShowsTheReadersMessageAndOffersNoWayOn)
{
    NetworkState scratch;
    const std::string message =
        ReadTrainingFile(scratch, folder.filePath(QStringLiteral("word_in_patterns.net")).toStdString()).message;
    ASSERT_FALSE(message.empty());
    dialogs.expect(ExpectedErrorReport(message));
    doubleClickFile(QStringLiteral("word_in_patterns.net"));
    ASSERT_EQ(dialogs.shownBoxes().size(), 1u);
    EXPECT_EQ(dialogs.shownBoxes()[0].text, message);
    expectRowsShown(false);
    EXPECT_EQ(net.TrainingFileName, "");
    EXPECT_EQ(net.NumPatterns, 0);
}

// A file with decimal commas trains on shifted values unless the user hears
// of it; the file is still read, and the rows show what was read.
TEST_F(LoadFileTest, FileReadOtherwiseThanMeantIsToldOnceAndStillRead)
{
    QFile commas(folder.filePath(QStringLiteral("more/commas.net")));
    ASSERT_TRUE(commas.open(QIODevice::WriteOnly));
    commas.write("1,0,2,2\n0,5 0,,25\n0,75 1\n1\n0\n");
    commas.close();
    doubleClick(folders(), folderLine(folder.filePath(QStringLiteral("more"))));
    const std::string text =
        "The file \"commas.net\" has more values than its header asks for; the rest are ignored (numbers take a "
        "\".\" decimal point).\rThe file \"commas.net\" has 1 empty field (\",,\"), read as no value at all.\r";
    dialogs.expect({ProgramTitle, text, BoxIcon::Exclamation, BoxButtons::OK, Answer::OK});
    doubleClickFile(QStringLiteral("commas.net"));
    ASSERT_EQ(dialogs.shownBoxes().size(), 1u);
    EXPECT_EQ(dialogs.shownBoxes()[0].text, text);
    expectRowsShown(true);
    EXPECT_EQ(net.NumPatterns, 2);

    // A file read cleanly brings no box.
    doubleClick(folders(), folderLine(QDir(folder.path()).absolutePath()));
    doubleClickFile(QStringLiteral("and.net"));
    EXPECT_EQ(dialogs.shownBoxes().size(), 1u);
}

TEST_F(LoadFileTest, BadFileAfterAGoodOneKeepsTheGoodOne)
{
    doubleClickFile(QStringLiteral("and.net"));
    dialogs.expect(ExpectedErrorReport("word_in_patterns.net"));
    doubleClickFile(QStringLiteral("word_in_patterns.net"));
    EXPECT_EQ(box(0), QStringLiteral("and.net"));
    EXPECT_EQ(box(3), QStringLiteral("4"));
    EXPECT_EQ(net.TrainingFileName, "and.net");
    EXPECT_EQ(net.NumPatterns, 4);
    expectRowsShown(true);
}

TEST_F(LoadFileTest, FileRemovedAfterListingIsReportedNotRead)
{
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("letters.net"))));
    dialogs.expect(ExpectedErrorReport("letters.net"));
    doubleClickFile(QStringLiteral("letters.net"));
    expectRowsShown(false);
}

// browsing
TEST_F(LoadFileTest, ChangingFolderListsItsFilesAndKeepsTheLoadedRows)
{
    doubleClickFile(QStringLiteral("and.net"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/xor.net"), folder.filePath("more/xor.net")));
    doubleClick(folders(), folderLine(folder.filePath(QStringLiteral("more"))));
    EXPECT_EQ(fileNames(), QStringList{"xor.net"});
    expectRowsShown(true);
    EXPECT_EQ(box(0), QStringLiteral("and.net"));
    // The way up leads back.
    doubleClick(folders(), folderLine(QDir(folder.path()).absolutePath()));
    EXPECT_EQ(fileNames().size(), 3);
}

TEST_F(LoadFileTest, FolderThatCannotBeListedShowsAMessageAndTheListsStayUsable)
{
    const QString gone = folder.filePath(QStringLiteral("more"));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    dialogs.expect(ExpectedErrorReport("cannot be listed"));
    doubleClick(folders(), folderLine(gone));
    ASSERT_EQ(dialogs.shownBoxes().size(), 1u);
    EXPECT_NE(dialogs.shownBoxes()[0].text.find(gone.toStdString()), std::string::npos);
    EXPECT_EQ(fileNames().size(), 3);
    doubleClickFile(QStringLiteral("and.net"));
    EXPECT_EQ(net.TrainingFileName, "and.net");
}

TEST_F(LoadFileTest, DriveThatCannotBeReadShowsAMessageAndKeepsTheFolder)
{
    auto* drives = control<QComboBox>(QStringLiteral("Drive1"));
    const QString before = drives->currentText();
    drives->addItem(QStringLiteral("/no-such-volume"), QStringLiteral("/no-such-volume"));
    dialogs.expect(ExpectedErrorReport("/no-such-volume"));
    drives->setCurrentIndex(drives->count() - 1);
    EXPECT_EQ(drives->currentText(), before);
    EXPECT_EQ(fileNames().size(), 3);
}

// moving on and ending
TEST_F(LoadFileTest, NextPageOpensTheTrainingSetUpPageAndDiscardsThisOne)
{
    doubleClickFile(QStringLiteral("and.net"));
    net.FreshStart = false;
    QTest::mouseClick(control<QPushButton>(QStringLiteral("NextPage")), Qt::LeftButton);
    EXPECT_TRUE(net.FreshStart);
    EXPECT_EQ(pages.openPages(), std::vector<QString>{QStringLiteral("Perceptron")});
    ScrollPage* setUp = pages.find(PageNames::Perceptron);
    ASSERT_NE(setUp, nullptr);
    EXPECT_EQ(setUp->windowTitle(), QStringLiteral("Perceptron Setup Page -- Tarvik Neural Network Code"));
    EXPECT_TRUE(setUp->isVisible());
    EXPECT_EQ(setUp->findChild<QLabel*>(QStringLiteral("FileLabel"))->text(),
              ShownText(QStringLiteral("Training: and.net")));
    // The set-up page built the network for the file just read.
    EXPECT_EQ(net.OutputUnits.size(), 2u);
    EXPECT_EQ(net.InputUnits.size(), 3u);

    // Coming back later shows the page afresh, in its browsing state.
    page = pages.open(PageNames::LoadFile);
    ASSERT_NE(page, nullptr);
    expectRowsShown(false);
    EXPECT_TRUE(box(0).isEmpty());
}

TEST_F(LoadFileTest, ExitEndsTheProgramAtOnce)
{
    QSignalSpy finished(&pages, &PageRegistry::finished);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(pages.openPages().empty());
    EXPECT_FALSE(page->isVisible());
}

// scrolling
TEST_F(LoadFileTest, NarrowedByOneTwipShowsOnlyTheHorizontalBar)
{
    page->resizeOuterTwips(10784, 9540);
    auto* hor = control<QScrollBar>(QStringLiteral("HorFormScroll"));
    EXPECT_LT(page->width(), 711);
    EXPECT_TRUE(hor->isVisible());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("VerFormScroll"))->isVisible());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("Corner"))->isVisible());
    EXPECT_EQ(hor->geometry(), QRect(0, page->height() - hor->height(), page->width(), hor->height()));
    EXPECT_EQ(hor->maximum(), 10785 - twipsFromPixels(page->width()));
    EXPECT_EQ(hor->minimum(), 0);
}

TEST_F(LoadFileTest, ShrinkingBothWaysShowsBothBarsAndTheCorner)
{
    page->resizeOuterTwips(8000, 6000);
    auto* hor = control<QScrollBar>(QStringLiteral("HorFormScroll"));
    auto* ver = control<QScrollBar>(QStringLiteral("VerFormScroll"));
    auto* corner = control<QWidget>(QStringLiteral("Corner"));
    ASSERT_TRUE(hor->isVisible() && ver->isVisible() && corner->isVisible());
    EXPECT_EQ(hor->width(), page->width() - ver->width());
    EXPECT_EQ(ver->height(), page->height() - hor->height());
    EXPECT_EQ(corner->geometry().bottomRight(), QPoint(page->width() - 1, page->height() - 1));
    EXPECT_EQ(hor->maximum(), 10785 - twipsFromPixels(page->width()));
    EXPECT_EQ(ver->maximum(), 9540 - twipsFromPixels(page->height()));
}

TEST_F(LoadFileTest, ScrollingFiveHundredTwipsAndBackRestoresTheDesign)
{
    doubleClickFile(QStringLiteral("and.net"));
    const auto design = controlPlaces();
    page->resizeOuterTwips(9000, 7000);
    auto* ver = control<QScrollBar>(QStringLiteral("VerFormScroll"));
    ver->setValue(500);
    for (const auto& [name, place] : controlPlaces())
        EXPECT_EQ(place, design.at(name) - QPoint(0, pixelsFromTwips(500))) << name.toStdString();
    ver->setValue(0);
    EXPECT_EQ(controlPlaces(), design);
}

TEST_F(LoadFileTest, EnlargingAfterScrollingShowsTheDesignPlacesAgain)
{
    const auto design = controlPlaces();
    page->resizeOuterTwips(9000, 7000);
    control<QScrollBar>(QStringLiteral("HorFormScroll"))->setValue(450);
    control<QScrollBar>(QStringLiteral("VerFormScroll"))->setValue(500);
    page->resizeOuterTwips(12000, 11000);
    EXPECT_FALSE(control<QWidget>(QStringLiteral("HorFormScroll"))->isVisible());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("VerFormScroll"))->isVisible());
    EXPECT_EQ(controlPlaces(), design);
}

}  // namespace
}  // namespace vantorelle
