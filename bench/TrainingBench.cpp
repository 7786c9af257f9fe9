// SPDX-License-Identifier: GPL-3.0-or-later
// Epochs per second of the training engine (shuffle, sweep with the rule,
// measurement: what one epoch of a run costs) on three workloads and each
// rule, against the same epoch written as plain scalar loops (the yardstick)
// and, when scikit-learn is installed, against its Perceptron on the same
// files. Prints medians; ratios compare numbers measured in the same run.
//
//   vantorelle_bench [--quick] [--folder DIR]
//
// DIR receives the generated large training file (default: the working folder).

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "InitialWeights.h"
#include "PlainTraining.h"
#include "Random.h"
#include "RunThreads.h"
#include "Response.h"
#include "kernels/SweepKernels.h"
#include "TrainingEngine.h"
#include "TrainingFile.h"

#include "FannPeer.h"

using namespace vantorelle;

namespace {

// The thread's own processor time: on a shared machine, time other processes
// take does not count against either side of a comparison.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now()
    {
        timespec t;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return time_point(duration(t.tv_sec * 1000000000LL + t.tv_nsec));
    }
};

// A large image-like set: 3000 patterns of 28 x 28 pixels, ten classes, one-hot
// outputs (3000 x 10 responses, near the 32767 limit), mostly zero pixels.
// Each class has its own stroke of pixels (strokes may cross); a pattern
// shows some of its class's stroke faintly over scattered noise and is kept
// only when the strokes separate it, by a small margin: the set is linearly
// separable output by output, but the step rule needs many epochs for it.
void WriteLargeSet(const std::string& path)
{
    constexpr int Side = 28, Pixels = Side * Side, Classes = 10, Patterns = 3000, Stroke = 60;
    constexpr double Cut = 10, Margin = 0.02;
    std::mt19937_64 gen(1);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<std::vector<unsigned char>> onStroke(Classes, std::vector<unsigned char>(Pixels, 0));
    for (int c = 0; c < Classes; ++c) {
        int r = 4 + static_cast<int>(unit(gen) * 20), col = 4 + static_cast<int>(unit(gen) * 20);
        for (int placed = 0; placed < Stroke;) {
            const int pixel = r * Side + col;
            if (!onStroke[c][pixel]) {
                onStroke[c][pixel] = 1;
                ++placed;
            }
            const int move = static_cast<int>(unit(gen) * 4);
            r = std::clamp(r + (move == 0) - (move == 1), 2, Side - 3);
            col = std::clamp(col + (move == 2) - (move == 3), 2, Side - 3);
        }
    }
    std::vector<std::vector<double>> inputs;
    std::vector<int> labels;
    while (static_cast<int>(inputs.size()) < Patterns) {
        const int c = static_cast<int>(inputs.size()) % Classes;
        std::vector<double> x(Pixels, 0.0);
        for (int pixel = 0; pixel < Pixels; ++pixel) {
            if (onStroke[c][pixel] && unit(gen) < 0.3)
                x[pixel] = 0.2 + 0.4 * unit(gen);
            if (unit(gen) < 0.45)
                x[pixel] = std::max(x[pixel], 0.4 * unit(gen));
        }
        bool kept = true;
        for (int k = 0; k < Classes; ++k) {
            double score = 0;
            for (int pixel = 0; pixel < Pixels; ++pixel)
                if (onStroke[k][pixel])
                    score += x[pixel];
            kept = kept && (k == c ? score >= Cut + Margin : score <= Cut - Margin);
        }
        if (!kept)
            continue;
        inputs.push_back(x);
        labels.push_back(c);
    }
    std::ofstream out(path);
    out << Classes << ", 0, " << Pixels << ", " << Patterns << "\n";
    char buffer[32];
    for (const auto& x : inputs) {
        for (int i = 0; i < Pixels; ++i) {
            std::snprintf(buffer, sizeof buffer, "%.17g", x[i]);
            out << (i ? " " : "") << (x[i] == 0 ? "0" : buffer);
        }
        out << "\n";
    }
    for (int label : labels) {
        for (int k = 0; k < Classes; ++k)
            out << (k ? " " : "") << (k == label ? 1 : 0);
        out << "\n";
    }
}

