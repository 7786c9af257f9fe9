// SPDX-License-Identifier: GPL-3.0-or-later
// Saved networks in the window, used as a student would: train with a seed,
// save from the hub with a note, open the file again, continue. The window's
// seeded run is the trainer's; a bad file changes nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sstream>

#include "AnsweringSaveDialog.h"
#include "CapturingPrinter.h"
#include "FindControl.h"
#include "ListClicks.h"
#include "NetworkState.h"
#include "Options.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QStringPrinter.h"
#include "Random.h"
#include "ReportTestSupport.h"
#include "ResultsReport.h"
#include "ScriptedDialogs.h"
#include "SystemTexts.h"
#include "Trainer.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {


// One moment and the system's numbers, for the page's report and the trainer's alike.
struct FixedTexts : SystemTexts {
    NumberLocale Numbers() const override { return SystemNumberLocale(); }
    std::string Date() const override { return "9 Dec 2026"; }
    std::string Time() const override { return "12:00:00"; }
};

// The report of everything, as the save page would write it at that moment.
std::string ReportOf(NetworkState& net, const std::string& path)
{
    const FixedTexts texts;
    ReportRequest request;
    request.path = path;
    request.sections = *cli::ParseSections("all");
    request.date = texts.Date();
    request.time = texts.Time();
    request.locale = texts.Numbers();
    testing::RecordingStatus silent;
    testing::RecordingMessages messages;
    EXPECT_TRUE(WriteResultsReport(net, request, silent, messages));
    return testing::ReadBytes(path);
}

class SavedNetworkPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A generator from the clock, as the program's: only the seed box makes runs repeatable.
        DefinePages(pages, net, memory, dialogs, printer, [] { return std::make_unique<MersenneRandom>(); },
                    {&saveDialog, &openDialog});
    }

    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    // The set-up page on a training file, as the load-file page leaves it.
    void setUpOn(const char* file)
    {
        ASSERT_TRUE(ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES "/") + file).ok);
        net.TrainingFileName = file;
        net.FreshStart = true;
        page = qobject_cast<Perceptron*>(pages.open(PageNames::Perceptron));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    }

    template <typename T>
    T* control(const char* name, QWidget* in = nullptr)
    {
        return qt_testing::FindControl<T>(in ? in : page, QString::fromLatin1(name));
    }
    void type(const char* name, const QString& text)
    {
        QLineEdit* line = control<QLineEdit>(name);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, text);
    }
    void choose(const char* name)
    {
        auto* option = control<QAbstractButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    void train(const char* button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !page->isTraining(); }, 120000));
    }
    // The hub over the set-up page, as "Test Recall" opens it.
    ScrollPage* openHub()
    {
        QTest::mouseClick(control<QPushButton>("TestRecall"), Qt::LeftButton);
        ScrollPage* hub = pages.find(PageNames::TestPerceptron);
        EXPECT_NE(hub, nullptr);
        if (hub) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(hub));
        }
        return hub;
    }
    // A double-click on an item of one of the hub's lists.
    void chooseInHub(const char* list, int row)
    {
        ScrollPage* hub = openHub();
        ASSERT_NE(hub, nullptr);
        qt_testing::DoubleClickItem(*control<QListWidget>(list, hub)->item(row));
    }
    // What the set-up page shows: the boxes, the options and the status lines.
    QStringList shown()
    {
        QStringList texts;
        for (const char* box : {"SweepsBox", "PrintSweepsBox", "LRateBox", "MinErrorBox"})
            texts << control<QLineEdit>(box)->text();
        for (const char* option : {"OptionDelta_0", "OptionDelta_1", "OptionDelta_2", "Check1_0", "Check1_1",
                                   "OptionRandom", "OptionFreeze", "OptionDefaultWts", "OptionDefaultBias"})
            texts << QString::number(control<QAbstractButton>(option)->isChecked());
        for (int i = 1; i <= 5; ++i) {
            QLabel* line = control<QLabel>(QStringLiteral("Picture1_%1").arg(i).toLatin1());
            texts << (line->isHidden() ? QStringLiteral("(hidden)") : line->text())
                  << line->palette().color(QPalette::Window).name();
        }
        texts << control<QLabel>("FileLabel")->text() << control<QLabel>("RunSeedLabel")->text();
        return texts;
    }

    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    testing::AnsweringSaveDialog saveDialog;
    testing::AnsweringOpenDialog openDialog;
    PageRegistry pages;
    Perceptron* page = nullptr;
    testing::ScratchFolder folder;
};

}  // namespace

TEST_F(SavedNetworkPagesTest, SavedWithANoteOpenedAgainLooksTheSameAndContinuesAsAnUnbrokenRun)
{
    setUpOn("letters.net");
    choose("OptionDelta_1");
    type("SweepsBox", QStringLiteral("40"));
    type("PrintSweepsBox", QStringLiteral("7"));
    choose("Check1_1");  // the epoch limit alone ends the run
    type("SeedBox", QStringLiteral("2024"));
    train("StartTraining");
    EXPECT_EQ(control<QLabel>("RunSeedLabel")->text(), QStringLiteral("Seed Of This Run = 2024"));
    const QStringList before = shown();

    const std::string file = folder.Path("letters.vnet");
    saveDialog.answer = QString::fromStdString(folder.Path("letters"));  // the ending is added
    dialogs.expectInput({ProgramTitle, std::string("Trained in class 3B")});
    dialogs.expect({ProgramTitle, "has been saved", BoxIcon::Information});
    chooseInHub("TestList", 5);
    dialogs.verifyDone();
    ASSERT_TRUE(std::filesystem::exists(file));

    // The run that never stopped: 25 more epochs from here.
    chooseInHub("ContinueList", 1);
    type("SweepsBox", QStringLiteral("25"));
    train("Continue");
    const std::string unbroken = ReportOf(net, folder.Path("unbroken.txt"));

    // Open the saved network, from the hub, over the continued one.
    openDialog.answer = QString::fromStdString(file);
    dialogs.expect({ProgramTitle, "Trained in class 3B", BoxIcon::Information});
    chooseInHub("ContinueList", 4);
    dialogs.verifyDone();
    ASSERT_EQ(pages.activePage(), page);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(net.EpochCount, 40);
    type("SweepsBox", QStringLiteral("25"));
    train("Continue");
    EXPECT_EQ(ReportOf(net, folder.Path("continued.txt")), unbroken);
}

