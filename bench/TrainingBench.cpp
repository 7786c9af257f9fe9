// Epochs per second of the training engine's inner work (shuffle, sweep with
// the rule, measurement) for three sizes of network and each rule.

#include <benchmark/benchmark.h>

#include "LearningRules.h"
#include "Random.h"
#include "Response.h"
#include "TrainingEngine.h"

using namespace vantorelle;

namespace {

// A network of the given size with inputs in [0,1), one-hot desired outputs
// and small start weights, all from a fixed seed.
NetworkState MakeNetwork(long patterns, long inputs, long outputs)
{
    MersenneRandom random(2024);
    NetworkState net;
    net.NumPatterns = patterns;
    net.NumInputs = inputs;
    net.NumOutputs = outputs;
    net.NumResponses = patterns * outputs;
    net.InputPatterns.Resize(patterns, inputs);
    net.DesiredOutputs.Resize(patterns, outputs);
    for (long p = 1; p <= patterns; ++p) {
        for (long i = 1; i <= inputs; ++i)
            net.InputPatterns(p, i) = random.Next();
        net.DesiredOutputs(p, 1 + (p - 1) % outputs) = 1;
    }
    net.PatternOrder.assign(patterns + 1, 0);
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    for (long i = 1; i <= inputs; ++i)
        for (long k = 1; k <= outputs; ++k)
            net.Weights(i, k) = (random.Next() - 0.5) * 0.2;
    return net;
}

void Epochs(benchmark::State& state, long patterns, long inputs, long outputs)
{
    const RuleKind rule = static_cast<RuleKind>(state.range(0));
    NetworkState net = MakeNetwork(patterns, inputs, outputs);
    net.LearningRate = rule == RuleKind::Tarvik ? 0.01 : 0.05;
    SetUnitTypes(net, UnitKindForRule(rule));
    MersenneRandom random(7);
    for (auto _ : state) {
        ShufflePatterns(net, random);
        TrainingSweep(net, rule);
        EvaluateTrainingSet(net);
        benchmark::DoNotOptimize(net.TotalSSE);
    }
    state.counters["epochs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    // Two multiply-adds per weight and pattern in the sweep, one in the measurement.
    state.counters["MAC/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 3.0 * patterns * inputs * outputs, benchmark::Counter::kIsRate);
    state.SetLabel(RuleKind(state.range(0)) == RuleKind::Delta      ? "Delta"
                   : RuleKind(state.range(0)) == RuleKind::Gradient ? "Gradient"
                                                                     : "Tarvik");
}

void And(benchmark::State& s) { Epochs(s, 4, 2, 1); }
void Letters(benchmark::State& s) { Epochs(s, 26, 35, 26); }
void Large(benchmark::State& s) { Epochs(s, 3000, 784, 10); }

const auto kRules = {static_cast<long>(RuleKind::Delta), static_cast<long>(RuleKind::Gradient),
                     static_cast<long>(RuleKind::Tarvik)};

}  // namespace

BENCHMARK(And)->ArgsProduct({kRules});
BENCHMARK(Letters)->ArgsProduct({kRules});
BENCHMARK(Large)->ArgsProduct({kRules})->Unit(benchmark::kMillisecond);
