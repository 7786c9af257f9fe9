// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunThreads.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <thread>

namespace vantorelle {

namespace {
std::atomic<int> fixedCount{0};
thread_local int limitHere = INT_MAX;
}  // namespace

void SetRunThreads(int count) { fixedCount = std::max(0, count); }
int FixedRunThreads() { return fixedCount; }

RunThreadsOnThisThread::RunThreadsOnThisThread(int most) : before(limitHere) { limitHere = std::max(1, most); }
RunThreadsOnThisThread::~RunThreadsOnThisThread() { limitHere = before; }

int ChooseRunThreads(long patterns, long inputs, long outputs)
{
    if (patterns < 1 || inputs < 1 || outputs < 2)
        return 1;
    long count = fixedCount;
    if (count == 0) {
        const double work = static_cast<double>(patterns) * static_cast<double>(inputs) * static_cast<double>(outputs);
        const long cores = std::max(1u, std::thread::hardware_concurrency());
        count = 1;
        while (count < cores && work / static_cast<double>(count + 1) >= SplitWorthWork / 2.0 &&
               outputs / (count + 1) >= OutputsPerShare)
            ++count;
    }
    return static_cast<int>(std::clamp<long>(std::min<long>(count, limitHere), 1, outputs));
}

}  // namespace vantorelle
