// SPDX-License-Identifier: GPL-3.0-or-later
// The training-set page used as a student would: numbers typed into cells,
// rows and columns changed with the buttons, cells pasted from a
// spreadsheet, steps undone with the keys; then saved, read back by the
// training-file reader and trained on. Sets generated and split here are
// the core's, bit for bit.

#include "MakeTrainingSetFixture.h"

namespace vantorelle {

using testing::ExpectSameSet;

// typed numbers, saved, read back

TEST_F(MakeTrainingSetTest, NumbersTypedIntoTheTableReadBackFromTheFileBitForBit)
{
    openPage();
    // One pattern of two inputs and one output to begin with.
    ASSERT_EQ(grid().rows.size(), 1u);
    click("AddRow");
    click("AddInput");
    const char* typed[2][4] = {{"0.1", "-0", "0.3333333333333333", "1"}, {"-2.5e10", "1e-300", "123456.789", "0"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            typeCell(r, c, local(typed[r][c]));
    TrainingSet want(2, 3, 1);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c)
            want.InputPatterns(r + 1, c + 1) = *ParseBoxNumber(local(typed[r][c]).toStdString(), SystemNumberLocale());
        want.DesiredOutputs(r + 1, 1) = *ParseBoxNumber(local(typed[r][3]).toStdString(), SystemNumberLocale());
    }
    ExpectSameSet(SetFromGrid(grid()), want);
    // Shown as typed, in the user's form.
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), local("0.1"));
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), local("-2.5e+10"));

    saveDialog.answer = path("typed");
    dialogs.expect({ProgramTitle, "typed.net", BoxIcon::Information});
    click("SaveSet");
    ExpectSameSet(ReadBack(path("typed.net")), want);
}

// editing with keys and mouse

TEST_F(MakeTrainingSetTest, RowsAndColumnsChangeWithTheButtonsAndEveryStepUndoesAndRedoes)
{
    openPage();
    typeCell(0, 0, local("0.5"));
    click("DuplicateRows");  // the clicked row
    click("DuplicateRows");
    ASSERT_EQ(grid().rows.size(), 3u);
    typeCell(2, 2, QStringLiteral("7"));
    clickCell(0, 1);
    clickCell(1, 1, Qt::ControlModifier);
    click("DeleteRows");
    ASSERT_EQ(grid().rows.size(), 1u);
    EXPECT_EQ(grid().rows[0], (std::vector<double>{0.5, 0, 7}));
    clickCell(0, 2);
    click("DuplicateColumn");
    EXPECT_EQ(grid().outputs, 2);
    EXPECT_EQ(grid().rows[0], (std::vector<double>{0.5, 0, 7, 7}));
    clickCell(0, 0);
    click("DeleteColumn");
    EXPECT_EQ(grid().inputs, 1);
    EXPECT_EQ(grid().rows[0], (std::vector<double>{0, 7, 7}));
    const SetGrid edited = grid();

    // Undone with Ctrl+Z to the start, redone with Ctrl+Shift+Z to the end.
    const int steps = page->table().undoStack().count();
    EXPECT_EQ(steps, 7);
    for (int n = 0; n < steps; ++n)
        keys(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{0, 0, 0}}));
    EXPECT_EQ(grid().inputs, 2);
    EXPECT_FALSE(control<QPushButton>("UndoEdit")->isEnabled());
    for (int n = 0; n < steps; ++n)
        keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid(), edited);
    // The buttons do the same.
    click("UndoEdit");
    EXPECT_EQ(grid().inputs, 2);
    click("RedoEdit");
    EXPECT_EQ(grid(), edited);
}

TEST_F(MakeTrainingSetTest, SpreadsheetCellsPasteFromTheClickedCellAddingRowsAndUndoAsOneStep)
{
    openPage();
    click("AddInput");
    const QString block = local("1.5") + "\t2\t-3\r\n" + local("0.25") + "\t  5 \t6\r\n";
    QApplication::clipboard()->setText(block);
    ASSERT_EQ(QApplication::clipboard()->text(), block) << "no clipboard on this platform";
    clickCell(0, 1);
    keys(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(grid().rows.size(), 2u);
    EXPECT_EQ(grid().rows[0], (std::vector<double>{0, 1.5, 2, -3}));
    EXPECT_EQ(grid().rows[1], (std::vector<double>{0, 0.25, 5, 6}));
    // Copied back out as the same cells.
    clickCell(0, 1);
    clickCell(1, 3, Qt::ShiftModifier);
    keys(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), local("1.5") + "\t2\t-3\n" + local("0.25") + "\t5\t6\n");
    keys(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{0, 0, 0, 0}}));
}

