// SPDX-License-Identifier: GPL-3.0-or-later
// Every kernel set this machine runs, against training written the plain way:
// after many epochs on random networks the weights, thresholds, units, error
// history, hits and overflow reports must be the same bits.

#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <thread>

#include "PlainTraining.h"
#include "Random.h"
#include "RunThreads.h"
#include "WorkerCrew.h"
#include "LearningRules.h"
#include "Response.h"
#include "kernels/SweepKernels.h"
#include "TrainingEngine.h"

using namespace vantorelle;

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Every kernel set this machine runs, narrowest first: the sets up to the
// widest, which the engine picks.
std::vector<const KernelSet*> SupportedKernels()
{
#if defined(__x86_64__)
    const KernelSet* const narrowestFirst[] = {&Sse2Kernels, &Avx2Kernels, &Avx512Kernels};
#else
    const KernelSet* const narrowestFirst[] = {&Sse2Kernels};
#endif
    std::vector<const KernelSet*> sets;
    for (const KernelSet* set : narrowestFirst) {
        sets.push_back(set);
        if (set == &DefaultKernels())
            break;
    }
    return sets;
}

enum class Inputs { Mixed, Sparse, Large, VerySparse, MostlyOff };

struct Case {
    long patterns, inputs, outputs;
    RuleKind rule;
    Inputs inputKind;
    bool frozen, shuffled, separable;
    bool forceSideBySide;  // take the step rule's side-by-side path every sweep
    double rate;
    bool everyKind = false;  // outputs of every unit kind in turn, unset included, whatever the rule
    int aheadThreads = 0;    // threads lent to the step rule's sweep to sum ahead of it
    bool negativeZeroWeights = true;  // some start weights -0.0
    double flippedTargets = 0;        // share of a separable teacher's targets flipped, never learnt
};

double DrawInput(std::mt19937_64& gen, Inputs kind)
{
    std::uniform_real_distribution<double> unit(-1, 1);
    const double u = unit(gen);
    switch (kind) {
    case Inputs::Sparse: return u < 0.5 ? 0.0 : (u < 0.6 ? -0.0 : u);
    case Inputs::Large: return u < -0.8 ? u * 1e200 : (u < -0.6 ? 0.0 : u * 3);
    // Sparse enough for the pattern-by-pattern table, with a rare huge input
    // whose steps can leave weights that are not finite.
    case Inputs::VerySparse: return u < 0.55 ? 0.0 : (u < 0.6 ? -0.0 : (u < 0.605 ? u * 1e308 : u));
    // Few enough stored for the sparse table, however the draws fall.
    case Inputs::MostlyOff: return u < 0.6 ? 0.0 : (u < 0.65 ? -0.0 : u);
    case Inputs::Mixed: break;
    }
    return u < -0.7 ? 0.0 : (u < -0.6 ? -0.0 : (u < 0.3 ? u : std::round(u * 4)));
}

