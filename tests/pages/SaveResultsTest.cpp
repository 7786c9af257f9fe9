// SPDX-License-Identifier: GPL-3.0-or-later
// The save-results page, driven as a user would: names typed into scripted
// input boxes, files clicked, buttons pressed; the written report read back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>

#include "CoreTexts.h"
#include "FindControl.h"
#include "FolderList.h"
#include "NetworkBuilders.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "QStringPrinter.h"
#include "SaveResults.h"
#include "ScriptedDialogs.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

std::string ReadAll(const QString& path)
{
    std::ifstream in(QFile::encodeName(path).constData(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const QString& path, const std::string& bytes)
{
    std::ofstream out(QFile::encodeName(path).constData(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class SaveResultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const ReadResult read = ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net");
        ASSERT_TRUE(read.ok) << read.message;
        net.TrainingFileName = "and.net";
        testing::GiveAndTrainedWeights(net);
        WriteAll(folder.filePath(QStringLiteral("earlier.txt")), "earlier report");
        WriteAll(folder.filePath(QStringLiteral("and.net")), "1 2 1\n");

        // The lists start at the program's current folder.
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        openPage();
    }

    void TearDown() override
    {
        page.reset();
        QDir::setCurrent(previousFolder);
        dialogs.verifyDone();
    }

    void openPage()
    {
        page = std::make_unique<SaveResults>(net, memory, dialogs);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    template <typename T>
    T* control(const char* name)
    {
        return qt_testing::FindControl<T>(page.get(), name);
    }
    QString label() { return control<QLabel>("FileNameLabel")->text(); }
    QColor labelColour() { return control<QLabel>("FileNameLabel")->palette().color(QPalette::Window); }
    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QStringList listed()
    {
        QStringList names;
        auto* list = control<QListWidget>("File1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    void clickFile(const QString& name)
    {
        auto* list = control<QListWidget>("File1");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }
    void typeFileName(std::optional<std::string> reply)
    {
        dialogs.expectInput({"Name File", std::move(reply)});
        press("FileButton");
    }
    void typeFolderName(std::optional<std::string> reply)
    {
        dialogs.expectInput({"Create Directory", std::move(reply)});
        press("DirButton");
    }
    QString inFolder(const char* name) { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    QString previousFolder;
    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    std::unique_ptr<SaveResults> page;
};

// the form

TEST_F(SaveResultsTest, SectionBoxesInReportOrderWithTheirFirstChecks)
{
    EXPECT_EQ(page->windowTitle(), "Save Results To A Text File -- Tarvik Neural Network Code");
    const int order[] = {1, 2, 3, 4, 0, 5, 6};
    const char* captions[] = {"General Information (Training info etc.)", "Network Responses", "Network Errors",
                              "Connection Weights", "Input Patterns", "Output Patterns",
                              "Network SSE As A Function Of Sweeps"};
    int lastTop = -1;
    for (int n = 0; n < 7; ++n) {
        QCheckBox* box = page->check(order[n]);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), captions[n]);
        EXPECT_EQ(box->isChecked(), n < 4) << captions[n];
        EXPECT_GT(box->y(), lastTop);
        lastTop = box->y();
    }
    EXPECT_EQ(label(), "");
    EXPECT_EQ(listed(), QStringList{"earlier.txt"});
}

// names

TEST_F(SaveResultsTest, TypedNamesGetTxtUnlessTheyEndInExactlyTxt)
{
    typeFileName("run1");
    EXPECT_EQ(label(), "run1.txt");
    EXPECT_EQ(memory.ResultsFilePath, inFolder("run1.txt").toStdString());

    typeFileName("run2.txt");
    EXPECT_EQ(label(), "run2.txt");

    typeFileName("RUN1.TXT");
    EXPECT_EQ(label(), "RUN1.TXT.txt");
    EXPECT_EQ(memory.ResultsFilePath, inFolder("RUN1.TXT.txt").toStdString());

    // An empty or cancelled answer leaves no file chosen; the label keeps its text.
    typeFileName("");
    EXPECT_TRUE(memory.ResultsFilePath.empty());
    EXPECT_EQ(label(), "RUN1.TXT.txt");
    typeFileName("again");
    typeFileName(std::nullopt);
    EXPECT_TRUE(memory.ResultsFilePath.empty());
}

TEST_F(SaveResultsTest, NamesThatCannotBeFileNamesAreRefused)
{
    typeFileName("run1");
    for (const std::string& bad : {std::string("sub/run2"), std::string(".."), std::string("..."),
                                   std::string(300, 'a'), std::string(" "), std::string("   "), std::string(" \t")}) {
        dialogs.expect(ExpectedErrorReport("cannot be the name of a file"));
        typeFileName(bad);
        EXPECT_EQ(label(), "run1.txt") << bad;
        EXPECT_EQ(memory.ResultsFilePath, inFolder("run1.txt").toStdString()) << bad;
    }
}

TEST_F(SaveResultsTest, SavingWithNoFileChosenSaysSo)
{
    dialogs.expect(ExpectedErrorReport("No file has been chosen"));
    press("SaveFile");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"and.net", "earlier.txt"}));
}

// saving

TEST_F(SaveResultsTest, SavesTheChosenSectionsAndShowsTheStatus)
{
    for (int i = 0; i < 7; ++i)
        page->check(i)->setChecked(false);
    page->check(ErrorsSection)->setChecked(true);
    typeFileName("run1");
    press("SaveFile");

    const std::string report = ReadAll(inFolder("run1.txt"));
    EXPECT_EQ(report.rfind("Perceptron Training Program\r\r\n", 0), 0u);
    EXPECT_NE(report.find("After training, sum of squared error was: "), std::string::npos);
    EXPECT_EQ(report.find("Learning rule: "), std::string::npos);
    EXPECT_EQ(LineCount(report), 7 + 1 + 2 + 4 + 1);  // header, total, heading and rule, four patterns, rule
    EXPECT_EQ(label(), ShownText(std::string("run1.txt has been saved!")));
    EXPECT_EQ(labelColour(), QColor(0, 255, 0));
    // The new file is listed and selected.
    EXPECT_EQ(listed(), (QStringList{"earlier.txt", "run1.txt"}));
}

TEST_F(SaveResultsTest, OverwriteQuestionNoWritesNothingYesReplaces)
{
    clickFile(QStringLiteral("earlier.txt"));
    EXPECT_EQ(label(), "earlier.txt");
    EXPECT_EQ(memory.ResultsFilePath, inFolder("earlier.txt").toStdString());

    dialogs.expect({"Pre-existing Filename", "File already exists -- overwrite it?", BoxIcon::Question,
                    BoxButtons::YesNo, Answer::No});
    press("SaveFile");
    EXPECT_EQ(ReadAll(inFolder("earlier.txt")), "earlier report");
    EXPECT_EQ(label(), "earlier.txt");
    ASSERT_EQ(dialogs.shownBoxes().size(), 1u);
    EXPECT_EQ(dialogs.shownBoxes()[0].defaultButton, 1);  // No is the default

    dialogs.expect({"Pre-existing Filename", "File already exists", BoxIcon::Question, BoxButtons::YesNo, Answer::Yes});
    press("SaveFile");
    EXPECT_EQ(ReadAll(inFolder("earlier.txt")).rfind("Perceptron Training Program", 0), 0u);
    EXPECT_EQ(label(), ShownText(std::string("earlier.txt has been saved!")));
}

TEST_F(SaveResultsTest, AFailedWriteKeepsTheEarlierFileAndSaysSo)
{
    // A folder where the report should go: the writer cannot replace it.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.txt")));
    typeFileName("taken");
    dialogs.expect(ExpectedErrorReport("could not be saved"));
    press("SaveFile");
    EXPECT_EQ(label(), ShownText(std::string("taken.txt has not been saved!")));
    EXPECT_EQ(labelColour(), QColor(255, 0, 0));
    EXPECT_TRUE(QFileInfo(inFolder("taken.txt")).isDir());
}

TEST_F(SaveResultsTest, ASecondVisitSavesToTheEarlierPath)
{
    typeFileName("run1");
    press("SaveFile");
    page.reset();

    QDir::setCurrent(QDir::homePath());
    openPage();
    EXPECT_EQ(label(), "run1.txt");
    WriteAll(inFolder("run1.txt"), "old");
    dialogs.expect({"Pre-existing Filename", "overwrite", BoxIcon::Question, BoxButtons::YesNo, Answer::Yes});
    press("SaveFile");
    EXPECT_EQ(ReadAll(inFolder("run1.txt")).rfind("Perceptron Training Program", 0), 0u);
    EXPECT_EQ(label(), ShownText(std::string("run1.txt has been saved!")));
}

// folders

TEST_F(SaveResultsTest, ANewFolderBecomesCurrentAndTakesTheNextName)
{
    typeFolderName("results");
    const QString made = inFolder("results");
    EXPECT_TRUE(QFileInfo(made).isDir());
    EXPECT_EQ(QDir::currentPath(), made);
    EXPECT_EQ(page->findChild<FolderList*>(QStringLiteral("Dir1"))->path(), made);
    EXPECT_TRUE(listed().isEmpty());

    typeFileName("run1");
    EXPECT_EQ(memory.ResultsFilePath, (made + "/run1.txt").toStdString());
    press("SaveFile");
    EXPECT_TRUE(QFileInfo(made + "/run1.txt").isFile());
}

TEST_F(SaveResultsTest, FoldersThatCannotBeCreatedAreNamedAndTheListsStay)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("old")));
    struct Case {
        std::string name;
        std::string says;
    };
    for (const Case& c : {Case{"old", "\"" + inFolder("old").toStdString() + "\" cannot be created: it already exists"},
                          Case{"earlier.txt", "a file of that name is in the way"},
                          Case{"a/b", "cannot be the name of a folder"}, Case{"..", "cannot be the name of a folder"}}) {
        dialogs.expect(ExpectedErrorReport(c.says));
        typeFolderName(c.name);
        EXPECT_EQ(QDir::currentPath(), folder.path()) << c.name;
        EXPECT_EQ(page->findChild<FolderList*>(QStringLiteral("Dir1"))->path(), folder.path()) << c.name;
        EXPECT_EQ(listed(), QStringList{"earlier.txt"}) << c.name;
    }
    dialogs.expect(ExpectedErrorReport("A folder name cannot be made of blanks only."));
    typeFolderName("  ");
    EXPECT_EQ(listed(), QStringList{"earlier.txt"});
    EXPECT_FALSE(QFileInfo::exists(inFolder("  ")));
    // Nothing typed: nothing happens.
    typeFolderName("");
    typeFolderName(std::nullopt);
    EXPECT_EQ(QDir::currentPath(), folder.path());
}

}  // namespace
}  // namespace vantorelle
