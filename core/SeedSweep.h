// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The same run from many seeds: how much the outcome owes to the random
// start and order. Each seed trains its own copy of the network, so the runs
// share nothing and spread over every core; each one's results are those of
// a single run with that seed, to the bit.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "NetworkState.h"
#include "NumberFormat.h"
#include "SettingsCheck.h"

namespace vantorelle {

struct SeedOutcome {
    std::uint64_t Seed = 0;
    bool Ran = false;  // false: stopped before it started, or refused (Problem)
    long Epochs = 0;
    bool AllHits = false;  // every response a hit when the run ended
    double TotalSSE = 0;
    long Hits = 0;
    long Responses = 0;
    std::optional<SettingsProblem> Problem;
};

// Epochs to all hits over the runs that reached them.
struct SeedSummary {
    long Runs = 0;
    long Reached = 0;
    double MedianEpochs = 0;  // the middle value, or the mean of the middle two
    long FewestEpochs = 0;
    long MostEpochs = 0;
};

// How many threads suit `runs` runs on this machine: every core, no more
// threads than runs, at least one.
unsigned SeedThreads(long runs);

// Trains `start` (sized, with its settings; FreshStart) from each seed with
// `input`, on `threads` threads, and answers the outcomes in the seeds'
// order. `stop` ends the sweep early: runs under way stop after their current
// epoch and keep what they reached, the rest are left out (Ran false).
// `finished` (any thread) hears of each run that ends.
std::vector<SeedOutcome> RunSeeds(const NetworkState& start, const SettingsInput& input,
                                  const std::vector<std::uint64_t>& seeds, unsigned threads,
                                  const std::atomic<bool>& stop,
                                  const std::function<void(const SeedOutcome&)>& finished = {});

SeedSummary Summarize(const std::vector<SeedOutcome>& outcomes);

// "All hits in 87 of 100 runs; epochs to all hits: median 12, fewest 5, most
// 40". Without the hit stop a run goes on past its first epoch of all hits,
// so its epochs say nothing of when it got there, and the line says only how
// many ended with all hits.
std::string SummaryText(const SeedSummary& summary, bool hitStop, const NumberLocale& locale);

}  // namespace vantorelle
