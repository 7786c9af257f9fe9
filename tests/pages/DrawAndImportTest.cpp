// SPDX-License-Identifier: GPL-3.0-or-later
// The training-set page's drawing and CSV import used as a student would:
// points clicked, dragged and removed with real mouse events, every step
// undone from the keyboard, the table and the drawing showing one set; a
// CSV file opened, its columns chosen in the preview and imported, then
// saved and read back; and bad files refused with the reader's message
// while the table stays as it was.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <fstream>

#include "CoreTexts.h"
#include "CsvImport.h"
#include "CsvImportPanel.h"
#include "MakeTrainingSetFixture.h"
#include "NetworkPicture.h"
#include "SetDrawing.h"

namespace vantorelle {

using testing::ExpectSameSet;

class DrawAndImportTest : public MakeTrainingSetTest {
protected:
    void openTab(const char* tab)
    {
        openPage();
        auto* tabs = control<QTabWidget>("SetTabs");
        QWidget* shown = control<QWidget>(tab);
        tabs->setCurrentWidget(shown);
        plane = &page->drawing();
        ASSERT_TRUE(QTest::qWaitFor([shown] { return shown->isVisible(); }, 120000));
    }
    // The pixel of a place on the plane, as the mouse gives it.
    QPoint pixel(double x1, double x2) const { return plane->toPixel(x1, x2).toPoint(); }
    void chooseClass(int index) { control<QComboBox>("DrawClass")->setCurrentIndex(index); }
    int steps() { return page->table().undoStack().count(); }
    std::vector<double> row(int r) { return grid().rows[static_cast<std::size_t>(r)]; }
    // How far a click may land from where it was aimed: a pixel and the rounding.
    double slack() const { return 2 * (plane->range().right - plane->range().left) / plane->plotRect().width(); }

    void writeFile(const char* name, const std::string& text)
    {
        std::ofstream out(path(name).toStdString(), std::ios::binary);
        out << text;
    }
    void openCsv(const char* name)
    {
        csvDialog.answer = path(name);
        click("OpenCsv");
    }
    QComboBox* useBox(int column)
    {
        return control<QComboBox>(QStringLiteral("CsvColumnUse_%1").arg(column).toLatin1().constData());
    }

