#include "TrainingEngine.h"

#include <cmath>
#include <new>
#include <optional>

#include "InitialWeights.h"
#include "Response.h"
#include "TrainingSweep.h"

namespace vantorelle {

namespace text {

std::string OverflowMessage()
{
    return "Overflow error: \rAn overflow error has occured.\rPlease consider decreasing the learning rate and trying "
           "again.\r";
}

std::string GeneralErrorMessage(const std::string& description)
{
    return std::string("This version of the code has encountered an error.\r") +
           "It would be helpful if you could report this error to " + ContactAddress + "\r" +
           "Please include the following error message as well as\r" +
           "where the error occured and what version of windows you are using:\r" + description + " \r";
}

std::string OutOfMemoryMessage()
{
    return "Out of memory error: \rPlease try closing some applications and retrying.\r";
}

std::string NonFiniteMessage(long epoch)
{
    return "Training stopped after epoch " + std::to_string(epoch) +
           ":\rA weight, a threshold or the total error is no longer a finite number.\r"
           "Please consider decreasing the learning rate and trying again.\r";
}

std::string MismatchedSizesMessage()
{
    return "The network's units and weights do not match the patterns of the training file.\r"
           "Please read the training file again from the first page.\r";
}

}  // namespace text

namespace {

// A box whose text is not a usable number ends the check with the general
// error report, as any unexpected error there does.
struct BoxError {
    std::string description;
};

double BoxNumber(const std::string& boxText, const char* boxName, const NumberLocale& locale)
{
    if (auto value = ParseBoxNumber(boxText, locale))
        return *value;
    throw BoxError{"Type mismatch: the " + std::string(boxName) + " box holds \"" + boxText +
                   "\", which is not a number."};
}

long BoxWholeNumber(double value, const char* boxName)
{
    if (auto whole = RoundToWhole(value))
        return *whole;
    throw BoxError{"Overflow: the number in the " + std::string(boxName) + " box is too large."};
}

bool AllFinite(const NetworkState& net)
{
    if (!std::isfinite(net.TotalSSE))
        return false;
    for (long k = 1; k <= net.NumOutputs; ++k)
        if (!std::isfinite(net.OutputUnits[k].Threshold))
            return false;
    for (long i = 1; i <= net.NumInputs; ++i) {
        const double* w = net.Weights.Row(i);
        for (long k = 1; k <= net.NumOutputs; ++k)
            if (!std::isfinite(w[k]))
                return false;
    }
    return true;
}

void SetUnitTypesFromRule(NetworkState& net, RuleKind rule)
{
    if (rule != RuleKind::None)
        SetUnitTypes(net, UnitKindForRule(rule));
}

void AppendHistory(NetworkState& net)
{
    net.SSERecordCount = net.SSERecordCount + 1;
    net.SSEHistory[net.SSERecordCount] = {static_cast<double>(net.EpochCount), net.TotalSSE};
}

// Appends a row, or counts the record when the history is full; true when the row was kept.
bool RecordHistory(NetworkState& net)
{
    if (net.SSERecordCount < MaxHistoryRows) {
        AppendHistory(net);
        return true;
    }
    net.SSERecordsDropped = net.SSERecordsDropped + 1;
    return false;
}

std::string ChangeLine(double change, const NumberLocale& locale)
{
    return "Change in SSE: " + FormatScientific(change, locale);
}

}  // namespace

StatusLines ResultLines(const NetworkState& net, const NumberLocale& locale)
{
    StatusLines lines;
    lines.Epochs = "Epochs: " + FormatWhole(net.EpochCount);
    lines.TotalSSE = "Total SSE: " + FormatStandard(net.TotalSSE, locale);
    lines.Hits = "  Hits: " + FormatStandard(static_cast<double>(net.Hits), locale);
    lines.Misses = "Misses: " + FormatStandard(static_cast<double>(net.NumResponses - net.Hits), locale);
    return lines;
}

std::string text::TrainingFileLabel(const NetworkState& net) { return "Training: " + net.TrainingFileName; }

void SetUnitTypes(NetworkState& net, UnitKind type)
{
    for (long k = 1; k <= net.NumOutputs; ++k)
        net.OutputUnits[k].UnitType = type;
}

void ShufflePatterns(NetworkState& net, Random& random)
{
    const long n = net.NumPatterns;
    for (long i = 1; i <= n; ++i)
        net.PatternOrder[i] = i;
    if (!net.RandomizeOrder)
        return;
    for (long j = 1; j <= n - 1; ++j) {
        const long r = static_cast<long>(std::floor(random.Next() * static_cast<double>(n - j + 1) + j));
        std::swap(net.PatternOrder[r], net.PatternOrder[j]);
    }
}

bool NetworkMatchesPatterns(const NetworkState& net)
{
    auto size = [](long count) { return static_cast<std::size_t>(count) + 1; };
    return net.NumInputs >= 1 && net.NumOutputs >= 1 && net.NumPatterns >= 1 &&
           net.InputUnits.size() == size(net.NumInputs) && net.OutputUnits.size() == size(net.NumOutputs) &&
           net.Weights.Rows() == net.NumInputs && net.Weights.Cols() == net.NumOutputs &&
           net.InputPatterns.Rows() == net.NumPatterns && net.InputPatterns.Cols() == net.NumInputs &&
           net.DesiredOutputs.Rows() == net.NumPatterns && net.DesiredOutputs.Cols() == net.NumOutputs &&
           net.PatternOrder.size() >= size(net.NumPatterns);
}

bool ValidateSettings(NetworkState& net, TrainingHost& host)
{
    if (!NetworkMatchesPatterns(net)) {
        host.messages.Error(text::MismatchedSizesMessage());
        return false;
    }
    SettingsPanel& panel = host.settings;
    const SettingsBoxes boxes = panel.ReadSettingsBoxes();
    net.StopAtMaxEpochs = boxes.StopAtMaxEpochs ? 1 : 0;
    net.StopWhenAllHits = boxes.StopWhenAllHits ? 1 : 0;
    try {
        // A box value below one half rounds to no epochs at all, which would
        // never meet the epoch stop: refuse it like zero.
        const double sweeps = BoxNumber(boxes.Sweeps, "maximum epochs", host.locale);
        if (net.StopAtMaxEpochs == 1 && (sweeps <= 0 || BoxWholeNumber(sweeps, "maximum epochs") <= 0)) {
            host.messages.Warning(text::MaxEpochsTitle, text::MaxEpochsMessage);
            panel.SetSweepsBox("1");
            return false;
        }
        if (net.StopAtMaxEpochs == 0 && net.StopWhenAllHits == 0) {
            host.messages.Warning(text::NoStopTitle, text::NoStopMessage);
            panel.CheckBothStopBoxes();
            return false;
        }
        const double rate = BoxNumber(boxes.LRate, "learning rate", host.locale);
        if (rate < 0) {
            host.messages.Warning(text::LearningRateTitle, text::LearningRateMessage);
            net.LearningRate = 0.1;
            panel.SetLRateBox("0.10");
            return false;
        }
        net.LearningRate = rate;
        const long printSweeps =
            BoxWholeNumber(BoxNumber(boxes.PrintSweeps, "epochs between displays", host.locale),
                           "epochs between displays");
        if (printSweeps < 1) {
            // Displays every zero epochs would never come round again.
            host.messages.Warning(text::DisplayIntervalTitle, text::DisplayIntervalMessage);
            panel.SetPrintSweepsBox("1");
            return false;
        }
        net.PrintSweeps = printSweeps;
        if (!boxes.MinError.empty())
            net.MinError = BoxNumber(boxes.MinError, "minimum error", host.locale);
        if (net.FreshStart == 1) {
            net.EpochLimit = BoxWholeNumber(sweeps, "maximum epochs");
        } else {
            const double limit = sweeps + static_cast<double>(net.EpochCount);
            net.EpochLimit = BoxWholeNumber(limit, "maximum epochs");
            if (net.StopAtMaxEpochs == 1 && net.EpochLimit <= net.EpochCount) {
                host.messages.Warning(text::MaxEpochsTitle, text::MaxEpochsMessage);
                panel.SetSweepsBox("1");
                return false;
            }
        }
    } catch (const BoxError& error) {
        host.messages.Error(text::GeneralErrorMessage(error.description));
        return false;
    } catch (const std::bad_alloc&) {
        host.messages.Error(text::OutOfMemoryMessage());
        return false;
    }
    host.progress.SetRunButtonsVisible(false);
    return true;
}

void RunTraining(NetworkState& net, TrainingHost& host)
{
    ProgressPanel& panel = host.progress;
    const NumberLocale& locale = host.locale;
    const RuleKind rule = RuleKindFromName(net.LearningRule);

    panel.ShowStatusBoxes();
    if (net.FreshStart == 1)
        net.EpochCount = 0;
    bool stop = false;
    long epochsSinceDisplay = 0;
    double change = 0;
    bool overflowReported = false;
    bool nonFinite = false;
    SweepWorkspace work;  // the run's scratch memory

    // Row 1 describes the network before training, under the rule's own unit
    // kind (not the kind a previous run left behind).
    SetUnitTypesFromRule(net, rule);
    if (net.EpochCount == 0) {
        net.SSERecordCount = 1;
        net.SSERecordsDropped = 0;
        net.SSEHistory[1] = {0.0, TrainingSetSSE(net)};
    }
    const bool epochLimitOn = net.StopAtMaxEpochs == 1;
    if (epochLimitOn)
        panel.ShowProgressBar(net.EpochLimit - net.EpochCount);

    while (!stop) {
        SetUnitTypesFromRule(net, rule);
        net.EpochCount = net.EpochCount + 1;
        epochsSinceDisplay = epochsSinceDisplay + 1;
        if (epochLimitOn)
            panel.AdvanceProgressBar();
        ShufflePatterns(net, host.random);
        if (TrainingSweep(net, rule, work) == RuleOutcome::Overflow && !overflowReported) {
            // Once per run: the rule skips each overflowing update and training goes on.
            overflowReported = true;
            host.messages.Error(text::OverflowMessage());
        }
        EvaluateTrainingSet(net, work);

        if (epochsSinceDisplay == net.PrintSweeps) {
            change = host.LastPrintedSSE - net.TotalSSE;
            host.LastPrintedSSE = net.TotalSSE;
            epochsSinceDisplay = 0;
            StatusLines lines = ResultLines(net, locale);
            if (net.EpochCount != 1) {
                lines.ChangeColour = change >= 0 ? StatusColour::Green : StatusColour::Red;
                lines.Change = ChangeLine(change, locale);
            }
            panel.ShowStatus(lines, false);
            if (RecordHistory(net) && net.SSERecordCount > 2)
                change = net.SSEHistory[net.SSERecordCount - 1].SSE - net.TotalSSE;
        }

        if (epochLimitOn && net.EpochCount >= net.EpochLimit)
            stop = true;
        if (net.Hits == net.NumResponses && net.StopWhenAllHits == 1)
            stop = true;
        if (!AllFinite(net)) {
            nonFinite = true;
            stop = true;
        }
        if (panel.StopRequested())
            stop = true;
    }

    if (epochLimitOn)
        panel.HideProgressBar();

    StatusLines lines = ResultLines(net, locale);
    if (net.EpochCount > 1)
        lines.Change = ChangeLine(change, locale);
    lines.HitsColour = net.Hits == net.NumResponses ? StatusColour::Green : StatusColour::Red;
    panel.ShowStatus(lines, true);

    if (epochsSinceDisplay < net.PrintSweeps)
        RecordHistory(net);

    if (nonFinite)
        host.messages.Error(text::NonFiniteMessage(net.EpochCount));
    panel.SetRunButtonsVisible(true);
}

bool BeginFreshStart(NetworkState& net, TrainingHost& host)
{
    net.FreshStart = 1;
    host.progress.ClearStatus();
    if (!NetworkMatchesPatterns(net)) {
        // Drawing weights for units that are not there would write past them.
        host.messages.Error(text::MismatchedSizesMessage());
        host.progress.SetRunButtonsVisible(false);
        return false;
    }
    InitWeights(net, host.random);
    InitThresholds(net, host.random);
    if (ValidateSettings(net, host))
        return true;
    host.progress.SetRunButtonsVisible(false);
    return false;
}

bool BeginContinue(NetworkState& net, TrainingHost& host)
{
    net.FreshStart = 0;
    return ValidateSettings(net, host);
}

bool StartTraining(NetworkState& net, TrainingHost& host)
{
    if (!BeginFreshStart(net, host))
        return false;
    RunTraining(net, host);
    return true;
}

bool ContinueTraining(NetworkState& net, TrainingHost& host)
{
    if (!BeginContinue(net, host))
        return false;
    RunTraining(net, host);
    return true;
}

}  // namespace vantorelle
