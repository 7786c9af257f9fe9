// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the throughput tools share: the engine with nothing shown (as the
// headless trainer runs it, the baseline every measurement is held against),
// and the set-up page made ready for a timed run with the same settings.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdint>
#include <cstdio>
#include <string>

#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "Random.h"
#include "TrainingEngine.h"
#include "RecordingHost.h"
#include "TrainingFile.h"

namespace vantorelle::throughput {

// The settings of a timed run, as the page's boxes and the trainer's options take them.
struct RunSettings {
    std::string epochs;
    std::string printEvery;
    std::uint64_t seed = 1;
    RuleKind rule = RuleKind::Delta;
};

struct AloneRun {
    long epochs = 0;
    double seconds = 0;  // the training alone, the file read before it not counted
    double totalSSE = 0;
};

// Trains a fresh network of file on this thread with nothing shown.
inline AloneRun TrainAlone(const char* file, const RunSettings& run)
{
    NetworkState alone;
    if (!ReadTrainingFile(alone, file).ok)
        return {};
    alone.TrainingFileName = file;
    SizeUnitsAndWeights(alone);
    SetDefaultSettings(alone);
    alone.LearningRule = run.rule;
    testing::RecordingHost panel;
    panel.boxes = {run.epochs, defaults::RateText(run.rule), run.printEvery, "0.01", true, false};
    MersenneRandom random(run.seed);
    testing::EngineHost host{panel, random};
    QElapsedTimer clock;
    clock.start();
    StartTraining(alone, host);
    // A refused or failed run must not pass for a fast one.
    for (const auto& said : panel.warnings)
        std::fprintf(stderr, "%s\n", said.c_str());
    for (const auto& said : panel.errors)
        std::fprintf(stderr, "%s\n", said.c_str());
    return {alone.EpochCount, static_cast<double>(clock.nsecsElapsed()) / 1e9, alone.TotalSSE};
}

// Sets the page's rule and boxes for run, with the all-hits stop off so
// that every run makes all its epochs.
inline void PrepareSetupPage(Perceptron& page, const RunSettings& run)
{
    const char* option = run.rule == RuleKind::Gradient ? "OptionDelta_1"
                         : run.rule == RuleKind::Tarvik ? "OptionDelta_2"
                                                  : "OptionDelta_0";
    page.findChild<QRadioButton*>(QString::fromLatin1(option))->click();
    page.findChild<QLineEdit*>(QStringLiteral("SweepsBox"))->setText(QString::fromStdString(run.epochs));
    page.findChild<QLineEdit*>(QStringLiteral("PrintSweepsBox"))->setText(QString::fromStdString(run.printEvery));
    page.findChild<QCheckBox*>(QStringLiteral("Check1_1"))->setChecked(false);
}

// Reads the network to train, for a fresh start; says on stderr why not.
inline bool ReadNetworkToTime(NetworkState& net, const char* path)
{
    const ReadResult read = ReadTrainingFile(net, path);
    if (!read.ok) {
        std::fprintf(stderr, "%s\n", read.message.c_str());
        return false;
    }
    net.TrainingFileName = path;
    net.FreshStart = true;
    return true;
}

// Opens the set-up page of a program whose draws come from the run's seed,
// shown and made ready for the run; null when it never came on screen.
inline Perceptron* OpenPreparedSetupPage(PageRegistry& pages, NetworkState& net, PageMemory& memory,
                                         Dialogs& dialogs, const RunSettings& run)
{
    DefinePages(pages, net, memory, dialogs, [seed = run.seed] { return std::make_unique<MersenneRandom>(seed); });
    auto* page = static_cast<Perceptron*>(pages.open(PageNames::Perceptron));
    if (!QTest::qWaitForWindowExposed(page))
        return nullptr;
    PrepareSetupPage(*page, run);
    return page;
}

// Starts a fresh run on the page and lets the event loop run until it ends.
inline void TrainOnPage(Perceptron& page)
{
    page.findChild<QPushButton*>(QStringLiteral("StartTraining"))->click();
    (void)QTest::qWaitFor([&page] { return !page.isTraining(); }, 24 * 3600 * 1000);
}

}  // namespace vantorelle::throughput