    SetDrawing* plane = nullptr;
};

// drawing with the mouse

TEST_F(DrawAndImportTest, ClicksAddPointsDragsMoveThemAndRightClicksAndDeleteRemoveThemAllUndoable)
{
    openTab("DrawTab");
    ASSERT_TRUE(plane->refusal().isEmpty());
    ASSERT_EQ(grid().rows, (std::vector<std::vector<double>>{{0, 0, 0}}));
    chooseClass(1);
    QTest::mouseClick(plane, Qt::LeftButton, {}, pixel(0.25, 0.75));
    chooseClass(0);
    QTest::mouseClick(plane, Qt::LeftButton, {}, pixel(0.8, 0.3));
    ASSERT_EQ(grid().rows.size(), 3u);
    EXPECT_NEAR(row(1)[0], 0.25, slack());
    EXPECT_NEAR(row(1)[1], 0.75, slack());
    EXPECT_EQ(row(1)[2], 1.0);
    EXPECT_NEAR(row(2)[0], 0.8, slack());
    EXPECT_EQ(row(2)[2], 0.0);
    // Short numbers in the table: rounded to a step finer than a pixel, not the pixel's long fraction.
    EXPECT_LE(page->table().cellText(row(1)[0]).size(), 6) << page->table().cellText(row(1)[0]).toStdString();
    EXPECT_EQ(plane->classOf(1), 1);
    EXPECT_EQ(plane->classOf(2), 0);

    // A drag, through several places, is one step; the table shows where it ends.
    const int beforeDrag = steps();
    const std::vector<double> dragStart = row(1);
    QTest::mousePress(plane, Qt::LeftButton, {}, pixel(dragStart[0], dragStart[1]));
    for (double x : {0.3, 0.4, 0.5})
        QTest::mouseMove(plane, pixel(x, 0.6));
    QTest::mouseRelease(plane, Qt::LeftButton, {}, pixel(0.5, 0.6));
    EXPECT_EQ(steps(), beforeDrag + 1);
    EXPECT_NEAR(row(1)[0], 0.5, slack());
    EXPECT_NEAR(row(1)[1], 0.6, slack());
    EXPECT_EQ(row(1)[2], 1.0);
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), page->table().cellText(row(1)[0]));
    const SetGrid drawn = grid();

    // Right-click removes the point under the mouse; Delete the selected one.
    QTest::mouseClick(plane, Qt::RightButton, {}, pixel(row(2)[0], row(2)[1]));
    ASSERT_EQ(grid().rows.size(), 2u);
    QTest::mouseClick(plane, Qt::LeftButton, {}, pixel(0, 0));  // selects the first point; adds nothing
    ASSERT_EQ(grid().rows.size(), 2u);
    EXPECT_EQ(plane->selectedPoint(), 0);
    QTest::keyClick(plane, Qt::Key_Delete);
    ASSERT_EQ(grid().rows.size(), 1u);
    EXPECT_EQ(row(0), drawn.rows[1]);

    // Undone with Ctrl+Z back to the one pattern the page opened with, and redone.
    const int all = steps();
    for (int n = 0; n < all; ++n)
        QTest::keyClick(plane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{0, 0, 0}}));
    for (int n = 0; n < 3; ++n)
        QTest::keyClick(plane, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid(), drawn);
    QTest::keyClick(plane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(1), dragStart);  // the drag undone at once
}

TEST_F(DrawAndImportTest, ManyOutputsDrawOneHotClassesEachWithItsOwnMarkerAndColour)
{
    openTab("DrawTab");
    auto* kind = control<QComboBox>("SetKind");
    kind->setCurrentIndex(kind->findText(QStringLiteral("Gaussian Clouds")));
    control<QSpinBox>("Classes")->setValue(3);
    control<QSpinBox>("PerClass")->setValue(10);
    click("Generate");
    ASSERT_EQ(grid().outputs, 3);
    auto* classes = control<QComboBox>("DrawClass");
    ASSERT_EQ(classes->count(), 3);
    // The plane fits the clouds.
    for (const auto& values : grid().rows) {
        EXPECT_GE(values[0], plane->range().left);
        EXPECT_LE(values[0], plane->range().right);
        EXPECT_GE(values[1], plane->range().bottom);
        EXPECT_LE(values[1], plane->range().top);
    }
    chooseClass(2);
    const QRect plot = plane->plotRect();
    QTest::mouseClick(plane, Qt::LeftButton, {}, plot.topLeft() + QPoint(3, 3));
    ASSERT_EQ(grid().rows.size(), 31u);
    const std::vector<double> added = row(30);
    EXPECT_EQ(std::vector<double>(added.begin() + 2, added.end()), (std::vector<double>{0, 0, 1}));
    EXPECT_EQ(plane->classOf(30), 2);
    // A click outside the plot adds nothing.
    QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(plot.right() + 30, plot.bottom()));
    EXPECT_EQ(grid().rows.size(), 31u);

    // Each class is drawn in its own shape: the pixel just above a triangle's
    // centre is covered, while a cross leaves the same pixel of the ground bare.
    for (int c = 0; c < 3; ++c) {
        const ViewPalette::MarkerShape shape = ViewPalette::seriesMarker(c);
        for (int other = 0; other < c; ++other)
            EXPECT_NE(ViewPalette::seriesMarker(other), shape);
        EXPECT_NE(ViewPalette::seriesColour(c), ViewPalette::seriesColour((c + 1) % 3));
    }
    const QImage picture = plane->grab().toImage();
    const QPointF at = plane->toPixel(row(30)[0], row(30)[1]) * picture.devicePixelRatio();
    EXPECT_EQ(picture.pixelColor(at.toPoint()), ViewPalette::seriesColour(2));
}

