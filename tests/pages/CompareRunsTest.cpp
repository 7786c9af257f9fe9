// SPDX-License-Identifier: GPL-3.0-or-later
// Runs kept in the window and the compare page: every finished run kept
// with the curve of each of its epochs, the curves drawn from exactly those
// points, a run compared with itself showing no difference, runs of other
// rules showing theirs, and a kept run saved as a saved-network file.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <bit>

#include "CoreTexts.h"
#include "AnsweringSaveDialog.h"
#include "CapturingPrinter.h"
#include "CompareRuns.h"
#include "ConfusionTables.h"
#include "FindControl.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "ReportTestSupport.h"
#include "RunCurvesView.h"
#include "SavedNetwork.h"
#include "ScriptedDialogs.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

constexpr int WaitMs = 120000;

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

class CompareRunsTest : public ::testing::Test {
protected:
    void open(const char* file)
    {
        ASSERT_TRUE(ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES "/") + file).ok);
        net.TrainingFileName = file;
        net.FreshStart = true;
        NetworkFileDialogs files;
        files.save = &saveDialog;
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(1); }, files);
        page = static_cast<Perceptron*>(pages.open(PageNames::Perceptron));
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }
    template <typename T>
    static T* control(QWidget* on, const char* name)
    {
        return qt_testing::FindControl<T>(on, QString::fromLatin1(name));
    }
    void typeInto(const char* box, const char* text) { control<QLineEdit>(page, box)->setText(QString::fromLatin1(text)); }
    // A run with the rule's option, the rate and seed typed, from Start or Continue.
    void train(const char* rule, const char* rate, const char* seed, const char* button = "StartTraining")
    {
        if (rule)
            QTest::mouseClick(control<QAbstractButton>(page, rule), Qt::LeftButton, {}, QPoint(6, 6));
        typeInto("LRateBox", rate);
        typeInto("SeedBox", seed);
        typeInto("PrintSweepsBox", "25");
        const int before = memory.Runs.count();
        QTest::mouseClick(control<QAbstractButton>(page, button), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !page->isTraining() && memory.Runs.count() == before + 1; }, WaitMs));
    }
    CompareRuns* compare() { return static_cast<CompareRuns*>(pages.open(PageNames::CompareRuns)); }

    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    testing::AnsweringSaveDialog saveDialog;
    PageRegistry pages;
    Perceptron* page = nullptr;
};

}  // namespace

// keeping

TEST_F(CompareRunsTest, EachFinishedRunIsKeptAsTheNetworkItLeftWithEveryEpochsError)
{
    open("and.net");
    train("OptionDelta_1", "0.5", "7");
    ASSERT_EQ(memory.Runs.count(), 1);
    const KeptRun& first = *memory.Runs.latest();
    EXPECT_EQ(first.Name, "Run 1: Gradient, rate 0.5, seed 7");
    EXPECT_EQ(first.Seed(), std::optional<std::uint64_t>(7));
    EXPECT_EQ(first.Saved.net.EpochCount, net.EpochCount);
    EXPECT_EQ(Bits(first.Saved.net.Weights(1, 1)), Bits(net.Weights(1, 1)));
    const std::vector<HistoryRow> points = first.Trace.Curve.Points();
    ASSERT_EQ(static_cast<long>(points.size()), net.EpochCount + 1);  // epoch 0, then every epoch
    for (std::size_t i = 0; i < points.size(); ++i)
        ASSERT_EQ(points[i].Epochs, static_cast<double>(i));
    // Where the history recorded the SSE (every 25 epochs), the curve has the same bits.
    for (int r = 1; r < net.SSERecordCount; ++r) {
        const HistoryRow& row = net.SSEHistory[static_cast<std::size_t>(r)];
        EXPECT_EQ(Bits(points[static_cast<std::size_t>(row.Epochs)].SSE), Bits(row.SSE)) << "epoch " << row.Epochs;
    }
    EXPECT_EQ(Bits(points.back().SSE), Bits(net.TotalSSE));
    EXPECT_EQ(first.Trace.EpochsToAllHits, std::optional<long>(net.EpochCount));

    // Continued with a higher limit, the next kept run's curve goes on from the first's.
    control<QAbstractButton>(page, "Check1_1")->click();  // no stop at all hits
    typeInto("SweepsBox", "3000");
    const long before = net.EpochCount;
    train(nullptr, "0.5", "7", "Continue");
    const KeptRun& continued = *memory.Runs.latest();
    const std::vector<HistoryRow> longer = continued.Trace.Curve.Points();
    ASSERT_EQ(static_cast<long>(longer.size()), net.EpochCount + 1);
    EXPECT_GT(net.EpochCount, before);
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(Bits(longer[i].SSE), Bits(points[i].SSE));
    EXPECT_EQ(continued.Trace.EpochsToAllHits, first.Trace.EpochsToAllHits);
}

