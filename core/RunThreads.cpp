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
std::optional<RunPlan> fixedPlan;  // set by tests before runs start

// A page built without threads (the browser edition) has one, whatever the
// processor has.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool ThreadsAvailable = false;
#else
constexpr bool ThreadsAvailable = true;
#endif

long Cores() { return ThreadsAvailable ? std::max(1u, std::thread::hardware_concurrency()) : 1; }

double Work(long patterns, long inputs, long outputs)
{
    return static_cast<double>(patterns) * static_cast<double>(inputs) * static_cast<double>(outputs);
}
}  // namespace

void FixRunPlan(std::optional<RunPlan> plan) { fixedPlan = plan; }

RunPlan PlanRun(long patterns, long inputs, long outputs)
{
    if (fixedPlan)
        return *fixedPlan;
    const int shares = ChooseRunThreads(patterns, inputs, outputs);
    if (shares > 1 || patterns < 1 || inputs < 1 || outputs < 1)
        return {shares, false};
    const long threads = fixedCount > 0 ? fixedCount.load()
                                        : (Work(patterns, inputs, outputs) >= SplitWorthWork ? Cores() : 1);
    return {1, std::min<long>(threads, limitHere) >= 2};
}

void SetRunThreads(int count) { fixedCount = ThreadsAvailable ? std::max(0, count) : 0; }
int FixedRunThreads() { return fixedCount; }

RunThreadsOnThisThread::RunThreadsOnThisThread(int most) : before(limitHere) { limitHere = std::max(1, most); }
RunThreadsOnThisThread::~RunThreadsOnThisThread() { limitHere = before; }

int ChooseRunThreads(long patterns, long inputs, long outputs)
{
    if (patterns < 1 || inputs < 1 || outputs < 2)
        return 1;
    long count = std::min<long>(fixedCount, limitHere);
    if (count == 0) {
        const double work = Work(patterns, inputs, outputs);
        const long most = std::min(Cores(), static_cast<long>(limitHere));
        count = 1;
        while (count < most && work / static_cast<double>(count + 1) >= SplitWorthWork / 2.0)
            ++count;
    }
    // Shares with too few outputs each wait on the inputs' chain as the
    // whole network would; the plan then measures aside instead.
    while (count > 1 && outputs / count < OutputsPerShare)
        --count;
    return static_cast<int>(std::max(1L, count));
}

}  // namespace vantorelle