TEST_F(DrawAndImportTest, TheCurrentNetworksAnswerShowsUnderThePointsWhenItFits)
{
    ASSERT_TRUE(ReadTrainingFile(net, VANTORELLE_EXAMPLES "/and.net").ok);
    net.TrainingFileName = "and.net";
    net.LearningRule = RuleKind::Delta;
    net.MinError = 0.01;
    SizeUnitsAndWeights(net);
    // A step unit that answers 1 where x1 + x2 > 1.5.
    net.Weights(1, 1) = 1;
    net.Weights(2, 1) = 1;
    net.OutputUnits[1].Threshold = -1.5;
    openTab("DrawTab");
    ASSERT_TRUE(plane->showsNetwork());
    QImage picture = plane->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    auto colourAt = [&](double x1, double x2) { return picture.pixelColor((plane->toPixel(x1, x2) * ratio).toPoint()); };
    EXPECT_EQ(colourAt(0.5, 0.2), ViewPalette::shade(0));
    EXPECT_EQ(colourAt(0.95, 0.9), ViewPalette::shade(1));
    // AND's four patterns: (1, 1) is the unit's only 1 and it answers so; all hits.
    for (int r = 0; r < 4; ++r)
        EXPECT_FALSE(plane->missed(r)) << r;
    // A point dragged from (1, 1) to (0.9, 0.3) keeps desired output 1 where the unit answers 0: a miss.
    plane->setUnits({PlaneUnit{UnitKind::Binary, 1, 1, -1.5}}, 0.01);
    QTest::mousePress(plane, Qt::LeftButton, {}, pixel(1, 1));
    QTest::mouseMove(plane, pixel(0.9, 0.3));
    QTest::mouseRelease(plane, Qt::LeftButton, {}, pixel(0.9, 0.3));
    EXPECT_EQ(row(3)[2], 1.0);
    EXPECT_TRUE(plane->missed(3));
    EXPECT_FALSE(plane->missed(2));

    // A second output no longer fits the network: the plane shows the points
    // only, and the classes are one-hot ones.
    click("AddOutput");
    EXPECT_FALSE(plane->showsNetwork());
    EXPECT_EQ(control<QComboBox>("DrawClass")->itemText(1), QStringLiteral("class 2 (output 2 is 1)"));
    picture = plane->grab().toImage();
    EXPECT_EQ(colourAt(0.95, 0.9), QColor(Qt::white));
    click("UndoEdit");
    EXPECT_TRUE(plane->showsNetwork());
    EXPECT_EQ(control<QComboBox>("DrawClass")->itemText(1), QStringLiteral("desired output 1"));
    click("RedoEdit");
    // A third input leaves nothing to draw on, and clicks add nothing.
    click("AddInput");
    EXPECT_FALSE(plane->refusal().isEmpty());
    const std::size_t patterns = grid().rows.size();
    QTest::mouseClick(plane, Qt::LeftButton, {}, plane->plotRect().center());
    EXPECT_EQ(grid().rows.size(), patterns);
}

// the name the save dialog offers