TEST(KeptRuns, PastTheLimitTheOldestRunsGoAndTheNamesCountOn)
{
    KeptRuns runs;
    KeptRun run;
    run.Saved.net.NumPatterns = 4;
    run.Saved.net.NumInputs = 2;
    run.Saved.net.NumOutputs = 1;
    int told = 0;
    QObject::connect(&runs, &KeptRuns::changed, [&] { ++told; });
    for (int n = 1; n <= KeptRuns::MaxRuns + 5; ++n)
        runs.keep(run, NumberLocale{});
    EXPECT_EQ(told, KeptRuns::MaxRuns + 5);
    ASSERT_EQ(runs.count(), KeptRuns::MaxRuns);
    EXPECT_EQ(runs.runs().front()->Name.rfind("Run 6: ", 0), 0u);
    EXPECT_EQ(runs.latest()->Name.rfind("Run 45: ", 0), 0u);
    // A run too large for the limit alone still stays: it is the newest.
    KeptRun huge = run;
    huge.Saved.net.NumPatterns = static_cast<long>(KeptRuns::MaxPatternBytes / (3 * sizeof(double))) + 1;
    runs.keep(huge, NumberLocale{});
    ASSERT_EQ(runs.count(), 1);
    EXPECT_EQ(runs.latest()->Saved.net.NumPatterns, huge.Saved.net.NumPatterns);
}

// comparing

TEST_F(CompareRunsTest, TheOverlaidCurvesAreEachRunsPointsNamedByRuleRateAndSeed)
{
    open("xor.net");
    train("OptionDelta_2", "0.1", "3");
    train("OptionDelta_0", "0.5", "4");
    CompareRuns* view = compare();
    ASSERT_NE(view, nullptr);
    const std::vector<KeptRuns::Run> chosen = view->chosenRuns();
    ASSERT_EQ(chosen.size(), 2u);  // the page opens on the two newest
    const std::vector<CurveSeries>& series = view->curves()->series();
    ASSERT_EQ(series.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::vector<HistoryRow> points = chosen[i]->Trace.Curve.Points();
        ASSERT_EQ(series[i].points.size(), points.size());
        for (std::size_t p = 0; p < points.size(); ++p) {
            ASSERT_EQ(Bits(series[i].points[p].Epochs), Bits(points[p].Epochs));
            ASSERT_EQ(Bits(series[i].points[p].SSE), Bits(points[p].SSE));
        }
    }
    EXPECT_TRUE(series[0].label.contains(QStringLiteral("Tarvik, rate 0.1, seed 3")));
    EXPECT_TRUE(series[1].label.contains(QStringLiteral("Delta, rate 0.5, seed 4")));
    // XOR under the step rule
    EXPECT_TRUE(series[1].label.endsWith(QStringLiteral("all hits: ") + ShownText(QStringLiteral("not reached"))));

    // Two-input runs: a plane each.
    EXPECT_EQ(view->decisionPlanes(), 2);
    // Rule and rate differ and are marked; the file and the hit criterion are not.
    QTableWidget* table = view->settingsTable();
    ASSERT_EQ(table->columnCount(), 2);
    auto marked = [&](const QString& label) {
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->verticalHeaderItem(r)->text().startsWith(label))
                return table->verticalHeaderItem(r)->text().endsWith(QStringLiteral("\u2260")) && table->item(r, 0)->font().bold();
        ADD_FAILURE() << label.toStdString();
        return false;
    };
    EXPECT_TRUE(marked(ShownText(QStringLiteral("Learning rule"))));
    EXPECT_TRUE(marked(ShownText(QStringLiteral("Learning rate"))));
    EXPECT_TRUE(marked(ShownText(QStringLiteral("Seed"))));
    EXPECT_FALSE(marked(ShownText(QStringLiteral("Training file"))));
    EXPECT_FALSE(marked(ShownText(QStringLiteral("Hit criterion"))));
}

