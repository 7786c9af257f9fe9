#include "TrainingSweep.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "KernelsSmall.h"
#include "Response.h"
#include "SweepKernels.h"

namespace vantorelle {

namespace {

// The step rule changes no weight where its step is zero, so while a unit's
// responses are right, its next net inputs can be summed side by side from
// the same weights. That pays only when few responses need a step.
constexpr double MostUpdatesForSideBySide = 0.08;
// Below this many weights times patterns, plain loops beat calls into the
// kernel tables.
constexpr long SmallNetwork = 4096;
// A shuffled sweep side by side needs the pattern table copied in the new
// order every epoch: cheap while the table stays in the cache (this many
// doubles), dearer than the whole plain sweep beyond.
constexpr long LargestTableToReorder = 131072;

bool InFileOrder(const NetworkState& net)
{
    for (long j = 1; j <= net.NumPatterns; ++j)
        if (net.PatternOrder[j] != j)
            return false;
    return true;
}

// Whether adding a zero step to each output's weights and threshold leaves
// their bits as they are (keeps[k], k = 1..NumOutputs): true unless one of
// them is -0 (a +0 step turns -0 into +0). A step never makes a -0 out of
// anything else, so the answer holds for the rest of the sweep.
void FindZeroStepKeeps(const NetworkState& net, std::vector<unsigned char>& keeps)
{
    const long outputs = net.NumOutputs;
    keeps.assign(static_cast<std::size_t>(outputs) + 1, 1);
    constexpr std::uint64_t NegativeZero = std::uint64_t{1} << 63;
    // Row by row, as the matrix is stored.
    for (long i = 1; i <= net.NumInputs; ++i) {
        const double* w = net.Weights.Row(i);
        for (long k = 1; k <= outputs; ++k)
            keeps[static_cast<std::size_t>(k)] &= std::bit_cast<std::uint64_t>(w[k]) != NegativeZero;
    }
    if (!net.FreezeThresholds)
        for (long k = 1; k <= outputs; ++k)
            keeps[static_cast<std::size_t>(k)] &=
                std::bit_cast<std::uint64_t>(net.OutputUnits[k].Threshold) != NegativeZero;
}

// The delta rule's sweep, output by output (no output's weights depend on
// another's): each output's net inputs for the next block of patterns are
// summed side by side with its current weights, and the block is cut at the
// first pattern whose step changes them. The same responses, steps and
// results as the plain sweep, bit for bit.
void StepSweepSideBySide(NetworkState& net, SweepWorkspace& work)
{
    work.BindPatterns(net);
    const KernelSet& kernels = work.Kernels();
    const long n = net.NumPatterns;
    const long outputs = net.NumOutputs;
    const long inputs = net.NumInputs;
    const long stride = outputs + 1;
    const long block = kernels.patternBlock;
    const long align = kernels.columnAlign;
    const double* xt = work.PatternsInOrder(net);
    const long* order = net.PatternOrder.data();
    double* w = net.Weights.Row(0);
    const RuleStep<RuleKind::Delta> step(net.LearningRate);

    constexpr int MostGroups = 8;
    const int groupSize = kernels.columnGroup < MostGroups ? kernels.columnGroup : MostGroups;
    std::vector<double>& sums = work.columnSums;
    sums.resize(static_cast<std::size_t>(groupSize * block));
    // Per output: the next position in the presentation order (0-based), the
    // activation an unset kind keeps, and whether a zero step may be skipped.
    std::vector<long>& position = work.outputPosition;
    std::vector<unsigned char>& zeroKeeps = work.outputZeroKeeps;
    position.assign(static_cast<std::size_t>(outputs) + 1, 0);
    FindZeroStepKeeps(net, zeroKeeps);
    // Every sum is kept by pattern, for the measurement to reuse.
    double* kept = work.patternSums.data();
    const long keptStride = work.patternColumns;
    work.sumsHold.assign(static_cast<std::size_t>(outputs) + 1, 1);
    long column[MostGroups];
    long offset[MostGroups];
    long steps = 0;
    long unfinished = outputs;

    // The groups of outputs take turns, so they move through the patterns
    // together and share the blocks while these are in the cache.
    while (unfinished > 0) {
        for (long first = 1; first <= outputs; first += groupSize) {
            const int groups = static_cast<int>(outputs - first + 1 < groupSize ? outputs - first + 1 : groupSize);
            bool any = false;
            for (int g = 0; g < groups; ++g) {
                const long at = position[static_cast<std::size_t>(first + g)];
                column[g] = first + g;
                offset[g] = at < n ? at - at % align : 0;
                any = any || at < n;
            }
            if (!any)
                continue;
            kernels.sumColumns(w, stride, inputs, xt, column, offset, groups, sums.data());
            for (int g = 0; g < groups; ++g) {
                const long k = column[g];
                long& at = position[static_cast<std::size_t>(k)];
                Unit& unit = net.OutputUnits[k];
                for (long b = at - offset[g]; b < block && at < n; ++b) {
                    const long p = order[at + 1];
                    const double sum = sums[static_cast<std::size_t>(g * block + b)];
                    kept[(k - 1) * keptStride + p - 1] = sum;
                    const double netInput = unit.Threshold + sum;
                    const double a = Activation(unit.UnitType, netInput, unit.Activation);
                    const double desired = net.DesiredOutputs(p, k);
                    const double e = desired - a;
                    const double c = step(netInput, a, e, desired);
                    at = at + 1;
                    if (at == n) {
                        unit.NetInput = netInput;
                        unit.Error = e;
                        unit.Target = desired;
                        --unfinished;
                    }
                    // Only an unset kind reads it back, and keeps it.
                    unit.Activation = a;
                    if (c == 0 && zeroKeeps[static_cast<std::size_t>(k)] &&
                        work.finiteInputs[static_cast<std::size_t>(p)])
                        continue;
                    // The delta rule's step for this output; the rest of the
                    // block was summed with the old weights and is dropped.
                    ++steps;
                    work.sumsHold[static_cast<std::size_t>(k)] = 0;
                    const double* x = net.InputPatterns.Row(p);
                    for (long i = 1; i <= inputs; ++i)
                        w[i * stride + k] = c * x[i] + w[i * stride + k];
                    if (!net.FreezeThresholds)
                        unit.Threshold = c + unit.Threshold;
                    break;
                }
            }
        }
    }
    PresentInputs(net, order[n]);
    const double* weights = net.Weights.Row(0);
    work.sweptWeights.assign(weights, weights + (inputs + 1) * stride);
    work.sweptThresholds.resize(static_cast<std::size_t>(outputs) + 1);
    for (long k = 1; k <= outputs; ++k)
        work.sweptThresholds[static_cast<std::size_t>(k)] = net.OutputUnits[k].Threshold;
    work.sumsFromSweep = true;
    work.updateShare = static_cast<double>(steps) / (static_cast<double>(n) * static_cast<double>(outputs > 0 ? outputs : 1));
}

// Asks for a pattern's inputs ahead of use: in a shuffled order each row is
// a fresh stream the processor would otherwise wait for, line by line.
void PrefetchRow(const double* row, long count)
{
    for (long i = 0; i <= count; i += 8)
        __builtin_prefetch(row + i);
}

// The share of this response's outputs whose step is not zero.
long NonZeroSteps(const double* c, long outputs)
{
    long count = 0;
    for (long k = 1; k <= outputs; ++k)
        count += c[k] != 0;
    return count;
}

// The sweep through the kernel tables: each pattern's step and the next
// pattern's response in one pass over the weights, while no overflow check
// is needed; else the rule row by row with its checks.
template <RuleKind Rule>
RuleOutcome KernelSweep(NetworkState& net, SweepWorkspace& work, OverflowGuard& guard)
{
    constexpr bool StepRule = Rule == RuleKind::Delta;
    const long n = net.NumPatterns;
    RuleOutcome outcome = RuleOutcome::Updated;
    const KernelSet& kernels = work.Kernels();
    double* coefficient = work.coefficient.data();
    double* sum = work.sum.data();
    long steps = 0;

    ComputeResponse(net, net.PatternOrder[1], work);
    bool inputsPresented = true;  // whether the input units hold the current pattern
    for (long j = 1; j <= n; ++j) {
        const long p = net.PatternOrder[j];
        const long next = j < n ? net.PatternOrder[j + 1] : 0;
        if (j + 2 <= n)
            PrefetchRow(net.InputPatterns.Row(net.PatternOrder[j + 2]), net.NumInputs);
        const StepKind step = StepCoefficientsOf<Rule>(net, coefficient, &guard);
        if constexpr (StepRule)
            steps += NonZeroSteps(coefficient, net.NumOutputs);
        if (step == StepKind::Unchecked && next != 0) {
            // Update the weights for this pattern and sum the next pattern's
            // net inputs in the same pass over the weights.
            UpdateAndSumNext(kernels, net.Weights, coefficient, net.InputPatterns.Row(p), net.InputPatterns.Row(next),
                             sum);
            UpdateThresholds(net, coefficient);
            FinishResponse(net, next, sum);
            inputsPresented = false;
            continue;
        }
        // The rules read the input units, and whoever looks after the sweep
        // sees the last pattern's response there.
        if (!inputsPresented)
            PresentInputs(net, p);
        if (ApplyRuleToAllOutputs(net, Rule, work, &guard) == RuleOutcome::Overflow)
            outcome = RuleOutcome::Overflow;
        if (next != 0)
            ComputeResponse(net, next, work);
        inputsPresented = true;
    }
    if constexpr (StepRule)
        work.updateShare = static_cast<double>(steps) /
                           (static_cast<double>(n) * static_cast<double>(net.NumOutputs > 0 ? net.NumOutputs : 1));
    return outcome;
}

// The sweep for Rule along the small networks' plain loops when they serve,
// else through the kernel tables.
template <RuleKind Rule>
RuleOutcome SweepWith(NetworkState& net, SweepWorkspace& work)
{
    OverflowGuard guard;
    const bool small = net.NumPatterns * net.NumInputs * net.NumOutputs < SmallNetwork &&
                       small::SharedKind(net) == UnitKindForRule(Rule);
    // The unrolled small sweeps check the value rule's new weights themselves.
    if (Rule == RuleKind::Tarvik && !(small && small::Unrolled(net))) {
        work.BindPatterns(net);
        guard = MakeOverflowGuard(net, work.inputBound);
    }
    if (small)
        return small::SweepAnySize<Rule>(net, work, &guard);
    work.measured = false;
    return KernelSweep<Rule>(net, work, guard);
}

// Whether the step rule's side-by-side sweep pays for this sweep.
bool SideBySidePays(const NetworkState& net, RuleKind rule, const SweepWorkspace& work)
{
    const long n = net.NumPatterns;
    const bool largeEnough = n * net.NumInputs * net.NumOutputs >= SmallNetwork && n >= work.Kernels().patternBlock;
    return rule == RuleKind::Delta && largeEnough && work.updateShare <= MostUpdatesForSideBySide &&
           (n * net.NumInputs <= LargestTableToReorder || InFileOrder(net));
}

}  // namespace

RuleOutcome TrainingSweep(NetworkState& net, RuleKind rule, SweepWorkspace& work)
{
    if (net.NumPatterns == 0)
        return RuleOutcome::Updated;
    ClearUpperVectorState();
    work.Fit(net);
    if (SideBySidePays(net, rule, work)) {
        StepSweepSideBySide(net, work);
        work.sideBySide = true;
        return RuleOutcome::Updated;
    }
    work.sideBySide = false;
    work.sumsFromSweep = false;
    switch (rule) {
    case RuleKind::Delta: return SweepWith<RuleKind::Delta>(net, work);
    case RuleKind::Gradient: return SweepWith<RuleKind::Gradient>(net, work);
    case RuleKind::Tarvik: return SweepWith<RuleKind::Tarvik>(net, work);
    case RuleKind::None: break;
    }
    // No rule: the responses alone, the last pattern's left in the units.
    work.measured = false;
    for (long j = 1; j <= net.NumPatterns; ++j)
        ComputeResponse(net, net.PatternOrder[j], work);
    return RuleOutcome::Updated;
}

}  // namespace vantorelle