NetworkState Build(const Case& c, std::mt19937_64& gen)
{
    NetworkState net;
    net.NumPatterns = c.patterns;
    net.NumInputs = c.inputs;
    net.NumOutputs = c.outputs;
    net.NumResponses = c.patterns * c.outputs;
    net.InputPatterns.Resize(c.patterns, c.inputs);
    net.DesiredOutputs.Resize(c.patterns, c.outputs);
    net.PatternOrder.assign(static_cast<std::size_t>(c.patterns) + 1, 0);
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    std::uniform_real_distribution<double> unit(-1, 1);
    Matrix teacher(c.inputs, c.outputs);
    for (long i = 1; i <= c.inputs; ++i)
        for (long k = 1; k <= c.outputs; ++k)
            teacher(i, k) = unit(gen);
    for (long p = 1; p <= c.patterns; ++p) {
        for (long i = 1; i <= c.inputs; ++i)
            net.InputPatterns(p, i) = DrawInput(gen, c.inputKind);
        if (c.inputKind == Inputs::VerySparse)
            net.InputPatterns(p, 1) = 0.0;  // an input that is always off, as at an image's border
        for (long k = 1; k <= c.outputs; ++k) {
            double s = 0;
            for (long i = 1; i <= c.inputs; ++i)
                s = s + net.InputPatterns(p, i) * teacher(i, k);
            const double u = unit(gen);
            net.DesiredOutputs(p, k) = c.separable ? (s >= 0 ? 1.0 : 0.0) : (u < 0 ? 0.0 : (u < 0.8 ? 1.0 : u));
            if (c.flippedTargets > 0 && (u + 1) / 2 < c.flippedTargets)
                net.DesiredOutputs(p, k) = 1 - net.DesiredOutputs(p, k);
        }
    }
    // Start weights and thresholds with some exact zeros of both signs.
    for (long i = 1; i <= c.inputs; ++i)
        for (long k = 1; k <= c.outputs; ++k) {
            const double u = unit(gen);
            net.Weights(i, k) = u < -0.9 ? (c.negativeZeroWeights ? -0.0 : 0.0) : (u < -0.8 ? 0.0 : u * 0.1);
        }
    for (long k = 1; k <= c.outputs; ++k) {
        const double u = unit(gen);
        net.OutputUnits[k].Threshold = u < -0.5 ? -0.0 : u * 0.1;
    }
    net.LearningRate = c.rate;
    net.FreezeThresholds = c.frozen;
    net.RandomizeOrder = c.shuffled;
    SetUnitTypes(net, UnitKindForRule(c.rule));
    if (c.everyKind) {
        const UnitKind kinds[] = {UnitKind::Binary, UnitKind::IntDev, UnitKind::Value, UnitKind::None};
        for (long k = 1; k <= c.outputs; ++k) {
            net.OutputUnits[k].UnitType = kinds[k % 4];
            net.OutputUnits[k].Activation = 0.25 * static_cast<double>(k % 3);  // what an unset kind keeps
        }
    }
    return net;
}

plain::Rule PlainRule(RuleKind rule)
{
    return rule == RuleKind::Delta ? plain::Rule::Delta
                                   : (rule == RuleKind::Gradient ? plain::Rule::Gradient : plain::Rule::Value);
}

void ExpectSameBits(const NetworkState& a, const NetworkState& b)
{
    ASSERT_EQ(Bits(a.TotalSSE), Bits(b.TotalSSE));
    ASSERT_EQ(a.Hits, b.Hits);
    for (long i = 1; i <= a.NumInputs; ++i) {
        ASSERT_EQ(Bits(a.InputUnits[i].Activation), Bits(b.InputUnits[i].Activation)) << "input " << i;
        for (long k = 1; k <= a.NumOutputs; ++k)
            ASSERT_EQ(Bits(a.Weights(i, k)), Bits(b.Weights(i, k))) << "weight " << i << "," << k;
    }
    for (long k = 1; k <= a.NumOutputs; ++k) {
        const Unit& u = a.OutputUnits[k];
        const Unit& v = b.OutputUnits[k];
        ASSERT_EQ(Bits(u.Threshold), Bits(v.Threshold)) << "threshold " << k;
        ASSERT_EQ(Bits(u.NetInput), Bits(v.NetInput)) << "net input " << k;
        ASSERT_EQ(Bits(u.Activation), Bits(v.Activation)) << "activation " << k;
        ASSERT_EQ(Bits(u.Error), Bits(v.Error)) << "error " << k;
        ASSERT_EQ(Bits(u.Target), Bits(v.Target)) << "target " << k;
    }
}

struct Tally {
    int sideBySideSweeps = 0;
    int overflows = 0;
    int blocksSummedAhead = 0;
    int sparseSweeps = 0;  // side-by-side sweeps that sum blocks from the sparse table
    long stepsSkippingZeros = 0;
    int sweepsPartlySkipping = 0;  // sweeps that skipped and then read the full rows
};

