// SPDX-License-Identifier: GPL-3.0-or-later
// The crew's rounds: every share runs once a round, whether the threads were
// still watching for it or had gone to sleep, and a failure in any share
// reaches the caller without spoiling the rounds after it.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "WorkerCrew.h"

using namespace vantorelle;

namespace {

// Keeps the caller busy for `gap` between rounds (the crew's threads watch,
// then sleep, meanwhile).
void BusyFor(std::chrono::microseconds gap)
{
    const auto until = std::chrono::steady_clock::now() + gap;
    while (std::chrono::steady_clock::now() < until) {
    }
}

}  // namespace

TEST(WorkerCrew, EveryShareRunsOnceARoundAfterShortAndLongGaps)
{
    for (int shares : {1, 2, 5}) {
        WorkerCrew crew(shares);
        std::vector<std::atomic<int>> runs(static_cast<std::size_t>(shares));
        const std::chrono::microseconds gaps[] = {std::chrono::microseconds{0}, WorkerCrew::Watch / 4,
                                                  WorkerCrew::Watch * 3};
        int rounds = 0;
        for (int r = 0; r < 60; ++r) {
            BusyFor(gaps[r % 3]);
            crew.Run([&](int share) { runs[static_cast<std::size_t>(share)].fetch_add(1); });
            ++rounds;
            for (int s = 0; s < shares; ++s)
                ASSERT_EQ(runs[static_cast<std::size_t>(s)].load(), rounds) << shares << " shares, share " << s;
        }
    }
}

TEST(WorkerCrew, AFailingShareReachesTheCallerAndTheCrewGoesOn)
{
    WorkerCrew crew(3);
    std::atomic<int> finished{0};
    for (int failing : {0, 2}) {
        EXPECT_THROW(crew.Run([&](int share) {
            if (share == failing)
                throw std::runtime_error("share failed");
            finished.fetch_add(1);
        }),
                     std::runtime_error);
        BusyFor(WorkerCrew::Watch * 2);  // the threads asleep for the next round
    }
    EXPECT_EQ(finished.load(), 4);  // the other shares of both rounds ended
    finished = 0;
    crew.Run([&](int) { finished.fetch_add(1); });
    EXPECT_EQ(finished.load(), 3);
}