TEST_F(CompareRunsTest, AKeptRunComparedWithItselfShowsNoDifference)
{
    open("and.net");
    train("OptionDelta_0", "0.5", "9");
    KeptRun copy = *memory.Runs.latest();
    copy.Name.clear();
    memory.Runs.keep(copy, NumberLocale{});
    CompareRuns* view = compare();
    ASSERT_EQ(view->chosenRuns().size(), 2u);
    QTableWidget* table = view->settingsTable();
    ASSERT_GT(table->rowCount(), 10);
    for (int r = 0; r < table->rowCount(); ++r) {
        EXPECT_FALSE(table->verticalHeaderItem(r)->text().contains(QStringLiteral("\u2260")))
            << table->verticalHeaderItem(r)->text().toStdString();
        EXPECT_FALSE(table->item(r, 0)->font().bold());
        EXPECT_EQ(table->item(r, 0)->text(), table->item(r, 1)->text());
    }
    const std::vector<CurveSeries>& series = view->curves()->series();
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].points.size(), series[1].points.size());
}

TEST_F(CompareRunsTest, ARenamedRunKeepsItsNameInTheLegendAndIsSavedAsTheNetworkItWas)
{
    open("and.net");
    train("OptionDelta_1", "0.5", "2");
    const KeptRun kept = *memory.Runs.latest();
    train("OptionDelta_0", "0.5", "3");  // the page moves on: the saved file must still be the first run
    CompareRuns* view = compare();
    auto* list = control<QListWidget>(view, "RunsList");
    ASSERT_EQ(list->count(), 2);
    list->item(0)->setText(QStringLiteral("slow sigmoid"));
    EXPECT_EQ(memory.Runs.runs().front()->Name, "slow sigmoid");
    const QString description = ShownText(QStringLiteral("Gradient, rate 0.5, seed 2"));
    EXPECT_TRUE(view->curves()->series().front().label.startsWith(QStringLiteral("slow sigmoid (%1)").arg(description)));

    testing::ScratchFolder scratch;
    saveDialog.answer = QString::fromStdString(scratch.Path("first"));
    list->setCurrentRow(0);
    dialogs.expectInput({ProgramTitle, std::string("kept for the class")});
    ExpectedBox saved;
    saved.title = ProgramTitle;
    saved.textContains = "has been saved";
    saved.icon = BoxIcon::Information;
    dialogs.expect(saved);
    QTest::mouseClick(control<QAbstractButton>(view, "SaveRunButton"), Qt::LeftButton);
    dialogs.verifyDone();
    SavedNetwork read;
    ASSERT_FALSE(ReadSavedNetworkFile(scratch.Path("first.vnet"), read));
    EXPECT_EQ(read.note, "kept for the class");
    EXPECT_EQ(read.net.LearningRule, RuleKind::Gradient);
    EXPECT_EQ(read.net.EpochCount, kept.Saved.net.EpochCount);
    EXPECT_EQ(Bits(read.net.Weights(2, 1)), Bits(kept.Saved.net.Weights(2, 1)));
    ASSERT_TRUE(read.random);
    EXPECT_EQ(read.random->seed, 2u);

    QTest::mouseClick(control<QAbstractButton>(view, "RemoveRunButton"), Qt::LeftButton);
    EXPECT_EQ(memory.Runs.count(), 1);
    EXPECT_EQ(list->count(), 1);
}

// the confusion window

TEST_F(CompareRunsTest, TheConfusionWindowCountsTheTrainingFileAfterAnotherIsReadAndSetsTheResultsSwitch)
{
    open("and.net");
    train("OptionDelta_0", "0.5", "5");
    const NetworkState trained = net;
    // "Test Current Network On A New Problem" as the generalization page does it: the patterns go, the weights stay.
    NetworkState orFile;
    ASSERT_TRUE(ReadTrainingFile(orFile, VANTORELLE_EXAMPLES "/or.net").ok);
    net.InputPatterns = orFile.InputPatterns;
    net.DesiredOutputs = orFile.DesiredOutputs;
    net.TrainingFileName = "or.net";
    auto* tables = static_cast<ConfusionTables*>(pages.open(PageNames::ConfusionTables));
    ASSERT_NE(tables, nullptr);
    const QString text = tables->tablesText();
    EXPECT_TRUE(
        text.startsWith(ShownText(QStringLiteral("Training file: and.net\nUnit    Hits  Misses\n   1       4       0\n"))))
        << text.toStdString();
    // AND's boundary on OR: (0,1) and (1,0) answered 0 where 1 is wanted.
    EXPECT_TRUE(
        text.contains(ShownText(QStringLiteral("Tested on: or.net\nUnit    Hits  Misses\n   1       2       2\n"))))
        << text.toStdString();
    EXPECT_FALSE(memory.ConfusionInResults);
    control<QAbstractButton>(tables, "InResultsCheck")->click();
    EXPECT_TRUE(memory.ConfusionInResults);
}

}  // namespace vantorelle