// A wide set: 500 patterns of 784 inputs (30% non-zero, thousandths in
// (0, 1)) and 64 outputs (32000 responses, near the limit), each output the
// step of its own random teacher: as many outputs as the limit allows on
// patterns of L's size, where sharing the outputs among threads pays.
void WriteWideSet(const std::string& path)
{
    constexpr int Patterns = 500, Inputs = 784, Outputs = 64;
    std::mt19937_64 gen(2);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<std::vector<double>> teacher(Outputs, std::vector<double>(Inputs));
    for (auto& row : teacher)
        for (double& w : row)
            w = unit(gen) - 0.5;
    std::ofstream out(path);
    out << Outputs << ", 0, " << Inputs << ", " << Patterns << "\n";
    std::vector<std::vector<int>> desired;
    for (int p = 0; p < Patterns; ++p) {
        std::vector<double> x(Inputs, 0.0);
        for (int i = 0; i < Inputs; ++i) {
            if (unit(gen) < 0.3)
                x[i] = std::max(1, static_cast<int>(unit(gen) * 1000)) / 1000.0;
            out << (i ? " " : "") << x[i];
        }
        out << "\n";
        std::vector<int> d(Outputs);
        for (int k = 0; k < Outputs; ++k) {
            double s = 0;
            for (int i = 0; i < Inputs; ++i)
                s += teacher[k][i] * x[i];
            d[k] = s >= 0;
        }
        desired.push_back(d);
    }
    for (const auto& d : desired) {
        for (int k = 0; k < Outputs; ++k)
            out << (k ? " " : "") << d[k];
        out << "\n";
    }
}

// Image-like sets for the step rule: 3000 patterns of 784 inputs, a share
// `density` of them non-zero (thousandths in (0, 1)), and 10 outputs, each the
// step of its own random teacher with its threshold at the median score, so
// each output is separable; a share `flipped` of the desired outputs is
// then flipped, which leaves misses that no epoch removes. Where the misses
// fall and how sparse the inputs are is what the step rule's speed depends on.
void WriteImageLikeSet(const std::string& path, double density, double flipped)
{
    constexpr int Patterns = 3000, Inputs = 784, Outputs = 10;
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<std::vector<double>> teacher(Outputs, std::vector<double>(Inputs));
    for (auto& row : teacher)
        for (double& w : row)
            w = unit(gen) - 0.5;
    std::vector<std::vector<double>> x(Patterns, std::vector<double>(Inputs, 0.0));
    for (auto& row : x)
        for (double& v : row)
            if (unit(gen) < density)
                v = std::max(1, static_cast<int>(unit(gen) * 1000)) / 1000.0;
    std::vector<std::vector<int>> desired(Patterns, std::vector<int>(Outputs));
    for (int k = 0; k < Outputs; ++k) {
        std::vector<double> score(Patterns);
        for (int p = 0; p < Patterns; ++p)
            for (int i = 0; i < Inputs; ++i)
                score[p] += teacher[k][i] * x[p][i];
        std::vector<double> sorted = score;
        std::nth_element(sorted.begin(), sorted.begin() + Patterns / 2, sorted.end());
        const double median = sorted[Patterns / 2];
        for (int p = 0; p < Patterns; ++p)
            desired[p][k] = (score[p] >= median) != (unit(gen) < flipped);
    }
    std::ofstream out(path);
    out << Outputs << ", 0, " << Inputs << ", " << Patterns << "\n";
    for (const auto& row : x) {
        for (int i = 0; i < Inputs; ++i)
            out << (i ? " " : "") << row[i];
        out << "\n";
    }
    for (const auto& d : desired) {
        for (int k = 0; k < Outputs; ++k)
            out << (k ? " " : "") << d[k];
        out << "\n";
    }
}

NetworkState Load(const std::string& path)
{
    NetworkState net;
    if (!ReadTrainingFile(net, path).ok) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    return net;
}

// The state a run from seed 1 in file order reaches after `warmup` epochs.
NetworkState Warm(const NetworkState& loaded, RuleKind rule, int warmup)
{
    NetworkState net = loaded;
    net.LearningRule = rule;
    net.LearningRate = defaults::Rate(rule);
    net.RandomizeOrder = false;
    MersenneRandom random(1);
    InitWeights(net, random);
    InitThresholds(net, random);
    SetUnitTypes(net, UnitKindForRule(rule));
    SweepWorkspace work;
    for (int e = 0; e < warmup; ++e) {
        ShufflePatterns(net, random);
        TrainingSweep(net, rule, work);
        EvaluateTrainingSet(net, work);
    }
    return net;
}