TEST_F(SavedNetworkPagesTest, TheWindowsRunWithASeedIsTheTrainersRunWithThatSeed)
{
    setUpOn("letters.net");
    choose("OptionDelta_2");
    type("SweepsBox", QStringLiteral("30"));
    type("PrintSweepsBox", QStringLiteral("4"));
    type("SeedBox", QStringLiteral("18446744073709551615"));
    train("StartTraining");
    const std::string window = ReportOf(net, folder.Path("window.txt"));

    const std::string report = folder.Path("trainer.txt");
    const cli::ParseResult parsed =
        cli::ParseOptions({VANTORELLE_EXAMPLES "/letters.net", "--rule", "Tarvik", "--epochs", "30", "--print-every",
                           "4", "--seed", "18446744073709551615", "--sections", "all", "--report", report, "-q"});
    ASSERT_EQ(parsed.error, "");
    std::ostringstream out, err;
    const FixedTexts texts;
    ASSERT_EQ(cli::RunTrainer(parsed.options, out, err, nullptr, &texts), cli::ExitOk) << err.str();
    EXPECT_EQ(testing::ReadBytes(report), window);

    // Empty again: the next run's seed comes from the clock, and is shown.
    type("SeedBox", QString());
    train("StartTraining");
    EXPECT_NE(control<QLabel>("RunSeedLabel")->text(), QStringLiteral("Seed Of This Run = 18446744073709551615"));
    EXPECT_TRUE(control<QLabel>("RunSeedLabel")->text().startsWith(QStringLiteral("Seed Of This Run = ")));
}

TEST_F(SavedNetworkPagesTest, ASeedThatIsNoWholeNumberIsRefusedBeforeAnyWeightIsDrawn)
{
    setUpOn("and.net");
    type("SeedBox", QStringLiteral("-3"));
    dialogs.expect({ProgramTitle, "whole number from 0 to 18446744073709551615", BoxIcon::Exclamation});
    QTest::mouseClick(control<QPushButton>("StartTraining"), Qt::LeftButton);
    dialogs.verifyDone();
    EXPECT_FALSE(page->isTraining());
    EXPECT_EQ(net.EpochCount, 0);
    EXPECT_EQ(control<QLabel>("RunSeedLabel")->text(), QString());
}

TEST_F(SavedNetworkPagesTest, ABadFileIsToldAndTheOpenNetworkStaysAsItWas)
{
    setUpOn("and.net");
    type("SeedBox", QStringLiteral("9"));
    train("StartTraining");
    const NetworkState trained = net;

    // A good file of another network, then spoiled.
    const std::string good = folder.Path("or.vnet");
    SavedNetwork other;
    ASSERT_TRUE(ReadTrainingFile(other.net, VANTORELLE_EXAMPLES "/or.net").ok);
    other.net.TrainingFileName = "or.net";
    SizeUnitsAndWeights(other.net);
    other.net.EpochCount = 3;
    const std::string text = WriteSavedNetwork(other);
    // One kind of bad file stands for all here: the core's tests go through each.
    std::string newer = text;
    newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 2");
    testing::WriteBytes(good, newer);
    openDialog.answer = QString::fromStdString(good);
    ScrollPage* hub = openHub();
    ASSERT_NE(hub, nullptr);
    const QStringList before = shown();
    dialogs.expect(ExpectedErrorReport("version 2"));
    qt_testing::DoubleClickItem(*control<QListWidget>("ContinueList", hub)->item(4));
    dialogs.verifyDone();
    EXPECT_EQ(net.Weights(1, 1), trained.Weights(1, 1));
    EXPECT_EQ(net.Weights(2, 1), trained.Weights(2, 1));
    EXPECT_EQ(net.EpochCount, trained.EpochCount);
    EXPECT_EQ(net.TrainingFileName, "and.net");
    EXPECT_EQ(shown(), before);
    hub->close();

    // The same file whole opens from the load-file page, which then gives way to the set-up page.
    testing::WriteBytes(good, text);
    ScrollPage* loadFile = pages.open(PageNames::LoadFile);
    ASSERT_NE(loadFile, nullptr);
    QTest::mouseClick(control<QPushButton>("OpenSavedNetwork", loadFile), Qt::LeftButton);
    EXPECT_EQ(net.TrainingFileName, "or.net");
    EXPECT_EQ(net.EpochCount, 3);
    EXPECT_EQ(pages.find(PageNames::LoadFile), nullptr);
    EXPECT_TRUE(control<QLabel>("FileLabel")->text().contains(QStringLiteral("or.net")));
}

}  // namespace vantorelle