// Trains a copy with each kernel set and the plain reference side by side.
void RunCase(const Case& c, std::uint64_t seed, int epochs, Tally& tally)
{
    std::mt19937_64 gen(seed);
    const NetworkState start = Build(c, gen);
    for (const KernelSet* kernels : SupportedKernels()) {
        SCOPED_TRACE(::testing::Message() << kernels->name << " seed " << seed << " shape " << c.patterns << "x"
                                          << c.inputs << "x" << c.outputs << " rule " << static_cast<int>(c.rule));
        NetworkState engine = start;
        NetworkState reference = start;
        SweepWorkspace work;
        work.kernels = kernels;
        work.smallestTableToPack = 0;  // sparse enough small tables packed too
        work.chooseTablesByTrial = false;
        work.smallestTableToSkip = 0;  // zero inputs skipped in small sweeps too
        work.smallestPartToSplit = 0;  // the measurement split over the threads lent, if any
        std::optional<WorkerCrew> crew;
        if (c.aheadThreads > 0)
            work.sweepCrew = &crew.emplace(c.aheadThreads);
        MersenneRandom random(static_cast<std::uint32_t>(seed));
        for (int epoch = 1; epoch <= epochs; ++epoch) {
            ShufflePatterns(engine, random);
            reference.PatternOrder = engine.PatternOrder;
            if (c.forceSideBySide) {
                work.updateShare = 0;
                work.outputsStepped = 0;
            }
            const bool overflowed = TrainingSweep(engine, c.rule, work) == RuleOutcome::Overflow;
            tally.sideBySideSweeps += work.sideBySide;
            tally.blocksSummedAhead += work.sideBySide ? static_cast<int>(work.blocksAhead) : 0;
            tally.sparseSweeps +=
                work.sideBySide && work.sparse && work.storedShare <= SweepWorkspace::SparseShareForBlocks;
            tally.stepsSkippingZeros += work.sideBySide ? 0 : work.stepsSkippingZeros;
            tally.sweepsPartlySkipping +=
                !work.sideBySide && work.stepsSkippingZeros > 0 && work.stepsSkippingZeros < c.patterns - 1;
            const bool plainOverflowed = !plain::Sweep(reference, PlainRule(c.rule));
            tally.overflows += plainOverflowed;
            ASSERT_EQ(overflowed, plainOverflowed) << "epoch " << epoch;
            ExpectSameBits(engine, reference);  // the sweep leaves the last pattern's response
            if (::testing::Test::HasFatalFailure())
                return;
            EvaluateTrainingSet(engine, work);
            plain::Evaluate(reference);
            ExpectSameBits(engine, reference);
            if (::testing::Test::HasFatalFailure()) {
                ADD_FAILURE() << "after the measurement of epoch " << epoch;
                return;
            }
        }
    }
}

Case RandomCase(std::mt19937_64& gen, RuleKind rule)
{
    std::uniform_int_distribution<long> size(1, 40);
    std::uniform_int_distribution<long> patterns(1, 70);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> kind(0, 3);
    Case c{patterns(gen), size(gen), size(gen), rule, static_cast<Inputs>(kind(gen)), coin(gen) == 1,
           coin(gen) == 1, coin(gen) == 1, coin(gen) == 1, rule == RuleKind::Tarvik ? 0.1 : 0.5};
    if (rule == RuleKind::Tarvik && coin(gen) == 1)
        c.rate = 1e150;  // overflows now and then
    return c;
}

}  // namespace

// Random shapes of each rule, with frozen thresholds, shuffled and file order,
// sparse, large and signed-zero inputs.
TEST(KernelDifferential, RandomNetworksMatchThePlainLoopsBitForBit)
{
    std::mt19937_64 gen(20261209);
    Tally tally;
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        for (int n = 0; n < 14; ++n) {
            const Case c = RandomCase(gen, rule);
            RunCase(c, gen(), 12, tally);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_GT(tally.overflows, 0);
}

// Sweeps pattern by pattern that skip the +0.0 inputs, reading the sparse
// table: each rule, inputs with signed zeros, rates that take the weights'
// guard past its bound inside a sweep, and starts with -0.0 weights, which
// rule the skip out.
TEST(KernelDifferential, SweepsSkippingZeroInputsMatchThePlainLoops)
{
    std::mt19937_64 gen(20261210);
    Tally tally;
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik})
        for (double rate : {0.3, 1e290, 1e308})
            for (bool negativeZeros : {false, true}) {
                Case c{64, 36, 6, rule, Inputs::MostlyOff, false, true, false, false, rate};
                c.negativeZeroWeights = negativeZeros;
                RunCase(c, gen(), 6, tally);
                if (HasFatalFailure())
                    return;
            }
    EXPECT_GT(tally.stepsSkippingZeros, 0);
    EXPECT_GT(tally.sweepsPartlySkipping, 0);
}

