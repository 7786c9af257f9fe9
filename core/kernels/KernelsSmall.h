// SPDX-License-Identifier: GPL-3.0-or-later
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
class Sweep {
    static constexpr UnitKind Kind = UnitKindForRule(Rule);
    static constexpr bool Fixed = FixedInputs > 0 && FixedOutputs > 0;
    static constexpr long Weights = Fixed ? (FixedInputs + 1) * (FixedOutputs + 1) : 1;
    static constexpr long Units = Fixed ? FixedOutputs + 1 : 1;

public:
    // Flattened, with every step inlined into one body: the object is then a
    // set of locals, which the compiler keeps in registers.
    [[gnu::flatten]] static RuleOutcome Run(NetworkState& net, SweepWorkspace& work, OverflowGuard* guard)
    {
        Sweep sweep(net, work, guard);
        return sweep.RunAll();
    }

private:
    Sweep(NetworkState& net, SweepWorkspace& work, OverflowGuard* guard)
        : net(net), work(work), guard(guard), inputs(net.NumInputs), outputs(net.NumOutputs),
          out(net.OutputUnits.data()), step(net.LearningRate), frozen(net.FreezeThresholds)
    {
    }

    RuleOutcome RunAll()
    {
        const long n = net.NumPatterns;
        const long* order = net.PatternOrder.data();
        Load();
        // The first response comes from the last measurement when it still holds.
        const bool firstKept = MeasuredResponsesHold(net, work, Kind);
        work.measured = false;
        RuleOutcome outcome = RuleOutcome::Updated;
        for (long j = 1; j <= n; ++j) {
            const ValueStepBound bound = j == 1 && firstKept ? RespondKept(order[1]) : Respond(order[j]);
            if (StepOn(order[j], bound) == RuleOutcome::Overflow)
                outcome = RuleOutcome::Overflow;
        }
        Store();
        PresentInputs(net, order[n]);
        if constexpr (Rule == RuleKind::Delta)
            work.updateShare = static_cast<double>(steps) / (static_cast<double>(n) * static_cast<double>(Outputs()));
        return outcome;
    }

    // The sizes, constants when fixed: the loops unroll on them.
    long Inputs() const { return Fixed ? FixedInputs : inputs; }
    long Outputs() const { return Fixed ? FixedOutputs : outputs; }
    long Stride() const { return Outputs() + 1; }

    double* W()
    {
        if constexpr (Fixed)
            return localWeights;
        else
            return net.Weights.Row(0);
    }
    double* C()
    {
        if constexpr (Fixed)
            return localStep;
        else
            return work.coefficient.data();
    }
    double& Threshold(long k)
    {
        if constexpr (Fixed)
            return localThreshold[k];
        else
            return out[k].Threshold;
    }

    // Fixed sizes: local copies, put back when the sweep ends or before the
    // value rule's own checks need the network.
    void Load()
    {
        if constexpr (Fixed) {
            const double* from = net.Weights.Row(0);
            for (long i = 0; i < Weights; ++i)
                localWeights[i] = from[i];
            for (long k = 1; k <= Outputs(); ++k)
                localThreshold[k] = out[k].Threshold;
        }
    }
    void Store()
    {
        if constexpr (Fixed) {
            double* to = net.Weights.Row(0);
            for (long i = 0; i < Weights; ++i)
                to[i] = localWeights[i];
            for (long k = 1; k <= Outputs(); ++k) {
                Unit& unit = out[k];
                unit.Threshold = localThreshold[k];
                unit.NetInput = lastNet[k];
                unit.Activation = lastActivation[k];
                unit.Error = lastError[k];
                unit.Target = lastTarget[k];
            }
        }
    }

    // Pattern p's response, from the weights as they stand, and each
    // output's step coefficient.
    ValueStepBound Respond(long p)
    {
        const double* x = net.InputPatterns.Row(p);
        const double* d = net.DesiredOutputs.Row(p);
        const double* w = W();
        ValueStepBound bound;
        for (long k = 1; k <= Outputs(); ++k) {
            double sum = 0;
            for (long i = 1; i <= Inputs(); ++i)
                sum = x[i] * w[i * Stride() + k] + sum;
            const double netInput = Threshold(k) + sum;
            Learn(k, netInput, activation(netInput), d[k], bound);
        }
        return bound;
    }
    // The same with the response the last measurement kept.
    ValueStepBound RespondKept(long p)
    {
        const double* keptNet = work.measuredNetInputs.data() + (p - 1) * Outputs();
        const double* keptActivation = work.measuredActivations.data() + (p - 1) * Outputs();
        const double* d = net.DesiredOutputs.Row(p);
        ValueStepBound bound;
        for (long k = 1; k <= Outputs(); ++k)
            Learn(k, keptNet[k - 1], keptActivation[k - 1], d[k], bound);
        return bound;
    }
    // Keeps output k's response (t its desired output) and computes its
    // step coefficient.
    void Learn(long k, double netInput, double a, double t, ValueStepBound& bound)
    {
        const double e = t - a;
        if constexpr (Fixed) {
            lastNet[k] = netInput;
            lastActivation[k] = a;
            lastError[k] = e;
            lastTarget[k] = t;
        } else {
            Unit& unit = out[k];
            unit.NetInput = netInput;
            unit.Activation = a;
            unit.Error = e;
            unit.Target = t;
        }
        double* c = C();
        c[k] = step(netInput, a, e, t);
        if constexpr (Rule == RuleKind::Delta)
            steps += c[k] != 0;
        if constexpr (Rule == RuleKind::Tarvik)
            bound.Add(c[k]);
    }

