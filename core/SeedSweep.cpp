// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeedSweep.h"

#include <algorithm>
#include <climits>
#include <mutex>
#include <thread>

#include "NumberFormat.h"
#include "Random.h"
#include "RunObserver.h"
#include "RunThreads.h"
#include "TrainingEngine.h"

namespace vantorelle {

namespace {

// A run nobody watches, but that can be stopped.
class QuietRun : public RunObserver {
public:
    explicit QuietRun(const std::atomic<bool>& stop) : stop(stop) {}
    void EpochEnded(const EpochReport&) override {}
    void RunEnded(const EpochReport&) override {}
    void Problem(const RunProblem&) override {}
    bool StopRequested() override { return stop.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>& stop;
};

SeedOutcome RunOne(const NetworkState& start, const SettingsInput& input, std::uint64_t seed,
                   const std::atomic<bool>& stop)
{
    SeedOutcome outcome;
    outcome.Seed = seed;
    NetworkState net = start;
    MersenneRandom random(seed);
    QuietRun observer(stop);
    double lastPrintedSSE = 0;
    if (Refusal refusal = StartTraining(net, input, random, observer, lastPrintedSSE)) {
        outcome.Problem = *refusal;
        return outcome;
    }
    outcome.Ran = true;
    outcome.Epochs = net.EpochCount;
    outcome.TotalSSE = net.TotalSSE;
    outcome.Hits = net.Hits;
    outcome.Responses = net.NumResponses;
    outcome.AllHits = net.Hits == net.NumResponses;
    return outcome;
}

}  // namespace

unsigned SeedThreads(long runs)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::clamp<long>(runs, 1, cores));
}

std::vector<SeedOutcome> RunSeeds(const NetworkState& start, const SettingsInput& input,
                                  const std::vector<std::uint64_t>& seeds, unsigned threads,
                                  const std::atomic<bool>& stop,
                                  const std::function<void(const SeedOutcome&)>& finished)
{
    std::vector<SeedOutcome> outcomes(seeds.size());
    for (std::size_t i = 0; i < seeds.size(); ++i)
        outcomes[i].Seed = seeds[i];
    std::atomic<std::size_t> next{0};
    std::mutex telling;
    // The runs themselves keep every core busy: each stays on its thread.
    const int threadsPerRun = threads > 1 ? 1 : INT_MAX;
    auto work = [&] {
        RunThreadsOnThisThread oneRunsThreads(threadsPerRun);
        for (std::size_t i = next++; i < seeds.size() && !stop.load(); i = next++) {
            outcomes[i] = RunOne(start, input, seeds[i], stop);
            if (finished) {
                std::lock_guard lock(telling);
                finished(outcomes[i]);
            }
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < std::max(1u, threads); ++t)
        pool.emplace_back(work);
    work();
    return outcomes;
}

SeedSummary Summarize(const std::vector<SeedOutcome>& outcomes)
{
    SeedSummary summary;
    std::vector<long> epochs;
    for (const SeedOutcome& outcome : outcomes) {
        if (!outcome.Ran)
            continue;
        ++summary.Runs;
        if (outcome.AllHits)
            epochs.push_back(outcome.Epochs);
    }
    summary.Reached = static_cast<long>(epochs.size());
    if (epochs.empty())
        return summary;
    std::sort(epochs.begin(), epochs.end());
    const std::size_t middle = epochs.size() / 2;
    summary.MedianEpochs = epochs.size() % 2 ? static_cast<double>(epochs[middle])
                                             : (static_cast<double>(epochs[middle - 1]) + epochs[middle]) / 2;
    summary.FewestEpochs = epochs.front();
    summary.MostEpochs = epochs.back();
    return summary;
}

std::string SummaryText(const SeedSummary& summary, bool hitStop, const NumberLocale& locale)
{
    std::string line = std::string(hitStop ? "All hits in " : "All hits at the end in ") +
                       std::to_string(summary.Reached) + " of " + std::to_string(summary.Runs) +
                       (summary.Runs == 1 ? " run" : " runs");
    if (summary.Reached == 0 || !hitStop)
        return line;
    return line + "; epochs to all hits: median " + FormatGeneral(summary.MedianEpochs, locale) + ", fewest " +
           std::to_string(summary.FewestEpochs) + ", most " + std::to_string(summary.MostEpochs);
}

}  // namespace vantorelle
