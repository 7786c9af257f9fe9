#include "Trainer.h"

#include <memory>
#include <string>

#include "InitialWeights.h"
#include "Random.h"
#include "ResultsReport.h"
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

// Numbers on the command line are written the C way ("0.5"), but the engine
// reads its boxes in the system's form, as a user types them on the training
// page. Text that is no number passes unchanged, so the engine's own warning
// quotes it.
std::string BoxText(const std::string& option, const NumberLocale& locale)
{
    if (!ParseBoxNumber(option, NumberLocale{}))
        return option;
    return InLocaleForm(option, locale);
}

std::string BareName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class ConsoleHost : public TrainingPanel, public Messages {
public:
    ConsoleHost(const Options& options, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag,
                const NumberLocale& locale)
        : options(options), out(out), err(err), stopFlag(stopFlag)
    {
        boxes.Sweeps = BoxText(options.epochs, locale);
        boxes.LRate = BoxText(options.rate ? *options.rate : DefaultRate(options.rule), locale);
        boxes.PrintSweeps = BoxText(options.printEvery, locale);
        boxes.MinError = BoxText(options.minError, locale);
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
int TestOnSecondFile(NetworkState& net, const std::string& path, std::ostream& out,
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
    // As the generalization page does: the test file becomes the training
    // file, training would start a new history from the current weights.
    net.TrainingFileName = BareName(path);
    ReadTrainingFile(net, path);
    net.FreshStart = 0;
    net.EpochCount = 0;
    EvaluateTrainingSet(net);
    out << "Test file: " << path << '\n'
        << "Total SSE: " << FormatStandard(net.TotalSSE, locale) << '\n'
        << "  Hits: " << FormatStandard(static_cast<double>(net.Hits), locale) << '\n'
        << "Misses: " << FormatStandard(static_cast<double>(net.NumResponses - net.Hits), locale) << '\n';
    return ExitOk;
}

// The save-results page's label, on the console: only the outcome, and not when quiet.
class ConsoleReportStatus : public ReportStatus {
public:
    ConsoleReportStatus(std::ostream& out, bool quiet) : out(out), quiet(quiet) {}
    void ShowFileNameLabel(const std::string& caption, StatusColour background) override
    {
        if (background == StatusColour::Green && !quiet)
            out << caption << '\n';
    }

private:
    std::ostream& out;
    bool quiet;
};

int WriteReport(NetworkState& net, const Options& options, const SystemTexts& texts, Messages& messages,
                std::ostream& out)
{
    ReportRequest request;
    request.path = *options.reportFile;
    request.sections = options.sections;
    request.selectedName = BareName(request.path);
    request.date = texts.Date();
    request.time = texts.Time();
    request.locale = texts.Numbers();
    ConsoleReportStatus status(out, options.quiet);
    return WriteResultsReport(net, request, status, messages) ? ExitOk : ExitDataError;
}

}  // namespace

int RunTrainer(const Options& options, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag,
               const SystemTexts* texts)
{
    const QtSystemTexts systemTexts;
    if (!texts)
        texts = &systemTexts;
    const NumberLocale locale = texts->Numbers();

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
    ConsoleHost console(options, out, err, stopFlag, locale);
    TrainingHost host{console, console, *random, locale};

    // Start Training: new weights, the check, the run.
    net.FreshStart = 1;
    InitWeights(net, *random);
    InitThresholds(net, *random);
    if (!ValidateSettings(net, host))
        return ExitUsageError;
    RunTraining(net, host);

    if (options.continueEpochs && !(stopFlag && stopFlag->load())) {
        console.boxes.Sweeps = BoxText(*options.continueEpochs, locale);
        net.FreshStart = 0;
        if (!ValidateSettings(net, host))
            return ExitUsageError;
        RunTraining(net, host);
    }
    if (options.testFile) {
        if (int code = TestOnSecondFile(net, *options.testFile, out, err, host.locale); code != ExitOk)
            return code;
    }
    if (options.reportFile)
        return WriteReport(net, options, *texts, console, out);
    return ExitOk;
}

}  // namespace vantorelle::cli
