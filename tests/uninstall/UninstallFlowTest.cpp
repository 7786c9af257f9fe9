// SPDX-License-Identifier: GPL-3.0-or-later
// The uninstaller's windows driven with the scripted platform: what is started,
// shown and ended, and the status line at each of those moments.

#include "FindControl.h"
#include "ListClicks.h"
#include "LocateLists.h"
#include "Program.h"
#include "QStringPrinter.h"
#include "ScriptedPlatform.h"
#include "Start.h"
#include "Uninstall.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace uninstaller {
namespace {

const QString LogMissing = QStringLiteral(
    "The installation log file is not in the expected location.\rUninstall cannot run.\r"
    "Please try using the add/remove programs option in the control panel.");
const QString NotLocated = QStringLiteral(
    "A necessary executable file cannot be found.\rUninstall cannot run.\r"
    "Please try using the add/remove programs option in the control panel.");
const QString Error = QStringLiteral(
    "Error - Uninstall cannot run.\rPlease try using the add/remove programs option in the control panel.");
const QString Checking = QStringLiteral("Checking for ST6UNST.LOG...");
const QString Running = QStringLiteral("File found.  Running Uninstallation...");
// Our own, before starting a file found outside the Windows folder /WINDOWS.
const QString FoundElsewhere = QStringLiteral(
    "ST6UNST.EXE is not in \"/WINDOWS\", where it is normally found.\rIt was found at \"%1\".\r"
    "Start this file to uninstall Vantorelle?");

// A top-level window of the program by its name, visible or not.
QWidget* Window(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget() && window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget() && window->isVisible())
            names.append(window->objectName());
    }
    return names;
}

void DoubleClick(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr);
    qt_testing::DoubleClickItem(*item);
}

int RowOfFolder(FolderBox* list, const QString& path)
{
    for (int row = 0; row < list->count(); ++row) {
        if (FolderBox::folderOf(list->item(row)) == path)
            return row;
    }
    ADD_FAILURE() << "folder not listed: " << path.toStdString();
    return 0;
}

class UninstallFlow : public testing::Test {
protected:
    void SetUp() override
    {
        platform.files = {QStringLiteral("/APP/ST6UNST.LOG")};
        start = new Start(state, platform);
        start->show();
    }

    void TearDown() override
    {
        platform.releaseSearch();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->parentWidget())
                window->close();
        }
        // Deleting the progress window stops and waits for its search, which
        // uses the platform: this must happen before the platform goes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void clickYes() { QTest::mouseClick(qt_testing::FindControl<QPushButton>(start, "Yes"), Qt::LeftButton); }

    bool waitForEnd() { return QTest::qWaitFor([this] { return platform.ends > 0; }, 30000); }

    ScriptedPlatform platform;
    ProgramState state;
    QPointer<Start> start;
};

// confirmation window

TEST_F(UninstallFlow, CancelEndsWithNoOtherWindow)
{
    EXPECT_EQ(start->windowTitle(), "Uninstall");
    EXPECT_EQ(qt_testing::FindControl<QLabel>(start, "Label1")->text(), "Uninstall Vantorelle?");
    EXPECT_EQ(qt_testing::FindControl<QPushButton>(start, "Yes")->text(), "Yes");
    EXPECT_EQ(state.locatePageFlag, 0);

    QTest::mouseClick(qt_testing::FindControl<QPushButton>(start, "Cancel"), Qt::LeftButton);

    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
    EXPECT_EQ(Window("Uninstall"), nullptr);
}

// the log check

class MissingLog : public UninstallFlow, public testing::WithParamInterface<bool> {};

TEST_P(MissingLog, GivesTheLogMissingMessageAndStartsNothing)
{
    platform.files.clear();
    if (GetParam())
        platform.files.insert(QStringLiteral("/WINDOWS/ST6UNST.EXE"));

    clickYes();

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, LogMissing);
    EXPECT_EQ(platform.messages[0].statusLine, Checking);
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_EQ(platform.searches(), 0);
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(ExecutablePresentOrNot, MissingLog, testing::Bool());

// finding the uninstaller