    // The step of the response to pattern p; Overflow when the value rule
    // overflowed.
    RuleOutcome StepOn(long p, const ValueStepBound& bound)
    {
        const double* x = net.InputPatterns.Row(p);
        if constexpr (Rule == RuleKind::Tarvik && Fixed) {
            if (bound.finite && StepAside(x))
                return RuleOutcome::Updated;
            return CheckedStep(p, nullptr);
        } else {
            // Unchecked steps only while the guard proves no weight can come
            // near overflow.
            if constexpr (Rule == RuleKind::Tarvik)
                if (ValueStepKind(bound, guard) != StepKind::Unchecked)
                    return CheckedStep(p, guard);
            double* w = W();
            const double* c = C();
            for (long i = 1; i <= Inputs(); ++i) {
                const double xi = x[i];
                double* row = w + i * Stride();
                for (long k = 1; k <= Outputs(); ++k)
                    row[k] = c[k] * xi + row[k];
            }
            if (!frozen)
                for (long k = 1; k <= Outputs(); ++k)
                    Threshold(k) = c[k] + Threshold(k);
            return RuleOutcome::Updated;
        }
    }

    // The value rule's new weights and thresholds computed aside and kept
    // when all are finite (then they are the rule's); answers whether they were.
    bool StepAside(const double* x)
    {
        double* w = W();
        const double* c = C();
        double next[Weights] = {};
        double nextThreshold[Units] = {};
        bool fine = true;
        for (long i = 1; i <= Inputs() && fine; ++i)
            for (long k = 1; k <= Outputs(); ++k) {
                next[i * Stride() + k] = c[k] * x[i] + w[i * Stride() + k];
                fine = fine && std::isfinite(next[i * Stride() + k]);
            }
        if (!frozen)
            for (long k = 1; k <= Outputs() && fine; ++k) {
                nextThreshold[k] = c[k] + Threshold(k);
                fine = std::isfinite(nextThreshold[k]);
            }
        if (!fine)
            return false;
        for (long i = 1; i <= Inputs(); ++i)
            for (long k = 1; k <= Outputs(); ++k)
                w[i * Stride() + k] = next[i * Stride() + k];
        if (!frozen)
            for (long k = 1; k <= Outputs(); ++k)
                Threshold(k) = nextThreshold[k];
        return true;
    }

    // The value rule's own checks, on the network itself.
    RuleOutcome CheckedStep(long p, OverflowGuard* checkedGuard)
    {
        Store();
        PresentInputs(net, p);
        const RuleOutcome outcome = ApplyRuleToAllOutputs(net, Rule, work, checkedGuard);
        Load();
        return outcome;
    }

    NetworkState& net;
    SweepWorkspace& work;
    OverflowGuard* guard;
    const long inputs;
    const long outputs;
    Unit* out;
    const ActivationOf<Kind> activation;
    const RuleStep<Rule> step;
    const bool frozen;
    long steps = 0;  // the step rule's responses that changed weights
    double localWeights[Weights] = {};
    double localThreshold[Units] = {};
    double localStep[Units] = {};
    double lastNet[Units] = {}, lastActivation[Units] = {}, lastError[Units] = {}, lastTarget[Units] = {};
};

// Whether Sweep has an unrolled version for net's sizes.
inline bool Unrolled(const NetworkState& net) { return net.NumOutputs == 1 && net.NumInputs >= 1 && net.NumInputs <= 4; }

template <RuleKind Rule>
RuleOutcome SweepAnySize(NetworkState& net, SweepWorkspace& work, OverflowGuard* guard)
{
    if (net.NumOutputs == 1) {
        switch (net.NumInputs) {
        case 1: return Sweep<Rule, 1, 1>::Run(net, work, guard);
        case 2: return Sweep<Rule, 2, 1>::Run(net, work, guard);
        case 3: return Sweep<Rule, 3, 1>::Run(net, work, guard);
        case 4: return Sweep<Rule, 4, 1>::Run(net, work, guard);
        default: break;
        }
    }
    return Sweep<Rule>::Run(net, work, guard);
}

}  // namespace vantorelle::small
