#include "Response.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace vantorelle {

double Pi()
{
    static const double pi = 4 * std::atan(1.0);
    return pi;
}

double Activation(UnitKind kind, double x, double previous)
{
    switch (kind) {
    case UnitKind::Binary: return x >= 0 ? 1.0 : 0.0;
    case UnitKind::IntDev: return 1 / (1 + std::exp(-x));
    case UnitKind::Value: return std::exp((-Pi() * x) * x);
    case UnitKind::None: break;
    }
    return previous;
}

void ComputeActivation(NetworkState& net, long k)
{
    Unit& unit = net.OutputUnits[k];
    unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
}

namespace {

// The net inputs of outputs first .. first+Width-1 for one pattern. Each sum
// still runs over the inputs in order, exactly as the plain loop would, but
// Width sums advance together in registers: the chains of additions overlap
// instead of waiting for each other.
template <int Width>
void NetInputBlock(const double* x, const Matrix& weights, long numInputs, long first, double* sum)
{
    double acc[Width] = {};
    for (long i = 1; i <= numInputs; ++i) {
        const double xi = x[i];
        const double* w = weights.Row(i) + first;
        for (int b = 0; b < Width; ++b)
            acc[b] = xi * w[b] + acc[b];
    }
    for (int b = 0; b < Width; ++b)
        sum[first + b] = acc[b];
}

constexpr int WidestBlock = 16;
using NetInputBlockFn = void (*)(const double*, const Matrix&, long, long, double*);

template <int... Widths>
constexpr std::array<NetInputBlockFn, sizeof...(Widths) + 1> MakeBlockTable(std::integer_sequence<int, Widths...>)
{
    return {nullptr, &NetInputBlock<Widths + 1>...};
}
constexpr auto BlockTable = MakeBlockTable(std::make_integer_sequence<int, WidestBlock>{});

}  // namespace

void NetInputs(const NetworkState& net, const double* x, double* sum)
{
    for (long first = 1; first <= net.NumOutputs; first += WidestBlock) {
        const long width = std::min<long>(WidestBlock, net.NumOutputs - first + 1);
        BlockTable[static_cast<std::size_t>(width)](x, net.Weights, net.NumInputs, first, sum);
    }
}

void ComputeResponse(NetworkState& net, long p)
{
    const long numInputs = net.NumInputs;
    const long numOutputs = net.NumOutputs;
    const double* inputs = net.InputPatterns.Row(p);
    for (long i = 1; i <= numInputs; ++i)
        net.InputUnits[i].Activation = inputs[i];

    thread_local std::vector<double> netInput;
    netInput.resize(static_cast<std::size_t>(numOutputs) + 1);
    double* sum = netInput.data();
    NetInputs(net, inputs, sum);

    const double* desired = net.DesiredOutputs.Row(p);
    Unit* out = net.OutputUnits.data();
    for (long k = 1; k <= numOutputs; ++k) {
        Unit& unit = out[k];
        unit.NetInput = unit.Threshold + sum[k];
        unit.Activation = Activation(unit.UnitType, unit.NetInput, unit.Activation);
        unit.Error = desired[k] - unit.Activation;
        unit.Target = desired[k];
    }
}

double PatternSSE(const NetworkState& net)
{
    double s = 0;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const double e = net.OutputUnits[k].Error;
        s = s + e * e;
    }
    return s;
}

long PatternHits(const NetworkState& net)
{
    long hits = 0;
    for (long k = 1; k <= net.NumOutputs; ++k) {
        const double e = net.OutputUnits[k].Error;
        if (e * e < net.MinError)
            ++hits;
    }
    return hits;
}

void EvaluateTrainingSet(NetworkState& net)
{
    net.Hits = 0;
    net.TotalSSE = 0;
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p);
        net.Hits = net.Hits + PatternHits(net);
        net.TotalSSE = net.TotalSSE + PatternSSE(net);
    }
}

double TrainingSetSSE(NetworkState& net)
{
    double total = 0;
    for (long p = 1; p <= net.NumPatterns; ++p) {
        ComputeResponse(net, p);
        total = total + PatternSSE(net);
    }
    return total;
}

}  // namespace vantorelle
