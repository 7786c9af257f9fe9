// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingEngine.h"

#include <cmath>
#include <new>
#include <optional>

#include "InitialWeights.h"
#include "RunThreads.h"
#include "WorkerCrew.h"
#include "Response.h"
#include "kernels/MeasureAside.h"
#include "kernels/OutputShares.h"
#include "kernels/SteppedSweep.h"
#include "kernels/TrainingSweep.h"

namespace vantorelle {

namespace {

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

}  // namespace

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

Refusal AdoptSettings(NetworkState& net, const SettingsInput& input)
{
    net.StopAtMaxEpochs = input.StopAtMaxEpochs;
    net.StopWhenAllHits = input.StopWhenAllHits;
    try {
        const SettingsCheckResult result = CheckSettings(input, {net.FreshStart, net.EpochCount});
        const CheckedSettings& taken = result.taken;
        if (taken.LearningRate)
            net.LearningRate = *taken.LearningRate;
        if (taken.PrintSweeps)
            net.PrintSweeps = *taken.PrintSweeps;
        if (taken.MinError)
            net.MinError = *taken.MinError;
        if (taken.EpochLimit)
            net.EpochLimit = *taken.EpochLimit;
        return result.problem;
    } catch (const std::bad_alloc&) {
        return SettingsProblem{SettingsField::Network, SettingsProblem::Kind::Error, {}, text::OutOfMemoryMessage(),
                               "out of memory", {}};
    }
}

namespace {

SettingsProblem MismatchedSizes()
{
    return {SettingsField::Network, SettingsProblem::Kind::Error, {}, text::MismatchedSizesMessage(),
            "the network's units and weights do not match its patterns", {}};
}

// The run's own bookkeeping between epochs.
struct RunProgress {
    long epochsSinceDisplay = 0;
    long epochsOfRun = 0;
    double change = 0;
};

EpochReport Report(const NetworkState& net, const RunProgress& progress)
{
    EpochReport report;
    report.Epoch = net.EpochCount;
    report.EpochsOfRun = progress.epochsOfRun;
    report.EpochsPlanned = net.StopAtMaxEpochs ? net.EpochLimit - net.EpochCount + progress.epochsOfRun : 0;
    report.TotalSSE = net.TotalSSE;
    report.Hits = net.Hits;
    report.Responses = net.NumResponses;
    report.Change = progress.change;
    return report;
}

// A progress display and its record in the history.
void Display(NetworkState& net, RunProgress& progress, RunObserver& observer, double& lastPrintedSSE)
{
    progress.change = lastPrintedSSE - net.TotalSSE;
    lastPrintedSSE = net.TotalSSE;
    progress.epochsSinceDisplay = 0;
    EpochReport report = Report(net, progress);
    report.Display = true;
    observer.EpochEnded(report);
    if (RecordHistory(net) && net.SSERecordCount > 2)
        progress.change = net.SSEHistory[net.SSERecordCount - 1].SSE - net.TotalSSE;
}

// From here on one thread measures, reusing the sums the step rule's sweep
// kept, while a second sums later patterns ahead of that sweep.
void SumAheadOfTheSweep(SweepWorkspace& work, std::optional<WorkerCrew>& sweepCrew)
{
    sweepCrew.emplace(2);
    work.sweepCrew = &*sweepCrew;
    work.updateShare = 0;  // the sweeps before went side by side: so does the next
    work.outputsStepped = 0;
}

}  // namespace

void RunTraining(NetworkState& net, Random& random, RunObserver& observer, double& lastPrintedSSE)
{
    const RuleKind rule = net.LearningRule;
    if (net.FreshStart)
        net.EpochCount = 0;
    RunProgress progress;
    bool stop = false;
    bool overflowReported = false;
    bool nonFinite = false;
    SweepWorkspace work;  // the run's scratch memory
    // Large networks train their outputs in shares on several threads, or
    // measure each epoch beside the next one's sweep (RunThreads.h); an
    // epoch stepped pattern by pattern goes on this thread alone, after
    // which the shares or the sweeps ahead start afresh from the network.
    const RunPlan plan = PlanRun(net.NumPatterns, net.NumInputs, net.NumOutputs);
    int shareCount = plan.shares;
    // Shares the step rule took up after measuring aside (below); it leaves
    // them once its sweeps' sums serve the measurement.
    bool stepShares = false;
    bool measureAside = plan.shares == 1 && plan.measureAside && MayMeasureAside(net, random);
    std::optional<OutputShares> shares;
    std::optional<MeasureAside> aside;
    // Once the step rule's measurement reuses its sweep's sums, the threads
    // go to the sweep itself: they sum later patterns ahead of it.
    std::optional<WorkerCrew> sweepCrew;

    // Row 1 describes the network before training, under the rule's own unit
    // kind (not the kind a previous run left behind).
    SetUnitTypesFromRule(net, rule);
    if (net.EpochCount == 0) {
        net.SSERecordCount = 1;
        net.SSERecordsDropped = 0;
        net.SSEHistory[1] = {0.0, TrainingSetSSE(net)};
    }
    const bool epochLimitOn = net.StopAtMaxEpochs;
    observer.RunStarted(Report(net, progress));

    while (!stop) {
        SetUnitTypesFromRule(net, rule);
        net.EpochCount = net.EpochCount + 1;
        progress.epochsSinceDisplay = progress.epochsSinceDisplay + 1;
        progress.epochsOfRun = progress.epochsOfRun + 1;
        RuleOutcome outcome = RuleOutcome::Updated;
        if (observer.WantsPatternSteps()) {
            shares.reset();
            if (aside)
                aside->Abandon(random);
            aside.reset();
            ShufflePatterns(net, random);
            outcome = SteppedSweep(net, rule, work, observer);
            EvaluateTrainingSet(net, work);
        } else if (shareCount > 1) {
            if (!shares)
                shares.emplace(net, shareCount);
            ShufflePatterns(net, random);
            // The measurement included. Once the step rule's measurement
            // reuses its sweep's sums the shares still pay: each sweeps and
            // walks only its outputs (W, two threads: 1.44-1.49 times one
            // thread, against 1.30-1.36 with one sweep and sums ahead).
            outcome = shares->Epoch(net, rule);
            if (stepShares && shares->SweepSumsMostlyReusable()) {
                work = shares->TakeWorkspace();
                shares.reset();
                shareCount = 1;
                stepShares = false;
                SumAheadOfTheSweep(work, sweepCrew);
            }
        } else if (measureAside) {
            if (!aside)
                aside.emplace(net);
            const bool lastEpoch = epochLimitOn && net.EpochCount >= net.EpochLimit;
            outcome = aside->Epoch(net, rule, random, !lastEpoch);  // the order drawn, the measurement included
            if (aside->SweepSumsReusable()) {
                // The step rule's few updates now go side by side, and one
                // thread's measurement reuses the sums that sweep kept for
                // the outputs that took no step: on L that beats measuring
                // aside (377 against 295 epochs a second). One thread
                // measures from here on, the other sums ahead of the sweep.
                // Where most outputs still step, nothing is reused and the
                // measurement aside still pays.
                aside->Abandon(random);
                work = aside->TakeSweepWorkspace();
                aside.reset();
                measureAside = false;
                SumAheadOfTheSweep(work, sweepCrew);
            } else if (aside->SweepingSideBySide(rule)) {
                // Side by side, but most outputs step, so nothing is reused
                // and the sweep is most of the epoch: two shares of the
                // outputs each sweep and measure half, in the workspaces
                // the run has bound.
                aside->Abandon(random);
                std::vector<SweepWorkspace> bound;
                bound.push_back(aside->TakeSweepWorkspace());
                bound.push_back(aside->TakeMeasureWorkspace());
                for (SweepWorkspace& taken : bound) {
                    taken.updateShare = 0;  // the sweeps before went side by side: so do the shares'
                    taken.outputsStepped = 0;
                }
                aside.reset();
                measureAside = false;
                shareCount = 2;
                stepShares = true;
                shares.emplace(net, shareCount, std::move(bound));
            }
        } else {
            ShufflePatterns(net, random);
            outcome = TrainingSweep(net, rule, work);
            EvaluateTrainingSet(net, work);
        }
        if (outcome == RuleOutcome::Overflow && !overflowReported) {
            // Once per run: the rule skips each overflowing update and training goes on.
            overflowReported = true;
            observer.Problem({RunProblem::Kind::Overflow, text::OverflowMessage()});
        }

        if (progress.epochsSinceDisplay == net.PrintSweeps)
            Display(net, progress, observer, lastPrintedSSE);
        else
            observer.EpochEnded(Report(net, progress));

        if (epochLimitOn && net.EpochCount >= net.EpochLimit)
            stop = true;
        if (net.Hits == net.NumResponses && net.StopWhenAllHits)
            stop = true;
        if (!AllFinite(net)) {
            nonFinite = true;
            stop = true;
        }
        observer.BetweenEpochs(net);
        if (observer.StopRequested())
            stop = true;
    }

    if (aside)
        aside->Abandon(random);  // the epoch swept ahead is not the run's

    EpochReport final = Report(net, progress);
    final.Final = true;
    observer.RunEnded(final);

    if (progress.epochsSinceDisplay < net.PrintSweeps)
        RecordHistory(net);

    if (nonFinite)
        observer.Problem({RunProblem::Kind::NonFinite, text::NonFiniteMessage(net.EpochCount)});
}

Refusal BeginFreshStart(NetworkState& net, const SettingsInput& input, Random& random)
{
    net.FreshStart = true;
    // Drawing weights for units that are not there would write past them.
    if (!NetworkMatchesPatterns(net))
        return MismatchedSizes();
    InitWeights(net, random);
    InitThresholds(net, random);
    return AdoptSettings(net, input);
}

Refusal BeginContinue(NetworkState& net, const SettingsInput& input)
{
    net.FreshStart = false;
    if (!NetworkMatchesPatterns(net))
        return MismatchedSizes();
    return AdoptSettings(net, input);
}

Refusal StartTraining(NetworkState& net, const SettingsInput& input, Random& random, RunObserver& observer,
                      double& lastPrintedSSE)
{
    Refusal refusal = BeginFreshStart(net, input, random);
    if (!refusal)
        RunTraining(net, random, observer, lastPrintedSSE);
    return refusal;
}

Refusal ContinueTraining(NetworkState& net, const SettingsInput& input, Random& random, RunObserver& observer,
                         double& lastPrintedSSE)
{
    Refusal refusal = BeginContinue(net, input);
    if (!refusal)
        RunTraining(net, random, observer, lastPrintedSSE);
    return refusal;
}

}  // namespace vantorelle
