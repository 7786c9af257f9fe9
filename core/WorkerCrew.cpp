// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkerCrew.h"

namespace vantorelle {

namespace {

// A hint to the processor that this thread only waits.
inline void Pause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

}  // namespace

template <typename Done>
bool WorkerCrew::WatchFor(Done done)
{
    const auto until = std::chrono::steady_clock::now() + Watch;
    for (;;) {
        for (int i = 0; i < 64; ++i) {
            if (done())
                return true;
            Pause();
        }
        if (std::chrono::steady_clock::now() >= until)
            return done();
    }
}

WorkerCrew::WorkerCrew(int shares) : shares(shares < 1 ? 1 : shares)
{
    threads.reserve(static_cast<std::size_t>(this->shares - 1));
    for (int share = 1; share < this->shares; ++share)
        threads.emplace_back([this, share] { Serve(share); });
}

WorkerCrew::~WorkerCrew()
{
    {
        std::lock_guard guard(lock);
        closing = true;
    }
    roundStarts.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

void WorkerCrew::Run(const std::function<void(int share)>& work)
{
    {
        std::lock_guard guard(lock);
        job = &work;
        running = shares - 1;
        failure = nullptr;
        ++round;
    }
    roundStarts.notify_all();
    std::exception_ptr own;
    try {
        work(0);
    } catch (...) {
        own = std::current_exception();
    }
    WatchFor([this] { return running.load(std::memory_order_relaxed) == 0; });
    std::unique_lock guard(lock);
    roundEnds.wait(guard, [this] { return running == 0; });
    job = nullptr;
    if (own)
        std::rethrow_exception(own);
    if (failure)
        std::rethrow_exception(failure);
}

void WorkerCrew::Serve(int share)
{
    long seen = 0;
    std::unique_lock guard(lock);
    for (;;) {
        roundStarts.wait(guard, [&] { return closing || round != seen; });
        if (closing)
            return;
        seen = round;
        const std::function<void(int)>* work = job;
        guard.unlock();
        std::exception_ptr caught;
        try {
            (*work)(share);
        } catch (...) {
            caught = std::current_exception();
        }
        guard.lock();
        if (caught && !failure)
            failure = caught;
        if (--running == 0)
            roundEnds.notify_one();
        guard.unlock();
        WatchFor([&] { return round.load(std::memory_order_relaxed) != seen; });
        guard.lock();
    }
}

}  // namespace vantorelle
