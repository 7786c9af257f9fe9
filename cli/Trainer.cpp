// SPDX-License-Identifier: GPL-3.0-or-later
#include "Trainer.h"

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <string>

#include "Confusion.h"
#include "FileChecks.h"
#include "Random.h"
#include "ReadWarnings.h"
#include "ResultsReport.h"
#include "RunThreads.h"
#include "SavedNetworkFile.h"
#include "Response.h"
#include "SavedNetwork.h"
#include "SeedTable.h"
#include "SettingsProblems.h"
#include "StandardStreams.h"
#include "StatusLines.h"
#include "SpreadsheetSummary.h"
#include "TargetWriter.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

namespace vantorelle::cli {

namespace {

// Message boxes become lines on the error stream ("\r" separates lines),
// the first one saying which program speaks, as in a pipeline of several.
std::string Lines(std::string_view text)
{
    std::string s = ProgramPrefix + std::string(text);
    for (char& c : s)
        if (c == '\r')
            c = '\n';
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

void Warn(const ReadResult& read, const std::string& path, FileRole role, std::ostream& err)
{
    for (const std::string& warning : ReadWarnings(read, path, role))
        err << ProgramPrefix << warning << '\n';
}

// Message boxes of the report and the workbook, on the error stream.
class ErrorStream : public Messages {
public:
    explicit ErrorStream(std::ostream& err) : err(err) {}
    void Warning(std::string_view, std::string_view text) override { err << Lines(text) << '\n'; }
    void Error(std::string_view text) override { err << Lines(text) << '\n'; }

private:
    std::ostream& err;
};

std::string TestSizesMessage(const NetworkState& test, const NetworkState& trained)
{
    return "the test file has " + std::to_string(test.NumInputs) + " inputs and " + std::to_string(test.NumOutputs) +
           " outputs; the training file has " + std::to_string(trained.NumInputs) + " and " +
           std::to_string(trained.NumOutputs) + ".";
}

// The run's progress on the output stream, its problems on the error stream.
class ConsoleObserver : public RunObserver {
public:
    ConsoleObserver(bool quiet, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag,
                    const NumberLocale& locale)
        : quiet(quiet), out(out), err(err), stopFlag(stopFlag), locale(locale)
    {
    }

    void EpochEnded(const EpochReport& report) override
    {
        if (report.Display && !quiet)
            Print(StatusLinesFor(report, locale));
    }
    void RunEnded(const EpochReport& report) override
    {
        LastLines = StatusLinesFor(report, locale);
        Print(LastLines);
    }
    // The final block of a network that is not trained here (a loaded one).
    void Show(const StatusLines& lines)
    {
        LastLines = lines;
        Print(lines);
    }
    void Problem(const RunProblem& problem) override { err << Lines(problem.message) << '\n'; }
    bool StopRequested() override { return stopFlag && stopFlag->load(std::memory_order_relaxed); }

    double LastPrintedSSE = 0;
    StatusLines LastLines;  // the last final block, which a saved network keeps

private:
    void Print(const StatusLines& lines)
    {
        for (const std::string* line : {&lines.Epochs, &lines.TotalSSE, &lines.Change, &lines.Hits, &lines.Misses})
            if (!line->empty())
                out << *line << '\n';
        // A block at a time, so that a reader of a pipe sees the progress as it comes.
        out << '\n' << std::flush;
    }

    bool quiet;
    std::ostream& out;
    std::ostream& err;
    const std::atomic<bool>* stopFlag;
    NumberLocale locale;
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

// Everything about the files that can be known before training: the files
// named exist and are files, the test file is one this network can take,
// the report's folder is there. Answers the exit code, ExitOk to go on.
int CheckFiles(const Options& options, const NetworkState& net, std::ostream& err)
{
    if (!options.testFile)
        return ExitOk;
    const std::string& path = *options.testFile;
    if (std::string why = UnreadableFile(path); !why.empty()) {
        err << ProgramPrefix << "--test \"" << path << "\": the test file " << why << '\n';
        return ExitDataError;
    }
    NetworkState probe;
    const ReadResult read = ReadNamedTrainingFile(probe, path, FileRole::Test);
    if (!read.ok) {
        err << Lines(read.message) << '\n';
        return ExitDataError;
    }
    Warn(read, path, FileRole::Test, err);
    if (!SameUnits(probe, net)) {
        err << ProgramPrefix << "--test \"" << path << "\": " << TestSizesMessage(probe, net) << '\n';
        return ExitDataError;
    }
    return ExitOk;
}

// The training file can be read and the report and workbook can be written,
// as far as that can be known before reading and training: a long run whose
// files could never be written is spared. Answers the exit code, ExitOk to go on.
int CheckNamedFiles(const Options& options, std::ostream& err)
{
    if (options.loadFile) {
        if (std::string why = UnreadableFile(*options.loadFile); !why.empty()) {
            err << ProgramPrefix << "--load \"" << *options.loadFile << "\": the saved network " << why << '\n';
            return ExitDataError;
        }
    } else if (std::string why = IsStandardStream(options.trainingFile) ? "" : UnreadableFile(options.trainingFile);
               !why.empty()) {
        err << ProgramPrefix << "the training file \"" << options.trainingFile << "\" " << why << '\n';
        return ExitDataError;
    }
    if (options.saveFile) {
        if (std::string why = UnwritableReport(*options.saveFile); !why.empty()) {
            err << ProgramPrefix << "--save \"" << *options.saveFile << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    if (options.reportFile && !IsStandardStream(*options.reportFile)) {
        if (std::string why = UnwritableReport(*options.reportFile); !why.empty()) {
            err << ProgramPrefix << "--report \"" << *options.reportFile << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    if (options.workbookFile) {
        if (std::string why = UnwritableReport(*options.workbookFile); !why.empty()) {
            err << ProgramPrefix << "--xlsx \"" << *options.workbookFile << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    return ExitOk;
}

// Replaces the patterns by a second file's, as generalization testing does,
// and prints how the trained network does on them. The file was checked
// before training; it is read again here in case it changed meanwhile.
void PrintConfusion(const NetworkState& net, const char* title, std::ostream& out, const NumberLocale& locale)
{
    out << title << '\n';
    for (const std::string& line : ConfusionLines(ConfusionOf(net), locale))
        out << line << '\n';
    out << '\n';
}

int TestOnSecondFile(NetworkState& net, const std::string& path, std::ostream& out, std::ostream& err,
                     const NumberLocale& locale, bool confusion)
{
    NetworkState read;
    if (ReadResult result = ReadNamedTrainingFile(read, path, FileRole::Test); !result.ok) {
        err << Lines(result.message) << '\n';
        return ExitDataError;
    }
    if (!AdoptTestPatterns(net, read, FileBaseName(path))) {
        err << ProgramPrefix << "--test \"" << path << "\": " << TestSizesMessage(read, net) << '\n';
        return ExitDataError;
    }
    EvaluateTrainingSet(net);
    const StatusLines lines = ResultLines(net, locale);
    out << "Test file: " << path << '\n' << lines.TotalSSE << '\n' << lines.Hits << '\n' << lines.Misses << '\n';
    if (confusion) {
        out << '\n';
        PrintConfusion(net, "Test file, unit by unit:", out, locale);
    }
    return ExitOk;
}

// The save-results page's label, on the console: only the outcome, and not when quiet.
class ConsoleReportObserver : public ReportObserver {
public:
    ConsoleReportObserver(std::ostream& out, std::string name, bool quiet) : out(out), name(std::move(name)), quiet(quiet)
    {
    }
    void StageReached(ReportStage stage) override
    {
        if (stage == ReportStage::Saved && !quiet)
            out << ReportStageCaption(stage, name) << '\n';
    }

private:
    std::ostream& out;
    std::string name;
    bool quiet;
};

int WriteReport(NetworkState& net, const Options& options, const SystemTexts& texts, Messages& messages,
                std::ostream& out)
{
    ReportRequest request;
    request.path = *options.reportFile;
    request.sections = options.sections;
    request.date = texts.Date();
    request.time = texts.Time();
    request.locale = texts.Numbers();
    ConsoleReportObserver observer(out, FileBaseName(request.path), options.quiet);
    if (IsStandardStream(request.path)) {
        StandardOutputFiles standardOutput;
        return WriteResultsReport(net, request, observer, messages, standardOutput) ? ExitOk : ExitDataError;
    }
    return WriteResultsReport(net, request, observer, messages) ? ExitOk : ExitDataError;
}

// The spreadsheet summary, written to `path` only once it is complete.
int WriteWorkbook(NetworkState& net, const std::string& path, Messages& messages, std::ostream& out, bool quiet)
{
    ReplaceWorkbookFile destination(path);
    SummaryObserver silent;
    const SummaryResult result = BuildSpreadsheetSummary(net, LocalMoment(), destination, silent);
    if (!result.ok) {
        messages.Error(result.message);
        return ExitDataError;
    }
    if (!quiet)
        out << text::WorkbookWrittenCaption(result.path) << '\n';
    return ExitOk;
}

// A saved network in place of a training file: its patterns, settings and
// the generator where the saved run left it.
int LoadSaved(SavedNetwork& saved, const std::string& path, Random& random, std::ostream& err)
{
    if (const auto problem = ReadSavedNetworkFile(path, saved)) {
        err << ProgramPrefix << "--load: " << SavedNetworkMessage(path, *problem) << '\n';
        return ExitDataError;
    }
    if (saved.random)
        random.Restore(*saved.random);
    return ExitOk;
}

// A loaded network goes on with its own settings; only the epochs are --continue's.
SettingsInput SavedInput(const NetworkState& net, const Options& options)
{
    SettingsInput input;
    input.Epochs = EnteredNumber::Of(options.continueEpochs->value);
    input.LearningRate = EnteredNumber::Of(net.LearningRate);
    input.PrintSweeps = EnteredNumber::Of(net.PrintSweeps);
    input.MinError = EnteredNumber::Of(net.MinError);
    input.StopAtMaxEpochs = net.StopAtMaxEpochs;
    input.StopWhenAllHits = net.StopWhenAllHits;
    return input;
}

// The set-up page's boxes as these options would fill them, and the final block.
void KeepPage(SavedNetwork& saved, const Options& options, const StatusLines& lines, bool loaded)
{
    SavedPage& page = saved.page;
    if (!loaded) {
        page.epochsBox = options.epochs.text;
        page.printEveryBox = options.printEvery.text;
        page.rateBox = RateOf(options).text;
        page.minErrorBox = options.minError.text;
    }
    if (options.continueEpochs)
        page.epochsBox = options.continueEpochs->text;
    KeepStatusLines(page, lines);
}

int SaveNetwork(SavedNetwork& saved, const Random& random, const std::string& path, std::ostream& err,
                std::ostream& out, bool quiet)
{
    saved.random = random.State();
    if (std::string failure = WriteSavedNetworkFile(saved, path); !failure.empty()) {
        err << Lines(failure) << '\n';
        return ExitDataError;
    }
    if (!quiet)
        out << "Saved the network as " << path << '\n';
    return ExitOk;
}

// Reads the training file into a fresh network; answers the exit code.
int ReadTraining(NetworkState& net, const Options& options, std::ostream& err)
{
    ReadResult read = ReadNamedTrainingFile(net, options.trainingFile);
    if (!read.ok) {
        err << Lines(read.message) << '\n';
        return ExitDataError;
    }
    Warn(read, options.trainingFile, FileRole::Training, err);
    return ExitOk;
}

// Trains as the options say: a fresh run and the --continue run, or for a
// loaded network only the --continue run. Answers the exit code.
int Train(SavedNetwork& saved, const Options& options, Random& random, ConsoleObserver& console,
          const std::atomic<bool>* stopFlag, std::ostream& err, const NumberLocale& locale)
{
    NetworkState& net = saved.net;
    if (options.loadFile && !options.continueEpochs) {
        // A loaded network shows the block it was saved with.
        console.Show(ShowsStatus(saved.page) ? SavedStatusLines(saved.page) : TrainedLines(net, locale));
        return ExitOk;
    }
    // The options passed the settings check before the file was read; a
    // refusal here would be the network's own.
    for (bool continuing : {false, true}) {
        if (continuing && (!options.continueEpochs || (stopFlag && stopFlag->load())))
            break;
        if (!continuing && options.loadFile)
            continue;
        const SettingsInput input = options.loadFile ? SavedInput(net, options) : InputFor(options, continuing);
        const Refusal refusal = continuing ? ContinueTraining(net, input, random, console, console.LastPrintedSSE)
                                           : StartTraining(net, input, random, console, console.LastPrintedSSE);
        if (refusal) {
            err << ProgramPrefix << ProblemLine(options, continuing, *refusal) << '\n';
            return ExitUsageError;
        }
    }
    return ExitOk;
}

}  // namespace

int RunTrainer(const Options& options, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag,
               const SystemTexts* texts)
{
    const QtSystemTexts systemTexts;
    if (!texts)
        texts = &systemTexts;
    const NumberLocale locale = texts->Numbers();

    if (int code = CheckNamedFiles(options, err); code != ExitOk)
        return code;
    // The network and everything a saved one keeps with it.
    auto saved = std::make_unique<SavedNetwork>();
    NetworkState& net = saved->net;
    std::unique_ptr<Random> random =
        options.seed ? std::make_unique<MersenneRandom>(*options.seed) : std::make_unique<MersenneRandom>();
    if (options.loadFile) {
        if (int code = LoadSaved(*saved, *options.loadFile, *random, err); code != ExitOk)
            return code;
    } else if (int code = ReadTraining(net, options, err); code != ExitOk) {
        return code;
    }
    if (int code = CheckFiles(options, net, err); code != ExitOk)
        return code;
    if (!options.loadFile) {
        if (std::string warning = HitCriterionWarning(options); !warning.empty())
            err << ProgramPrefix << warning << '\n';
        net.TrainingFileName = FileBaseName(options.trainingFile);
        net.FreshStart = true;
        SizeUnitsAndWeights(net);
        ApplySettings(net, options);
    }

    // A fixed count of threads for the run's outputs; none, the engine's choice.
    SetRunThreads(options.threads && !options.seeds ? static_cast<int>(*options.threads) : 0);
    if (options.seeds)
        return RunSeedTable(net, options, out, err, stopFlag, locale);

    // With the report on standard output, nothing else may go there.
    std::ostream& progress = options.reportFile && IsStandardStream(*options.reportFile) ? err : out;
    ConsoleObserver console(options.quiet, progress, err, stopFlag, locale);
    console.LastPrintedSSE = saved->lastDisplayedSSE;
    if (int code = Train(*saved, options, *random, console, stopFlag, err, locale); code != ExitOk)
        return code;
    if (options.confusion)
        PrintConfusion(net, "Training file, unit by unit:", progress, locale);
    int code = ExitOk;
    // Saved before --test puts the second file's patterns in place.
    if (options.saveFile) {
        saved->lastDisplayedSSE = console.LastPrintedSSE;
        KeepPage(*saved, options, console.LastLines, options.loadFile.has_value());
        code = SaveNetwork(*saved, *random, *options.saveFile, err, progress, options.quiet);
    }
    if (options.testFile) {
        if (int tested = TestOnSecondFile(net, *options.testFile, progress, err, locale, options.confusion);
            tested != ExitOk)
            return tested;
    }
    ErrorStream messages(err);
    if (options.reportFile) {
        const int written = WriteReport(net, options, *texts, messages, progress);
        if (code == ExitOk)
            code = written;
    }
    if (options.workbookFile) {
        const int written = WriteWorkbook(net, *options.workbookFile, messages, progress, options.quiet);
        if (code == ExitOk)
            code = written;
    }
    return code;
}

}  // namespace vantorelle::cli
