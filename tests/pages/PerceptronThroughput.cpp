// SPDX-License-Identifier: GPL-3.0-or-later
// Epochs per second of a run on the training page with its window shown, for
// comparison with the headless trainer on the same file and settings:
//
//   perceptron_throughput FILE.net EPOCHS PRINT_EVERY SEED [RULE]
//   vantorelle-train FILE.net --epochs EPOCHS --print-every PRINT_EVERY
//       --seed SEED --no-hit-stop [--rule RULE] > /dev/null
//
// Not a test: it measures and prints. Run it offscreen or under Xvfb.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "PageNames.h"
#include "PageRegistry.h"
#include "PageMemory.h"
#include "Pages.h"
#include "QtDialogs.h"
#include "ThroughputHost.h"

int main(int argc, char* argv[])
{
    using namespace vantorelle;
    using namespace vantorelle::throughput;
    QApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s FILE.net EPOCHS PRINT_EVERY SEED [Delta|Gradient|Tarvik]\n", argv[0]);
        return 2;
    }
    NetworkState net;
    PageMemory memory;
    if (!ReadNetworkToTime(net, argv[1]))
        return 1;
    RunSettings settings{argv[2], argv[3], std::strtoull(argv[4], nullptr, 10), argc > 5 ? RuleKindFromName(argv[5]) : RuleKind::Delta};
    QtDialogs dialogs;
    PageRegistry pages;
    Perceptron* page = OpenPreparedSetupPage(pages, net, memory, dialogs, settings);
    if (!page)
        return 1;

    // A run goes on on its own thread; the window's event loop runs meanwhile.
    QElapsedTimer clock;
    clock.start();
    if (std::getenv("THROUGHPUT_TWICE")) {
        TrainOnPage(*page);
        std::printf("first: %.3f s\n", static_cast<double>(clock.nsecsElapsed()) / 1e9);
        clock.restart();
    }
    TrainOnPage(*page);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("epochs %ld  seconds %.3f  epochs/s %.0f  repaints %ld  total SSE %.6f\n", net.EpochCount, seconds,
                static_cast<double>(net.EpochCount) / seconds, page->refreshCount(), net.TotalSSE);
    pages.exitProgram();

    // The same run in the same process with no page at all.
    const AloneRun alone = TrainAlone(argv[1], settings);
    std::printf("no page: epochs %ld  seconds %.3f  epochs/s %.0f  total SSE %.6f\n", alone.epochs, alone.seconds,
                static_cast<double>(alone.epochs) / alone.seconds, alone.totalSSE);
    return 0;
}
