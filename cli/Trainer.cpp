#include "Trainer.h"

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <string>

#include "Random.h"
#include "ResultsReport.h"
#include "Response.h"
#include "SettingsCheck.h"
#include "SpreadsheetSummary.h"
#include "TargetWriter.h"
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

class ConsoleHost : public SettingsPanel, public ProgressPanel, public Messages {
public:
    ConsoleHost(const Options& options, std::ostream& out, std::ostream& err, const std::atomic<bool>* stopFlag,
                const NumberLocale& locale)
        : boxes(BoxesFor(options, options.epochs, locale)), options(options), out(out), err(err), stopFlag(stopFlag)
    {
    }

    SettingsBoxes boxes;
    bool continuing = false;  // the --continue run, whose epochs box is --continue's

    SettingsBoxes ReadSettingsBoxes() override { return boxes; }
    void SetSweepsBox(const std::string& text) override { boxes.Sweeps = text; }
    void SetLRateBox(const std::string& text) override { boxes.LRate = text; }
    void SetPrintSweepsBox(const std::string& text) override { boxes.PrintSweeps = text; }
    void CheckBothStopBoxes() override { boxes.StopAtMaxEpochs = boxes.StopWhenAllHits = true; }
    void ShowStatus(const StatusLines& lines, bool final) override
    {
        if (options.quiet && !final)
            return;
        for (const std::string* line : {&lines.Epochs, &lines.TotalSSE, &lines.Change, &lines.Hits, &lines.Misses})
            if (!line->empty())
                out << *line << '\n';
        // A block at a time, so that a reader of a pipe sees the progress as it comes.
        out << '\n' << std::flush;
    }
    bool StopRequested() override { return stopFlag && stopFlag->load(std::memory_order_relaxed); }

    // The options are checked before training, so a warning here is not
    // expected; should one come, it still names its option.
    void Warning(std::string_view title, std::string_view text) override
    {
        err << "vantorelle-train: " << WarningLine(options, continuing, title, text) << '\n';
    }
    void Error(std::string_view text) override { err << Lines(text) << '\n'; }

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

// Why a file named on the command line cannot be read ("does not exist",
// "is a folder"); nothing when it can.
std::string UnreadableFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return "does not exist";
    if (error)
        return "cannot be reached: " + error.message();
    if (fs::is_directory(status))
        return "is a folder";
    if (access(path.c_str(), R_OK) != 0)
        return "cannot be read: " + std::error_code(errno, std::generic_category()).message();
    return {};
}

// A reason of the writer's ("A socket of that name is in the way.") as the
// end of a refusal line.
std::string AsClause(std::string reason)
{
    if (!reason.empty() && reason.back() == '.')
        reason.pop_back();
    if (!reason.empty())
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

// Why the report cannot go where --report says; nothing when it can. The
// writer makes its own checks at the end; these only spare a long run whose
// report could never be written. A pipe's reader may still come later.
std::string UnwritableReport(const std::string& path)
{
    namespace fs = std::filesystem;
    ReportTarget target;
    if (const int error = FindTarget(path, target))
        return AsClause(FileErrorReason(path, error));
    if (target.kind == TargetKind::Folder)
        return "is a folder";
    if (const int refusal = RefusalFor(target.kind))
        return AsClause(FileErrorReason(path, refusal));
    if (target.kind == TargetKind::Pipe || target.kind == TargetKind::CharacterDevice)
        return access(path.c_str(), W_OK) == 0 ? std::string() : "cannot be written to";
    // A new file goes beside the one the links lead to.
    const std::string folder = FolderOf(target.path);
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return "the folder \"" + folder + "\" does not exist";
    if (!error && !fs::is_directory(status))
        return "\"" + folder + "\" is not a folder";
    if (!error && access(folder.c_str(), W_OK | X_OK) != 0)
        return "the folder \"" + folder + "\" cannot be written to";
    return {};
}

// A training file's message, said of the test file.
std::string AsTestFile(std::string message)
{
    const std::string training = "The training file ";
    if (message.compare(0, training.size(), training) == 0)
        message.replace(0, training.size(), "The test file ");
    return message;
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
        err << "vantorelle-train: --test \"" << path << "\": the test file " << why << '\n';
        return ExitDataError;
    }
    NetworkState probe;
    if (ReadResult read = ReadTrainingFile(probe, path); !read.ok) {
        err << Lines(AsTestFile(read.message)) << '\n';
        return ExitDataError;
    }
    if (probe.NumInputs != net.NumInputs || probe.NumOutputs != net.NumOutputs) {
        err << "vantorelle-train: --test \"" << path << "\": the test file has " << probe.NumInputs << " inputs and "
            << probe.NumOutputs << " outputs; the training file has " << net.NumInputs << " and " << net.NumOutputs
            << ".\n";
        return ExitDataError;
    }
    return ExitOk;
}