TEST_F(UninstallFlow, UninstallerInTheWindowsFolderGetsTheLogAsArguments)
{
    platform.files.insert(QStringLiteral("/WINDOWS/ST6UNST.EXE"));

    clickYes();

    ASSERT_EQ(platform.starts.size(), 1u);
    EXPECT_EQ(platform.starts[0].program, "/WINDOWS/ST6UNST.EXE");
    EXPECT_EQ(platform.starts[0].arguments, QStringList({"-n", "/APP/ST6UNST.LOG"}));
    EXPECT_EQ(platform.starts[0].statusLine, Running);
    EXPECT_EQ(state.executableName, "ST6UNST.EXE");
    EXPECT_EQ(state.logPath, "/APP/ST6UNST.LOG");
    EXPECT_EQ(platform.searches(), 0);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.questions.empty()) << "asked about the file in its usual place";
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
}

TEST_F(UninstallFlow, UninstallerFoundOnlyByTheTreeSearchRunsOnceTheUserSaysWhich)
{
    platform.searchFinds = QStringLiteral("/APP/setup kit/ST6UNST.EXE");
    platform.holdSearch();

    clickYes();

    // The click has returned while the search is held: the window is up with
    // its status line and the event loop is free to paint it.
    auto* progress = qobject_cast<Uninstall*>(Window("Uninstall"));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->windowTitle(), "Uninstalling Vantorelle");
    EXPECT_EQ(qt_testing::FindControl<QLabel>(progress, "Label1")->text(), "Uninstalling Vantorelle ....");
    EXPECT_EQ(StatusLine(), Checking);
    EXPECT_TRUE(progress->searching());
    EXPECT_TRUE(QTest::qWaitFor([this] { return start.isNull(); }, 30000)) << "the confirmation window stayed";
    ASSERT_TRUE(QTest::qWaitFor([this] { return platform.searches() == 1; }, 30000));
    EXPECT_FALSE(progress->grab().isNull());
    EXPECT_TRUE(platform.starts.empty());

    platform.releaseSearch();
    ASSERT_TRUE(waitForEnd());

    EXPECT_EQ(platform.searchedRoots(), QStringList({"/WINDOWS", "/APP"}));
    EXPECT_EQ(platform.searchedName(), "ST6UNST.EXE");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, FoundElsewhere.arg("/APP/setup kit/ST6UNST.EXE"));
    EXPECT_EQ(platform.questions[0].statusLine, Checking);
    EXPECT_EQ(platform.questions[0].startsBefore, 0u);
    ASSERT_EQ(platform.starts.size(), 1u);
    EXPECT_EQ(platform.starts[0].program, "/APP/setup kit/ST6UNST.EXE");
    EXPECT_EQ(platform.starts[0].arguments, QStringList({"-n", "/APP/ST6UNST.LOG"}));
    EXPECT_EQ(platform.starts[0].statusLine, Running);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UninstallFlow, ClosingTheWindowDuringTheSearchStopsIt)
{
    platform.searchFinds = QStringLiteral("/opt/ST6UNST.EXE");
    platform.holdSearch();
    clickYes();
    ASSERT_TRUE(QTest::qWaitFor([this] { return platform.searches() == 1; }, 30000));

    // Held searches give up only when told to stop: deleting the window must
    // say so, or this would wait for ever.
    Window("Uninstall")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(Window("Uninstall"), nullptr);
    EXPECT_EQ(platform.stoppedSearches(), 1);
    QTest::qWait(0);
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Window("NotFound"), nullptr);
}

TEST_F(UninstallFlow, FailureToStartGivesTheErrorMessageAndEnds)
{
    platform.files.insert(QStringLiteral("/WINDOWS/ST6UNST.EXE"));
    platform.startWorks = false;

    clickYes();

    EXPECT_EQ(platform.starts.size(), 1u);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, Error);
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
}

// where the search looks, and what may be started

