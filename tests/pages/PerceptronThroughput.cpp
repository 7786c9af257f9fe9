// Epochs per second of a run on the training page with its window shown, for
// comparison with the headless trainer on the same file and settings:
//
//   perceptron_throughput FILE.net EPOCHS PRINT_EVERY SEED [RULE]
//   vantorelle-train FILE.net --epochs EPOCHS --print-every PRINT_EVERY
//       --seed SEED --no-hit-stop [--rule RULE] > /dev/null
//
// Not a test: it measures and prints. Run it offscreen or under Xvfb.

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "NetworkState.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "QtDialogs.h"
#include "Random.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

namespace {

// The engine with nothing to show, as a headless trainer runs it.
class NoPanel : public vantorelle::SettingsPanel, public vantorelle::ProgressPanel, public vantorelle::Messages {
public:
    vantorelle::SettingsBoxes boxes;
    vantorelle::SettingsBoxes ReadSettingsBoxes() override { return boxes; }
    void SetSweepsBox(const std::string&) override {}
    void SetLRateBox(const std::string&) override {}
    void SetPrintSweepsBox(const std::string&) override {}
    void CheckBothStopBoxes() override {}
    void ShowStatus(const vantorelle::StatusLines& lines, bool) override { last = lines; }
    bool StopRequested() override { return false; }
    void Warning(std::string_view, std::string_view text) override { std::fprintf(stderr, "%s\n", std::string(text).c_str()); }
    void Error(std::string_view text) override { std::fprintf(stderr, "%s\n", std::string(text).c_str()); }
    vantorelle::StatusLines last;
};

}  // namespace

int main(int argc, char* argv[])
{
    using namespace vantorelle;
    QApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s FILE.net EPOCHS PRINT_EVERY SEED [Delta|Gradient|Tarvik]\n", argv[0]);
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
    QtDialogs dialogs;
    PageRegistry pages;
    DefinePages(pages, net, dialogs, [seed] { return std::make_unique<MersenneRandom>(seed); });
    auto* page = static_cast<Perceptron*>(pages.open(QStringLiteral("Perceptron")));
    if (!QTest::qWaitForWindowExposed(page))
        return 1;

    const QString rule = argc > 5 ? QString::fromLatin1(argv[5]) : QStringLiteral("Delta");
    const char* option = rule == "Gradient" ? "OptionDelta_1" : rule == "Tarvik" ? "OptionDelta_2" : "OptionDelta_0";
    page->findChild<QRadioButton*>(QString::fromLatin1(option))->click();
    page->findChild<QLineEdit*>(QStringLiteral("SweepsBox"))->setText(QString::fromLatin1(argv[2]));
    page->findChild<QLineEdit*>(QStringLiteral("PrintSweepsBox"))->setText(QString::fromLatin1(argv[3]));
    page->findChild<QCheckBox*>(QStringLiteral("Check1_1"))->setChecked(false);

    // A run goes on on its own thread; the window's event loop runs meanwhile.
    auto trainOnce = [page] {
        page->findChild<QPushButton*>(QStringLiteral("StartTraining"))->click();
        QTest::qWaitFor([page] { return !page->isTraining(); }, 24 * 3600 * 1000);
    };
    QElapsedTimer clock;
    clock.start();
    if (std::getenv("THROUGHPUT_TWICE")) {
        trainOnce();
        std::printf("first: %.3f s\n", static_cast<double>(clock.nsecsElapsed()) / 1e9);
        clock.restart();
    }
    trainOnce();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("epochs %ld  seconds %.3f  epochs/s %.0f  repaints %ld  total SSE %.6f\n", net.EpochCount, seconds,
                static_cast<double>(net.EpochCount) / seconds, page->refreshCount(), net.TotalSSE);
    pages.exitProgram();

    // The same run in the same process with no page at all.
    NetworkState alone;
    ReadTrainingFile(alone, argv[1]);
    SizeUnitsAndWeights(alone);
    SetDefaultSettings(alone);
    alone.LearningRule = rule.toStdString();
    NoPanel panel;
    panel.boxes = {argv[2], defaults::RateText(rule.toStdString()), argv[3], "0.01", true, false};
    MersenneRandom random(seed);
    TrainingHost host{panel, panel, panel, random, NumberLocale{}};
    clock.restart();
    if (std::getenv("THROUGHPUT_SAME_STATE")) {
        StartTraining(net, host);
        std::printf("no page, page's state: %.3f s\n", static_cast<double>(clock.nsecsElapsed()) / 1e9);
        clock.restart();
    }
    StartTraining(alone, host);
    const double aloneSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("no page: epochs %ld  seconds %.3f  epochs/s %.0f  total SSE %.6f\n", alone.EpochCount, aloneSeconds,
                static_cast<double>(alone.EpochCount) / aloneSeconds, alone.TotalSSE);
    return 0;
}