TEST_F(DrawAndImportTest, TheSaveDialogOffersTheReadFilesNameOrAnUnusedNewOneInTheCurrentFolder)
{
    const QString previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    net.TrainingFileName = "and.net";
    openPage();
    EXPECT_EQ(page->offeredPath(), QDir(folder.path()).absoluteFilePath(QStringLiteral("and.net")));
    // A generated set is named after what it is, and never after a file already there.
    writeFile("xor.net", "");
    writeFile("xor-2.net", "");
    auto* kind = control<QComboBox>("SetKind");
    kind->setCurrentIndex(kind->findText(QStringLiteral("XOR")));
    click("Generate");
    EXPECT_EQ(page->offeredPath(), QDir(folder.path()).absoluteFilePath(QStringLiteral("xor-3.net")));
    kind->setCurrentIndex(kind->findText(QStringLiteral("Parity")));
    click("Generate");
    EXPECT_EQ(QFileInfo(page->offeredPath()).fileName(), QStringLiteral("parity3.net"));
    // Once saved, the file saved is offered again.
    saveDialog.answer = path("mine.net");
    dialogs.expect({ProgramTitle, "mine.net", BoxIcon::Information});
    click("SaveSet");
    dialogs.verifyDone();
    EXPECT_EQ(saveDialog.asked.back().suggestedPath, QDir(folder.path()).absoluteFilePath(QStringLiteral("parity3.net")));
    EXPECT_EQ(page->offeredPath(), path("mine.net"));
    QDir::setCurrent(previousFolder);
}

// importing a CSV file

TEST_F(DrawAndImportTest, PreviewChoicesGiveTheCoresSetWhichSavesAndReadsBackBitForBit)
{
    writeFile("flowers.csv",
              "petal length;ignored;petal width;kind\n1,4;x;0,2;setosa\n4,7;y;1,4;versicolor\n"
              "6,0;z;2,5;virginica\n1,3;w;0,2;setosa\n");
    openTab("ImportTab");
    openCsv("flowers.csv");
    auto* preview = control<QTableWidget>("CsvPreview");
    ASSERT_EQ(preview->columnCount(), 4);
    ASSERT_EQ(preview->rowCount(), 6);  // the uses, then five rows
    EXPECT_EQ(preview->item(2, 0)->text(), QStringLiteral("1,4"));
    // Guessed: the words are ignored or the class.
    using Use = CsvImportPanel::ColumnUse;
    EXPECT_EQ(page->csvImport().columnUses(), (std::vector<Use>{Use::Input, Use::Ignored, Use::Input, Use::Class}));
    EXPECT_EQ(preview->verticalHeaderItem(1)->text(), QStringLiteral("Header"));

    // Decimal commas chosen; the width column made an output instead.
    control<QComboBox>("CsvDecimal")->setCurrentIndex(1);
    useBox(2)->setCurrentIndex(static_cast<int>(Use::Output));
    const int before = steps();
    click("ImportCsv");
    EXPECT_EQ(steps(), before + 1);
    CsvOptions options;
    options.decimal = DecimalMark::Comma;
    options.inputs = {1};
    options.outputs = {3};
    options.classColumn = 4;
    const CsvImport core = ImportCsvFile(path("flowers.csv").toStdString(), options);
    ASSERT_TRUE(core.ok) << core.message;
    ExpectSameSet(SetFromGrid(grid()), core.set);
    EXPECT_EQ(grid().rows[1], (std::vector<double>{4.7, 1.4, 0, 1, 0}));
    EXPECT_NE(control<QLabel>("CsvSummary")->text().indexOf(QStringLiteral("versicolor = output 3")), -1)
        << control<QLabel>("CsvSummary")->text().toStdString();

    // Offered as flowers.net in the current folder, and read back the same.
    EXPECT_EQ(QFileInfo(page->offeredPath()).fileName(), QStringLiteral("flowers.net"));
    EXPECT_EQ(QFileInfo(page->offeredPath()).absolutePath(), QDir::current().absolutePath());
    saveDialog.answer = path("flowers.net");
    dialogs.expect({ProgramTitle, "flowers.net", BoxIcon::Information});
    click("SaveSet");
    dialogs.verifyDone();
    ExpectSameSet(ReadBack(path("flowers.net")), core.set);

    // Undone as one step.
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{0, 0, 0}}));
}

