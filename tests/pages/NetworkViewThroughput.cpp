// What watching costs a run: epochs per second of a run on the training page
// with the network view open on each of its three tabs, against the same run
// with no view, alternating so that a busy machine weighs on both alike. On
// a machine busy with other work the wall time varies more than the view
// costs; the process's processor time (both threads) shows the work it adds:
//
//   network_view_throughput FILE.net EPOCHS PRINT_EVERY SEED [ROUNDS [RULE]]
//
// Not a test: it measures and prints. Run it offscreen or under Xvfb.

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <vector>

#include "NetworkState.h"
#include "NetworkView.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QtDialogs.h"
#include "Random.h"
#include "TrainingFile.h"
#include "TrainingRun.h"

int main(int argc, char* argv[])
{
    using namespace vantorelle;
    QApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s FILE.net EPOCHS PRINT_EVERY SEED [ROUNDS [Delta|Gradient|Tarvik]]\n", argv[0]);
        return 2;
    }
    NetworkState net;
    const ReadResult read = ReadTrainingFile(net, argv[1]);
    if (!read.ok) {
        std::fprintf(stderr, "%s\n", read.message.c_str());
        return 1;
    }
    net.TrainingFileName = argv[1];
    net.FreshStart = 1;
    const std::uint64_t seed = std::strtoull(argv[4], nullptr, 10);
    const int rounds = argc > 5 ? std::max(1, std::atoi(argv[5])) : 3;
    QtDialogs dialogs;
    PageRegistry pages;
    DefinePages(pages, net, dialogs, [seed] { return std::make_unique<MersenneRandom>(seed); });
    auto* page = static_cast<Perceptron*>(pages.open(QStringLiteral("Perceptron")));
    if (!QTest::qWaitForWindowExposed(page))
        return 1;
    const QString rule = argc > 6 ? QString::fromLatin1(argv[6]) : QStringLiteral("Delta");
    const char* option = rule == "Gradient" ? "OptionDelta_1" : rule == "Tarvik" ? "OptionDelta_2" : "OptionDelta_0";
    page->findChild<QRadioButton*>(QString::fromLatin1(option))->click();
    page->findChild<QLineEdit*>(QStringLiteral("SweepsBox"))->setText(QString::fromLatin1(argv[2]));
    page->findChild<QLineEdit*>(QStringLiteral("PrintSweepsBox"))->setText(QString::fromLatin1(argv[3]));
    page->findChild<QCheckBox*>(QStringLiteral("Check1_1"))->setChecked(false);
    auto* run = page->findChild<TrainingRun*>();

    // One fresh run (same seed, same epochs); answers its seconds.
    auto trainOnce = [&] {
        QElapsedTimer clock;
        clock.start();
        page->findChild<QPushButton*>(QStringLiteral("StartTraining"))->click();
        QTest::qWaitFor([page] { return !page->isTraining(); }, 24 * 3600 * 1000);
        return static_cast<double>(clock.nsecsElapsed()) / 1e9;
    };
    trainOnce();  // warms the caches and the kernels' choice

    // tab -1: no view; 0..2: the view open on that tab.
    std::vector<std::vector<double>> seconds(4);
    std::vector<long> snapshots(4, 0);
    std::vector<double> processor(4, 0);
    for (int round = 0; round < rounds; ++round) {
        for (int tab = -1; tab < 3; ++tab) {
            if (tab >= 0) {
                auto* view = static_cast<NetworkView*>(pages.open(QStringLiteral("NetworkView")));
                QTest::qWaitForWindowExposed(view);
                view->findChild<QTabWidget*>(QStringLiteral("ViewTabs"))->setCurrentIndex(tab);
                pages.open(QStringLiteral("Perceptron"));
            }
            const std::clock_t before = std::clock();
            seconds[static_cast<std::size_t>(tab + 1)].push_back(trainOnce());
            processor[static_cast<std::size_t>(tab + 1)] += static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
            snapshots[static_cast<std::size_t>(tab + 1)] += run->snapshotCount();
            if (QWidget* view = pages.find(QStringLiteral("NetworkView"))) {
                view->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
    }
    const char* names[] = {"no view", "weights tab", "decisions tab", "error curve tab"};
    double alone = 0;
    const double aloneProcessor = processor[0];
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        std::sort(seconds[i].begin(), seconds[i].end());
        const double median = seconds[i][seconds[i].size() / 2];
        if (i == 0)
            alone = median;
        std::printf("%-16s median %.3f s (%+.1f%%)  epochs/s %.0f  processor %.3f s/run (%+.1f%%)  snapshots/run %.0f\n",
                    names[i], median, (median / alone - 1) * 100, static_cast<double>(net.EpochCount) / median,
                    processor[i] / rounds, (processor[i] / aloneProcessor - 1) * 100,
                    static_cast<double>(snapshots[i]) / rounds);
    }
    pages.exitProgram();
    return 0;
}
