#pragma once
// The sweep and the measurement of small networks (a few patterns, inputs
// and outputs, such as the logic gates) as plain loops with the unit kind and
// the rule fixed at compile time. At this size a call into the kernel tables,
// a branch on the unit kind per response or a trip through the unit fields
// costs as much as the arithmetic, and for sigmoid and Gaussian units the
// exponentials are most of the work: each sweep response waits for the last
// one's exponential, so the measurement keeps its responses and the next
// sweep takes its first one from there while the weights are still the same.
// The arithmetic is the per-unit operations', in the same order.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "LearningRules.h"
#include "NetworkState.h"
#include "Response.h"
#include "SweepWorkspace.h"

namespace vantorelle::small {

// The one kind all output units share, or None when they differ or are unset.
inline UnitKind SharedKind(const NetworkState& net)
{
    if (net.NumOutputs < 1)
        return UnitKind::None;
    const UnitKind kind = net.OutputUnits[1].UnitType;
    for (long k = 2; k <= net.NumOutputs; ++k)
        if (net.OutputUnits[k].UnitType != kind)
            return UnitKind::None;
    return kind;
}

// Whether the responses the last measurement kept describe the network now:
// the same kind and, bit for bit, the same weights and thresholds.
inline bool MeasuredResponsesHold(const NetworkState& net, const SweepWorkspace& work, UnitKind kind)
{
    if (!work.measured || work.measuredKind != kind)
        return false;
    const std::size_t weights =
        static_cast<std::size_t>(net.NumInputs + 1) * static_cast<std::size_t>(net.NumOutputs + 1);
    if (work.measuredWeights.size() != weights ||
        work.measuredThresholds.size() != static_cast<std::size_t>(net.NumOutputs) + 1 ||
        work.measuredNetInputs.size() != static_cast<std::size_t>(net.NumPatterns * net.NumOutputs))
        return false;
    if (std::memcmp(work.measuredWeights.data(), net.Weights.Row(0), weights * sizeof(double)) != 0)
        return false;
    for (long k = 1; k <= net.NumOutputs; ++k)
        if (std::memcmp(&work.measuredThresholds[static_cast<std::size_t>(k)], &net.OutputUnits[k].Threshold,
                        sizeof(double)) != 0)
            return false;
    return true;
}

// EvaluateTrainingSet for units that all have kind Kind; FixedInputs and
// FixedOutputs as for Sweep below.
template <UnitKind Kind, long FixedInputs = 0, long FixedOutputs = 0>
void Evaluate(NetworkState& net, SweepWorkspace& work)
{
    constexpr bool Fixed = FixedInputs > 0 && FixedOutputs > 0;
    const long n = net.NumPatterns;
    const long inputs = Fixed ? FixedInputs : net.NumInputs;
    const long outputs = Fixed ? FixedOutputs : net.NumOutputs;
    const long stride = outputs + 1;
    const double* w = net.Weights.Row(0);
    Unit* out = net.OutputUnits.data();
    const ActivationOf<Kind> activation;
    const double minError = net.MinError;
    const std::size_t responses = static_cast<std::size_t>(n * outputs);
    work.measuredNetInputs.resize(responses);
    work.measuredActivations.resize(responses);
    double* keptNet = work.measuredNetInputs.data();  // [(p - 1) * outputs + k - 1]
    double* keptActivation = work.measuredActivations.data();
    // The net inputs first, then the activations in a loop of their own: no
    // exponential waits for another, and little is live across the calls.
    for (long p = 1; p <= n; ++p) {
        const double* x = net.InputPatterns.Row(p);
        for (long k = 1; k <= outputs; ++k) {
            double sum = 0;
            for (long i = 1; i <= inputs; ++i)
                sum = x[i] * w[i * stride + k] + sum;
            keptNet[(p - 1) * outputs + k - 1] = out[k].Threshold + sum;
        }
    }
    for (std::size_t r = 0; r < responses; ++r)
        keptActivation[r] = activation(keptNet[r]);
    long hits = 0;
    double total = 0;
    for (long p = 1; p <= n; ++p) {
        const double* d = net.DesiredOutputs.Row(p);
        double s = 0;
        for (long k = 1; k <= outputs; ++k) {
            const double e = d[k] - keptActivation[(p - 1) * outputs + k - 1];
            hits += e * e < minError;
            s = s + e * e;
        }
        total = total + s;
    }
    // The units describe the last pattern.
    const double* d = net.DesiredOutputs.Row(n);
    for (long k = 1; k <= outputs; ++k) {
        Unit& unit = out[k];
        unit.NetInput = keptNet[(n - 1) * outputs + k - 1];
        unit.Activation = keptActivation[(n - 1) * outputs + k - 1];
        unit.Error = d[k] - unit.Activation;
        unit.Target = d[k];
    }
    PresentInputs(net, n);
    net.Hits = hits;
    net.TotalSSE = total;
    work.measuredWeights.assign(w, w + (inputs + 1) * stride);
    work.measuredThresholds.resize(static_cast<std::size_t>(stride));
    for (long k = 1; k <= outputs; ++k)
        work.measuredThresholds[static_cast<std::size_t>(k)] = out[k].Threshold;
    work.measuredKind = Kind;
    work.measured = true;
}

template <UnitKind Kind>
void EvaluateAnySize(NetworkState& net, SweepWorkspace& work)
{
    if (net.NumOutputs == 1) {
        switch (net.NumInputs) {
        case 1: return Evaluate<Kind, 1, 1>(net, work);
        case 2: return Evaluate<Kind, 2, 1>(net, work);
        case 3: return Evaluate<Kind, 3, 1>(net, work);
        case 4: return Evaluate<Kind, 4, 1>(net, work);
        default: break;
        }
    }
    Evaluate<Kind>(net, work);
}

// TrainingSweep for rule Rule with every output unit of the rule's kind.
// With FixedInputs and FixedOutputs (the network's sizes, or 0 for any), the
// loops unroll and the weights, thresholds and responses stay in registers
// until the sweep ends.
template <RuleKind Rule, long FixedInputs = 0, long FixedOutputs = 0>
RuleOutcome Sweep(NetworkState& net, SweepWorkspace& work, OverflowGuard* guard)
{
    constexpr UnitKind Kind = UnitKindForRule(Rule);
    constexpr bool Fixed = FixedInputs > 0 && FixedOutputs > 0;
    constexpr long Weights = Fixed ? (FixedInputs + 1) * (FixedOutputs + 1) : 1;
    constexpr long Units = Fixed ? FixedOutputs + 1 : 1;
    const long n = net.NumPatterns;
    const long inputs = Fixed ? FixedInputs : net.NumInputs;
    const long outputs = Fixed ? FixedOutputs : net.NumOutputs;
    const long stride = outputs + 1;
    Unit* out = net.OutputUnits.data();
    const long* order = net.PatternOrder.data();
    const ActivationOf<Kind> activation;
    const RuleStep<Rule> step(net.LearningRate);
    const bool frozen = net.FreezeThresholds;

    // Fixed sizes: local copies, put back when the sweep ends or before the
    // value rule's own checks need the network.
    double localWeights[Weights] = {};
    double localThreshold[Units] = {};
    double localStep[Units] = {};
    double lastNet[Units] = {}, lastActivation[Units] = {}, lastError[Units] = {}, lastTarget[Units] = {};
    double* w = Fixed ? localWeights : net.Weights.Row(0);
    double* c = Fixed ? localStep : work.coefficient.data();
    auto threshold = [&](long k) -> double& {
        if constexpr (Fixed)
            return localThreshold[k];
        else
            return out[k].Threshold;
    };
    auto load = [&] {
        if constexpr (Fixed) {
            const double* from = net.Weights.Row(0);
            for (long i = 0; i < Weights; ++i)
                localWeights[i] = from[i];
            for (long k = 1; k <= outputs; ++k)
                localThreshold[k] = out[k].Threshold;
        }
    };
    auto store = [&] {
        if constexpr (Fixed) {
            double* to = net.Weights.Row(0);
            for (long i = 0; i < Weights; ++i)
                to[i] = localWeights[i];
            for (long k = 1; k <= outputs; ++k) {
                Unit& unit = out[k];
                unit.Threshold = localThreshold[k];
                unit.NetInput = lastNet[k];
                unit.Activation = lastActivation[k];
                unit.Error = lastError[k];
                unit.Target = lastTarget[k];
            }
        }
    };
    load();

    // The first response comes from the last measurement when it still holds.
    const double* keptNet = nullptr;
    const double* keptActivation = nullptr;
    if (MeasuredResponsesHold(net, work, Kind)) {
        keptNet = work.measuredNetInputs.data() + (order[1] - 1) * outputs;
        keptActivation = work.measuredActivations.data() + (order[1] - 1) * outputs;
    }
    work.measured = false;
    RuleOutcome outcome = RuleOutcome::Updated;
    long steps = 0;
    for (long j = 1; j <= n; ++j) {
        const long p = order[j];
        const double* x = net.InputPatterns.Row(p);
        const double* d = net.DesiredOutputs.Row(p);
        ValueStepBound bound;
        for (long k = 1; k <= outputs; ++k) {
            double netInput;
            double a;
            if (keptNet) {
                netInput = keptNet[k - 1];
                a = keptActivation[k - 1];
            } else {
                double sum = 0;
                for (long i = 1; i <= inputs; ++i)
                    sum = x[i] * w[i * stride + k] + sum;
                netInput = threshold(k) + sum;
                a = activation(netInput);
            }
            const double e = d[k] - a;
            if constexpr (Fixed) {
                lastNet[k] = netInput;
                lastActivation[k] = a;
                lastError[k] = e;
                lastTarget[k] = d[k];
            } else {
                Unit& unit = out[k];
                unit.NetInput = netInput;
                unit.Activation = a;
                unit.Error = e;
                unit.Target = d[k];
            }
            c[k] = step(netInput, a, e, d[k]);
            if constexpr (Rule == RuleKind::Delta)
                steps += c[k] != 0;
            if constexpr (Rule == RuleKind::Tarvik)
                bound.Add(c[k]);
        }
        keptNet = nullptr;
        if constexpr (Rule == RuleKind::Tarvik && Fixed) {
            // The new weights and thresholds aside: kept when all are
            // finite (then they are the value rule's), else the rule's own
            // checks on the weights as they were.
            double next[Weights] = {};
            double nextThreshold[Units] = {};
            bool fine = bound.finite;
            for (long i = 1; i <= inputs && fine; ++i)
                for (long k = 1; k <= outputs; ++k) {
                    next[i * stride + k] = c[k] * x[i] + w[i * stride + k];
                    fine = fine && std::isfinite(next[i * stride + k]);
                }
            if (!frozen)
                for (long k = 1; k <= outputs && fine; ++k) {
                    nextThreshold[k] = c[k] + threshold(k);
                    fine = std::isfinite(nextThreshold[k]);
                }
            if (fine) {
                for (long i = 1; i <= inputs; ++i)
                    for (long k = 1; k <= outputs; ++k)
                        w[i * stride + k] = next[i * stride + k];
                if (!frozen)
                    for (long k = 1; k <= outputs; ++k)
                        threshold(k) = nextThreshold[k];
                continue;
            }
            store();
            PresentInputs(net, p);
            if (ApplyRuleToAllOutputs(net, Rule, work) == RuleOutcome::Overflow)
                outcome = RuleOutcome::Overflow;
            load();
            continue;
        } else if constexpr (Rule == RuleKind::Tarvik) {
            // Unchecked steps only while the guard proves no weight can
            // come near overflow.
            if (ValueStepKind(bound, guard) != StepKind::Unchecked) {
                // The value rule's own checks, on the network itself.
                store();
                PresentInputs(net, p);
                if (ApplyRuleToAllOutputs(net, Rule, work, guard) == RuleOutcome::Overflow)
                    outcome = RuleOutcome::Overflow;
                load();
                continue;
            }
        }
        for (long i = 1; i <= inputs; ++i) {
            const double xi = x[i];
            double* row = w + i * stride;
            for (long k = 1; k <= outputs; ++k)
                row[k] = c[k] * xi + row[k];
        }
        if (!frozen)
            for (long k = 1; k <= outputs; ++k)
                threshold(k) = c[k] + threshold(k);
    }
    store();
    PresentInputs(net, order[n]);
    if constexpr (Rule == RuleKind::Delta)
        work.updateShare = static_cast<double>(steps) / (static_cast<double>(n) * static_cast<double>(outputs));
    return outcome;
}

// Whether Sweep has an unrolled version for net's sizes.
inline bool Unrolled(const NetworkState& net) { return net.NumOutputs == 1 && net.NumInputs >= 1 && net.NumInputs <= 4; }

template <RuleKind Rule>
RuleOutcome SweepAnySize(NetworkState& net, SweepWorkspace& work, OverflowGuard* guard)
{
    if (net.NumOutputs == 1) {
        switch (net.NumInputs) {
        case 1: return Sweep<Rule, 1, 1>(net, work, guard);
        case 2: return Sweep<Rule, 2, 1>(net, work, guard);
        case 3: return Sweep<Rule, 3, 1>(net, work, guard);
        case 4: return Sweep<Rule, 4, 1>(net, work, guard);
        default: break;
        }
    }
    return Sweep<Rule>(net, work, guard);
}

}  // namespace vantorelle::small