TEST_F(UninstallFlow, SearchLooksOnlyInTheInstallationsOwnFolders)
{
    // A source tree left in a temporary folder, as anyone may leave one.
    platform.searchFinds = QStringLiteral("/tmp/src/uninstall/ST6UNST.EXE");

    clickYes();

    ASSERT_TRUE(QTest::qWaitFor([] { return Window("NotFound") != nullptr; }, 30000));
    EXPECT_EQ(platform.searchedRoots(), QStringList({"/WINDOWS", "/APP"}));
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UninstallFlow, NoToTheFileFoundElsewhereOpensTheLocatePage)
{
    platform.searchFinds = QStringLiteral("/APP/ST6UNST.EXE");
    platform.answerYes = false;

    clickYes();

    ASSERT_TRUE(QTest::qWaitFor([] { return Window("NotFound") != nullptr; }, 30000));
    EXPECT_EQ(VisibleWindows(), QStringList{"NotFound"});
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, FoundElsewhere.arg("/APP/ST6UNST.EXE"));
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_EQ(platform.ends, 0);
}

TEST_F(UninstallFlow, UninstallerOthersMayChangeIsNotStartedFromTheWindowsFolder)
{
    platform.files.insert(QStringLiteral("/WINDOWS/ST6UNST.EXE"));
    platform.risks.insert(QStringLiteral("/WINDOWS/ST6UNST.EXE"),
                          {RunRisk::FileWritable, "/WINDOWS/ST6UNST.EXE"});

    clickYes();

    EXPECT_TRUE(platform.starts.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "\"/WINDOWS/ST6UNST.EXE\" was not started: "
                                         "users other than its owner may change it.\rUninstall cannot run.");
    EXPECT_EQ(platform.searches(), 0);
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
}

TEST_F(UninstallFlow, UninstallerFoundInAFolderOthersMayChangeIsNotOfferedNorStarted)
{
    platform.searchFinds = QStringLiteral("/APP/tmp/ST6UNST.EXE");
    platform.risks.insert(*platform.searchFinds, {RunRisk::FolderWritable, "/APP/tmp"});

    clickYes();

    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_TRUE(platform.questions.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "\"/APP/tmp/ST6UNST.EXE\" was not started: users other than its owner may change the folder "
              "\"/APP/tmp\".\rUninstall cannot run.");
    EXPECT_EQ(Window("NotFound"), nullptr);
}

TEST_F(UninstallFlow, SearchThatFailsWithAnErrorOpensTheLocatePage)
{
    platform.searchThrows = true;

    clickYes();

    ASSERT_TRUE(QTest::qWaitFor([] { return Window("NotFound") != nullptr; }, 30000));
    EXPECT_EQ(VisibleWindows(), QStringList{"NotFound"});
    EXPECT_EQ(state.locatePageFlag, 1);
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.ends, 0);
}

// the locate page, over a real folder tree:
//   start/ST6UNST.EXE           where the page opens
//   start/holds it/ST6UNST.EXE
//   start/lower/st6unst.exe     listed (any letter case), not the uninstaller
//   start/gone/                 removed once listed

class LocatePage : public UninstallFlow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.isValid());
        startFolder = tree.filePath(QStringLiteral("start"));
        for (const char* folder : {"start/holds it", "start/lower", "start/gone"})
            ASSERT_TRUE(QDir(tree.path()).mkpath(QLatin1String(folder)));
        for (const char* file : {"start/ST6UNST.EXE", "start/holds it/ST6UNST.EXE", "start/lower/st6unst.exe"}) {
            QFile touch(tree.filePath(QLatin1String(file)));
            ASSERT_TRUE(touch.open(QIODevice::WriteOnly));
        }
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(startFolder));

        UninstallFlow::SetUp();
        clickYes();
        ASSERT_TRUE(QTest::qWaitFor([] { return Window("NotFound") != nullptr; }, 30000));
        page = Window("NotFound");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
        folders = qt_testing::FindControl<FolderBox>(page, "Dir1");
        files = qt_testing::FindControl<FileBox>(page, "File1");
        text = qt_testing::FindControl<QLineEdit>(page, "ExecutableText");
    }

    void TearDown() override
    {
        UninstallFlow::TearDown();
        QDir::setCurrent(previousFolder);
    }

    QTemporaryDir tree;
    QString startFolder;
    QString previousFolder;
    QWidget* page = nullptr;
    FolderBox* folders = nullptr;
    FileBox* files = nullptr;
    QLineEdit* text = nullptr;
};

