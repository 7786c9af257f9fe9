// SPDX-License-Identifier: GPL-3.0-or-later
// "Run With Many Seeds" on the set-up page's settings: each line the run its
// seed gives, and a stop that answers while the window stays live.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <bit>
#include <fstream>
#include <sstream>

#include "CoreTexts.h"
#include "FindControl.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "RecordingHost.h"
#include "ReportTestSupport.h"
#include "ScriptedDialogs.h"
#include "SeedsPanel.h"
#include "SystemTexts.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

constexpr int WaitMs = 120000;

class SeedsPanelTest : public ::testing::Test {
protected:
    void open(const char* file)
    {
        ASSERT_TRUE(ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES "/") + file).ok);
        net.TrainingFileName = file;
        net.FreshStart = true;
        DefinePages(pages, net, memory, dialogs, [] { return std::make_unique<MersenneRandom>(1); });
        page = static_cast<Perceptron*>(pages.open(PageNames::Perceptron));
        ASSERT_NE(page, nullptr);
        QTest::mouseClick(qt_testing::FindControl<QAbstractButton>(page, QStringLiteral("SeedsButton")),
                          Qt::LeftButton);
        panel = page->findChild<SeedsPanel*>();
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }
    template <typename T>
    T* control(const char* name)
    {
        return qt_testing::FindControl<T>(panel, QString::fromLatin1(name));
    }
    void run(int seeds, const char* first)
    {
        control<QLineEdit>("FirstSeedBox")->setText(QString::fromLatin1(first));
        control<QSpinBox>("CountBox")->setValue(seeds);
        QTest::mouseClick(control<QPushButton>("RunSeedsButton"), Qt::LeftButton);
    }
    bool ended() { return QTest::qWaitFor([&] { return !panel->running() && !panel->outcomes().empty(); }, WaitMs); }

    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    Perceptron* page = nullptr;
    SeedsPanel* panel = nullptr;
};

}  // namespace

TEST_F(SeedsPanelTest, EachLineIsTheRunItsSeedGives)
{
    open("and.net");
    run(8, "40");
    ASSERT_TRUE(ended());
    const std::vector<SeedOutcome>& outcomes = panel->outcomes();
    ASSERT_EQ(outcomes.size(), 8u);
    EXPECT_EQ(control<QTableWidget>("SeedsTable")->rowCount(), 8);
    for (const SeedOutcome& o : outcomes) {
        NetworkState alone = net;  // the page's network, untouched by the runs
        testing::RecordingHost host;
        host.locale = SystemNumberLocale();
        MersenneRandom random(o.Seed);
        double lastPrinted = 0;
        ASSERT_FALSE(vantorelle::StartTraining(alone, page->runSettings(), random, host, lastPrinted));
        EXPECT_EQ(o.Epochs, alone.EpochCount) << o.Seed;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(o.TotalSSE), std::bit_cast<std::uint64_t>(alone.TotalSSE)) << o.Seed;
        EXPECT_TRUE(o.AllHits);
    }
    EXPECT_EQ(net.EpochCount, 0);  // the page's own network did not train
    const QString summary = control<QLabel>("SummaryLabel")->text();
    EXPECT_TRUE(summary.startsWith(ShownText(QStringLiteral("All hits in 8 of 8 runs"))));
}

TEST_F(SeedsPanelTest, TheTableIsExportedAsCsvAndKeptForTheWorkbook)
{
    open("and.net");
    run(4, "11");
    ASSERT_TRUE(ended());
    testing::ScratchFolder scratch;
    const QString path = QString::fromStdString(scratch.Path("seeds.csv"));
    EXPECT_EQ(panel->exportCsv(path), QString());
    std::ifstream in(path.toStdString());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "seed,epochs,all_hits,total_sse,hits,responses");
    for (const SeedOutcome& o : panel->outcomes()) {
        ASSERT_TRUE(std::getline(in, line));
        std::istringstream fields(line);
        std::string seed, epochs, allHits, sse;
        std::getline(fields, seed, ',');
        std::getline(fields, epochs, ',');
        std::getline(fields, allHits, ',');
        std::getline(fields, sse, ',');
        EXPECT_EQ(seed, std::to_string(o.Seed));
        EXPECT_EQ(epochs, std::to_string(o.Epochs));
        EXPECT_EQ(allHits, o.AllHits ? "yes" : "no");
        EXPECT_EQ(std::bit_cast<std::uint64_t>(std::stod(sse)), std::bit_cast<std::uint64_t>(o.TotalSSE)) << line;
    }
    EXPECT_FALSE(std::getline(in, line));
    // The workbook's "Seeds" sheet is made from these.
    ASSERT_EQ(memory.SeedRun.size(), 4u);
    EXPECT_EQ(memory.SeedRun[3].Seed, 14u);
    EXPECT_EQ(ShownText(memory.SeedRunSummary), control<QLabel>("SummaryLabel")->text());
    EXPECT_NE(panel->exportCsv(QString::fromStdString(scratch.Path("missing/seeds.csv"))), QString());
}

// XOR never reaches all hits, so every run goes to the epoch limit: long
// enough to stop it midway, and the window answers meanwhile.
TEST_F(SeedsPanelTest, StopEndsTheRunsAndKeepsThoseThatEnded)
{
    open("xor.net");
    run(100000, "1");
    auto* progress = control<QProgressBar>("SeedsProgress");
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() >= 2; }, WaitMs));  // the bar moves
    QTest::mouseClick(control<QPushButton>("StopSeedsButton"), Qt::LeftButton);
    ASSERT_TRUE(ended());
    const long ran = std::count_if(panel->outcomes().begin(), panel->outcomes().end(),
                                   [](const SeedOutcome& o) { return o.Ran; });
    EXPECT_GE(ran, 2);
    EXPECT_LT(ran, 100000);
    EXPECT_EQ(control<QTableWidget>("SeedsTable")->rowCount(), ran);
    EXPECT_TRUE(control<QLabel>("SummaryLabel")->text().contains(QStringLiteral("stopped")));
    EXPECT_TRUE(control<QPushButton>("RunSeedsButton")->isEnabled());
}

}  // namespace vantorelle
