// SPDX-License-Identifier: GPL-3.0-or-later
// The generalization page: the header check on a double-click, the refusals
// of "Read The New File", and a successful read that keeps the weights.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "Generalize.h"
#include "HubFixture.h"

namespace vantorelle {
namespace {

const char* const Mismatch = "New file does not have the same number of inputs or outputs as the old!";
const char* const NotInput = "New file not input because it does not have the same number of inputs or outputs as the old!";

class GeneralizeTest : public HubFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"or.net", "letters.net"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/") + name, folder.filePath(name)));
        for (const char* name : {"ends_inside_header.net", "ends_inside_patterns.net"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_TEST_DATA "/") + name, folder.filePath(name)));
        QFile six(folder.filePath(QStringLiteral("six_patterns.net")));
        ASSERT_TRUE(six.open(QIODevice::WriteOnly));
        six.write("1, 0, 2, 6\n0 0  0 1  1 0  1 1  .5 .5  2 2\n0 1 1 1 0 1\n");
        six.close();

        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        HubFixture::SetUp();
        trainByHand();
        weights = net.Weights;
        page = open("Generalize");
        ASSERT_NE(page, nullptr);
    }

    void TearDown() override
    {
        HubFixture::TearDown();
        QDir::setCurrent(previousFolder);
    }

    QListWidget* files() { return control<QListWidget>(page, "File2"); }
    QListWidgetItem* file(const char* name)
    {
        const auto found = files()->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name;
        return found.isEmpty() ? nullptr : found.first();
    }
    void doubleClickFile(const char* name)
    {
        if (QListWidgetItem* item = file(name))
            doubleClickItem(files(), files()->row(item));
    }
    void selectFile(const char* name)
    {
        QListWidgetItem* item = file(name);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, files()->visualItemRect(item).center());
    }
    static ExpectedBox Critical(const char* text)
    {
        ExpectedBox box;
        box.title = ProgramTitle;
        box.textContains = text;
        box.icon = BoxIcon::Critical;
        box.buttons = BoxButtons::OKCancel;
        box.answer = Answer::Cancel;  // the answer makes no difference
        return box;
    }
    QString box(int index) { return control<QLineEdit>(page, QStringLiteral("OutputText_%1").arg(index).toLatin1().constData())->text(); }
    bool pageGone() { return QTest::qWaitFor([this] { return find("Generalize") == nullptr; }); }
    // The network's patterns are still those of and.net.
    void expectAndStill()
    {
        EXPECT_EQ(net.TrainingFileName, "and.net");
        EXPECT_EQ(net.NumPatterns, 4);
        EXPECT_EQ(net.DesiredOutputs(2, 1), 0);
        EXPECT_EQ(net.EpochCount, 40);
    }

    QTemporaryDir folder;
    QString previousFolder;
    Matrix weights;
    ScrollPage* page = nullptr;
    Generalize* generalize() const { return qobject_cast<Generalize*>(page); }
};

TEST_F(GeneralizeTest, OpensBrowsingTheWorkingFolderWithTheFileRowsHidden)
{
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Perceptron -- Load A Different File To Test Generalization"));
    EXPECT_EQ(page->size(), QSize(719, 634));
    EXPECT_EQ(control<QLabel>(page, "FileLabel")->text(),
              QStringLiteral("Use \"Double Clicks\" To Choose A New File For Testing The Current Network"));
    EXPECT_TRUE(control<QLabel>(page, "Label1")->text().contains(QStringLiteral("\"TestPerceptron\" form")));
    EXPECT_TRUE(control<QLabel>(page, "Label2")->text().contains(QStringLiteral("perceptron.  So make sure")));
    EXPECT_EQ(files()->count(), 5);
    EXPECT_TRUE(files()->selectedItems().isEmpty());
    for (const char* name : {"Label8_0", "Label8_4", "OutputText_0", "OutputText_3"})
        EXPECT_FALSE(control<QWidget>(page, name)->isVisible()) << name;
}