// Replaces the patterns by a second file's, as generalization testing does,
// and prints how the trained network does on them.
int TestOnSecondFile(NetworkState& net, const std::string& path, std::ostream& out,
                     std::ostream& err, const NumberLocale& locale)
{
    // Checked before training; read again in case the file changed meanwhile.
    NetworkState probe;
    ReadResult read = ReadTrainingFile(probe, path);
    if (!read.ok) {
        err << Lines(AsTestFile(read.message)) << '\n';
        return ExitDataError;
    }
    if (probe.NumInputs != net.NumInputs || probe.NumOutputs != net.NumOutputs) {
        err << "The test file \"" << path << "\" has " << probe.NumInputs << " inputs and " << probe.NumOutputs
            << " outputs; the trained network has " << net.NumInputs << " and " << net.NumOutputs << ".\n";
        return ExitDataError;
    }
    // As the generalization page does: the test file becomes the training
    // file, training would start a new history from the current weights.
    net.TrainingFileName = FileBaseName(path);
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
    request.selectedName = FileBaseName(request.path);
    request.date = texts.Date();
    request.time = texts.Time();
    request.locale = texts.Numbers();
    ConsoleReportStatus status(out, options.quiet);
    return WriteResultsReport(net, request, status, messages) ? ExitOk : ExitDataError;
}

// The hub's feedback line and progress bar have nothing to show on the console.
class SilentSummaryProgress : public SummaryProgress {
public:
    void ShowFeedback(const std::string&) override {}
    void StartProgress(int) override {}
    void Advance() override {}
    void HideProgress() override {}
};

// The spreadsheet summary, written to `path` only once it is complete.
int WriteWorkbook(NetworkState& net, const std::string& path, Messages& messages, std::ostream& out, bool quiet)
{
    ReplaceWorkbookFile destination(path);
    SilentSummaryProgress progress;
    const SummaryResult result = BuildSpreadsheetSummary(net, LocalMoment(), destination, progress);
    if (!result.ok) {
        messages.Error(result.message);
        return ExitDataError;
    }
    if (!quiet)
        out << text::WorkbookWrittenCaption(result.path) << '\n';
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

    if (std::string why = UnreadableFile(options.trainingFile); !why.empty()) {
        err << "vantorelle-train: the training file \"" << options.trainingFile << "\" " << why << '\n';
        return ExitDataError;
    }
    if (options.reportFile) {
        if (std::string why = UnwritableReport(*options.reportFile); !why.empty()) {
            err << "vantorelle-train: --report \"" << *options.reportFile << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    if (options.workbookFile) {
        if (std::string why = UnwritableReport(*options.workbookFile); !why.empty()) {
            err << "vantorelle-train: --xlsx \"" << *options.workbookFile << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    NetworkState net;
    ReadResult read = ReadTrainingFile(net, options.trainingFile);
    if (!read.ok) {
        err << Lines(read.message) << '\n';
        return ExitDataError;
    }
    if (int code = CheckFiles(options, net, err); code != ExitOk)
        return code;
    if (std::string warning = HitCriterionWarning(options); !warning.empty())
        err << "vantorelle-train: " << warning << '\n';
    net.TrainingFileName = FileBaseName(options.trainingFile);
    net.FreshStart = 1;
    SizeUnitsAndWeights(net);
    ApplySettings(net, options);

    std::unique_ptr<Random> random =
        options.seed ? std::make_unique<MersenneRandom>(*options.seed) : std::make_unique<MersenneRandom>();
    ConsoleHost console(options, out, err, stopFlag, locale);
    TrainingHost host{console, console, console, *random, locale};

    if (!StartTraining(net, host))
        return ExitUsageError;
    if (options.continueEpochs && !(stopFlag && stopFlag->load())) {
        console.boxes.Sweeps = BoxesFor(options, *options.continueEpochs, locale).Sweeps;
        console.continuing = true;
        if (!ContinueTraining(net, host))
            return ExitUsageError;
    }
    if (options.testFile) {
        if (int code = TestOnSecondFile(net, *options.testFile, out, err, host.locale); code != ExitOk)
            return code;
    }
    int code = ExitOk;
    if (options.reportFile)
        code = WriteReport(net, options, *texts, console, out);
    if (options.workbookFile) {
        const int written = WriteWorkbook(net, *options.workbookFile, console, out, options.quiet);
        if (code == ExitOk)
            code = written;
    }
    return code;
}

}  // namespace vantorelle::cli