TEST_F(DrawAndImportTest, TheExampleMeasurementsImportWithTheGuessedColumnsAndSplitSeventyThirty)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORELLE_EXAMPLES "/beetles.csv"), path("beetles.csv")));
    openTab("ImportTab");
    openCsv("beetles.csv");
    click("ImportCsv");
    ASSERT_EQ(grid().rows.size(), 90u);
    EXPECT_EQ(grid().inputs, 4);
    EXPECT_EQ(grid().outputs, 3);
    auto* percent = control<QLineEdit>("HoldOutPercent");
    percent->selectAll();
    QTest::keyClicks(percent, QStringLiteral("30"));
    saveDialog.answer = path("beetles.net");
    dialogs.expect({ProgramTitle, "The 27 patterns held out are in", BoxIcon::Information});
    click("SaveSet");
    dialogs.verifyDone();
    MersenneRandom random(1);  // the page's seed
    const SplitSets split = SplitSet(SetFromGrid(grid()), 27, random);
    ExpectSameSet(ReadBack(path("beetles.net")), split.kept);
    ExpectSameSet(ReadBack(path("beetles-test.net")), split.heldOut);
}

TEST_F(DrawAndImportTest, AHeaderRowAndDelimiterCanBeChosenByHand)
{
    writeFile("plain.txt", "1|2|3\n4|5|6\n");
    openTab("ImportTab");
    openCsv("plain.txt");
    auto* preview = control<QTableWidget>("CsvPreview");
    EXPECT_EQ(preview->columnCount(), 3);  // the bar guessed
    control<QComboBox>("CsvHeader")->setCurrentIndex(1);  // the first row is a header
    EXPECT_EQ(preview->verticalHeaderItem(1)->text(), QStringLiteral("Header"));
    click("ImportCsv");
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{4, 5, 6}}));
    // A comma as the delimiter leaves one column, which cannot make inputs and outputs.
    control<QComboBox>("CsvDelimiter")->setCurrentIndex(1);
    EXPECT_EQ(preview->columnCount(), 1);
    dialogs.expect(ExpectedErrorReport("no input columns are chosen"));
    click("ImportCsv");
    dialogs.verifyDone();
    EXPECT_EQ(grid().rows, (std::vector<std::vector<double>>{{4, 5, 6}}));
}

TEST_F(DrawAndImportTest, EveryKindOfBadFileIsRefusedWithItsRowAndColumnAndTheTableStays)
{
    std::string tooMany;
    for (int n = 0; n < 32768; ++n)
        tooMany += "1,0\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"1,2,3\n4,5\n", "row 2 has 2 columns, but row 1 has 3."},
        {"1,2,3\n4,five,6\n", "row 2, column 2, \"five\", is not a number."},
        {"", "it holds no rows."},
        {"x,y,z\n", "it holds only a header row."},
        {"1,0\n\"1,5\",1\n",
         "row 2, column 1, \"1,5\", is not a number with a decimal point; it has a decimal comma, but decimal points "
         "were chosen."},
        {tooMany, "the number of patterns"},
    };
    openTab("ImportTab");
    click("AddRow");
    const SetGrid kept = grid();
    const int keptSteps = steps();
    int n = 0;
    for (const auto& [text, why] : files) {
        const std::string name = "bad" + std::to_string(++n) + ".csv";
        writeFile(name.c_str(), text);
        openCsv(name.c_str());
        // Every column an input but the last, the output, whatever the guess.
        const int columns = control<QTableWidget>("CsvPreview")->columnCount();
        for (int c = 0; c < columns; ++c)
            page->csvImport().setColumnUse(c, c + 1 < columns ? CsvImportPanel::ColumnUse::Input
                                                               : CsvImportPanel::ColumnUse::Output);
        dialogs.expect(ExpectedErrorReport(why.c_str()));
        click("ImportCsv");
        dialogs.verifyDone();
        EXPECT_NE(control<QLabel>("CsvSummary")->text().indexOf(ShownText(why)), -1) << name;
        EXPECT_EQ(grid(), kept) << name;
        EXPECT_EQ(steps(), keptSteps) << name;
    }
}

}  // namespace vantorelle
