// SPDX-License-Identifier: GPL-3.0-or-later
// What watching costs a run: the same fresh run (same file, seed, epochs)
// made by the headless trainer, by the engine alone in this process, on the
// set-up page with no view, and on the set-up page with the network view open
// on each of its tabs, in turns (each round starting one further along),
// round after round, so that a busy machine weighs on all of them alike.
// Prints the median wall time of each, the median over the rounds of its
// ratio to the trainer's and to the page's without a view in the same round,
// where the user-interface thread's processor time went per refresh, and what
// a snapshot costs the run's thread:
//
//   network_view_throughput FILE.net EPOCHS PRINT_EVERY SEED [ROUNDS [RULE [TABS]]]
//
// TABS lists the view's tabs to time (default 012: weights, decisions, error
// curve). The trainer is the one built beside this tool, or VANTORELLE_TRAINER.
//
// Not a test: it measures and prints. Run it offscreen or under Xvfb.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTabWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <map>
#include <string>
#include <vector>

#include "NetworkView.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "QtDialogs.h"
#include "ThroughputHost.h"
#include "TrainingRun.h"

namespace {

using namespace vantorelle;
using namespace vantorelle::throughput;

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Processor time of the children that have ended and been waited for.
double ChildrenSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Adds up the user-interface thread's processor time in the events that make
// a frame: a window's repaint (the widgets' paint events inside it), each
// widget's paint event, and the run's refresh timer (status lines and
// snapshots handed to the views).
class TimingApplication : public QApplication {
public:
    using QApplication::QApplication;

    struct Cost {
        long count = 0;
        double seconds = 0;
    };
    std::map<std::string, Cost> costs;
    bool recording = false;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (!recording || (type != QEvent::UpdateRequest && type != QEvent::Paint && type != QEvent::Timer))
            return QApplication::notify(receiver, event);
        std::string key = type == QEvent::UpdateRequest ? "repaint " : type == QEvent::Paint ? "  paint " : "timer ";
        key += nameOf(receiver);
        const double before = ThreadSeconds();
        const bool done = QApplication::notify(receiver, event);
        Cost& cost = costs[key];
        cost.count += 1;
        cost.seconds += ThreadSeconds() - before;
        return done;
    }

private:
    static std::string nameOf(QObject* receiver)
    {
        // A window's repaint reaches its QWindow: name the page it shows.
        if (receiver->isWindowType()) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->windowHandle() == receiver)
                    return top->metaObject()->className();
            }
        }
        return receiver->metaObject()->className();
    }
};

