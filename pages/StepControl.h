// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a training run is paced for a student watching it: as fast as it goes,
// slowed to a number of patterns a second, or paused, going on one pattern
// or to the end of the epoch at a time. The step panel sets it on the
// user-interface thread; the run's thread asks it after every pattern and
// between epochs, and waits there while it says so.
//
// A stop (a page closing, "Stop Training") must never wait for a step:
// wake() lets every wait end, and once the run's stop flag is set nothing
// waits any more.

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace vantorelle {

class StepControl {
public:
    // User-interface thread.
    void run();                                  // no pause; the pace stays
    void pause();                                // after the current pattern
    void stepPattern();                          // paused: one more pattern
    void stepEpoch();                            // paused: to the end of this epoch
    void setPatternsPerSecond(double perSecond);  // 0: as fast as possible
    bool paused() const;
    double patternsPerSecond() const;
    void wake();                                 // a stop was asked for

    // The run's thread.
    // Whether the next epoch presents its patterns one at a time.
    bool wantsSteps() const;
    // After a pattern; `last`: the epoch's last one.
    void afterPattern(bool last, const std::atomic<bool>& stop);
    // After an epoch's measurement, before the next one starts.
    void betweenEpochs(const std::atomic<bool>& stop);

private:
    // Paused: waits until a step, "Run" or a stop lets the run go on.
    void waitWhilePaused(std::unique_lock<std::mutex>& lock, const std::atomic<bool>& stop);

    mutable std::mutex mutex;
    std::condition_variable changed;
    bool isPaused = false;
    double pace = 0;
    long releases = 0;          // steps asked for while paused, not yet taken
    bool toEpochEnd = false;    // "Step One Epoch" is under way
    bool holdAtEpochEnd = false;  // the epoch it stepped through has ended
    unsigned long commands = 0;   // counts every command, so a wait sees a new one
};

}  // namespace vantorelle