// The step rule on learnable sets, where most responses become right and the
// sweep sums the patterns side by side; and the same sets forced onto that
// path from the first epoch, while many responses are still wrong.
TEST(KernelDifferential, StepRuleSideBySidePathMatchesThePlainLoops)
{
    Tally tally;
    std::uint64_t seed = 77;
    for (bool force : {false, true}) {
        for (Inputs inputs : {Inputs::Mixed, Inputs::Sparse, Inputs::Large, Inputs::VerySparse, Inputs::MostlyOff}) {
            for (bool frozen : {false, true}) {
                for (bool shuffled : {false, true}) {
                    const Case c{64, 37, 11, RuleKind::Delta, inputs, frozen, shuffled, true, force, 0.5};
                    RunCase(c, ++seed, 25, tally);
                    if (HasFatalFailure())
                        return;
                }
            }
        }
        const Case odd{23, 40, 3, RuleKind::Delta, Inputs::Mixed, false, true, true, force, 0.25};
        RunCase(odd, ++seed, 25, tally);
    }
    EXPECT_GT(tally.sideBySideSweeps, 100);
    EXPECT_GT(tally.sparseSweeps, 50);
}

// Threads lent to the step rule's sweep (two, three, and more than the
// machine's cores) sum later patterns ahead of it with the weights it starts
// from: the outputs that step before the sweep gets there sum those patterns
// again, while the others walk the sums made ahead.
TEST(KernelDifferential, SumsMadeAheadOfTheStepRuleSweepMatchThePlainLoops)
{
    Tally tally;
    std::uint64_t seed = 900;
    for (int threads : {2, 3, 7}) {
        for (Inputs inputs : {Inputs::Mixed, Inputs::VerySparse, Inputs::MostlyOff}) {
            for (long outputs : {3L, 11L}) {
                Case c{230, 7, outputs, RuleKind::Delta, inputs, false, false, true, false, 0.5};
                c.aheadThreads = threads;
                RunCase(c, ++seed, 30, tally);
                if (HasFatalFailure())
                    return;
            }
        }
    }
    EXPECT_GT(tally.blocksSummedAhead, 300);  // each helper sums one block at least
}