TEST_F(LocatePage, OpensInTheCurrentFolderAndHidesTheProgressWindow)
{
    EXPECT_EQ(page->windowTitle(), "Executable Not Found");
    EXPECT_EQ(qt_testing::FindControl<QLabel>(page, "Label1")->text(),
              "The executable file \"ST6UNST.EXE\" could not be found.  Please indicate its location.  "
              "(It is normally found in the \"Windows\" directory.)");
    EXPECT_EQ(qt_testing::FindControl<QLabel>(page, "Label2")->text(), "If unable to find file please press continue.");
    EXPECT_EQ(qt_testing::FindControl<QPushButton>(page, "Continue")->text(), "Continue");
    EXPECT_EQ(text->text(), "File not found.");
    EXPECT_EQ(VisibleWindows(), QStringList{"NotFound"});
    EXPECT_EQ(folders->path(), startFolder);
    EXPECT_EQ(files->count(), 1);
    EXPECT_EQ(state.locatePageFlag, 1);
}

TEST_F(LocatePage, DoubleClickOnAFileOnlyFillsTheTextBox)
{
    DoubleClick(files, 0);

    EXPECT_EQ(text->text(), "ST6UNST.EXE");
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_EQ(platform.ends, 0);
    EXPECT_TRUE(page->isVisible());
}

TEST_F(LocatePage, NameInAnotherLetterCaseIsShownButNotStarted)
{
    DoubleClick(folders, RowOfFolder(folders, startFolder + "/lower"));

    EXPECT_EQ(folders->path(), startFolder + "/lower");
    EXPECT_EQ(text->text(), "st6unst.exe");
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_TRUE(page->isVisible());
}

TEST_F(LocatePage, EnteringAFolderThatHoldsTheUninstallerStartsItAtOnce)
{
    DoubleClick(folders, RowOfFolder(folders, startFolder + "/holds it"));

    ASSERT_EQ(platform.starts.size(), 1u);
    EXPECT_EQ(platform.starts[0].program, startFolder + "/holds it/ST6UNST.EXE");
    EXPECT_EQ(platform.starts[0].arguments, QStringList({"-n", "/APP/ST6UNST.LOG"}));
    EXPECT_EQ(platform.starts[0].statusLine, Running);
    EXPECT_EQ(state.locatedFlag, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
}

TEST_F(LocatePage, UninstallerOfAnotherUserIsRefusedAndThePageStays)
{
    const QString theirs = startFolder + "/holds it/ST6UNST.EXE";
    platform.risks.insert(theirs, {RunRisk::FileOwner, QFile::encodeName(theirs).toStdString()});

    DoubleClick(folders, RowOfFolder(folders, startFolder + "/holds it"));

    EXPECT_TRUE(platform.starts.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "\"" + theirs + "\" was not started: it belongs to another user.");
    EXPECT_EQ(text->text(), "ST6UNST.EXE");
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(platform.ends, 0);

    // The user can still give up as before.
    QTest::mouseClick(qt_testing::FindControl<QPushButton>(page, "Continue"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, NotLocated);
    EXPECT_TRUE(platform.starts.empty());
}

TEST_F(LocatePage, ContinueGivesTheNotLocatedMessageAndEnds)
{
    QTest::mouseClick(qt_testing::FindControl<QPushButton>(page, "Continue"), Qt::LeftButton);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, NotLocated);
    EXPECT_EQ(platform.messages[0].statusLine, "File Not Found.");
    EXPECT_EQ(state.locatedFlag, 0);
    EXPECT_TRUE(platform.starts.empty());
    EXPECT_EQ(platform.ends, 1);
    EXPECT_TRUE(VisibleWindows().isEmpty()) << VisibleWindows().join(',').toStdString();
}

TEST_F(LocatePage, FolderThatCannotBeOpenedIsRefusedWithAMessage)
{
    const int row = RowOfFolder(folders, startFolder + "/gone");
    ASSERT_TRUE(QDir(startFolder).rmdir(QStringLiteral("gone")));

    DoubleClick(folders, row);

    EXPECT_EQ(folders->path(), startFolder);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The folder \"" + startFolder + "/gone\" cannot be opened.");
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(platform.ends, 0);
}

}  // namespace
}  // namespace uninstaller