TEST_F(MakeTrainingSetTest, EscapeCancelsATypedCellFirstThenClosesThePage)
{
    openPage();
    clickCell(0, 0);
    QTest::keyClick(view, Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([this] { return view->indexWidget(view->currentIndex()) != nullptr; }, 120000));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QTest::keyClick(page->windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return view->indexWidget(view->currentIndex()) == nullptr; }, 120000));
    EXPECT_EQ(grid().rows[0][0], 0.0);
    EXPECT_NE(pages.find(PageNames::MakeTrainingSet), nullptr);
    QTest::keyClick(page->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([this] { return pages.find(PageNames::MakeTrainingSet) == nullptr; }, 120000));
}

// bad input

TEST_F(MakeTrainingSetTest, ABadCellIsRefusedNamingItsRowAndColumnAndNothingChanges)
{
    openPage();
    click("AddRow");
    dialogs.expect(ExpectedErrorReport("Row 2, column 3 (Output 1): \"abc\" is not a number."));
    typeCell(1, 2, QStringLiteral("abc"));
    dialogs.verifyDone();
    EXPECT_EQ(grid().rows[1][2], 0.0);
    EXPECT_EQ(page->table().undoStack().count(), 1);  // the row added

    // A paste with one bad cell pastes nothing; the cell is named where it would have gone.
    QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\tx\n4\t5\n"));
    clickCell(0, 1);
    dialogs.expect(ExpectedErrorReport("Row 2, column 3 (Output 1): \"x\" is not a number."));
    click("PasteCells");
    dialogs.verifyDone();
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{0, 0, 0}, {0, 0, 0}}));
    // Too wide for the columns left.
    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n"));
    dialogs.expect(ExpectedErrorReport("from column 2 the table has only 2 columns"));
    click("PasteCells");
    dialogs.verifyDone();
    // An empty cell.
    QApplication::clipboard()->setText(QStringLiteral("1\t\n"));
    dialogs.expect(ExpectedErrorReport("Row 1, column 3 (Output 1): is empty."));
    click("PasteCells");
    dialogs.verifyDone();
    EXPECT_EQ(page->table().undoStack().count(), 1);
}

TEST_F(MakeTrainingSetTest, ASetBeyondTheTrainingFilesLimitsIsRefusedInTheReadersWordsAndNothingIsWritten)
{
    openPage();
    saveDialog.answer = path("refused.net");
    // No pattern left.
    click("DeleteRows");
    ASSERT_TRUE(grid().rows.empty());
    dialogs.expect(ExpectedErrorReport("cannot be saved as a training file: the number of patterns"));
    click("SaveSet");
    dialogs.verifyDone();
    click("UndoEdit");
    // Two outputs times 16384 patterns: one response past the limit.
    click("AddOutput");
    QString rows;
    for (int n = 0; n < 16384; ++n)
        rows += QStringLiteral("0\t1\t0\t1\n");
    QApplication::clipboard()->setText(rows);
    clickCell(0, 0);
    click("PasteCells");
    ASSERT_EQ(grid().rows.size(), 16384u);
    dialogs.expect(ExpectedErrorReport("2 outputs times 16384 patterns make 32768 responses"));
    click("SaveSet");
    dialogs.verifyDone();
    EXPECT_TRUE(saveDialog.asked.empty());
    EXPECT_FALSE(QFileInfo::exists(path("refused.net")));
}

// generate, split, save, train