// The step rule's sweeps and the measurement take each output's activation
// as a function compiled for its kind: outputs of every kind, unset ones
// too, in one network, on the side-by-side path and off it.
TEST(KernelDifferential, EveryUnitKindUnderTheStepRuleMatchesThePlainLoops)
{
    Tally tally;
    std::uint64_t seed = 500;
    for (bool force : {false, true}) {
        for (long patterns : {9L, 64L}) {
            Case c{patterns, 37, 11, RuleKind::Delta, Inputs::Mixed, false, true, true, force, 0.5};
            c.everyKind = true;
            RunCase(c, ++seed, 15, tally);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_GT(tally.sideBySideSweeps, 10);
}

// Activations skip exp where it can only overflow or underflow; the bits must
// be the library's on both sides of those limits.
TEST(KernelDifferential, ActivationShortcutsGiveTheLibraryBits)
{
    std::vector<double> xs = {-1e300, -1e20, -746, -720, -710.5, -710, -709.9, -709.7, -40, -1, -0.0, 0.0, 1, 15.3,
                              15.5, 15.6, 16, 26.8, 27, 40, 1e20, 1e300, std::nan("")};
    for (double x = -800; x <= 800; x += 0.37)
        xs.push_back(x);
    for (double x : xs) {
        for (UnitKind kind : {UnitKind::IntDev, UnitKind::Value}) {
            SCOPED_TRACE(::testing::Message() << x << " " << UnitKindName(kind));
            EXPECT_EQ(Bits(Activation(kind, x, 0)), Bits(plain::Activation(kind, x, 0)));
        }
    }
}

// A binary unit's sums and targets of every awkward kind (signed zeros,
// NaN, subnormals, huge values), the targets mostly 0 or 1.
struct BinaryWalk {
    std::vector<double> sums, desired;
};
BinaryWalk AwkwardBinaryWalk(std::mt19937_64& gen, long count)
{
    const double awkward[] = {0.0, -0.0, 1.0, 0.5, std::nan(""), 1e-310, -1e-310, 1e300, -1e300, -3.0, 1e-160};
    std::uniform_int_distribution<int> pick(0, 10);
    BinaryWalk walk{std::vector<double>(static_cast<std::size_t>(count)), std::vector<double>(static_cast<std::size_t>(count))};
    for (std::size_t j = 0; j < walk.sums.size(); ++j) {
        walk.sums[j] = awkward[pick(gen)];
        walk.desired[j] = gen() % 3 == 0 ? awkward[pick(gen)] : (gen() % 2 ? 1.0 : 0.0);
    }
    return walk;
}

// The step rule's walk skips a binary unit's held positions a vector at a
// time: it must stop where the walk's own step, a pattern at a time, is
// first not zero, whatever the sums, targets and rate hold.
TEST(KernelDifferential, BinaryStepScanStopsWhereTheWalkFirstSteps)
{
    const double nan = std::nan("");
    std::mt19937_64 gen(1210);
    for (const KernelSet* kernels : SupportedKernels()) {
        SCOPED_TRACE(kernels->name);
        for (double rate : {0.25, 1e-320, 0.0, nan}) {
            for (long count = 0; count <= 37; ++count) {
                auto [sums, desired] = AwkwardBinaryWalk(gen, count);
                for (double threshold : {0.0, -0.0, -1e-300, 2.0}) {
                    // Held until the target is the activation from the last
                    // position back, so the stop lands in every lane.
                    const long held = count - static_cast<long>(gen() % static_cast<unsigned long>(count + 1));
                    for (long j = 0; j < held; ++j)
                        desired[static_cast<std::size_t>(j)] =
                            ActivationOf<UnitKind::Binary>{}(threshold + sums[static_cast<std::size_t>(j)]);
                    long want = count;
                    for (long j = 0; j < count && want == count; ++j) {
                        const double net = threshold + sums[static_cast<std::size_t>(j)];
                        const double a = ActivationOf<UnitKind::Binary>{}(net);
                        const double d = desired[static_cast<std::size_t>(j)];
                        if (!(RuleStep<RuleKind::Delta>(rate)(net, a, d - a, d) == 0))
                            want = j;
                    }
                    EXPECT_EQ(kernels->firstBinaryStep(sums.data(), desired.data(), count, threshold, rate), want)
                        << count << " positions, rate " << rate << ", threshold " << threshold;
                }
            }
        }
    }
}

// The measurement's binary outputs go a vector of patterns at a time: the
// squared errors and the hits must be the pattern-at-a-time ones.
TEST(KernelDifferential, BinarySquaredErrorsMatchThePlainMeasurement)
{
    const double nan = std::nan("");
    std::mt19937_64 gen(1211);
    for (const KernelSet* kernels : SupportedKernels()) {
        SCOPED_TRACE(kernels->name);
        for (long count = 0; count <= 37; ++count) {
            const auto [sums, desired] = AwkwardBinaryWalk(gen, count);
            for (double threshold : {0.0, -0.0, -1e-300, 2.0}) {
                for (double minError : {0.1, 0.0, 1e-320, nan}) {
                    std::vector<double> want = sums;
                    long wantHits = 0;
                    for (long j = 0; j < count; ++j) {
                        double& x = want[static_cast<std::size_t>(j)];
                        const double e =
                            desired[static_cast<std::size_t>(j)] - ActivationOf<UnitKind::Binary>{}(threshold + x);
                        wantHits += e * e < minError;
                        x = e * e;
                    }
                    std::vector<double> got = sums;
                    EXPECT_EQ(kernels->squaredBinaryErrors(got.data(), desired.data(), count, threshold, minError),
                              wantHits)
                        << count << " patterns, threshold " << threshold << ", least error " << minError;
                    for (long j = 0; j < count; ++j)
                        EXPECT_EQ(Bits(got[static_cast<std::size_t>(j)]), Bits(want[static_cast<std::size_t>(j)]))
                            << "pattern " << j << " of " << count;
                }
            }
        }
    }
}

// The measurement reuses the sums of a step-rule sweep only while the weights
// are the ones the sweep left: a weight changed in between must show.
TEST(KernelDifferential, MeasurementSeesWeightsChangedAfterTheSweep)
{
    std::mt19937_64 gen(4);
    const Case c{64, 37, 11, RuleKind::Delta, Inputs::Mixed, false, false, true, true, 0.5};
    NetworkState engine = Build(c, gen);
    SweepWorkspace work;
    MersenneRandom random(4);
    for (int epoch = 0; epoch < 40; ++epoch) {
        ShufflePatterns(engine, random);
        work.updateShare = 0;
        TrainingSweep(engine, RuleKind::Delta, work);
        EvaluateTrainingSet(engine, work);
    }
    ASSERT_TRUE(work.sideBySide);
    ShufflePatterns(engine, random);
    TrainingSweep(engine, RuleKind::Delta, work);
    engine.Weights(3, 2) = engine.Weights(3, 2) + 1;
    engine.OutputUnits[5].Threshold = engine.OutputUnits[5].Threshold - 1;
    NetworkState reference = engine;
    EvaluateTrainingSet(engine, work);
    plain::Evaluate(reference);
    ExpectSameBits(engine, reference);
}

// Networks small enough for the unrolled loops (one output, up to four
// inputs) and just past them, each rule, with overflow of the value rule now
// and then; the first response of each sweep comes from the measurement.
TEST(KernelDifferential, SmallNetworksMatchThePlainLoopsBitForBit)
{
    std::mt19937_64 gen(31);
    Tally tally;
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
        for (long inputs = 1; inputs <= 5; ++inputs) {
            for (long outputs = 1; outputs <= 2; ++outputs) {
                for (int variant = 0; variant < 6; ++variant) {
                    std::uniform_int_distribution<long> patterns(1, 9);
                    Case c{patterns(gen), inputs, outputs, rule, static_cast<Inputs>(variant % 3), variant == 1,
                           variant >= 2, variant != 3, false, rule == RuleKind::Tarvik ? 0.1 : 0.5};
                    // Steps that overflow, and (with inputs near 1e200) finite
                    // steps whose new weights overflow.
                    if (rule == RuleKind::Tarvik && variant >= 3)
                        c.rate = variant == 3 ? 1e150 : 1e100;
                    RunCase(c, gen(), 30, tally);
                    if (HasFatalFailure())
                        return;
                }
            }
        }
    }
    EXPECT_GT(tally.overflows, 0);
}

// The sweep takes its first response from the last measurement only while
// the weights, thresholds and unit kinds are the ones measured.
TEST(KernelDifferential, SweepSeesChangesMadeAfterTheMeasurement)
{
    for (long inputs : {2L, 7L}) {
        std::mt19937_64 gen(8);
        const Case c{4, inputs, 1, RuleKind::Tarvik, Inputs::Mixed, false, false, false, false, 0.1};
        const NetworkState start = Build(c, gen);
        for (int change = 0; change < 3; ++change) {
            SCOPED_TRACE(::testing::Message() << "inputs " << inputs << " change " << change);
            NetworkState engine = start;
            SweepWorkspace work;
            MersenneRandom random(8);
            ShufflePatterns(engine, random);
            TrainingSweep(engine, RuleKind::Tarvik, work);
            if (change == 2)
                SetUnitTypes(engine, UnitKind::Binary);
            EvaluateTrainingSet(engine, work);
            if (change == 0)
                engine.Weights(1, 1) = engine.Weights(1, 1) + 0.25;
            else if (change == 1)
                engine.OutputUnits[1].Threshold = -engine.OutputUnits[1].Threshold;
            else
                SetUnitTypes(engine, UnitKind::Value);
            NetworkState reference = engine;
            TrainingSweep(engine, RuleKind::Tarvik, work);
            plain::Sweep(reference, plain::Rule::Value);
            ExpectSameBits(engine, reference);
        }
    }
}

namespace {

struct RecordingObserver : RunObserver {
    std::vector<EpochReport> reports;
    std::vector<std::string> problems;
    long stopAfter = 0;  // asks to stop after this many epochs (0: never)
    double nextDraw = 0;  // the generator's next number after the run
    void EpochEnded(const EpochReport& report) override { reports.push_back(report); }
    void RunEnded(const EpochReport& report) override { reports.push_back(report); }
    void Problem(const RunProblem& problem) override { problems.push_back(problem.message); }
    bool StopRequested() override { return stopAfter > 0 && static_cast<long>(reports.size()) >= stopAfter; }
};

struct FixedThreads {
    explicit FixedThreads(int count) { SetRunThreads(count); }
    ~FixedThreads() { SetRunThreads(0); }
};

struct FixedPlan {
    explicit FixedPlan(RunPlan plan) { FixRunPlan(plan); }
    ~FixedPlan() { FixRunPlan(std::nullopt); }
};

// A whole run of at most `epochs` epochs from `start` under `plan`.
NetworkState TrainOn(RunPlan plan, NetworkState net, RuleKind rule, std::uint64_t seed, int epochs,
                     RecordingObserver& seen, bool hitStop = false)
{
    FixedPlan fixed(plan);
    net.LearningRule = rule;
    net.StopAtMaxEpochs = true;
    net.EpochLimit = epochs;
    net.StopWhenAllHits = hitStop;
    net.PrintSweeps = 3;
    MersenneRandom random(static_cast<std::uint32_t>(seed));
    double lastPrinted = 0;
    RunTraining(net, random, seen, lastPrinted);
    seen.nextDraw = random.Next();
    return net;
}

void ExpectSameRun(const NetworkState& a, const RecordingObserver& seenA, const NetworkState& b,
                   const RecordingObserver& seenB)
{
    ExpectSameBits(a, b);
    ASSERT_EQ(a.EpochCount, b.EpochCount);
    ASSERT_EQ(a.SSERecordCount, b.SSERecordCount);
    for (int r = 1; r <= a.SSERecordCount; ++r)
        ASSERT_EQ(Bits(a.SSEHistory[r].SSE), Bits(b.SSEHistory[r].SSE)) << "history row " << r;
    ASSERT_EQ(seenA.problems, seenB.problems);
    ASSERT_EQ(Bits(seenA.nextDraw), Bits(seenB.nextDraw)) << "the generator stands elsewhere after the run";
    ASSERT_EQ(seenA.reports.size(), seenB.reports.size());
    for (std::size_t r = 0; r < seenA.reports.size(); ++r) {
        ASSERT_EQ(Bits(seenA.reports[r].TotalSSE), Bits(seenB.reports[r].TotalSSE)) << "report " << r;
        ASSERT_EQ(seenA.reports[r].Hits, seenB.reports[r].Hits) << "report " << r;
        ASSERT_EQ(Bits(seenA.reports[r].Change), Bits(seenB.reports[r].Change)) << "report " << r;
    }
}

}  // namespace

// A run with its outputs in shares on two, three and seven threads (more than
// the machine's cores, more than some networks' outputs), or measuring each
// epoch beside the next one's sweep, trains what one thread trains: weights,
// units, totals, history, displays, messages and the generator's place after
// the run, bit for bit, on every path (side by side, overflow, non-finite
// stop, the all-hits stop, a stop asked for).
TEST(OutputShares, AnyThreadCountGivesTheOneThreadRunBitForBit)
{
    std::mt19937_64 gen(2027);
    std::vector<Case> cases = {
        {120, 40, 9, RuleKind::Delta, Inputs::Sparse, false, true, true, false, 0.5},
        {120, 40, 9, RuleKind::Gradient, Inputs::Mixed, false, true, false, false, 0.5},
        {90, 30, 5, RuleKind::Tarvik, Inputs::Mixed, false, true, false, false, 0.1},
        {90, 30, 5, RuleKind::Tarvik, Inputs::Large, false, false, false, false, 1e150},
        {70, 12, 3, RuleKind::Delta, Inputs::Large, true, true, false, false, 0.5},
        {12, 4, 2, RuleKind::Delta, Inputs::Mixed, false, true, true, false, 0.5},
        // In file order, where the threads go on to sum ahead of the sweep.
        {240, 7, 9, RuleKind::Delta, Inputs::VerySparse, false, false, true, false, 0.5},
    };
    // Every output keeps missing a few flipped targets: the sweeps go side
    // by side with nothing for the measurement to reuse.
    cases.push_back({200, 30, 8, RuleKind::Delta, Inputs::Mixed, false, true, true, false, 0.5});
    cases.back().flippedTargets = 0.02;
    for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik})
        for (int r = 0; r < 3; ++r)
            cases.push_back(RandomCase(gen, rule));
    int overflows = 0, nonFiniteStops = 0, hitStops = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        std::mt19937_64 build(i);
        const NetworkState start = Build(c, build);
        for (int stop = 0; stop < 3; ++stop) {
            // 0: the epoch limit, 1: the all-hits stop, 2: a stop asked for after 5 epochs
            RecordingObserver one;
            one.stopAfter = stop == 2 ? 5 : 0;
            const int epochs = stop == 1 ? 200 : 14;
            const NetworkState alone = TrainOn({1, false}, start, c.rule, i, epochs, one, stop == 1);
            overflows += !one.problems.empty();
            nonFiniteStops += stop == 0 && alone.EpochCount < 14;
            hitStops += stop == 1 && alone.EpochCount < epochs && alone.Hits == alone.NumResponses;
            const RunPlan plans[] = {{2, false}, {3, false}, {7, false}, {1, true}};
            for (const RunPlan& plan : plans) {
                SCOPED_TRACE(::testing::Message() << "case " << i << " stop " << stop << " shares " << plan.shares
                                                  << (plan.measureAside ? " measured aside" : "") << " shape "
                                                  << c.patterns << "x" << c.inputs << "x" << c.outputs);
                RecordingObserver split;
                split.stopAfter = one.stopAfter;
                const NetworkState shared = TrainOn(plan, start, c.rule, i, epochs, split, stop == 1);
                ExpectSameRun(alone, one, shared, split);
                if (::testing::Test::HasFatalFailure())
                    return;
            }
        }
    }
    EXPECT_GT(overflows, 0) << "no case took the value rule's overflow path";
    EXPECT_GT(nonFiniteStops, 0) << "no case ended on numbers that stopped being finite";
    EXPECT_GT(hitStops, 0) << "no case reached all hits before its epoch limit";
}

