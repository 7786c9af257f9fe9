// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepControl.h"

#include <chrono>

namespace vantorelle {

void StepControl::run()
{
    std::lock_guard lock(mutex);
    isPaused = false;
    releases = 0;
    toEpochEnd = false;
    holdAtEpochEnd = false;
    ++commands;
    changed.notify_all();
}

void StepControl::pause()
{
    std::lock_guard lock(mutex);
    isPaused = true;
    ++commands;
    changed.notify_all();
}

void StepControl::stepPattern()
{
    std::lock_guard lock(mutex);
    if (isPaused)
        ++releases;
    isPaused = true;
    ++commands;
    changed.notify_all();
}

void StepControl::stepEpoch()
{
    std::lock_guard lock(mutex);
    isPaused = true;
    toEpochEnd = true;
    ++commands;
    changed.notify_all();
}

void StepControl::setPatternsPerSecond(double perSecond)
{
    std::lock_guard lock(mutex);
    pace = perSecond > 0 ? perSecond : 0;
    ++commands;
    changed.notify_all();
}

bool StepControl::paused() const
{
    std::lock_guard lock(mutex);
    return isPaused;
}

double StepControl::patternsPerSecond() const
{
    std::lock_guard lock(mutex);
    return pace;
}

void StepControl::wake()
{
    std::lock_guard lock(mutex);
    ++commands;
    changed.notify_all();
}

bool StepControl::wantsSteps() const
{
    std::lock_guard lock(mutex);
    return isPaused || pace > 0;
}

void StepControl::waitWhilePaused(std::unique_lock<std::mutex>& lock, const std::atomic<bool>& stop)
{
    changed.wait(lock, [&] { return stop.load() || releases > 0 || toEpochEnd || !isPaused; });
    if (releases > 0 && !stop.load())
        --releases;
}

void StepControl::afterPattern(bool last, const std::atomic<bool>& stop)
{
    std::unique_lock lock(mutex);
    if (stop.load())
        return;
    if (!isPaused && pace > 0) {
        // Slowed down: wait out the pattern's share of a second, or less
        // when a command comes meanwhile (a pause among them).
        const unsigned long seen = commands;
        const auto share = std::chrono::duration<double>(1.0 / pace);
        changed.wait_for(lock, share, [&] { return stop.load() || commands != seen; });
    }
    if (!isPaused || stop.load())
        return;
    if (toEpochEnd) {
        // "Step One Epoch": on to the epoch's end, and wait there.
        if (last) {
            toEpochEnd = false;
            holdAtEpochEnd = true;
        }
        return;
    }
    if (releases > 0) {  // asked for before the run got here
        --releases;
        return;
    }
    waitWhilePaused(lock, stop);
    if (toEpochEnd && last) {
        toEpochEnd = false;
        holdAtEpochEnd = true;
    }
}

void StepControl::betweenEpochs(const std::atomic<bool>& stop)
{
    std::unique_lock lock(mutex);
    if (!holdAtEpochEnd)
        return;
    holdAtEpochEnd = false;
    if (!isPaused || stop.load())
        return;
    if (releases > 0) {
        --releases;
        return;
    }
    waitWhilePaused(lock, stop);
}

}  // namespace vantorelle