TEST_F(GeneralizeTest, MatchingFileIsShownThenReadKeepingTheWeights)
{
    net.FreshStart = true;
    doubleClickFile("six_patterns.net");
    EXPECT_EQ(box(0), QStringLiteral("six_patterns.net"));
    EXPECT_EQ(box(1), QStringLiteral("1"));
    EXPECT_EQ(box(2), QStringLiteral("2"));
    EXPECT_EQ(box(3), QStringLiteral("6"));
    EXPECT_TRUE(control<QWidget>(page, "OutputText_3")->isVisible());
    EXPECT_FALSE(generalize()->mismatch());
    expectAndStill();  // the check reads nothing into the network

    press(page, "ReadNewFile");
    ASSERT_TRUE(pageGone());
    EXPECT_EQ(net.TrainingFileName, "six_patterns.net");
    EXPECT_EQ(net.NumPatterns, 6);
    EXPECT_EQ(net.NumResponses, 6);
    EXPECT_EQ(net.InputPatterns(5, 1), 0.5);
    EXPECT_EQ(net.DesiredOutputs(6, 1), 1);
    EXPECT_FALSE(net.FreshStart);
    EXPECT_EQ(net.EpochCount, 0);
    EXPECT_EQ(net.Weights(1, 1), weights(1, 1));
    EXPECT_EQ(net.Weights(2, 1), weights(2, 1));
    EXPECT_EQ(net.OutputUnits[1].Threshold, -3);
}

TEST_F(GeneralizeTest, MismatchingFileIsRefusedUntilAMatchingOneIsChecked)
{
    dialogs.expect(Critical(Mismatch));
    doubleClickFile("letters.net");
    EXPECT_TRUE(generalize()->mismatch());
    EXPECT_EQ(box(2), QStringLiteral("35"));
    dialogs.expect(Critical(NotInput));
    press(page, "ReadNewFile");
    dialogs.verifyDone();
    expectAndStill();
    EXPECT_NE(find("Generalize"), nullptr);

    // The verdict belongs to the last double-click, not to the selection.
    selectFile("or.net");
    dialogs.expect(Critical(NotInput));
    press(page, "ReadNewFile");
    dialogs.verifyDone();
    expectAndStill();

    doubleClickFile("or.net");
    EXPECT_FALSE(generalize()->mismatch());
    press(page, "ReadNewFile");
    ASSERT_TRUE(pageGone());
    EXPECT_EQ(net.TrainingFileName, "or.net");
    EXPECT_EQ(net.DesiredOutputs(2, 1), 1);
}

TEST_F(GeneralizeTest, FileChosenWithASingleClickIsCheckedBeforeItIsRead)
{
    selectFile("letters.net");
    dialogs.expect(Critical(NotInput));
    press(page, "ReadNewFile");
    dialogs.verifyDone();
    expectAndStill();
    EXPECT_EQ(net.NumInputs, 2);
    EXPECT_EQ(net.NumOutputs, 1);
    EXPECT_NE(find("Generalize"), nullptr);
}

TEST_F(GeneralizeTest, UnreadableFilesGetTheReadersMessageAndChangeNothing)
{
    dialogs.expect(ExpectedErrorReport("\"ends_inside_header.net\" cannot be used"));
    doubleClickFile("ends_inside_header.net");
    dialogs.verifyDone();
    EXPECT_FALSE(control<QWidget>(page, "OutputText_0")->isVisible());
    EXPECT_FALSE(generalize()->mismatch());

    // A sound header over a file that ends too early: the check passes, the read does not.
    doubleClickFile("ends_inside_patterns.net");
    EXPECT_EQ(box(3), QStringLiteral("4"));
    dialogs.expect(ExpectedErrorReport("\"ends_inside_patterns.net\" cannot be used"));
    press(page, "ReadNewFile");
    dialogs.verifyDone();
    expectAndStill();
    EXPECT_NE(find("Generalize"), nullptr);
}

TEST_F(GeneralizeTest, NothingSelectedAndExitReadNothing)
{
    dialogs.expect(Critical("No file name has been selected!"));
    press(page, "ReadNewFile");
    dialogs.verifyDone();
    doubleClickFile("or.net");
    press(page, "Command2");
    ASSERT_TRUE(pageGone());
    expectAndStill();
}

}  // namespace
}  // namespace vantorelle