// The engine's own choice: one thread for small networks; for large ones no
// more threads than outputs or than a limit set on this thread.
TEST(OutputShares, SmallNetworksStayOnOneThreadAndLimitsHold)
{
    EXPECT_EQ(ChooseRunThreads(26, 35, 26), 1);  // the letters
    EXPECT_EQ(ChooseRunThreads(4, 2, 1), 1);
    EXPECT_EQ(ChooseRunThreads(100000, 1000, 1), 1);  // one output cannot be shared
    EXPECT_EQ(PlanRun(26, 35, 26), (RunPlan{1, false}));
    EXPECT_EQ(ChooseRunThreads(3000, 784, 10), 1);  // too few outputs to share
    if (std::thread::hardware_concurrency() >= 2) {
        EXPECT_EQ(ChooseRunThreads(3000, 784, 64), 2);
        EXPECT_EQ(PlanRun(3000, 784, 10), (RunPlan{1, true}));  // the measurement aside instead
    }
    {
        RunThreadsOnThisThread limit(1);
        EXPECT_EQ(PlanRun(3000, 784, 64), (RunPlan{1, false}));
        EXPECT_EQ(PlanRun(3000, 784, 10), (RunPlan{1, false}));
    }
    FixedThreads fixed(3);
    EXPECT_EQ(PlanRun(3000, 784, 26), (RunPlan{3, false}));
    EXPECT_EQ(PlanRun(3000, 784, 10), (RunPlan{1, true}));
    EXPECT_EQ(PlanRun(4, 2, 1), (RunPlan{1, true}));  // fixed: the user's count, whatever the size
}

// A share that fails (memory, say) ends the round with its exception on the
// caller's thread, after every other share has returned; the crew serves the
// next round as before.
TEST(OutputShares, AShareThatThrowsReachesTheCallerAndTheCrewGoesOn)
{
    WorkerCrew crew(3);
    std::atomic<int> finished{0};
    EXPECT_THROW(crew.Run([&](int share) {
        if (share == 2)
            throw std::bad_alloc();
        ++finished;
    }),
                 std::bad_alloc);
    EXPECT_EQ(finished.load(), 2);
    std::vector<int> seen(3, 0);
    crew.Run([&](int share) { seen[static_cast<std::size_t>(share)] += 1; });
    EXPECT_EQ(seen, std::vector<int>({1, 1, 1}));
}