TEST_F(MakeTrainingSetTest, GeneratedCloudsSplitIntoTwoFilesThatAreTheCoresSetAndSplit)
{
    openPage();
    auto* kind = control<QComboBox>("SetKind");
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_End);  // Letters
    QTest::keyClick(kind, Qt::Key_Up);   // Gaussian Clouds
    ASSERT_EQ(kind->currentText(), QStringLiteral("Gaussian Clouds"));
    control<QSpinBox>("Classes")->setValue(3);
    control<QSpinBox>("PerClass")->setValue(20);
    control<QSpinBox>("Seed")->setValue(5);
    click("Generate");

    CloudParams params;
    params.classes = 3;
    params.perClass = 20;
    MersenneRandom random(5);
    const TrainingSet clouds = CloudSet(params, random);
    ExpectSameSet(SetFromGrid(grid()), clouds);

    auto* percent = control<QLineEdit>("HoldOutPercent");
    percent->selectAll();
    QTest::keyClicks(percent, QStringLiteral("25"));
    saveDialog.answer = path("clouds.net");
    dialogs.expect({ProgramTitle, "The 15 patterns held out are in", BoxIcon::Information});
    click("SaveSet");
    MersenneRandom splitRandom(5);
    const SplitSets split = SplitSet(clouds, 15, splitRandom);
    ExpectSameSet(ReadBack(path("clouds.net")), split.kept);
    ExpectSameSet(ReadBack(path("clouds-test.net")), split.heldOut);

    // A share that leaves nothing to train on writes nothing.
    percent->selectAll();
    QTest::keyClicks(percent, local("99.5"));
    dialogs.expect(ExpectedErrorReport("leaves none to train on"));
    click("SaveSet");
    EXPECT_EQ(saveDialog.asked.size(), 1u);
}

TEST_F(MakeTrainingSetTest, GeneratorParametersThatCannotMakeASetAreRefusedAndTheTableStays)
{
    openPage();
    auto* kind = control<QComboBox>("SetKind");
    kind->setCurrentIndex(kind->findText(QStringLiteral("Gaussian Clouds")));
    auto* spread = control<QLineEdit>("Spread");
    spread->selectAll();
    QTest::keyClicks(spread, QStringLiteral("wide"));
    dialogs.expect(ExpectedErrorReport("The Gaussian Clouds set cannot be made: the spread, \"wide\", is not a number."));
    click("Generate");
    dialogs.verifyDone();
    kind->setCurrentIndex(kind->findText(QStringLiteral("Letters")));
    EXPECT_FALSE(spread->isEnabled());
    auto* noise = control<QLineEdit>("Noise");
    noise->selectAll();
    QTest::keyClicks(noise, local("1.5"));
    dialogs.expect(ExpectedErrorReport("The Letters set cannot be made: the noise"));
    click("Generate");
    dialogs.verifyDone();
    EXPECT_EQ(page->table().undoStack().count(), 0);
}

TEST_F(MakeTrainingSetTest, ParityFromTheLoadFilePageIsSavedAndOpensOnTheSetUpPage)
{
    ASSERT_TRUE(pages.open(PageNames::LoadFile));
    QTest::mouseClick(qt_testing::FindControl<QPushButton>(pages.find(PageNames::LoadFile), "MakeTrainingSet"),
                      Qt::LeftButton);
    openPage();
    auto* kind = control<QComboBox>("SetKind");
    kind->setCurrentIndex(kind->findText(QStringLiteral("Parity")));
    control<QSpinBox>("LogicInputs")->setValue(4);
    click("Generate");
    EXPECT_EQ(grid().rows.size(), 16u);
    saveDialog.answer = path("parity4");
    click("SaveAndTrain");

    ASSERT_TRUE(QTest::qWaitFor([this] { return pages.find(PageNames::MakeTrainingSet) == nullptr; }, 120000));
    EXPECT_NE(pages.find(PageNames::Perceptron), nullptr);
    EXPECT_EQ(pages.find(PageNames::LoadFile), nullptr);
    EXPECT_EQ(net.TrainingFileName, "parity4.net");
    ExpectSameSet(SetOf(net), LogicSet(LogicFunction::Xor, 4));
}

TEST_F(MakeTrainingSetTest, TheHubOpensThePageOnTheSetInUse)
{
    ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/xor.net").ok);
    net.TrainingFileName = "xor.net";
    net.FreshStart = true;
    ASSERT_TRUE(pages.open(PageNames::Perceptron));
    ScrollPage* hub = pages.open(PageNames::TestPerceptron);
    ASSERT_NE(hub, nullptr);
    auto* list = qt_testing::FindControl<QListWidget>(hub, "ContinueList");
    ASSERT_EQ(list->item(5)->text(), QStringLiteral("Make Or Edit A Training Set"));
    qt_testing::DoubleClickItem(*list->item(5));
    page = qobject_cast<MakeTrainingSet*>(pages.find(PageNames::MakeTrainingSet));
    ASSERT_NE(page, nullptr);
    ExpectSameSet(SetFromGrid(grid()), SetOf(net));
    // Opening is no step to undo.
    EXPECT_EQ(page->table().undoStack().count(), 0);
}

}  // namespace vantorelle
