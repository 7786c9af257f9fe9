// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A few threads kept for the length of a run, each given its share of the
// same piece of work again and again: an epoch's outputs split over them,
// joined once per epoch. Starting threads per epoch would cost more than a
// small epoch takes. Between rounds, and while the caller waits for the
// others, each first watches for a short while and then sleeps: waking a
// sleeping thread took 0.05 to 0.1 ms on a virtual machine, a tenth of an
// epoch of the larger networks.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vantorelle {

class WorkerCrew {
public:
    // `shares` shares a round: share 0 is done by the caller of Run, the
    // others by shares - 1 threads of the crew's own.
    explicit WorkerCrew(int shares);
    ~WorkerCrew();
    WorkerCrew(const WorkerCrew&) = delete;
    WorkerCrew& operator=(const WorkerCrew&) = delete;

    int Shares() const { return shares; }

    // Calls work(share) once for every share, at the same time, and returns
    // when all have returned. An exception from any share is thrown here
    // (the first one, after every share has ended).
    void Run(const std::function<void(int share)>& work);

    // How long a thread watches before it sleeps.
    static constexpr std::chrono::microseconds Watch{200};

private:
    void Serve(int share);
    // Watches, up to Watch, until done() holds; whether it does.
    template <typename Done>
    static bool WatchFor(Done done);

    int shares;
    std::mutex lock;
    std::condition_variable roundStarts;
    std::condition_variable roundEnds;
    const std::function<void(int)>* job = nullptr;
    // Written under the lock; also read without it while watching.
    std::atomic<long> round{0};
    std::atomic<int> running{0};
    bool closing = false;
    std::exception_ptr failure;
    std::vector<std::thread> threads;
};

}  // namespace vantorelle