struct Sample {
    double wall = 0;
    double uiThread = 0;   // processor seconds
    double process = 0;    // processor seconds, all threads
    long refreshes = 0;
    long snapshots = 0;
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    TimingApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s FILE.net EPOCHS PRINT_EVERY SEED [ROUNDS [Delta|Gradient|Tarvik [TABS]]]\n",
                     argv[0]);
        return 2;
    }
    NetworkState net;
    PageMemory memory;
    if (!ReadNetworkToTime(net, argv[1]))
        return 1;
    const RunSettings settings{argv[2], argv[3], std::strtoull(argv[4], nullptr, 10), argc > 6 ? RuleKindFromName(argv[6]) : RuleKind::Delta};
    const int rounds = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;
    const std::string tabs = argc > 7 ? argv[7] : "012";
    QString trainer = qEnvironmentVariable("VANTORELLE_TRAINER");
    if (trainer.isEmpty())
        trainer = QStringLiteral(VANTORELLE_TRAINER);

    QtDialogs dialogs;
    PageRegistry pages;
    Perceptron* page = OpenPreparedSetupPage(pages, net, memory, dialogs, settings);
    if (!page)
        return 1;
    auto* run = page->findChild<TrainingRun*>();
    TrainOnPage(*page);  // warms the caches and the kernels' choice

    // What is timed: -2 the trainer, -1 the engine alone, 0 the page without
    // a view, then one entry per tab asked for.
    std::vector<int> kinds{-2, -1, 0};
    for (char tab : tabs) {
        if (tab >= '0' && tab <= '2')
            kinds.push_back(1 + (tab - '0'));
    }
    const char* names[] = {"trainer", "engine alone", "page, no view", "weights tab", "decisions tab",
                           "error curve tab"};
    std::map<int, std::vector<Sample>> samples;
    std::map<int, std::map<std::string, TimingApplication::Cost>> profile;
    long epochs = 0;

    for (int round = 0; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < kinds.size(); ++turn) {
            const int kind = kinds[(turn + static_cast<std::size_t>(round)) % kinds.size()];
            Sample sample;
            QElapsedTimer clock;
            if (kind == -2) {
                QProcess process;
                process.setStandardOutputFile(QProcess::nullDevice());
                const double before = ChildrenSeconds();
                clock.start();
                process.start(trainer, {QString::fromLocal8Bit(argv[1]), QStringLiteral("--epochs"),
                                        QString::fromStdString(settings.epochs), QStringLiteral("--print-every"),
                                        QString::fromStdString(settings.printEvery), QStringLiteral("--seed"),
                                        QString::number(settings.seed), QStringLiteral("--no-hit-stop"),
                                        QStringLiteral("--rule"), QString::fromLatin1(RuleName(settings.rule))});
                if (!process.waitForFinished(24 * 3600 * 1000) || process.exitCode() != 0) {
                    std::fprintf(stderr, "the trainer %s did not run: %s\n", qPrintable(trainer),
                                 qPrintable(process.errorString()));
                    return 1;
                }
                sample.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
                sample.process = ChildrenSeconds() - before;
            } else if (kind == -1) {
                const double before = ProcessSeconds();
                const AloneRun alone = TrainAlone(argv[1], settings);
                sample.wall = alone.seconds;
                sample.process = ProcessSeconds() - before;
            } else {
                NetworkView* view = nullptr;
                if (kind > 0) {
                    view = static_cast<NetworkView*>(pages.open(PageNames::NetworkView));
                    (void)QTest::qWaitForWindowExposed(view);
                    view->findChild<QTabWidget*>(QStringLiteral("ViewTabs"))->setCurrentIndex(kind - 1);
                    pages.open(PageNames::Perceptron);
                    QCoreApplication::processEvents();
                }
                app.costs.clear();
                app.recording = true;
                const double uiBefore = ThreadSeconds();
                const double before = ProcessSeconds();
                clock.start();
                TrainOnPage(*page);
                sample.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
                sample.process = ProcessSeconds() - before;
                sample.uiThread = ThreadSeconds() - uiBefore;
                app.recording = false;
                sample.refreshes = run->refreshCount();
                sample.snapshots = run->snapshotCount();
                epochs = net.EpochCount;
                for (const auto& [key, cost] : app.costs) {
                    profile[kind][key].count += cost.count;
                    profile[kind][key].seconds += cost.seconds;
                }
                if (view) {
                    view->close();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                }
            }
            samples[kind].push_back(sample);
        }
    }

    auto medianOf = [&](int kind, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : samples[kind])
            values.push_back(s.*field);
        return Median(values);
    };
    // The median of the ratios within a round: slow spells of a busy machine
    // then weigh on both sides of each ratio.
    auto pairedChange = [&](int kind, int against) {
        std::vector<double> ratios;
        for (std::size_t r = 0; r < samples[kind].size(); ++r)
            ratios.push_back(samples[kind][r].wall / samples[against][r].wall);
        return (Median(ratios) - 1) * 100;
    };
    std::printf("%s, %ld epochs, display every %s, %s rule, %d rounds; medians (vs: of the ratios within a round):\n",
                argv[1], epochs,
                settings.printEvery.c_str(), RuleName(settings.rule), rounds);
    std::printf("%-16s %8s %9s %9s %10s %9s %9s %10s %9s\n", "", "wall s", "vs train", "vs page", "epochs/s",
                "cpu s", "ui cpu s", "ui ms/ref", "snapshots");
    for (int kind : kinds) {
        const double wall = medianOf(kind, &Sample::wall);
        std::vector<double> perRefresh, snapshotCounts;
        for (const Sample& s : samples[kind]) {
            if (s.refreshes > 0)
                perRefresh.push_back(s.uiThread * 1000 / static_cast<double>(s.refreshes));
            snapshotCounts.push_back(static_cast<double>(s.snapshots));
        }
        std::printf("%-16s %8.3f %+8.1f%% %+8.1f%% %10.0f %9.3f %9.3f %10.3f %9.0f\n", names[kind + 2], wall,
                    pairedChange(kind, -2), pairedChange(kind, 0),
                    static_cast<double>(epochs) / wall, medianOf(kind, &Sample::process),
                    medianOf(kind, &Sample::uiThread), Median(perRefresh), Median(snapshotCounts));
    }
    std::printf("\nuser-interface thread, processor ms per refresh of the run (events in a frame):\n");
    for (int kind : kinds) {
        if (kind < 0)
            continue;
        double refreshes = 0;
        for (const Sample& s : samples[kind])
            refreshes += static_cast<double>(s.refreshes);
        std::printf("%s\n", names[kind + 2]);
        for (const auto& [key, cost] : profile[kind]) {
            std::printf("  %-40s %7.3f ms/refresh  %6.2f per refresh  %7.3f ms each\n", key.c_str(),
                        cost.seconds * 1000 / std::max(1.0, refreshes), static_cast<double>(cost.count) / std::max(1.0, refreshes),
                        cost.seconds * 1000 / static_cast<double>(std::max(1L, cost.count)));
        }
    }

    // What one snapshot costs the run's thread, for each set of parts a tab asks for.
    std::printf("\nrun's thread, one snapshot of the trained network (%ld history rows):\n", static_cast<long>(net.SSERecordCount));
    const std::pair<const char*, unsigned> parts[] = {{"numbers only", 0u},
                                                     {"weights", SnapshotParts::Weights},
                                                     {"history", SnapshotParts::History},
                                                     {"whole", SnapshotParts::All}};
    for (const auto& [name, part] : parts) {
        constexpr int Copies = 2000;
        const double before = ThreadSeconds();
        for (int i = 0; i < Copies; ++i) {
            NetworkSnapshot copy;  // a fresh one each time, as the run hands each one out
            CopyProgress(net, copy, part);
        }
        const double each = (ThreadSeconds() - before) / Copies;
        std::printf("  %-14s %7.2f us each, %.3f%% of a run refreshed %d times a second\n", name, each * 1e6,
                    each * 1000.0 / TrainingRun::RefreshIntervalMs * 100, 1000 / TrainingRun::RefreshIntervalMs);
    }
    pages.exitProgram();
    return 0;
}