// Seconds for `epochs` epochs of the engine from `start`.
double EngineSeconds(const NetworkState& start, RuleKind rule, int epochs, const KernelSet& kernels)
{
    NetworkState net = start;
    MersenneRandom random(2);
    SweepWorkspace work;
    work.kernels = &kernels;
    const auto begin = Clock::now();
    for (int e = 0; e < epochs; ++e) {
        SetUnitTypes(net, UnitKindForRule(rule));
        ShufflePatterns(net, random);
        TrainingSweep(net, rule, work);
        EvaluateTrainingSet(net, work);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    if (!std::isfinite(net.TotalSSE) && net.TotalSSE != net.TotalSSE)
        std::printf("(non-finite)\n");
    return seconds;
}

// Seconds for `epochs` measurements of the training set alone.
double MeasureSeconds(const NetworkState& start, int epochs)
{
    NetworkState net = start;
    SweepWorkspace work;
    EvaluateTrainingSet(net, work);  // binds the patterns
    const auto begin = Clock::now();
    for (int e = 0; e < epochs; ++e) {
        work.sumsFromSweep = false;
        work.measured = false;
        EvaluateTrainingSet(net, work);
    }
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

// The same epochs as plain scalar loops.
double PlainSeconds(const NetworkState& start, RuleKind rule, int epochs)
{
    NetworkState net = start;
    MersenneRandom random(2);
    const plain::Rule plainRule =
        rule == RuleKind::Delta ? plain::Rule::Delta : rule == RuleKind::Gradient ? plain::Rule::Gradient : plain::Rule::Value;
    const auto begin = Clock::now();
    for (int e = 0; e < epochs; ++e) {
        for (long k = 1; k <= net.NumOutputs; ++k)
            net.OutputUnits[k].UnitType = UnitKindForRule(rule);
        for (long i = 1; i <= net.NumPatterns; ++i)
            net.PatternOrder[i] = i;
        if (net.RandomizeOrder)
            for (long j = 1; j <= net.NumPatterns - 1; ++j) {
                const long r = static_cast<long>(
                    std::floor(random.Next() * static_cast<double>(net.NumPatterns - j + 1) + j));
                std::swap(net.PatternOrder[r], net.PatternOrder[j]);
            }
        plain::Sweep(net, plainRule);
        plain::Evaluate(net);
    }
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Epochs per second, the median of `repeats` timings of `epochs` epochs each.
template <typename Timed>
double Rate(int repeats, int epochs, Timed timed)
{
    std::vector<double> rates;
    for (int r = 0; r < repeats; ++r)
        rates.push_back(epochs / timed());
    return Median(rates);
}

// Enough epochs for about `seconds` of work.
template <typename Timed>
int EpochsFor(double seconds, Timed timedOne)
{
    const double one = std::max(timedOne(), 1e-9);
    return std::max(1, static_cast<int>(seconds / one));
}

std::string Human(double rate)
{
    char buffer[32];
    if (rate >= 1e6)
        std::snprintf(buffer, sizeof buffer, "%.2f M", rate / 1e6);
    else if (rate >= 1e4)
        std::snprintf(buffer, sizeof buffer, "%.1f K", rate / 1e3);
    else
        std::snprintf(buffer, sizeof buffer, "%.1f", rate);
    return buffer;
}

// scikit-learn's epochs per second on each file, or nothing when it is missing.
std::map<std::string, double> SklearnRates(const std::string& script, const std::vector<std::string>& files,
                                           bool quick)
{
    std::map<std::string, double> rates;
    std::string command = "/usr/bin/python3 " + script + (quick ? " --quick" : "");
    for (const auto& f : files)
        command += " " + f;
    command += " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return rates;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream in(line);
        std::string file;
        double rate = 0;
        if (in >> file >> rate)
            rates[file] = rate;
    }
    pclose(pipe);
    return rates;
}

// Every core: whole epochs of a run (sweep and measurement) as the engine
// runs them, its outputs on one thread against the engine's own choice of
// threads. Wall time, since more threads are the point.
// It notes when the run's second epoch ends, so that the timing leaves out
// what a run sets up before its first.
class QuietObserver : public RunObserver {
public:
    std::chrono::steady_clock::time_point secondEpochEnded;
    void EpochEnded(const EpochReport& report) override
    {
        if (report.EpochsOfRun == 2)
            secondEpochEnded = std::chrono::steady_clock::now();
    }
    void RunEnded(const EpochReport&) override {}
    void Problem(const RunProblem&) override {}
    bool StopRequested() override { return false; }
};

// Seconds for `epochs` epochs of a run after its first two.
double RunWallSeconds(const NetworkState& start, RuleKind rule, int epochs, int threads)
{
    NetworkState net = start;
    net.LearningRule = rule;
    net.FreshStart = false;
    net.StopAtMaxEpochs = true;
    net.EpochLimit = net.EpochCount + epochs + 2;
    net.StopWhenAllHits = false;
    net.PrintSweeps = 1000000;
    SetRunThreads(threads);
    MersenneRandom random(2);
    QuietObserver quiet;
    double lastPrinted = 0;
    RunTraining(net, random, quiet, lastPrinted);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - quiet.secondEpochEnded).count();
    SetRunThreads(0);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    bool quick = false;
    std::string folder = ".";
    std::string only;  // the workloads whose names hold this text (all when empty)
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        if (arg == "--quick")
            quick = true;
        else if (arg == "--folder" && a + 1 < argc)
            folder = argv[++a];
        else if (arg == "--only" && a + 1 < argc)
            only = argv[++a];
    }
    const std::string large = folder + "/large_3000x784x10.net";
    WriteLargeSet(large);
    const std::string wide = folder + "/wide_500x784x64.net";
    WriteWideSet(wide);
    const std::string sparse = folder + "/image_10pc.net", dense = folder + "/image_60pc.net",
                      noisy = folder + "/image_30pc_flipped.net";
    WriteImageLikeSet(sparse, 0.1, 0);
    WriteImageLikeSet(dense, 0.6, 0);
    WriteImageLikeSet(noisy, 0.3, 0.01);
    struct Workload {
        const char* name;
        std::string file;
        int warmup;
        double seconds;
        bool yardstick;
    };
    std::vector<Workload> workloads = {
        {"L 3000x784x10", large, 10, quick ? 0.3 : 1.0, false},
        {"I 10% inputs", sparse, 10, quick ? 0.3 : 1.0, false},
        {"I 60% inputs", dense, 10, quick ? 0.3 : 1.0, false},
        {"I 30%, 1% flips", noisy, 10, quick ? 0.3 : 1.0, false},
        {"W 500x784x64", wide, 10, quick ? 0.3 : 1.0, false},
        {"letters 26x35x26", std::string(VANTORELLE_EXAMPLES) + "/letters.net", 10, quick ? 0.1 : 0.4, true},
        {"AND 4x2x1", std::string(VANTORELLE_EXAMPLES) + "/and.net", 10, quick ? 0.1 : 0.4, true},
    };
    std::erase_if(workloads, [&](const Workload& w) { return std::string(w.name).find(only) == std::string::npos; });
    if (workloads.empty()) {
        std::fprintf(stderr, "no workload's name holds \"%s\"\n", only.c_str());
        return 1;
    }
    const int repeats = quick ? 3 : 7;
    const KernelSet& widest = DefaultKernels();
    std::printf("Kernels: %s (baseline SSE2 shown for comparison). Medians of %d, epochs per second,\n", widest.name,
                repeats);
    std::printf("processor time of this thread, from seed 1 in file order, timing from epoch %d on.\n\n",
                workloads[0].warmup);

    // scikit-learn is timed just before and just after each workload's
    // engine timings, and compared with their geometric mean: the load of a
    // shared machine drifts within a run.
    const std::string sklearnScript = std::string(VANTORELLE_BENCH_DIR) + "/sklearn_perceptron.py";
    bool sklearnFound = false;
    bool fannFound = false;

    std::printf("%-17s %-9s %12s %12s %12s %12s %10s\n", "workload", "rule", "engine", "SSE2 only", "plain loop",
                "engine/plain", "ms/epoch");
    for (const Workload& w : workloads) {
        const NetworkState loaded = Load(w.file);
        const bool compare = !w.yardstick || w.file.find("letters") != std::string::npos;
        std::map<std::string, double> before;
        if (compare)
            before = SklearnRates(sklearnScript, {w.file}, quick);
        std::map<RuleKind, double> engineRate;
        for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
            const NetworkState start = Warm(loaded, rule, w.warmup);
            const int epochs = EpochsFor(w.seconds / repeats, [&] { return EngineSeconds(start, rule, 1, widest); });
            const bool large = std::string(w.name).find("letters") == std::string::npos &&
                               std::string(w.name).find("AND") == std::string::npos;
            const int count = large ? 100 : std::max(epochs, 100);
            const double engine = Rate(repeats, count, [&] { return EngineSeconds(start, rule, count, widest); });
            const double sse2 = Rate(std::max(3, repeats / 2), count,
                                     [&] { return EngineSeconds(start, rule, count, Sse2Kernels); });
            double plainRate = 0;
            if (w.yardstick)
                plainRate = Rate(repeats, count, [&] { return PlainSeconds(start, rule, count); });
            else  // only a few epochs: the plain loop takes seconds per hundred on this set
                plainRate = Rate(1, 5, [&] { return PlainSeconds(start, rule, 5); });
            std::printf("%-17s %-9s %12s %12s %12s %12.2f %10.4f\n", w.name, RuleName(rule), Human(engine).c_str(),
                        Human(sse2).c_str(), Human(plainRate).c_str(), engine / plainRate, 1000.0 / engine);
            std::fflush(stdout);
            engineRate[rule] = engine;
        }
        std::printf("%-17s %-9s %12s %12s %12s %12.2f  (Tarvik / Delta)\n", "", "", "", "", "",
                    engineRate[RuleKind::Tarvik] / engineRate[RuleKind::Delta]);
        {
            // The floor: an epoch's measurement alone, which every epoch pays.
            const NetworkState start = Warm(loaded, RuleKind::Delta, w.warmup);
            const double floor = Rate(repeats, 20, [&] { return MeasureSeconds(start, 20); });
            std::printf("%-17s floor (the measurement alone) %s; step rule at %.0f%% of it\n", "",
                        Human(floor).c_str(), 100.0 * engineRate[RuleKind::Delta] / floor);
        }
        if (const auto fann = bench::FannEpochsPerSecond(loaded, w.seconds / repeats, repeats)) {
            std::printf("%-17s FANN (sigmoid, incremental) %s; engine / FANN: Gradient %.2f\n", "", Human(*fann).c_str(),
                        engineRate[RuleKind::Gradient] / *fann);
            fannFound = true;
        }
        if (!compare)
            continue;
        const std::map<std::string, double> after = SklearnRates(sklearnScript, {w.file}, quick);
        if (!before.count(w.file) || !after.count(w.file))
            continue;
        sklearnFound = true;
        const double sk = std::sqrt(before.at(w.file) * after.at(w.file));
        std::printf("%-17s scikit-learn %s before, %s after; engine / scikit-learn: Delta %.2f, Gradient %.2f, "
                    "Tarvik %.2f\n",
                    "", Human(before.at(w.file)).c_str(), Human(after.at(w.file)).c_str(),
                    engineRate[RuleKind::Delta] / sk, engineRate[RuleKind::Gradient] / sk,
                    engineRate[RuleKind::Tarvik] / sk);
    }
    std::printf("\nEvery core (wall epochs per second, median of %d; the engine's choice of threads; ratio: the\n"
                "median of pairs run one after the other):\n",
                repeats);
    std::printf("%-17s %-9s %12s %12s %8s %8s\n", "workload", "rule", "one thread", "all threads", "threads", "ratio");
    for (const Workload& w : workloads) {
        const NetworkState loaded = Load(w.file);
        const int threads = ChooseRunThreads(loaded.NumPatterns, loaded.NumInputs, loaded.NumOutputs);
        for (RuleKind rule : {RuleKind::Delta, RuleKind::Gradient, RuleKind::Tarvik}) {
            const NetworkState start = Warm(loaded, rule, w.warmup);
            const int epochs = std::max(
                3, EpochsFor(w.seconds / repeats, [&] { return RunWallSeconds(start, rule, 1, 1); }));
            // One thread and all of them in turn, so that the ratio of each
            // pair holds while the shared machine's speed drifts.
            std::vector<double> one, all, ratio;
            for (int r = 0; r < repeats; ++r) {
                one.push_back(epochs / RunWallSeconds(start, rule, epochs, 1));
                all.push_back(epochs / RunWallSeconds(start, rule, epochs, 0));
                ratio.push_back(all.back() / one.back());
            }
            std::printf("%-17s %-9s %12s %12s %8d %8.2f\n", w.name, RuleName(rule), Human(Median(one)).c_str(),
                        Human(Median(all)).c_str(), threads, Median(ratio));
            std::fflush(stdout);
        }
    }
    if (!fannFound)
        std::printf("\nFANN not found (tools/install-deps.sh bench installs it): no comparison.\n");
    if (!sklearnFound)
        std::printf("\nscikit-learn not found (tools/install-deps.sh bench installs it): no comparison.\n");
    return 0;
}
