#include "Trainer.h"

#include <memory>
#include <string>

#include "InitialWeights.h"
#include "Random.h"
#include "Response.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

namespace vantorelle::cli {

namespace {

// Message boxes become lines on the error stream ("\r" separates lines).
std::string Lines(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c == '\r')
            c = '\n';
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

class ConsoleHost : public TrainingPanel, public Messages {
public:
    ConsoleHost(const Options& options, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag)
        : options(options), out(out), err(err), stopFlag(stopFlag)
    {
        boxes.Sweeps = options.epochs;
        boxes.LRate = options.rate ? *options.rate : DefaultRate(options.rule);
        boxes.PrintSweeps = options.printEvery;
        boxes.MinError = options.minError;
        boxes.StopAtMaxEpochs = options.epochLimit;
        boxes.StopWhenAllHits = options.hitStop;
    }

    SettingsBoxes boxes;
    bool warned = false;

    SettingsBoxes ReadSettingsBoxes() override { return boxes; }
    void SetSweepsBox(const std::string& text) override { boxes.Sweeps = text; }
    void SetLRateBox(const std::string& text) override { boxes.LRate = text; }
    void SetPrintSweepsBox(const std::string& text) override { boxes.PrintSweeps = text; }
    void CheckBothStopBoxes() override { boxes.StopAtMaxEpochs = boxes.StopWhenAllHits = true; }
    void SetRunButtonsVisible(bool) override {}
    void ClearStatus() override {}
    void ShowStatusBoxes() override {}
    void ShowStatus(const StatusLines& lines, bool final) override
    {
        if (options.quiet && !final)
            return;
        for (const std::string* line : {&lines.Epochs, &lines.TotalSSE, &lines.Change, &lines.Hits, &lines.Misses})
            if (!line->empty())
                out << *line << '\n';
        out << '\n';
    }
    void ShowProgressBar(long) override {}
    void AdvanceProgressBar() override {}
    void HideProgressBar() override {}
    bool StopRequested() override { return stopFlag && stopFlag->load(std::memory_order_relaxed); }

    void Warning(std::string_view title, std::string_view text) override
    {
        warned = true;
        err << title << ": " << Lines(text) << '\n';
    }
    void Error(std::string_view text) override
    {
        warned = true;
        err << Lines(text) << '\n';
    }

private:
    const Options& options;
    std::ostream& out;
    std::ostream& err;
    const std::atomic<bool>* stopFlag;
};

void ApplySettings(NetworkState& net, const Options& options)
{
    SetDefaultSettings(net);
    net.LearningRule = options.rule;
    net.RandomizeOrder = !options.fileOrder;
    net.FreezeThresholds = options.freezeThresholds;
    net.WeightMin = options.weights.min;
    net.WeightMax = options.weights.max;
    net.WeightSign = options.weights.sign;
    net.ThresholdMin = options.thresholds.min;
    net.ThresholdMax = options.thresholds.max;
    net.ThresholdSign = options.thresholds.sign;
}

// Replaces the patterns by a second file's, as generalization testing does,
// and prints how the trained network does on them.
int TestOnSecondFile(NetworkState& net, const std::string& path, ConsoleHost& host, std::ostream& out,
                     std::ostream& err, const NumberLocale& locale)
{
    NetworkState probe;
    ReadResult read = ReadTrainingFile(probe, path);
    if (!read.ok) {
        err << Lines(read.message) << '\n';
        return ExitDataError;
    }
    if (probe.NumInputs != net.NumInputs || probe.NumOutputs != net.NumOutputs) {
        err << "The test file \"" << path << "\" has " << probe.NumInputs << " inputs and " << probe.NumOutputs
            << " outputs; the trained network has " << net.NumInputs << " and " << net.NumOutputs << ".\n";
        return ExitDataError;
    }
    ReadTrainingFile(net, path);
    net.FreshStart = 0;
    net.EpochCount = 0;
    EvaluateTrainingSet(net);
    (void)host;
    out << "Test file: " << path << '\n'
        << "Total SSE: " << FormatStandard(net.TotalSSE, locale) << '\n'
        << "  Hits: " << FormatStandard(static_cast<double>(net.Hits), locale) << '\n'
        << "Misses: " << FormatStandard(static_cast<double>(net.NumResponses - net.Hits), locale) << '\n';
    return ExitOk;
}

}  // namespace

int RunTrainer(const Options& options, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag)
{
    NetworkState net;
    ReadResult read = ReadTrainingFile(net, options.trainingFile);
    if (!read.ok) {
        err << Lines(read.message) << '\n';
        return ExitDataError;
    }
    auto slash = options.trainingFile.find_last_of('/');
    net.TrainingFileName = slash == std::string::npos ? options.trainingFile : options.trainingFile.substr(slash + 1);
    net.FreshStart = 1;
    SizeUnitsAndWeights(net);
    ApplySettings(net, options);

    std::unique_ptr<Random> random =
        options.seed ? std::make_unique<MersenneRandom>(*options.seed) : std::make_unique<MersenneRandom>();
    ConsoleHost console(options, out, err, stopFlag);
    TrainingHost host{console, console, *random, NumberLocale{}};

    // Start Training: new weights, the check, the run.
    net.FreshStart = 1;
    InitWeights(net, *random);
    InitThresholds(net, *random);
    if (!ValidateSettings(net, host))
        return ExitUsageError;
    RunTraining(net, host);

    if (options.continueEpochs && !(stopFlag && stopFlag->load())) {
        console.boxes.Sweeps = *options.continueEpochs;
        net.FreshStart = 0;
        if (!ValidateSettings(net, host))
            return ExitUsageError;
        RunTraining(net, host);
    }
    if (options.testFile)
        return TestOnSecondFile(net, *options.testFile, console, out, err, host.locale);
    return ExitOk;
}

}  // namespace vantorelle::cli
